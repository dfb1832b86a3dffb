// LineCursor: the lexical primitives of resource scripts (blanks, strings, comments, words).
#pragma once

#include "script/token.h"

#include <QStringView>

namespace tarvelo {

// Where the string whose opening quote stands before `from` ends: the index of its
// closing quote, or -1 when the text ends first. A doubled quote belongs to the
// string; any other quote ends it, after a backslash too, as the resource compiler
// reads strings. Comments are not recognised inside.
qsizetype quotedStringEnd(QStringView text, qsizetype from);

// A position in a text (one line of a script, or a block's verbatim text) that moves
// over what the script grammar tells apart. Every scanner of the readers is built on
// these few steps, so strings, comments and word ends are decided in one place.
class LineCursor {
public:
  // Which characters end a word: those of statements, or those of blocks, where
  // parentheses stay inside words.
  enum class Words : unsigned char {
    Script = charclass::WordDelimiter,
    Block = charclass::BlockDelimiter,
  };

  explicit LineCursor(QStringView text, qsizetype pos = 0)
      : m_chars(reinterpret_cast<const char16_t *>(text.data())), m_size(text.size()), m_pos(pos) {}

  // Blanks: spaces, tabs, line ends and byte-order marks.
  static bool isBlank(char16_t c) { return charclass::of(c) & charclass::Blank; }
  // The characters that end a word of a statement: blanks, the null character, and
  // the tokens of their own.
  static bool endsWord(char16_t c) { return charclass::of(c) & charclass::WordDelimiter; }
  // Commas, bars and parentheses: they end a word and are tokens themselves.
  static bool isOwnToken(char16_t c) {
    return c != 0 && (charclass::of(c) & (charclass::WordDelimiter | charclass::Blank)) ==
                         charclass::WordDelimiter;
  }

  qsizetype pos() const { return m_pos; }
  void setPos(qsizetype pos) { m_pos = pos; }
  qsizetype size() const { return m_size; }
  bool atEnd() const { return m_pos >= m_size; }
  void advance() { ++m_pos; }
  // The character at i; the null character past the text.
  char16_t at(qsizetype i) const { return i < m_size ? m_chars[i] : 0; }
  char16_t current() const { return at(m_pos); }

  void skipBlanks() {
    while (m_pos < m_size && isBlank(m_chars[m_pos]))
      ++m_pos;
  }
  // Over characters that end words of statements.
  void skipDelimiters() {
    while (m_pos < m_size && endsWord(m_chars[m_pos]))
      ++m_pos;
  }
  // To the first character that ends a word, or the first slash (it may open a comment).
  void skipWord(Words words = Words::Script) {
    const unsigned char stops = static_cast<unsigned char>(words) | charclass::Slash;
    while (m_pos < m_size && !(charclass::of(m_chars[m_pos]) & stops))
      ++m_pos;
  }
  // The same, past slashes that open no comment.
  void skipWordToComment(Words words = Words::Script) {
    for (skipWord(words); m_pos < m_size && m_chars[m_pos] == u'/' && !atComment(); skipWord(words))
      ++m_pos;
  }
  // To the first of the characters Stops, or the end.
  template <char16_t... Stops> void skipUntil() {
    while (m_pos < m_size && ((m_chars[m_pos] != Stops) && ...))
      ++m_pos;
  }

  // Standing on an opening quote: past the closing one. False, not moved, when the
  // text ends inside the string.
  bool skipString() {
    const qsizetype close = quotedStringEnd(text(), m_pos + 1);
    if (close < 0)
      return false;
    m_pos = close + 1;
    return true;
  }

  // Whether a comment opens here: a line comment "//" or a block comment "/*".
  bool atComment() const {
    return current() == u'/' && (at(m_pos + 1) == u'/' || at(m_pos + 1) == u'*');
  }
  bool atLineComment() const { return current() == u'/' && at(m_pos + 1) == u'/'; }
  // Standing on a comment: past its end, a line comment up to the line feed or the
  // text's end. False, not moved, when a block comment goes on past the text.
  bool skipComment();
  // Inside a block comment: past its closing "*/". False, not moved, when it goes on
  // past the text.
  bool skipCommentRest();

private:
  QStringView text() const { return QStringView(m_chars, m_size); }

  const char16_t *m_chars;
  qsizetype m_size;
  qsizetype m_pos;
};

} // namespace tarvelo
