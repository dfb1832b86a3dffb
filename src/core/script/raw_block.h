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
