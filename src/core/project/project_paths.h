// Paths of a project file, Windows or not: relative on writing, resolved on reading.
#pragma once

#include <QHash>
#include <QString>

namespace tarvelo {

// Paths of a project file. A project may have been written on Windows, so reading
// accepts "\" and "/" alike; writing uses the platform's separator.

// The folder of a project file: its path up to the last separator.
QString projectFolderOf(const QString &projectPath);

// The path as written with "RelativePath" on: ".\" and the rest for a script in or
// below the project folder, one "..\" per folder level otherwise; a path on another
// drive is written as held.
QString relativeToProject(const QString &projectFolder, const QString &path);

// A path read from a project file. A relative one is resolved against the project
// folder step by step in the order written ("..\" goes up a folder, ".\" and a doubled
// "\\" change nothing); a Windows path with a drive letter is kept as read on other systems, so
// that a missing script is reported when its task is opened.
QString resolveFromProject(const QString &projectFolder, const QString &stored);

// resolveFromProject for the many paths of one file: the folders it lists to find a
// name that differs in case are listed once, so that a large project whose scripts
// are elsewhere reads as fast as one whose scripts are here.
class ProjectPathResolver {
public:
  explicit ProjectPathResolver(const QString &projectFolder) : m_folder(projectFolder) {}
  QString resolve(const QString &stored);

private:
  // The path, or the one whose missing parts differ from it only in case.
  QString matchingCase(const QString &path);
  // The entry of a folder named as name without regard to case, if exactly one.
  QString entryOf(const QString &folder, const QString &name);

  QString m_folder;
  QHash<QString, QHash<QString, QString>> m_listings; // folded name to name; "" if twice
};

} // namespace tarvelo
