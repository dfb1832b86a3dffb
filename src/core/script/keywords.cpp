// The keywords of the resource-script language and the comparison of identifiers.
#include "script/keywords.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace tarvelo {

namespace {

// Sorted, so that a word is found by binary search.
constexpr const char *kKeywords[] = {
    "ACCELERATORS",  "ANICURSOR",    "ANIICON",    "AUTO3STATE", "AUTOCHECKBOX", "AUTORADIOBUTTON",
    "BEDIT",         "BEGIN",        "BITMAP",     "BLOCK",      "CAPTION",      "CHARACTERISTICS",
    "CHECKBOX",      "CLASS",        "COMBOBOX",   "CONTROL",    "CTEXT",        "CURSOR",
    "DEFPUSHBUTTON", "DESIGNINFO",   "DIALOG",     "DIALOGEX",   "DISCARDABLE",  "DLGINCLUDE",
    "DLGINIT",       "EDITTEXT",     "END",        "EXSTYLE",    "FIXED",        "FONT",
    "GROUPBOX",      "HEDIT",        "HTML",       "ICON",       "IEDIT",        "IMPURE",
    "LANGUAGE",      "LISTBOX",      "LOADONCALL", "LTEXT",      "MENU",         "MENUEX",
    "MENUITEM",      "MESSAGETABLE", "MOVEABLE",   "NONSHARED",  "NOT",          "POPUP",
    "PRELOAD",       "PURE",         "PUSHBOX",    "PUSHBUTTON", "RADIOBUTTON",  "RCDATA",
    "RTEXT",         "SCROLLBAR",    "SEPARATOR",  "SHARED",     "STATE3",       "STRINGTABLE",
    "STYLE",         "TEXTINCLUDE",  "TOOLBAR",    "VALUE",      "VERSION",      "VERSIONINFO",
};
constexpr std::size_t kLongest = 15;

bool isAsciiLower(char16_t c) {
  return c >= u'a' && c <= u'z';
}

// The word upped into buffer when it may be a keyword in another case.
bool upInto(QStringView word, char (&buffer)[kLongest + 1]) {
  const qsizetype size = word.size();
  if (size < 3 || size > qsizetype(kLongest))
    return false;
  bool lower = false;
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = word[i].unicode();
    if (isAsciiLower(c)) {
      lower = true;
      buffer[i] = char(c - u'a' + 'A');
    } else if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) {
      buffer[i] = char(c);
    } else {
      return false;
    }
  }
  buffer[size] = 0;
  return lower;
}

bool isKeyword(const char *upper) {
  return std::binary_search(std::begin(kKeywords), std::end(kKeywords), upper,
                            [](const char *a, const char *b) { return std::strcmp(a, b) < 0; });
}

} // namespace

void normalizeKeyword(QString &word) {
  char buffer[kLongest + 1];
  if (!upInto(word, buffer) || !isKeyword(buffer))
    return;
  for (qsizetype i = 0; i < word.size(); ++i)
    word[i] = QLatin1Char(buffer[i]);
}

QString upperKeyword(QStringView word) {
  char buffer[kLongest + 1];
  if (!upInto(word, buffer) || !isKeyword(buffer))
    return {};
  return QString::fromLatin1(buffer);
}

QString asciiUpper(QStringView word) {
  QString out = word.toString();
  for (QChar &c : out)
    if (isAsciiLower(c.unicode()))
      c = QChar(c.unicode() - u'a' + u'A');
  return out;
}

namespace {

// The value of an identifier that is a number.
bool numericIdentifier(QStringView identifier, long long &value) {
  if (identifier.isEmpty())
    return false;
  const char16_t first = identifier.front().unicode();
  return ((first >= u'0' && first <= u'9') || first == u'-') && numberValue(identifier, value);
}

} // namespace

// Two numbers written differently: plain decimals (the usual way) that differ in text
// differ in value, so only other ways of writing need reading.
bool sameNumericIdentifier(QStringView a, QStringView b) {
  const auto plainDecimal = [](QStringView id) {
    const qsizetype first = id.startsWith(u'-') ? 1 : 0;
    if (id.size() <= first || (id[first] == u'0' && id.size() > first + 1))
      return false;
    for (qsizetype i = first; i < id.size(); ++i)
      if (id[i] < u'0' || id[i] > u'9')
        return false;
    return true;
  };
  if (plainDecimal(a) && plainDecimal(b))
    return false;
  long long x = 0, y = 0;
  return numericIdentifier(a, x) && numericIdentifier(b, y) && x == y;
}

size_t identifierHash(QStringView identifier, size_t seed) {
  long long value = 0;
  return numericIdentifier(identifier, value) ? qHash(value, seed) : qHash(identifier, seed);
}

bool numberValue(QStringView text, long long &value) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    negative = text[i] == u'-';
    ++i;
  }
  qsizetype end = text.size();
  // "10L", "0x10UL": the suffixes of C constants.
  while (end > i + 1 && (text[end - 1] == u'L' || text[end - 1] == u'l' || text[end - 1] == u'U' ||
                         text[end - 1] == u'u'))
    --end;
  if (i >= end)
    return false;
  int base = 10;
  if (text[i] == u'0' && i + 1 < end && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
    if (i >= end)
      return false;
  } else if (text[i] == u'0') {
    base = 8;
  }
  unsigned long long result = 0;
  for (; i < end; ++i) {
    const char16_t c = text[i].unicode();
    int digit;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (c >= u'a' && c <= u'f')
      digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
      digit = c - u'A' + 10;
    else
      return false;
    if (digit >= base)
      return false;
    result = (result * unsigned(base) + unsigned(digit)) & 0xffffffffULL;
  }
  value = negative ? -(long long)result : (long long)result;
  return true;
}

} // namespace tarvelo
