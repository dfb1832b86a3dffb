// The gettext catalog a task exports and imports.
#include "exchange/catalog_file.h"

#include "script/text_entry.h"
#include "text/code_page.h"

#include <QTimeZone>

namespace tarvelo {

namespace {

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

QString utcOffset(const QDateTime &now) {
  const int seconds = QTimeZone::systemTimeZone().standardTimeOffset(now);
  const int minutes = qAbs(seconds) / 60;
  return QStringLiteral("%1%2%3")
      .arg(QChar(seconds < 0 ? u'-' : u'+'))
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The inside of a quoted line (strings side by side on it joined, as msgfmt joins
// them), or false when the line is not strings alone.
bool quotedInside(QStringView line, QString &inside) {
  inside.clear();
  qsizetype i = 0;
  bool any = false;
  while (i < line.size()) {
    if (line[i] != u'"')
      return false;
    qsizetype end = i + 1;
    while (end < line.size() && line[end] != u'"')
      end += line[end] == u'\\' ? 2 : 1;
    if (end >= line.size())
      return false;
    inside += line.mid(i + 1, end - i - 1);
    any = true;
    i = end + 1;
    while (i < line.size() && line[i].isSpace())
      ++i;
  }
  return any;
}

QStringView trimmedView(QStringView line) {
  return line.trimmed();
}

} // namespace

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

namespace {

// The records of a catalog, taken a trimmed line at a time: a record's comments, its
// msgctxt and msgid, and its msgstr lines, which the first other line ends.
class CatalogParser {
public:
  CatalogParser(int &codePage, const CatalogReader::RecordSink &sink,
                const CatalogReader::MsgidSeen &seen)
      : m_codePage(codePage), m_sink(sink), m_seen(seen) {}

  // False when the sink wants no more.
  bool take(QStringView text);
  // Ends the record the last line left open.
  void end() {
    if (m_state == State::InMsgstr)
      finish();
  }
  int passed() const { return m_passed; }

private:
  enum class State { Between, InContext, InMsgid, InMsgstr };

  bool finish();
  void continueMsgid(QStringView text, bool quoted, QString &inside);
  void between(QStringView text);
  // Forgets a record that broke off before its msgstr.
  void drop() {
    m_record = CatalogRecord();
    m_state = State::Between;
    m_fuzzy = m_kept = m_literal = false;
  }

  int &m_codePage;
  const CatalogReader::RecordSink &m_sink;
  const CatalogReader::MsgidSeen &m_seen;
  State m_state = State::Between;
  CatalogRecord m_record;
  bool m_fuzzy = false;
  bool m_kept = false;
  bool m_literal = false; // the record is written as held
  bool m_first = true;
  int m_passed = 0;
};

bool CatalogParser::take(QStringView text) {
  QString inside;
  const bool quoted = quotedInside(text, inside);
  switch (m_state) {
  case State::InMsgstr:
    if (quoted) {
      m_record.msgstr += inside;
      return true;
    }
    if (!finish())
      return false;
    break;
  case State::InMsgid:
    continueMsgid(text, quoted, inside);
    return true;
  case State::InContext:
    if (quoted) {
      m_record.context += inside;
      return true;
    }
    m_state = State::Between;
    break;
  case State::Between:
    break;
  }
  between(text);
  return true;
}

// Ends the record in progress; false when the sink wants no more.
bool CatalogParser::finish() {
  const bool header = m_first && m_record.msgid.isEmpty() && m_record.context.isEmpty();
  m_first = false;
  bool more = true;
  if (header) {
    m_codePage = catalogCodePage(m_record.msgstr, m_codePage);
  } else if (!m_fuzzy) {
    const auto held = [literal = m_literal](QStringView text) {
      return literal ? poDecoded(text) : poUnescaped(text);
    };
    m_record.msgid = held(m_record.msgid);
    m_record.msgstr = held(m_record.msgstr);
    m_record.context = held(m_record.context);
    ++m_passed;
    more = m_sink(m_record);
  }
  m_fuzzy = false;
  m_kept = false;
  m_literal = false;
  m_record = CatalogRecord();
  m_state = State::Between;
  return more;
}

void CatalogParser::continueMsgid(QStringView text, bool quoted, QString &inside) {
  if (text.startsWith(QLatin1String("msgstr "))) {
    if (!quotedInside(text.mid(7).trimmed(), inside)) {
      drop();
      return;
    }
    m_record.msgstr = inside;
    m_state = State::InMsgstr;
  } else if (quoted) {
    m_record.msgid += inside;
  } else {
    drop();
  }
}

void CatalogParser::between(QStringView text) {
  QString inside;
  if (text.startsWith(QLatin1String("#,")) && text.contains(QLatin1String("fuzzy"))) {
    m_fuzzy = m_fuzzy || !m_kept;
  } else if (text == QLatin1String(kKeptComment)) {
    m_kept = true;
    m_fuzzy = false;
  } else if (text == QLatin1String(kLiteralComment)) {
    m_literal = true;
  } else if (text.startsWith(QLatin1String("msgctxt "))) {
    m_record = CatalogRecord();
    if (quotedInside(text.mid(8).trimmed(), inside)) {
      m_record.context = inside;
      m_state = State::InContext;
    }
  } else if (text.startsWith(QLatin1String("msgid "))) {
    if (m_seen)
      m_seen();
    const QString context = m_record.context;
    m_record = CatalogRecord();
    if (quotedInside(text.mid(6).trimmed(), inside)) {
      m_record.context = context;
      m_record.msgid = inside;
      m_state = State::InMsgid;
    }
  }
}

} // namespace

int CatalogReader::read(const QByteArray &bytes, const RecordSink &sink, const MsgidSeen &seen) {
  m_codePage = 65001;
  CatalogParser parser(m_codePage, sink, seen);
  QString line;
  qsizetype from = 0;
  const qsizetype size = bytes.size();
  while (from < size) {
    qsizetype end = bytes.indexOf('\n', from);
    const qsizetype next = end < 0 ? size : end + 1;
    if (end < 0)
      end = size;
    // The header's charset chooses the code page of the lines after it.
    if (m_codePage == 65001)
      line = QString::fromUtf8(bytes.constData() + from, end - from);
    else
      line = CodePage::toUtf16(bytes.constData() + from, end - from, m_codePage);
    from = next;
    if (!parser.take(trimmedView(line)))
      return parser.passed();
  }
  parser.end();
  return parser.passed();
}

} // namespace tarvelo
