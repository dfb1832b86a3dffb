// The companion files beside a script: verification marks and comments of each entry.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

class EntryList;
class FileTransaction;
struct Task;

// The side file of a script that keeps what the script cannot hold: comments,
// verification marks and the source texts the translations were made from. Its
// name is the script's path, a point and the language number.
QString companionPath(const QString &scriptPath, int language);

// The companion file of one side of a task: UTF-16 with its byte-order mark.
QByteArray companionBytes(const EntryList &entries, const Task *task, bool isSource);

// Stages the companion file of one side of a task in the files written together,
// unless the file already says the same; false when it cannot be written.
bool stageCompanion(FileTransaction &files, const EntryList &entries, const Task *task,
                    const QString &scriptPath, int language, bool isSource);

// Writes the companion file of one side of a task; false when it cannot be written
// (the old file then stays as it was).
bool writeCompanion(const EntryList &entries, const Task *task, const QString &scriptPath,
                    int language, bool isSource);

// Writes a task's target (its new content, to targetPath in targetLanguage) and the
// companion files of its source and target together: all of them or, when one cannot
// be written, none (message then names the file and the reason). The target's bytes
// are let go once they are on the disk: pass them moved. A compiled target (compiled:
// a .res file, a language DLL, a program) is only ever replaced by compiled bytes, and
// a script never replaces one.
bool writeTaskFiles(const EntryList &entries, const Task *task, const QString &targetPath,
                    int targetLanguage, QByteArray target, QString *message, bool compiled = false);

// Applies a companion file to the entries of a task. A missing file is no error;
// reading stops at the first malformed line.
void readCompanion(EntryList &entries, const Task *task, const QString &scriptPath, int language,
                   bool isSource);

} // namespace tarvelo
