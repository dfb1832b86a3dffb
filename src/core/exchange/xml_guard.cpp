#include "exchange/xml_guard.h"

#include <QCoreApplication>

namespace tarvelo {

GuardedXmlReader::GuardedXmlReader(const QByteArray &bytes) : m_reader(bytes) {
  m_reader.setNamespaceProcessing(true);
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
        .arg(m_reader.lineNumber())
        .arg(m_reader.errorString());
  return QString();
}

} // namespace tarvelo
