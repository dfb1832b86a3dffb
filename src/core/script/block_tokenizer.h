#pragma once

#include "script/token.h"

#include <QString>

namespace tarvelo {

struct BlockToken {
  TokenKind kind = TokenKind::EndOfFile;
  QString text;
  qsizetype start = 0; // first character (the opening quote of a string)
  qsizetype end = 0;   // one past the last character (past the closing quote)
};

// Tokenizes a block's verbatim text in memory, reporting where each token stands.
// It follows the script tokenizer's string rules, braces and NOT pairs, but knows no
// comments, keeps parentheses inside words, and reads a minus sign followed by a
// digit as the start of a number.
class BlockTokenizer {
public:
  explicit BlockTokenizer(const QString &text, qsizetype from = 0) : m_text(text), m_pos(from) {}

  BlockToken next();
  // The kind of the next token without consuming it.
  BlockToken peek() const;
  qsizetype position() const { return m_pos; }
  void setPosition(qsizetype position) { m_pos = position; }
  const QString &text() const { return m_text; }

private:
  QChar at(qsizetype i) const { return i < m_text.size() ? m_text[i] : QChar(); }
  void readWord(BlockToken &token);

  const QString &m_text;
  qsizetype m_pos;
};

// Reads a quoted string whose opening quote stands before `pos`; on return `pos` is
// past the closing quote. Returns false when the text ends inside the string.
// Shared by both tokenizers through a character source.
template <typename Source> bool readQuotedString(Source &source, QString &text) {
  bool pending = false;
  QChar previous;
  for (;;) {
    const QChar c = source.next();
    if (c.isNull())
      return false;
    bool belongs;
    if (c != u'"' && c != u'\\') {
      belongs = true;
      pending = false;
    } else if (!pending) {
      pending = true;
      belongs = c == u'\\' || source.peek() == u'"';
    } else {
      pending = false;
      belongs = c == u'\\' ? previous == u'\\' : (previous == u'"' || previous == u'\\');
    }
    if (!belongs && c == u'"')
      return true;
    // A backslash always belongs to the string.
    text.append(c);
    previous = c;
  }
}

} // namespace tarvelo
