// A project of ordered tasks, and reading and writing its .tvx file.
#pragma once

#include "script/task.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelo {

// A project: the ordered tasks of a product's scripts, kept in a .tvx file.
struct Project {
  QList<Task> tasks;
  QString path; // full path of the project file; empty while unnamed
  bool modified = false;
};

// The text of a project file: UTF-16LE after FF FE (an odd last byte dropped), else
// text in the ANSI code page.
QString projectFileText(const QByteArray &content);

// The line without the one occurrence of key; null when key occurs not exactly once.
QString projectKeyValue(const QString &line, QLatin1String key);

// Reads the tasks of a project file's content. A file beginning with FF FE is
// UTF-16LE, any other is text in the ANSI code page. Malformed blocks are skipped
// without a word; relative paths are resolved against projectFolder.
QList<Task> parseProjectFile(const QByteArray &content, const QString &projectFolder);

// The content of a project file: UTF-16LE with its byte-order mark, one block of
// seven CR LF lines per task. With relativePaths the paths are written relative to
// projectFolder.
QByteArray formatProjectFile(const QList<Task> &tasks, const QString &projectFolder,
                             bool relativePaths);

// Opens the file into project: false, with project unchanged, when it cannot be read.
bool readProject(const QString &path, Project &project);

// Writes the project atomically to its path and clears its modified flag; false,
// with the old file untouched, when it cannot be written.
bool writeProject(Project &project, bool relativePaths);

} // namespace tarvelo
