// Finding a locale's Hunspell dictionary, and where the user's own words are kept.
#include "spelling/dictionary_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvelo {

namespace {

DictionaryFiles filesIn(const QString &folder, const QString &name) {
  const QDir dir(folder);
  const QString affix = dir.filePath(name + QStringLiteral(".aff"));
  const QString words = dir.filePath(name + QStringLiteral(".dic"));
  if (QFileInfo::exists(affix) && QFileInfo::exists(words))
    return {name, affix, words};
  return {};
}

} // namespace

QStringList dictionaryFolders() {
  QStringList folders;
  const QString named = qEnvironmentVariable("TARVELO_DICTIONARIES");
  if (!named.isEmpty())
    folders += named.split(QDir::listSeparator(), Qt::SkipEmptyParts);
  if (QCoreApplication::instance())
    folders
        << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("dictionaries"));
  folders << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell/dicts")
          << QStringLiteral("/usr/share/myspell");
  return folders;
}

DictionaryFiles findDictionary(const QString &localeTag, const QStringList &folders) {
  const QStringList parts = localeTag.split(u'-', Qt::SkipEmptyParts);
  if (parts.isEmpty())
    return {};
  const QString language = parts.first().toLower();
  // "sr-Latn-RS" names its country last.
  const QString country = parts.size() > 1 ? parts.last().toUpper() : QString();
  QStringList wanted;
  if (!country.isEmpty())
    wanted << language + u'_' + country;
  wanted << language << language + u'_' + language.toUpper();
  for (const QString &name : wanted)
    for (const QString &folder : folders)
      if (DictionaryFiles files = filesIn(folder, name); !files.isNull())
        return files;
  for (const QString &folder : folders) {
    QStringList found =
        QDir(folder).entryList({language + QStringLiteral("_*.aff")}, QDir::Files, QDir::Name);
    for (const QString &file : found)
      if (DictionaryFiles files = filesIn(folder, QFileInfo(file).completeBaseName());
          !files.isNull())
        return files;
  }
  return {};
}

QString userDictionaryPath(const QString &localeTag) {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("Tarvelo/dictionary-%1.txt").arg(localeTag));
}

} // namespace tarvelo
