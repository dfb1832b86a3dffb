// Decoding a resource's verbatim bytes into its text.
#include "script/raw_block.h"

#include "text/code_page.h"

#include <cstring>

namespace tarvelo {

void RawBlock::setSource(const QByteArray &data, qsizetype begin, qsizetype end, Encoding encoding,
                         int codePage) {
  m_data = data;
  m_begin = begin;
  m_end = end;
  m_encoding = encoding;
  m_codePage = codePage;
  m_edited = false;
  m_text.clear();
}

void RawBlock::setText(const QString &text) {
  m_text = text;
  m_edited = true;
  m_data.clear();
}

QString RawBlock::text() const {
  if (m_edited)
    return m_text;
  QString out;
  const qsizetype end = std::min(m_end, m_data.size());
  if (end <= m_begin)
    return out;
  const char *base = m_data.constData();
  // The whole range at once: no line end falls inside a character of any code page.
  if (m_encoding == Encoding::Utf16) {
    const qsizetype units = (end - m_begin) / 2;
    out.resize(units);
    std::memcpy(static_cast<void *>(out.data()), base + m_begin, size_t(units) * 2);
  } else {
    const int codePage = m_encoding == Encoding::Utf8 ? 65001 : m_codePage;
    CodePage::toUtf16Into(out, base + m_begin, end - m_begin, codePage);
  }
  // Text mode turns CR LF into LF; each line ends with a line feed.
  if (out.contains(u'\r')) {
    qsizetype kept = 0;
    const qsizetype size = out.size();
    QChar *d = out.data();
    for (qsizetype i = 0; i < size; ++i) {
      if (d[i] == u'\r' && i + 1 < size && d[i + 1] == u'\n')
        continue;
      d[kept++] = d[i];
    }
    out.truncate(kept);
  }
  if (out.isEmpty() || out.back() != u'\n')
    out.append(u'\n');
  return out;
}

} // namespace tarvelo
