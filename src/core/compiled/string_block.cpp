// Reading and writing compiled STRINGTABLE blocks.
#include "compiled/string_block.h"

#include "compiled/binary_reader.h"

namespace tarvelo {

bool readStringBlock(const QByteArray &data, QStringList &strings) {
  strings.clear();
  BinaryReader reader(data);
  for (int i = 0; i < kStringsPerBlock; ++i) {
    const quint16 length = reader.word();
    const QByteArray units = reader.bytes(qsizetype(length) * 2);
    if (reader.failed())
      return false;
    strings.append(
        QString::fromUtf16(reinterpret_cast<const char16_t *>(units.constData()), length));
  }
  return true;
}

QByteArray writeStringBlock(const QStringList &strings) {
  QByteArray out;
  for (int i = 0; i < kStringsPerBlock; ++i) {
    const QString text = i < strings.size() ? strings[i] : QString();
    const quint16 length = quint16(std::min<qsizetype>(text.size(), 0xFFFF));
    out.append(char(length & 0xFF));
    out.append(char(length >> 8));
    out.append(reinterpret_cast<const char *>(text.utf16()), qsizetype(length) * 2);
  }
  return out;
}

} // namespace tarvelo
