// An XML reader that refuses entities and pathological markup before parsing.
#pragma once

#include <QString>
#include <QXmlStreamReader>

namespace tarvelo {

// A reader of every XML file we accept (XLIFF, TMX, Visual C++ projects) that refuses
// what could make it read more than the file: documents that declare entities are
// rejected, and nothing external is ever fetched. Before parsing, one pass over the
// text refuses elements with more attributes or deeper nesting than any real file
// has, which the parser would take quadratic time over. The error is empty while the
// document is acceptable.
class GuardedXmlReader {
public:
  static constexpr int kMaxAttributes = 256;
  static constexpr int kMaxDepth = 256;

  explicit GuardedXmlReader(const QByteArray &bytes);

  // The next start element, false at the end or on an error.
  bool nextStart();
  // The next start element inside the element `name` (the current level), false when it
  // ends, at the end or on an error.
  bool nextStartWithin(QStringView name);
  // The text of the current element with that of its children.
  QString text();
  // Passes over the current element whole. Entities cannot be met there: a document
  // that declares them was refused before its first element.
  void skip() { m_reader.skipCurrentElement(); }

  QXmlStreamReader &reader() { return m_reader; }
  QStringView name() const { return m_reader.name(); }
  QStringView attribute(const char *name) const {
    return m_reader.attributes().value(QLatin1String(name));
  }
  bool failed() const { return !m_error.isEmpty() || m_reader.hasError(); }
  // What is wrong, with the line when the XML itself is broken.
  QString error() const;
  void fail(const QString &error) {
    if (m_error.isEmpty())
      m_error = error;
  }

private:
  bool step();

  QXmlStreamReader m_reader;
  QString m_error;
};

} // namespace tarvelo
