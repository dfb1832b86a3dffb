// Reading and writing the records of DLGINIT data.
#include "compiled/dlginit_data.h"

#include "compiled/binary_reader.h"
#include "compiled/binary_writer.h"

namespace tarvelo {

bool isDlgInit(const CompiledResource &resource) {
  return resource.type == ResourceId::fromNumber(240) ||
         resource.type == ResourceId{0, QStringLiteral("DLGINIT")};
}

bool readDlgInit(const QByteArray &data, QList<DlgInitRecord> &records) {
  records.clear();
  BinaryReader in(data);
  for (;;) {
    DlgInitRecord record;
    record.control = in.word();
    if (in.failed())
      return false;
    if (record.control == 0)
      break;
    record.message = in.word();
    const quint32 length = in.dword();
    if (in.failed() || length > quint32(in.left()))
      return false;
    record.data = in.bytes(qsizetype(length));
    records.append(std::move(record));
  }
  return in.atEnd();
}

QByteArray writeDlgInit(const QList<DlgInitRecord> &records) {
  QByteArray out;
  for (const DlgInitRecord &record : records) {
    writeWord(out, record.control);
    writeWord(out, record.message);
    writeDword(out, quint32(record.data.size()));
    out += record.data;
  }
  writeWord(out, 0);
  return out;
}

} // namespace tarvelo
