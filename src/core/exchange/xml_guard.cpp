// The XML reader that refuses entities and markup too wide or deep before parsing.
#include "exchange/xml_guard.h"

#include "text/printable_text.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace tarvelo {

namespace {

// The document's characters where markup can be found: UTF-16 decoded, any other
// encoding as bytes (the markup characters are ASCII in every encoding XML allows but
// UTF-16 and UTF-32, which the parser refuses without a byte-order mark anyway).
QString markupText(const QByteArray &bytes) {
  const bool utf16 =
      bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0' || bytes.startsWith("\xFF\xFE") ||
                            bytes.startsWith("\xFE\xFF"));
  if (!utf16)
    return QString::fromLatin1(bytes);
  const bool bigEndian = bytes.startsWith("\xFE\xFF") || bytes[0] == '\0';
  return QStringDecoder(bigEndian ? QStringDecoder::Utf16BE : QStringDecoder::Utf16LE)(bytes);
}

// Where the construct that starts at `at` with `open` ends after `close`; the end of
// the text when it does not.
qsizetype skipPast(const QString &text, qsizetype at, QLatin1String open, QLatin1String close) {
  const qsizetype end = text.indexOf(close, at + open.size());
  return end < 0 ? text.size() : end + close.size();
}

// One pass over the markup: the first element with too many attributes or too deep.
QString markupProblem(const QString &text) {
  int depth = 0;
  qsizetype i = text.indexOf(u'<');
  while (i >= 0 && i < text.size()) {
    const QStringView rest = QStringView(text).mid(i);
    if (rest.startsWith(QLatin1String("<!--"))) {
      i = skipPast(text, i, QLatin1String("<!--"), QLatin1String("-->"));
    } else if (rest.startsWith(QLatin1String("<![CDATA["))) {
      i = skipPast(text, i, QLatin1String("<![CDATA["), QLatin1String("]]>"));
    } else if (rest.startsWith(QLatin1String("<?"))) {
      i = skipPast(text, i, QLatin1String("<?"), QLatin1String("?>"));
    } else if (rest.startsWith(QLatin1String("<!"))) {
      // A declaration; its internal subset in brackets may hold ">".
      const qsizetype close = text.indexOf(u'>', i);
      const qsizetype bracket = close < 0 ? -1 : rest.left(close - i).indexOf(u'[');
      i = bracket >= 0 ? skipPast(text, i + bracket, QLatin1String("["), QLatin1String("]"))
                       : close;
    } else {
      int attributes = 0;
      QChar quote;
      qsizetype j = i + 1;
      for (; j < text.size(); ++j) {
        const QChar c = text[j];
        if (!quote.isNull()) {
          if (c == quote)
            quote = QChar();
        } else if (c == u'"' || c == u'\'') {
          quote = c;
        } else if (c == u'=') {
          ++attributes;
        } else if (c == u'>') {
          break;
        }
      }
      if (attributes > GuardedXmlReader::kMaxAttributes)
        return QCoreApplication::translate("Exchange",
                                           "An element of the file has more than %1 attributes.")
            .arg(GuardedXmlReader::kMaxAttributes);
      if (rest.startsWith(QLatin1String("</")))
        --depth;
      else if (j < text.size() && text[j - 1] != u'/' && ++depth > GuardedXmlReader::kMaxDepth)
        return QCoreApplication::translate("Exchange",
                                           "The elements of the file are nested deeper than %1.")
            .arg(GuardedXmlReader::kMaxDepth);
      i = j;
    }
    if (i >= 0)
      i = text.indexOf(u'<', i);
  }
  return QString();
}

} // namespace

GuardedXmlReader::GuardedXmlReader(const QByteArray &bytes) : m_reader(bytes) {
  m_reader.setNamespaceProcessing(true);
  m_error = markupProblem(markupText(bytes));
}

bool GuardedXmlReader::step() {
  if (failed())
    return false;
  const QXmlStreamReader::TokenType token = m_reader.readNext();
  if (token == QXmlStreamReader::DTD && !m_reader.entityDeclarations().isEmpty()) {
    fail(
        QCoreApplication::translate("Exchange", "The file declares entities, which are not read."));
    return false;
  }
  if (token == QXmlStreamReader::EntityReference) {
    fail(QCoreApplication::translate("Exchange", "The file refers to an undeclared entity."));
    return false;
  }
  return !m_reader.atEnd() && !m_reader.hasError();
}

bool GuardedXmlReader::nextStart() {
  while (step())
    if (m_reader.isStartElement())
      return true;
  return false;
}

bool GuardedXmlReader::nextStartWithin(QStringView name) {
  while (step()) {
    if (m_reader.isStartElement())
      return true;
    if (m_reader.isEndElement() && m_reader.name() == name)
      return false;
  }
  return false;
}

QString GuardedXmlReader::text() {
  QString text;
  int depth = 1;
  while (depth > 0 && step()) {
    if (m_reader.isStartElement())
      ++depth;
    else if (m_reader.isEndElement())
      --depth;
    else if (m_reader.isCharacters())
      text += m_reader.text();
  }
  return text;
}

QString GuardedXmlReader::error() const {
  if (!m_error.isEmpty())
    return m_error;
  if (m_reader.hasError())
    return QCoreApplication::translate("Exchange", "The file is not well-formed XML (line %1: %2).")
        .arg(QString::number(m_reader.lineNumber()), printableText(m_reader.errorString()));
  return QString();
}

} // namespace tarvelo
