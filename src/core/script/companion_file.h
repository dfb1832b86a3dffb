#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

class EntryList;
struct Task;

// The side file of a script that keeps what the script cannot hold: comments,
// verification marks and the source texts the translations were made from. Its
// name is the script's path, a point and the language number.
QString companionPath(const QString &scriptPath, int language);

// Writes the companion file of one side of a task; false when it cannot be written
// (the old file then stays as it was).
bool writeCompanion(const EntryList &entries, const Task *task, const QString &scriptPath,
                    int language, bool isSource);

// Writes the companion files of a task's source and of its target, written to
// targetPath in targetLanguage. Returns the paths of those that could not be written.
QStringList writeTaskCompanions(const EntryList &entries, const Task *task,
                                const QString &targetPath, int targetLanguage);

// Tells that a target was written although its companion files were not.
QString companionsNotWrittenMessage(const QString &targetPath, const QStringList &companionPaths);

// Applies a companion file to the entries of a task. A missing file is no error;
// reading stops at the first malformed line.
void readCompanion(EntryList &entries, const Task *task, const QString &scriptPath, int language,
                   bool isSource);

} // namespace tarvelo
