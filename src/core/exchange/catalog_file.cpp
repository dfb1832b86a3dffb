#include "exchange/catalog_file.h"

#include "script/text_entry.h"
#include "text/code_page.h"

#include <QHash>
#include <QTimeZone>

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

// The pieces of a block: each ends just after a \n escape (or a line feed the text
// holds), the last holds the rest.
QList<QStringView> pieces(QStringView text) {
  QList<QStringView> parts;
  qsizetype from = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\n') {
      parts.append(text.mid(from, i + 1 - from));
      from = i + 1;
      continue;
    }
    if (text[i] != u'\\' || i + 1 == text.size())
      continue;
    if (text[i + 1] == u'n') {
      parts.append(text.mid(from, i + 2 - from));
      from = i + 2;
    }
    ++i; // the escaped character is passed over, so "\\n" is no \n escape
  }
  parts.append(text.mid(from));
  return parts;
}

void appendBlock(QString &out, QLatin1String keyword, QStringView text, bool literal) {
  const auto written = [literal](QStringView part) {
    return literal ? poLiteral(part) : poEscaped(part);
  };
  const QList<QStringView> parts = pieces(text);
  out += keyword;
  if (parts.size() == 1) {
    out += QLatin1String(" \"") + written(text) + QLatin1String("\"\n");
    return;
  }
  out += QLatin1String(" \"\"\n");
  for (QStringView part : parts)
    out += u'"' + written(part) + QLatin1String("\"\n");
}

// Whether the string a PO reader takes from the written text begins and whether it
// ends with a newline: a \n escape as held, a line feed when written literally.
std::pair<bool, bool> newlineEnds(QStringView text, bool literal) {
  if (literal)
    return {text.startsWith(u'\n'), text.endsWith(u'\n')};
  const QList<QStringView> parts = pieces(text);
  return {parts.size() > 1 && parts.front() == QLatin1String("\\n"),
          parts.size() > 1 && parts.back().isEmpty()};
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

QString utcOffset(const QDateTime &now) {
  const int seconds = QTimeZone::systemTimeZone().standardTimeOffset(now);
  const int minutes = qAbs(seconds) / 60;
  return QStringLiteral("%1%2%3")
      .arg(QChar(seconds < 0 ? u'-' : u'+'))
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The inside of a quoted line, or false when the line is not one string.
bool quotedInside(QStringView line, QStringView &inside) {
  if (line.size() < 2 || line.front() != u'"' || line.back() != u'"')
    return false;
  // The closing quote must not be escaped.
  qsizetype backslashes = 0;
  for (qsizetype i = line.size() - 2; i >= 1 && line[i] == u'\\'; --i)
    ++backslashes;
  if (backslashes % 2 != 0)
    return false;
  inside = line.mid(1, line.size() - 2);
  return true;
}

QStringView trimmedView(QStringView line) {
  return line.trimmed();
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

QByteArray catalogBytes(const std::vector<ExportPair> &pairs, const QDateTime &now) {
  const QString date = now.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + utcOffset(now);
  QString out = QStringLiteral("msgid \"\"\n"
                               "msgstr \"\"\n"
                               "\"Project-Id-Version: Tarvelo Export\\n\"\n"
                               "\"POT-Creation-Date: %1\\n\"\n"
                               "\"PO-Revision-Date: %1\\n\"\n"
                               "\"Last-Translator: \\n\"\n"
                               "\"Language-Team: \\n\"\n"
                               "\"MIME-Version: 1.0\\n\"\n"
                               "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                               "\"Content-Transfer-Encoding: 8bit\\n\"\n"
                               "\n")
                    .arg(date);
  out.reserve(out.size() + qsizetype(pairs.size()) * 80);
  for (const ExportPair &pair : pairs) {
    const QString &source = pair.entry->sourceText;
    const QString &target = pair.entry->targetText;
    const QString context = pair.locations.isEmpty() ? QString() : contextOf(pair.locations);
    // Texts that their escapes as written would not bring back are written as held.
    const bool literal =
        heldNeedsLiteral(source) || heldNeedsLiteral(target) || heldNeedsLiteral(context);
    if (literal)
      out += QLatin1String(kLiteralComment) + u'\n';
    // gettext refuses a translation that does not begin and end with a newline where
    // its source does; it is kept for review, and for the import.
    if (!target.isEmpty() && newlineEnds(source, literal) != newlineEnds(target, literal))
      out += QLatin1String(kKeptComment) + QLatin1String("\n#, fuzzy\n");
    if (!context.isEmpty())
      out += QLatin1String("msgctxt \"") + (literal ? poLiteral(context) : poEscaped(context)) +
             QLatin1String("\"\n");
    appendBlock(out, QLatin1String("msgid"), source, literal);
    appendBlock(out, QLatin1String("msgstr"), target, literal);
    out += u'\n';
  }
  return out.toUtf8();
}

int catalogCodePage(const QString &headerMsgstr, int current) {
  const qsizetype at = headerMsgstr.indexOf(QLatin1String("charset="));
  if (at < 0)
    return current;
  const qsizetype from = at + 8;
  qsizetype end = headerMsgstr.indexOf(QLatin1String("\\n"), from);
  if (end < 0)
    end = headerMsgstr.size();
  const QString value = headerMsgstr.mid(from, end - from).trimmed();
  const auto number = [&](qsizetype prefix) {
    qsizetype digits = prefix;
    while (digits < value.size() && value[digits].isDigit())
      ++digits;
    bool ok = false;
    const int n = value.mid(prefix, digits - prefix).toInt(&ok);
    return ok ? n : -1;
  };
  int page = -1;
  if (value.startsWith(QLatin1String("windows-"), Qt::CaseInsensitive)) {
    page = number(8);
  } else if (value.startsWith(QLatin1String("iso-8859-"), Qt::CaseInsensitive)) {
    const int n = number(9);
    page = n < 0 ? -1 : 28590 + n;
  } else if (value.compare(QLatin1String("koi8-r"), Qt::CaseInsensitive) == 0) {
    page = 20866;
  } else if (value.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0) {
    page = 65001;
  }
  // A page that cannot be converted here keeps the one in use.
  return page > 0 && CodePage::isSupported(page) ? page : current;
}

int CatalogReader::read(const QByteArray &bytes, const RecordSink &sink, const MsgidSeen &seen) {
  enum class State { Between, InContext, InMsgid, InMsgstr };
  State state = State::Between;
  CatalogRecord record;
  bool fuzzy = false;
  bool kept = false;
  bool literal = false; // the record is written as held
  bool first = true;
  int passed = 0;
  m_codePage = 65001;
  QString line;

  // Ends the record in progress; false when the sink wants no more.
  const auto finish = [&]() {
    const bool header = first && record.msgid.isEmpty() && record.context.isEmpty();
    first = false;
    bool more = true;
    if (header) {
      m_codePage = catalogCodePage(record.msgstr, m_codePage);
    } else if (!fuzzy) {
      const auto held = [literal](QStringView text) {
        return literal ? poDecoded(text) : poUnescaped(text);
      };
      record.msgid = held(record.msgid);
      record.msgstr = held(record.msgstr);
      record.context = held(record.context);
      ++passed;
      more = sink(record);
    }
    fuzzy = false;
    kept = false;
    literal = false;
    record = CatalogRecord();
    state = State::Between;
    return more;
  };

  qsizetype from = 0;
  const qsizetype size = bytes.size();
  while (from < size) {
    qsizetype end = bytes.indexOf('\n', from);
    const qsizetype next = end < 0 ? size : end + 1;
    if (end < 0)
      end = size;
    if (m_codePage == 65001)
      line = QString::fromUtf8(bytes.constData() + from, end - from);
    else
      line = CodePage::toUtf16(bytes.constData() + from, end - from, m_codePage);
    from = next;
    const QStringView text = trimmedView(line);
    QStringView inside;
    const bool quoted = quotedInside(text, inside);

    if (state == State::InMsgstr) {
      if (quoted) {
        record.msgstr += inside;
        continue;
      }
      if (!finish())
        return passed;
    } else if (state == State::InMsgid) {
      if (text.startsWith(QLatin1String("msgstr "))) {
        if (quotedInside(text.mid(7).trimmed(), inside)) {
          record.msgstr = inside.toString();
          state = State::InMsgstr;
        } else {
          record = CatalogRecord();
          state = State::Between;
          fuzzy = kept = literal = false;
        }
      } else if (quoted) {
        record.msgid += inside;
      } else {
        record = CatalogRecord();
        state = State::Between;
        fuzzy = kept = literal = false;
      }
      continue;
    } else if (state == State::InContext) {
      if (quoted) {
        record.context += inside;
        continue;
      }
      state = State::Between;
    }

    // Between records.
    if (text.startsWith(QLatin1String("#,")) && text.contains(QLatin1String("fuzzy"))) {
      fuzzy = fuzzy || !kept;
    } else if (text == QLatin1String(kKeptComment)) {
      kept = true;
      fuzzy = false;
    } else if (text == QLatin1String(kLiteralComment)) {
      literal = true;
    } else if (text.startsWith(QLatin1String("msgctxt "))) {
      record = CatalogRecord();
      if (quotedInside(text.mid(8).trimmed(), inside)) {
        record.context = inside.toString();
        state = State::InContext;
      }
    } else if (text.startsWith(QLatin1String("msgid "))) {
      if (seen)
        seen();
      const QString context = record.context;
      record = CatalogRecord();
      if (quotedInside(text.mid(6).trimmed(), inside)) {
        record.context = context;
        record.msgid = inside.toString();
        state = State::InMsgid;
      }
    }
  }
  if (state == State::InMsgstr)
    finish();
  return passed;
}

} // namespace tarvelo
