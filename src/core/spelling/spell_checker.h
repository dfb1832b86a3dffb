// One Hunspell dictionary with the translator's own words, answers cached.
#pragma once

#include "spelling/dictionary_files.h"
#include "spelling/spell_words.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;

namespace tarvelo {

// One Hunspell dictionary with the translator's own words. Answers are kept, so a
// word is looked up once however often it stands in a script. Not thread-safe: it may
// be made on one thread and then used on another.
class SpellChecker {
public:
  ~SpellChecker();

  // Loads the dictionary and the user dictionary (a missing one is empty). Null, with
  // the reason in error, when the dictionary cannot be read.
  static std::unique_ptr<SpellChecker> open(const DictionaryFiles &files,
                                            const QString &userDictionary, QString *error);

  QString name() const { return m_name; }
  bool isCorrect(const QString &word);
  // A word longer than this gets no suggestions: the dictionary's search for them grows
  // with the word and is slow already for an ordinary one.
  static constexpr int kLongestSuggested = 40;
  // The dictionary's proposals, best first, at most max; kept, so a word is searched
  // once however often it is asked about.
  QStringList suggestions(const QString &word, int max = 8);
  // The words of the text that the dictionary does not know.
  QList<SpellWord> misspelt(const QString &text);
  // Adds the word for this run and to the user dictionary; false, with the word added
  // for this run all the same, when the file cannot be written.
  bool addToDictionary(const QString &word);

private:
  SpellChecker() = default;

  std::unique_ptr<Hunspell> m_hunspell;
  QString m_name;
  QString m_userDictionary;
  QHash<QString, bool> m_known;
  QHash<QString, QStringList> m_suggested;
};

} // namespace tarvelo
