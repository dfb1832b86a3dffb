// Looking up the memory's terms that occur in a text.
#include "tmclient/memory_terms.h"

#include "tmclient/memory_client.h"

#include <QSet>
#include <algorithm>

namespace tarvelo {

namespace {

// The few longest words of a text, which the memory is searched for.
QStringList searchedWords(const QString &text) {
  QStringList words;
  QString word;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i].isLetter()) {
      word.append(text[i]);
      continue;
    }
    if (word.size() >= 3 && !words.contains(word, Qt::CaseInsensitive))
      words.append(word);
    word.clear();
  }
  std::stable_sort(words.begin(), words.end(),
                   [](const QString &a, const QString &b) { return a.size() > b.size(); });
  return words.mid(0, 6);
}

} // namespace

qsizetype wholeWordsAt(const QString &text, const QString &term) {
  for (qsizetype at = text.indexOf(term, 0, Qt::CaseInsensitive); at >= 0;
       at = text.indexOf(term, at + 1, Qt::CaseInsensitive)) {
    const qsizetype after = at + term.size();
    const bool startsWord = at == 0 || !text[at - 1].isLetterOrNumber();
    const bool endsWord = after >= text.size() || !text[after].isLetterOrNumber();
    if (startsWord && endsWord)
      return at;
  }
  return -1;
}

QList<QPair<QString, QString>> MemoryTerms::operator()(const QString &text) {
  const QStringList words = searchedWords(text);
  if (words.isEmpty())
    return {};
  QList<std::pair<qsizetype, QString>> found; // where in the text, source
  QSet<QString> seen;
  for (const auto &[source, target] : m_client.search(words, false)) {
    const QString term = source.trimmed();
    if (term.isEmpty() || term.size() >= text.trimmed().size() || seen.contains(term))
      continue;
    const qsizetype at = wholeWordsAt(text, term);
    if (at < 0)
      continue;
    seen.insert(term);
    found.append({at, term});
    if (!m_mostUsed.contains(term)) {
      const QString mostUsed = m_client.remembered(source).value(0);
      m_mostUsed.insert(term, mostUsed.isEmpty() ? target : mostUsed);
    }
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  QList<QPair<QString, QString>> terms;
  for (const auto &[at, term] : found)
    terms.append({term, m_mostUsed.value(term)});
  return terms;
}

} // namespace tarvelo
