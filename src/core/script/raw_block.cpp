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
  const char *base = m_data.constData();
  if (m_encoding == Encoding::Utf16) {
    out.reserve((end - m_begin) / 2);
    for (qsizetype at = m_begin; at + 1 < end;) {
      qsizetype next = at;
      while (next + 1 < end && !(base[next] == '\n' && base[next + 1] == 0))
        next += 2;
      const bool lineFeed = next + 1 < end;
      qsizetype units = (next - at) / 2;
      QString line(units, Qt::Uninitialized);
      std::memcpy(static_cast<void *>(line.data()), base + at, size_t(units) * 2);
      if (!line.isEmpty() && line.back() == QChar(u'\r'))
        line.chop(1);
      out += line;
      out += u'\n';
      at = lineFeed ? next + 2 : end;
    }
    return out;
  }
  const int codePage = m_encoding == Encoding::Utf8 ? 65001 : m_codePage;
  out.reserve(end - m_begin);
  for (qsizetype at = m_begin; at < end;) {
    const void *found = std::memchr(base + at, '\n', size_t(end - at));
    qsizetype length = found ? static_cast<const char *>(found) - (base + at) : end - at;
    const qsizetype next = at + length + (found ? 1 : 0);
    if (found && length > 0 && base[at + length - 1] == '\r')
      --length;
    out += CodePage::toUtf16(base + at, length, codePage);
    out += u'\n';
    at = next;
  }
  return out;
}

} // namespace tarvelo
