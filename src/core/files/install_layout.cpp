// The install layout's relative paths, fixed when the build is configured.
#include "files/install_layout.h"

#include <QDir>
#include <QFileInfo>

// The build defines TARVELO_BIN_TO_LIB, TARVELO_BIN_TO_TRANSLATIONS and TARVELO_BIN_TO_LIBEXEC
// (paths from the programs' folder to the others) and KESTRINE_SOVERSION.

namespace tarvelo {

namespace {

QString relativeTo(const QString &programFolder, const char *relative) {
  return QDir::cleanPath(QDir(programFolder).filePath(QString::fromUtf8(relative)));
}

} // namespace

QStringList memoryLibraryCandidates(const QString &programFolder) {
  const QString beside = QDir(programFolder).filePath(QStringLiteral("kestrine"));
  const QString installed =
      QDir(relativeTo(programFolder, TARVELO_BIN_TO_LIB)).filePath(QStringLiteral("kestrine"));
  if (QDir::cleanPath(beside) == QDir::cleanPath(installed))
    return {beside};
  return {beside, installed};
}

int memoryLibraryMajorVersion() {
  return KESTRINE_SOVERSION;
}

QString translationsFolder(const QString &programFolder) {
  const QString installed = relativeTo(programFolder, TARVELO_BIN_TO_TRANSLATIONS);
  if (QFileInfo(installed).isDir())
    return installed;
  return programFolder;
}

bool isInstalledProgram(const QString &programFolder) {
  const QString installed = relativeTo(programFolder, TARVELO_BIN_TO_TRANSLATIONS);
  return installed != QDir::cleanPath(programFolder) && QFileInfo(installed).isDir();
}

QString companionProgram(const QString &programFolder, const QString &name) {
  const QString installed = QDir(relativeTo(programFolder, TARVELO_BIN_TO_LIBEXEC)).filePath(name);
  if (QFileInfo(installed).isExecutable())
    return installed;
  return QDir(programFolder).filePath(name);
}

} // namespace tarvelo
