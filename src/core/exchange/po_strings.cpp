// The strings of a PO catalog: escaping a held text as written or as held, and reading
// it back.
#include "exchange/po_strings.h"

#include <QByteArray>
#include <QHash>

namespace tarvelo {

namespace {

bool isOctal(QChar c) {
  return c >= u'0' && c <= u'7';
}

bool isHex(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The length of the escape starting at the backslash at i, 0 when it starts none that a
// PO file knows. A double quote after a backslash counts as a quote of the text.
int escapeLength(QStringView text, qsizetype i) {
  if (i + 1 >= text.size())
    return 0;
  const QChar c = text[i + 1];
  switch (c.unicode()) {
  case u'n':
  case u't':
  case u'r':
  case u'a':
  case u'b':
  case u'f':
  case u'v':
  case u'\\':
    return 2;
  case u'x':
    return i + 2 < text.size() && isHex(text[i + 2]) ? 2 : 0;
  default:
    return isOctal(c) ? 2 : 0;
  }
}

// The escape of a character in a literally written text, or null when it stands as it is.
const char *literalEscape(QChar c) {
  switch (c.unicode()) {
  case u'\\':
    return "\\\\";
  case u'"':
    return "\\\"";
  case u'\n':
    return "\\n";
  case u'\r':
    return "\\r";
  case u'\t':
    return "\\t";
  default:
    return nullptr;
  }
}

// Adds the value of the escape whose backslash is at i to bytes; the index of its last
// character.
qsizetype decodeEscape(QStringView text, qsizetype i, QByteArray &bytes) {
  static const QHash<char16_t, char> simple = {
      {u'n', '\n'}, {u't', '\t'},  {u'r', '\r'}, {u'a', '\a'},  {u'b', '\b'}, {u'f', '\f'},
      {u'v', '\v'}, {u'\\', '\\'}, {u'"', '"'},  {u'\'', '\''}, {u'?', '?'}};
  const QChar c = text[i + 1];
  if (const auto found = simple.constFind(c.unicode()); found != simple.constEnd()) {
    bytes += found.value();
    return i + 1;
  }
  const bool hex = c == u'x' && i + 2 < text.size() && isHex(text[i + 2]);
  if (!hex && !isOctal(c)) {
    bytes += '\\'; // no escape: the backslash stands for itself
    return i;
  }
  qsizetype at = hex ? i + 2 : i + 1;
  const int most = hex ? 2 : 3;
  int value = 0;
  for (int digits = 0;
       digits < most && at < text.size() && (hex ? isHex(text[at]) : isOctal(text[at]));
       ++digits, ++at)
    value = value * (hex ? 16 : 8) + QStringView(text.mid(at, 1)).toInt(nullptr, 16);
  bytes += char(value & 0xff);
  return at - 1;
}

} // namespace

QString poEscaped(QStringView text) {
  QString out;
  out.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\') {
      const int length = escapeLength(text, i);
      if (length == 0) {
        out += QLatin1String("\\\\");
      } else {
        out += text.mid(i, length);
        i += length - 1;
      }
    } else if (c == u'"') {
      out += QLatin1String("\\\"");
    } else if (c == u'\n') {
      out += QLatin1String("\\n");
    } else if (c == u'\r') {
      out += QLatin1String("\\r");
    } else {
      out += c;
    }
  }
  return out;
}

QString poUnescaped(QStringView text) {
  if (!text.contains(u'\\'))
    return text.toString();
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size()) {
      if (text[i + 1] != u'"')
        out += text[i];
      out += text[++i];
    } else {
      out += text[i];
    }
  }
  return out;
}

bool heldNeedsLiteral(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\') {
      // Numeric escapes are characters in a script, bytes of UTF-8 in a catalog.
      if (escapeLength(text, i) == 0 || text[i + 1] == u'x' || isOctal(text[i + 1]))
        return true;
      ++i;
    } else if (c.unicode() < 0x20) {
      return true;
    }
  }
  return false;
}

QString poLiteral(QStringView text) {
  QString out;
  out.reserve(text.size() + 8);
  for (const QChar c : text) {
    if (const char *escape = literalEscape(c))
      out += QLatin1String(escape);
    else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      out += QStringLiteral("\\%1").arg(c.unicode(), 3, 8, QLatin1Char('0'));
    else
      out += c;
  }
  return out;
}

QString poDecoded(QStringView text) {
  if (!text.contains(u'\\'))
    return text.toString();
  // Octal and hexadecimal escapes are bytes of the file's UTF-8.
  QByteArray bytes;
  bytes.reserve(text.size());
  qsizetype plain = 0; // where the run of characters not yet added starts
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\' || i + 1 == text.size())
      continue;
    bytes += text.mid(plain, i - plain).toUtf8();
    i = decodeEscape(text, i, bytes);
    plain = i + 1;
  }
  bytes += text.mid(plain).toUtf8();
  return QString::fromUtf8(bytes);
}

} // namespace tarvelo
