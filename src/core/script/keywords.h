// The keywords of the resource-script language and the comparison of identifiers.
#pragma once

#include <QString>
#include <QStringView>

namespace tarvelo {

// The resource compiler reads its keywords in any case ("begin", "Menuitem"). A word
// that is one of them in another case is turned into its upper-case spelling, so
// that the readers compare keywords once, as written in upper case.
void normalizeKeyword(QString &word);
// The upper-case spelling of the word when it is a keyword in another case, else a
// null string.
QString upperKeyword(QStringView word);

// The upper-case ASCII spelling of a word (resource types are compared so).
QString asciiUpper(QStringView word);

// Characters that join the parts of an expression ("IDS_BASE + 1", "IDC_X|0x100").
inline bool isOperatorChar(QChar c) {
  switch (c.unicode()) {
  case u'+':
  case u'-':
  case u'*':
  case u'/':
  case u'%':
  case u'&':
  case u'^':
  case u'~':
  case u'!':
  case u'<':
  case u'>':
  case u'|':
    return true;
  default:
    return false;
  }
}

// Identifiers name the same resource, string or control when they are the same text,
// or numbers of the same value however written ("100", "0x64", "0144", "100L").
bool sameNumericIdentifier(QStringView a, QStringView b);
inline bool sameIdentifier(QStringView a, QStringView b) {
  // Identifiers of one block mostly have the same length and beginning; their last
  // characters tell most of them apart before whole strings are compared.
  const qsizetype size = a.size();
  if (size == b.size() && (size == 0 || (a.back() == b.back() && a == b)))
    return true;
  // Only numbers can be the same written otherwise.
  const auto numeric = [](QStringView id) {
    return !id.isEmpty() && ((id.front() >= u'0' && id.front() <= u'9') || id.front() == u'-');
  };
  return numeric(a) && numeric(b) && sameNumericIdentifier(a, b);
}
// A hash that agrees with sameIdentifier.
size_t identifierHash(QStringView identifier, size_t seed = 0);

// The value of a number as the resource compiler reads it: decimal, hexadecimal
// with "0x", octal with a leading zero, with an optional sign and an "L" or "U"
// suffix. False when the text is not such a number.
bool numberValue(QStringView text, long long &value);

} // namespace tarvelo
