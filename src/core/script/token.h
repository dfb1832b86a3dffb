// The tokens of the resource-script language, and the character classes scanners share.
#pragma once

#include <QStringView>

namespace tarvelo {

// The token kinds of the resource-script language; the values are part of the design.
enum class TokenKind {
  String = 0,    // the characters between the quotes, escapes as written
  Word = 1,      // identifier, keyword, NOT pair, BEGIN/END, number with a non-digit
  Number = 2,    // decimal digits only
  HexNumber = 3, // "0x" followed by decimal digits only
  Comma = 4,
  Bar = 5,
  OpenParen = 6,
  CloseParen = 7,
  EndOfFile = 8,
};

// Case-sensitive prefix test used for directives ("#if" also matches "#ifdef").
inline bool startsWith(QStringView text, QStringView prefix) {
  return text.startsWith(prefix, Qt::CaseSensitive);
}

// Classes of the characters that end words, for the tokenizers' inner loops.
namespace charclass {
enum : unsigned char { Blank = 1, BlockDelimiter = 2, WordDelimiter = 4, Slash = 8 };
extern const unsigned char kTable[128];
// The class of a character: byte-order marks are blanks, other characters beyond
// ASCII are of none.
inline unsigned char of(char16_t c) {
  if (c < 128)
    return kTable[c];
  return c == 0xFEFF ? Blank | BlockDelimiter | WordDelimiter : 0;
}
} // namespace charclass

// A byte-order mark inside the text (a file saved with two) is a blank as well.
inline bool isBlank(QChar c) {
  return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t' || c == QChar(0xFEFF);
}

// Turns every doubled quote into one quote, as texts are stored.
QString undoubleQuotes(QStringView text);
// Doubles every quote, as texts are written between quotes.
QString doubleQuotes(QStringView text);
// The same, sharing the text itself when it holds no quote.
QString doubleQuotes(const QString &text);
// A text as written between the quotes of a script: quotes doubled, and line ends and
// other control characters as escapes (a raw line end would end the string there).
QString literalText(QStringView text);

} // namespace tarvelo
