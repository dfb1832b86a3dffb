// A resource script's bytes: detecting the encoding, reading lines, writing text.
#include "script/script_file.h"

#include "files/file_transaction.h"
#include "text/code_page.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tarvelo {

namespace {

// Valid UTF-8 with at least one character beyond ASCII.
bool isUtf8Text(const QByteArray &data) {
  bool beyondAscii = false;
  const auto *p = reinterpret_cast<const unsigned char *>(data.constData());
  const auto *end = p + data.size();
  while (p < end) {
    // ASCII, most of any script, eight bytes at a time.
    if (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        p += 8;
        continue;
      }
    }
    const unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    beyondAscii = true;
    int follow;
    unsigned minimum;
    unsigned code;
    if (c >= 0xC2 && c <= 0xDF) {
      follow = 1, minimum = 0x80, code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      follow = 2, minimum = 0x800, code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      follow = 3, minimum = 0x10000, code = c & 0x07;
    } else {
      return false;
    }
    if (end - p <= follow)
      return false;
    for (int i = 1; i <= follow; ++i) {
      if ((p[i] & 0xC0) != 0x80)
        return false;
      code = code << 6 | (p[i] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
      return false;
    p += follow + 1;
  }
  return beyondAscii;
}

// A code_page pragma that names another code page than UTF-8.
bool namesOtherCodePage(const QByteArray &data) {
  for (qsizetype at = data.indexOf("code_page"); at >= 0; at = data.indexOf("code_page", at + 1)) {
    qsizetype i = at + 9;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t'))
      ++i;
    if (i >= data.size() || data[i] != '(')
      continue;
    ++i;
    qsizetype digits = i;
    while (digits < data.size() && data[digits] >= '0' && data[digits] <= '9')
      ++digits;
    if (digits > i && data.mid(i, digits - i) != "65001")
      return true;
  }
  return false;
}

ScriptFile::Encoding detectEncoding(const QByteArray &data) {
  if (data.size() >= 2 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xFE)
    return ScriptFile::Utf16;
  if (data.size() >= 3 && uchar(data[0]) == 0xEF && uchar(data[1]) == 0xBB &&
      uchar(data[2]) == 0xBF)
    return ScriptFile::Utf8Bom;
  if (isUtf8Text(data) && !namesOtherCodePage(data))
    return ScriptFile::Utf8;
  return ScriptFile::Ansi;
}

} // namespace

bool ScriptFile::open(const QString &path) {
  // Reading a FIFO or a device would wait for a writer, or never end.
  if (!QFileInfo(path).isFile())
    return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  m_path = path;
  // One buffer of the file's size, rather than one grown while reading.
  QByteArray data(file.size(), Qt::Uninitialized);
  const qint64 read = file.read(data.data(), data.size());
  if (read < 0)
    return false;
  data.truncate(read);
  openData(data);
  return file.error() == QFileDevice::NoError;
}

void ScriptFile::openData(const QByteArray &data) {
  m_data = data;
  m_decompiled = false;
  m_encoding = detectEncoding(m_data);
  m_readPos = contentStart();
  m_blankLines = 0;
}

void ScriptFile::create(Encoding encoding) {
  m_data.clear();
  m_encoding = encoding;
  m_readPos = 0;
  m_blankLines = 0;
  m_crLf = -1;
}

qsizetype ScriptFile::contentStart() const {
  switch (m_encoding) {
  case Utf16:
    return m_data.size() >= 2 ? 2 : 0;
  case Utf8Bom:
    return m_data.size() >= 3 ? 3 : 0;
  case Utf8:
  case Ansi:
    break;
  }
  return 0;
}

bool ScriptFile::readLineWithFeed(QString &text, int codePage) {
  m_lineStart = m_readPos;
  // Lines of bytes are decoded straight into the text's own storage.
  if (m_encoding != Utf16 && m_readPos < m_data.size()) {
    const char *start = m_data.constData() + m_readPos;
    const qsizetype left = m_data.size() - m_readPos;
    const void *found = std::memchr(start, '\n', size_t(left));
    qsizetype length = found ? static_cast<const char *>(found) - start : left;
    m_readPos += found ? length + 1 : length;
    // Text mode turns CR LF into LF.
    if (found && length > 0 && start[length - 1] == '\r')
      --length;
    CodePage::toUtf16Into(text, start, length, codePage, u'\n');
    return true;
  }
  if (!readLine(text, codePage))
    return false;
  text.append(u'\n');
  return true;
}

qsizetype ScriptFile::lineCount() const {
  const qsizetype start = contentStart();
  const qsizetype size = m_data.size();
  const char *base = m_data.constData();
  qsizetype lines = 0;
  if (m_encoding == Utf16) {
    // Whole code units only, as reading takes them.
    const qsizetype units = (size - start) / 2;
    qsizetype afterLast = 0;
    for (qsizetype i = 0; i < units; ++i)
      if (uchar(base[start + 2 * i]) == 0x0A && base[start + 2 * i + 1] == 0) {
        ++lines;
        afterLast = i + 1;
      }
    return lines + (afterLast < units ? 1 : 0);
  }
  qsizetype at = start;
  for (const void *found; at < size && (found = std::memchr(base + at, '\n', size_t(size - at)));) {
    ++lines;
    at = static_cast<const char *>(found) - base + 1;
  }
  return lines + (at < size ? 1 : 0);
}

bool ScriptFile::readLine(QString &text, int codePage) {
  m_lineStart = m_readPos;
  const qsizetype size = m_data.size();
  if (m_readPos >= size)
    return false;
  const char *base = m_data.constData();
  if (m_encoding == Utf16) {
    // Whole code units only: a trailing odd byte is not text.
    const qsizetype units = (size - m_readPos) / 2;
    if (units == 0) {
      m_readPos = size;
      return false;
    }
    const char *start = base + m_readPos;
    qsizetype n = 0;
    bool lineFeed = false;
    for (; n < units; ++n) {
      if (uchar(start[2 * n]) == 0x0A && start[2 * n + 1] == 0) {
        lineFeed = true;
        break;
      }
    }
    qsizetype length = n;
    m_readPos += 2 * (lineFeed ? n + 1 : n);
    if (!lineFeed && m_readPos + 1 == size)
      m_readPos = size;
    text.resize(length);
    std::memcpy(static_cast<void *>(text.data()), start, size_t(length) * 2);
    // A line feed has been taken; a carriage return before it goes too. Without a
    // line feed, one trailing carriage return is the line end.
    if (!text.isEmpty() && text.back() == QChar(u'\r'))
      text.chop(1);
    return true;
  }
  const char *start = base + m_readPos;
  const void *found = std::memchr(start, '\n', size_t(size - m_readPos));
  qsizetype length = found ? static_cast<const char *>(found) - start : size - m_readPos;
  m_readPos += found ? length + 1 : length;
  // Text mode turns CR LF into LF.
  if (found && length > 0 && start[length - 1] == '\r')
    --length;
  text = CodePage::toUtf16(start, length, codePage);
  return true;
}

void ScriptFile::writeLine(const QString &text, int codePage) {
  if (m_blankLineLimit > 0) {
    if (text == QLatin1String("\n")) {
      if (m_blankLines >= m_blankLineLimit)
        return;
      ++m_blankLines;
    } else {
      m_blankLines = 0;
    }
  }
  appendEncoded(text, codePage);
}

void ScriptFile::writeText(QStringView text, int codePage) {
  if (m_blankLineLimit <= 0) {
    appendEncoded(text, codePage);
    return;
  }
  // The lines beyond the blank-line limit are left out; the rest goes in one piece.
  QString kept;
  bool dropping = false;
  for (qsizetype from = 0; from < text.size();) {
    qsizetype end = text.indexOf(u'\n', from);
    end = end < 0 ? text.size() : end + 1;
    bool keep = true;
    if (end - from == 1 && text[from] == u'\n') {
      keep = m_blankLines < m_blankLineLimit;
      if (keep)
        ++m_blankLines;
    } else {
      m_blankLines = 0;
    }
    if (!keep && !dropping) {
      kept = text.left(from).toString();
      dropping = true;
    } else if (keep && dropping) {
      kept += text.mid(from, end - from);
    }
    from = end;
  }
  appendEncoded(dropping ? QStringView(kept) : text, codePage);
}

void ScriptFile::startContent() {
  if (!m_data.isEmpty())
    return;
  if (m_encoding == Utf16)
    m_data.append("\xFF\xFE", 2);
  else if (m_encoding == Utf8Bom)
    m_data.append("\xEF\xBB\xBF", 3);
}

void ScriptFile::appendRaw(const char *bytes, qsizetype size) {
  startContent();
  m_data.append(bytes, size);
}

void ScriptFile::appendEncoded(QStringView text, int codePage) {
  startContent();
  if (m_encoding == Utf16) {
    if (!writesCrLf()) {
      m_data.append(reinterpret_cast<const char *>(text.data()), text.size() * 2);
      return;
    }
    for (qsizetype from = 0; from < text.size();) {
      qsizetype end = text.indexOf(u'\n', from);
      const bool lineFeed = end >= 0;
      if (!lineFeed)
        end = text.size();
      m_data.append(reinterpret_cast<const char *>(text.data() + from), (end - from) * 2);
      if (lineFeed)
        m_data.append("\r\0\n\0", 4);
      from = lineFeed ? end + 1 : end;
    }
    return;
  }
  // Whole lines at a time, so that a large text needs no second copy of itself.
  constexpr qsizetype kPiece = 65536;
  for (qsizetype from = 0; from < text.size();) {
    qsizetype end = std::min(text.size(), from + kPiece);
    if (end < text.size()) {
      // Looked for within the piece only: a line longer than many pieces would
      // otherwise be searched from its end to its start for each of them.
      const qsizetype inPiece = text.mid(from, end - from).lastIndexOf(u'\n');
      const qsizetype lineFeed = inPiece < 0 ? -1 : from + inPiece;
      if (lineFeed >= from)
        end = lineFeed + 1;
      else if (text[end - 1].isHighSurrogate())
        --end; // a line longer than a piece is not cut inside a character
    }
    const QStringView piece = text.mid(from, end - from);
    appendBytes(isUtf8() ? piece.toUtf8() : CodePage::fromUtf16(piece, codePage));
    from = end;
  }
}

// Text mode writes each line feed as CR LF: the bytes go in pieces between them.
void ScriptFile::appendBytes(const QByteArray &bytes) {
  if (!writesCrLf()) {
    m_data.append(bytes);
    return;
  }
  const char *in = bytes.constData();
  const qsizetype size = bytes.size();
  qsizetype lineFeeds = 0;
  for (const char *at = in;
       (at = static_cast<const char *>(std::memchr(at, '\n', size_t(in + size - at)))) != nullptr;
       ++at)
    ++lineFeeds;
  const qsizetype at = m_data.size();
  m_data.resize(at + size + lineFeeds);
  char *out = m_data.data() + at;
  for (qsizetype from = 0; from < size;) {
    const void *found = std::memchr(in + from, '\n', size_t(size - from));
    const qsizetype end = found ? static_cast<const char *>(found) - in : size;
    std::memcpy(out, in + from, size_t(end - from));
    out += end - from;
    if (!found)
      break;
    *out++ = '\r';
    *out++ = '\n';
    from = end + 1;
  }
}

bool ScriptFile::mostlyCrLf() const {
  const qsizetype start = contentStart();
  const char *base = m_data.constData();
  const qsizetype size = m_data.size();
  qsizetype crLf = 0, lineFeeds = 0;
  if (m_encoding == Utf16) {
    for (qsizetype i = start; i + 1 < size; i += 2)
      if (base[i] == '\n' && base[i + 1] == 0) {
        ++lineFeeds;
        crLf += i >= start + 2 && base[i - 2] == '\r' && base[i - 1] == 0;
      }
  } else {
    for (const char *at = base + start;
         (at = static_cast<const char *>(std::memchr(at, '\n', size_t(base + size - at)))); ++at) {
      ++lineFeeds;
      crLf += at > base + start && at[-1] == '\r';
    }
  }
  return crLf * 2 >= lineFeeds;
}

bool ScriptFile::endsWithLineEnd() const {
  const qsizetype start = contentStart();
  const qsizetype size = m_data.size();
  if (size <= start)
    return true;
  if (m_encoding == Utf16)
    return size - start >= 2 && m_data[size - 2] == '\n' && m_data[size - 1] == 0;
  return m_data[size - 1] == '\n';
}

void ScriptFile::chopLineEnd() {
  const qsizetype unit = m_encoding == Utf16 ? 2 : 1;
  const qsizetype start = contentStart();
  const auto at = [&](qsizetype i, char c) {
    return i >= start && m_data[i] == c && (unit == 1 || m_data[i + 1] == 0);
  };
  qsizetype end = m_data.size() - unit;
  if (!at(end, '\n'))
    return;
  if (at(end - unit, '\r'))
    end -= unit;
  m_data.truncate(end);
}

void ScriptFile::truncate() {
  m_data.clear();
  m_readPos = 0;
  m_blankLines = 0;
}

bool ScriptFile::saveTo(const QString &path) const {
  return saveBytes(path, m_data);
}

bool ScriptFile::saveBytes(const QString &path, const QByteArray &data) {
  return writeFileSafely(path, data);
}

} // namespace tarvelo
