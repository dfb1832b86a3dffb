// Little-endian reading of compiled resources with every read checked against the end.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

namespace tarvelo {

// A position in bytes read as the Windows formats store them. A read past the end
// sets failed() and gives zeros, so that a parser checks once where it matters.
class BinaryReader {
public:
  explicit BinaryReader(QByteArrayView data, qsizetype position = 0)
      : m_data(data), m_position(position) {}

  qsizetype position() const { return m_position; }
  qsizetype size() const { return m_data.size(); }
  qsizetype left() const { return m_position < m_data.size() ? m_data.size() - m_position : 0; }
  bool atEnd() const { return m_position >= m_data.size(); }
  bool failed() const { return m_failed; }
  void seek(qsizetype position) { m_position = position; }
  // To the next multiple of n from the start of the data.
  void align(int n) { m_position = (m_position + n - 1) / n * n; }

  quint16 word() {
    if (!has(2))
      return 0;
    const quint16 value = qFromLittleEndian<quint16>(m_data.data() + m_position);
    m_position += 2;
    return value;
  }
  quint32 dword() {
    if (!has(4))
      return 0;
    const quint32 value = qFromLittleEndian<quint32>(m_data.data() + m_position);
    m_position += 4;
    return value;
  }
  // A text of UTF-16 units up to its terminating zero.
  QString zeroTerminated() {
    QString text;
    for (;;) {
      if (!has(2))
        return text;
      const char16_t unit = word();
      if (unit == 0)
        return text;
      text.append(QChar(unit));
    }
  }
  QByteArray bytes(qsizetype count) {
    if (count < 0 || !has(count))
      return {};
    const QByteArray out(m_data.data() + m_position, count);
    m_position += count;
    return out;
  }

private:
  bool has(qsizetype count) {
    if (m_position >= 0 && count <= m_data.size() - m_position)
      return true;
    m_failed = true;
    m_position = m_data.size();
    return false;
  }

  QByteArrayView m_data;
  qsizetype m_position;
  bool m_failed = false;
};

} // namespace tarvelo
