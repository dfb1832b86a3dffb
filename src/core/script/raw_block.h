// A resource's verbatim bytes as read, shared by the entries made from it.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace tarvelo {

class TextEntry;

// A resource's verbatim text, from the line of its statement to the line of its
// last END, each line ending in "\n", shared by every entry made from it. The text
// is kept as the bytes of the script it was read from (shared with the script, not
// copied) and decoded when asked for; an edited text replaces it.
class RawBlock {
public:
  // The lines of data in [begin, end) decoded as the script file reads them.
  enum class Encoding { Ansi, Utf16, Utf8 };
  void setSource(const QByteArray &data, qsizetype begin, qsizetype end, Encoding encoding,
                 int codePage);
  void setEnd(qsizetype end) { m_end = end; }

  QString text() const;
  void setText(const QString &text);

  // Where the block stands in the bytes of its script, and how they are read.
  const QByteArray &data() const { return m_data; }
  qsizetype begin() const { return m_begin; }
  qsizetype end() const { return m_end; }
  bool isUtf16() const { return m_encoding == Encoding::Utf16; }
  int codePage() const { return m_encoding == Encoding::Utf8 ? 65001 : m_codePage; }
  bool edited() const { return m_edited; }

  TextEntry *firstEntry = nullptr; // the head entry, which stands for the resource

private:
  QByteArray m_data;
  qsizetype m_begin = 0;
  qsizetype m_end = 0;
  Encoding m_encoding = Encoding::Ansi;
  int m_codePage = 0;
  QString m_text;
  bool m_edited = false;
};

using RawBlockPtr = std::shared_ptr<RawBlock>;

} // namespace tarvelo
