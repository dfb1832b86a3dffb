// Splitting a script text into the words worth spell-checking.
#include "spelling/spell_words.h"

#include "workbench/text_markup.h"

namespace tarvelo {

namespace {

bool isApostrophe(QChar c) {
  return c == u'\'' || c == u'\u2019';
}

// A letter, or an apostrophe or hyphen between two letters ("don't", "e-mail").
bool joins(const QString &text, int i, const QList<bool> &isMarkup) {
  const QChar c = text[i];
  if (!isApostrophe(c) && c != u'-')
    return false;
  return i > 0 && i + 1 < text.size() && !isMarkup[i - 1] && !isMarkup[i + 1] &&
         text[i - 1].isLetter() && text[i + 1].isLetter();
}

bool worthChecking(const QString &word, bool hasDigit) {
  if (hasDigit || word.size() < 2)
    return false;
  bool lower = false;
  for (QChar c : word)
    lower = lower || c.isLower();
  return lower;
}

} // namespace

QList<SpellWord> spellWords(const QString &text) {
  const int size = int(text.size());
  QList<bool> isMarkup(size, false);
  QList<bool> isMark(size, false); // access-key marks, which join a word's parts
  int body = size;
  for (const MarkupSpan &span : markupSpans(text)) {
    for (int i = span.start; i < span.end(); ++i)
      isMarkup[i] = true;
    if (span.kind == MarkupSpan::AccessKeyMark)
      isMark[span.start] = true;
    // A leading tab indents; a later one begins a shortcut or a column.
    if (span.kind == MarkupSpan::Escape && span.start > 0 &&
        QStringView(text).mid(span.start, span.length) == u"\\t")
      body = span.start;
  }

  QList<SpellWord> words;
  SpellWord current;
  bool inWord = false, hasDigit = false;
  const auto finish = [&](int end) {
    if (inWord && worthChecking(current.word, hasDigit)) {
      current.end = end;
      words.append(current);
    }
    inWord = false;
    hasDigit = false;
  };
  int lastWordChar = 0;
  for (int i = 0; i < body; ++i) {
    const QChar c = text[i];
    if (isMark[i]) {
      // "E&xit": the mark stands inside the word; "&Open": it begins it.
      if (!inWord && i + 1 < body && text[i + 1].isLetter()) {
        current = {i, i, QString()};
        inWord = true;
      }
      continue;
    }
    const bool wordChar = !isMarkup[i] && (c.isLetterOrNumber() || c.isMark() ||
                                           (inWord && joins(text, i, isMarkup)));
    if (!wordChar) {
      finish(lastWordChar);
      continue;
    }
    if (!inWord) {
      current = {i, i, QString()};
      inWord = true;
    }
    hasDigit = hasDigit || c.isDigit();
    current.word += c;
    lastWordChar = i + 1;
  }
  finish(lastWordChar);
  return words;
}

} // namespace tarvelo
