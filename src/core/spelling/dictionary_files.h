// Hunspell dictionaries: the folders searched, the one for a locale, the user's words.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

// A Hunspell dictionary: its two files and its name ("de_DE").
struct DictionaryFiles {
  QString name;
  QString affix;
  QString words;

  bool isNull() const { return name.isEmpty(); }
};

// The folders searched for dictionaries, in order: those TARVELO_DICTIONARIES names
// (separated as the platform separates paths), "dictionaries" beside the program, and
// the system's Hunspell folders.
QStringList dictionaryFolders();

// The dictionary for a locale tag such as "de-CH": the exact one ("de_CH"), else one of
// the language alone ("de"), else its main country's ("de_DE"), else the first of the
// language in name order. Null when none is found.
DictionaryFiles findDictionary(const QString &localeTag, const QStringList &folders);

// Where the words a translator adds for a language are kept: a UTF-8 file, one word a
// line, in the settings folder.
QString userDictionaryPath(const QString &localeTag);

} // namespace tarvelo
