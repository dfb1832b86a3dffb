// Spell checking with Hunspell and the translator's own words, answers kept.
#include "spelling/spell_checker.h"

#include "files/file_transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <hunspell.hxx>

namespace tarvelo {

SpellChecker::~SpellChecker() = default;

std::unique_ptr<SpellChecker> SpellChecker::open(const DictionaryFiles &files,
                                                 const QString &userDictionary, QString *error) {
  QFile affix(files.affix), words(files.words);
  // Hunspell reports unreadable files only on its own standard error.
  if (files.isNull() || !affix.open(QIODevice::ReadOnly) || !words.open(QIODevice::ReadOnly)) {
    if (error)
      *error = QStringLiteral("The dictionary '%1' cannot be read.").arg(files.words);
    return nullptr;
  }
  // The encoding of the dictionary, named by the affix file's "SET" line.
  QByteArray encoding = "ISO8859-1";
  while (!affix.atEnd()) {
    const QByteArray line = affix.readLine().trimmed();
    if (line.startsWith("SET ")) {
      encoding = line.mid(4).trimmed().toUpper();
      break;
    }
  }
  if (encoding != "UTF-8") {
    if (error)
      *error = QStringLiteral("The dictionary '%1' is not in UTF-8.").arg(files.words);
    return nullptr;
  }
  std::unique_ptr<SpellChecker> checker(new SpellChecker);
  checker->m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(files.affix).constData(),
                                                   QFile::encodeName(files.words).constData());
  checker->m_name = files.name;
  checker->m_userDictionary = userDictionary;
  QFile user(userDictionary);
  if (!userDictionary.isEmpty() && user.open(QIODevice::ReadOnly)) {
    while (!user.atEnd()) {
      const QString word = QString::fromUtf8(user.readLine()).trimmed();
      if (!word.isEmpty())
        checker->m_hunspell->add(word.toStdString());
    }
  }
  return checker;
}

bool SpellChecker::isCorrect(const QString &word) {
  const auto known = m_known.constFind(word);
  if (known != m_known.constEnd())
    return known.value();
  const bool correct = m_hunspell->spell(word.toStdString());
  m_known.insert(word, correct);
  return correct;
}

QStringList SpellChecker::suggestions(const QString &word, int max) {
  if (word.size() > kLongestSuggested)
    return {};
  auto found = m_suggested.constFind(word);
  if (found == m_suggested.constEnd()) {
    QStringList all;
    for (const std::string &s : m_hunspell->suggest(word.toStdString()))
      all << QString::fromStdString(s);
    found = m_suggested.insert(word, all);
  }
  return found->mid(0, max);
}

QList<SpellWord> SpellChecker::misspelt(const QString &text) {
  QList<SpellWord> out;
  for (const SpellWord &word : spellWords(text))
    if (!isCorrect(word.word))
      out.append(word);
  return out;
}

bool SpellChecker::addToDictionary(const QString &word) {
  m_hunspell->add(word.toStdString());
  m_known.insert(word, true);
  if (m_userDictionary.isEmpty())
    return false;
  // The whole file is written anew, so a failure never leaves half of it.
  QByteArray content;
  QFile old(m_userDictionary);
  if (old.open(QIODevice::ReadOnly))
    content = old.readAll();
  old.close();
  if (!content.isEmpty() && !content.endsWith('\n'))
    content += '\n';
  content += word.toUtf8() + '\n';
  if (!QDir().mkpath(QFileInfo(m_userDictionary).absolutePath()))
    return false;
  return writeFileSafely(m_userDictionary, content);
}

} // namespace tarvelo
