#include "script/script_file.h"

#include "text/code_page.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace tarvelo {

namespace {

ScriptFile::Encoding detectEncoding(const QByteArray &data) {
  if (data.size() >= 2 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xFE)
    return ScriptFile::Utf16;
  if (data.size() >= 3 && uchar(data[0]) == 0xEF && uchar(data[1]) == 0xBB &&
      uchar(data[2]) == 0xBF)
    return ScriptFile::Utf8Bom;
  return ScriptFile::Ansi;
}

} // namespace

bool ScriptFile::open(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  m_path = path;
  openData(file.readAll());
  return file.error() == QFileDevice::NoError;
}

void ScriptFile::openData(const QByteArray &data) {
  m_data = data;
  m_encoding = detectEncoding(m_data);
  m_readPos = contentStart();
  m_blankLines = 0;
}

void ScriptFile::create(Encoding encoding) {
  m_data.clear();
  m_encoding = encoding;
  m_readPos = 0;
  m_blankLines = 0;
}

qsizetype ScriptFile::contentStart() const {
  switch (m_encoding) {
  case Utf16:
    return m_data.size() >= 2 ? 2 : 0;
  case Utf8Bom:
    return m_data.size() >= 3 ? 3 : 0;
  case Ansi:
    break;
  }
  return 0;
}

bool ScriptFile::readLine(QString &text, int codePage) {
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
  switch (m_encoding) {
  case Utf16:
    if (m_data.isEmpty())
      m_data.append("\xFF\xFE", 2);
    m_data.append(reinterpret_cast<const char *>(text.constData()), text.size() * 2);
    return;
  case Utf8Bom:
    if (m_data.isEmpty())
      m_data.append("\xEF\xBB\xBF", 3);
    break;
  case Ansi:
    break;
  }
  const QByteArray bytes =
      m_encoding == Utf8Bom ? text.toUtf8() : CodePage::fromUtf16(text, codePage);
  // Text mode writes each line feed as CR LF.
  qsizetype from = 0;
  for (;;) {
    const qsizetype lf = bytes.indexOf('\n', from);
    if (lf < 0) {
      m_data.append(bytes.constData() + from, bytes.size() - from);
      break;
    }
    m_data.append(bytes.constData() + from, lf - from);
    m_data.append("\r\n", 2);
    from = lf + 1;
  }
}

void ScriptFile::truncate() {
  m_data.clear();
  m_readPos = 0;
  m_blankLines = 0;
}

bool ScriptFile::saveTo(const QString &path) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  if (file.write(m_data) != m_data.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

} // namespace tarvelo
