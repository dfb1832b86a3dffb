// Splitting a memory search into words and phrases, and writing them back.
#include "exchange/search_words.h"

namespace tarvelo {

QStringList searchWords(const QString &text) {
  QStringList words;
  QString word;
  bool phrase = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (phrase) {
      if (c != u'"') {
        word += c;
      } else if (i + 1 < text.size() && text[i + 1] == u'"') {
        word += c;
        ++i;
      } else {
        phrase = false;
      }
    } else if (c == u'"') {
      phrase = true;
    } else if (c == u' ') {
      if (!word.isEmpty())
        words.append(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.isEmpty())
    words.append(word);
  return words;
}

QString searchText(const QStringList &words) {
  QStringList written;
  for (const QString &word : words) {
    if (word.contains(u' ')) {
      QString quoted = word;
      quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
      written.append(u'"' + quoted + u'"');
    } else {
      written.append(word);
    }
  }
  return written.join(u' ');
}

} // namespace tarvelo
