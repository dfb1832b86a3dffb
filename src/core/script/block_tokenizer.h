// BlockTokenizer, the tokenizer of a block's text in memory, and the rules of quoted strings.
#pragma once

#include "script/line_cursor.h"
#include "script/token.h"

#include <QString>

namespace tarvelo {

struct BlockToken {
  TokenKind kind = TokenKind::EndOfFile;
  qsizetype start = 0; // first character (the opening quote of a string)
  qsizetype end = 0;   // one past the last character (past the closing quote)

  // The token's text: a view into the block (a string's characters between its
  // quotes, as written), or its own text for BEGIN/END braces and NOT pairs.
  QStringView text() const { return m_owned.isNull() ? m_view : QStringView(m_owned); }
  QString textString() const { return m_owned.isNull() ? m_view.toString() : m_owned; }

  QStringView m_view;
  QString m_owned;
};

// Tokenizes a block's verbatim text in memory, reporting where each token stands.
// It follows the script tokenizer's string rules, comments, wide strings, braces,
// keywords and NOT pairs, but keeps parentheses inside words, and reads a minus sign
// followed by a digit as the start of a number.
class BlockTokenizer {
public:
  explicit BlockTokenizer(const QString &text, qsizetype from = 0) : m_text(text), m_pos(from) {}

  BlockToken next();
  // The next token without consuming it.
  const BlockToken &peek();
  // Shortcuts for the statements of dialogs, which are mostly numbers and commas: a
  // plain decimal number that a comma follows, or a comma, taken without making a
  // token. False, with nothing consumed, for anything else.
  bool takeNumberBeforeComma(int &value);
  bool takeComma();
  qsizetype position() const { return m_pos; }
  void setPosition(qsizetype position) {
    m_pos = position;
    m_peeked = false;
  }
  const QString &text() const { return m_text; }

private:
  QChar at(qsizetype i) const { return i < m_text.size() ? m_text[i] : QChar(); }
  qsizetype wordEnd(qsizetype from) const;
  qsizetype blankEnd(qsizetype from) const;
  // Where a comma stands after the blanks from here, or -1.
  qsizetype commaAfterBlanks(qsizetype from) const;
  void skipBlanksAndComments();
  BlockToken read();

  const QString &m_text;
  qsizetype m_pos;
  // The token peek() read, valid while the position has not moved.
  bool m_peeked = false;
  BlockToken m_peek;
  qsizetype m_afterPeek = 0;
};

// The rules that decide where a quoted string ends, character by character, as the
// resource compiler reads them: a doubled quote belongs to the string, and any other
// quote ends it, after a backslash too (a backslash never escapes a quote there).
class StringRules {
public:
  // Whether c, followed by next, is the quote that ends the string.
  bool endsAt(char16_t c, char16_t next) {
    if (c != u'"') {
      m_pending = false;
      return false;
    }
    if (m_pending) { // the second quote of a doubled one
      m_pending = false;
      return false;
    }
    m_pending = next == u'"';
    return !m_pending;
  }
  // A run of characters that are not quotes.
  void passOrdinary(char16_t) { m_pending = false; }

private:
  bool m_pending = false;
};

// Reads a quoted string whose opening quote stands before `pos`; on return `pos` is
// past the closing quote. Returns false when the text ends inside the string.
// Shared by both tokenizers through a character source.
template <typename Source> bool readQuotedString(Source &source, QString &text) {
  StringRules rules;
  for (;;) {
    // Ordinary characters need no decision.
    if (source.takeRun(text)) {
      rules.passOrdinary(text.back().unicode());
      continue;
    }
    const QChar c = source.next();
    if (c.isNull())
      return false;
    if (rules.endsAt(c.unicode(), source.peek().unicode()))
      return true;
    // Every other character belongs to the string, a backslash always.
    text.append(c);
  }
}

} // namespace tarvelo
