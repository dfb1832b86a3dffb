// Little-endian writing of compiled resources: the words, double words and texts the
// Windows formats store.
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvelo {

inline void writeWord(QByteArray &out, quint16 value) {
  out.append(char(value & 0xFF));
  out.append(char(value >> 8));
}

inline void writeDword(QByteArray &out, quint32 value) {
  writeWord(out, quint16(value & 0xFFFF));
  writeWord(out, quint16(value >> 16));
}

// A text of UTF-16 units with its terminating zero.
inline void writeText(QByteArray &out, const QString &text) {
  for (const QChar c : text)
    writeWord(out, c.unicode());
  writeWord(out, 0);
}

// Zeros up to the next multiple of four from the start of out.
inline void alignTo4(QByteArray &out) {
  while (out.size() % 4)
    out.append('\0');
}

} // namespace tarvelo
