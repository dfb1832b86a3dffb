// Reading and writing the resource records of .res files.
#include "compiled/res_file.h"

#include "compiled/binary_reader.h"
#include "compiled/binary_writer.h"

namespace tarvelo {

namespace {

// The fixed part of a resource header after its type and name.
constexpr qsizetype kHeaderTail = 16;
// The smallest header: two sizes, two numbered identifiers and the fixed part.
constexpr quint32 kSmallestHeader = 8 + 4 + 4 + kHeaderTail;

// A type or a name: 0xFFFF and a number, or a zero-terminated UTF-16 name.
bool readId(BinaryReader &reader, qsizetype end, ResourceId &id) {
  if (reader.left() >= 2 && reader.position() + 2 <= end) {
    BinaryReader peek = reader;
    if (peek.word() == 0xFFFF) {
      reader.word();
      id = ResourceId::fromNumber(reader.word());
      return !reader.failed() && reader.position() <= end;
    }
  }
  const qsizetype start = reader.position();
  id.name = reader.zeroTerminated();
  // An empty name is no name: it would read as a number.
  return !reader.failed() && reader.position() <= end && reader.position() > start + 2;
}

void writeId(QByteArray &out, const ResourceId &id) {
  if (id.isNumber()) {
    writeWord(out, 0xFFFF);
    writeWord(out, id.number);
    return;
  }
  writeText(out, id.name);
}

void writeResource(QByteArray &out, const CompiledResource &resource) {
  QByteArray header;
  writeId(header, resource.type);
  writeId(header, resource.name);
  alignTo4(header);
  writeDword(header, resource.dataVersion);
  writeWord(header, resource.memoryFlags);
  writeWord(header, resource.language);
  writeDword(header, resource.version);
  writeDword(header, resource.characteristics);
  writeDword(out, quint32(resource.data.size()));
  writeDword(out, quint32(header.size() + 8));
  out += header;
  out += resource.data;
  alignTo4(out);
}

// One record at the reader's position; false with the error set when it is not whole.
bool readRecord(BinaryReader &reader, CompiledResource &resource, QString &error) {
  const qsizetype start = reader.position();
  const quint32 dataSize = reader.dword();
  const quint32 headerSize = reader.dword();
  if (reader.failed()) {
    error = QStringLiteral("the resource header is cut short");
    return false;
  }
  if (headerSize < kSmallestHeader || headerSize % 4 != 0) {
    error = QStringLiteral("the resource header gives its own size as %1 bytes").arg(headerSize);
    return false;
  }
  // Sizes are compared in 64 bits: two sizes near 4 GB must not wrap round.
  if (quint64(start) + headerSize + dataSize > quint64(reader.size())) {
    error = QStringLiteral("the resource claims %1 bytes of data beyond the end of the file")
                .arg(quint64(start) + headerSize + dataSize - quint64(reader.size()));
    return false;
  }
  const qsizetype headerEnd = start + qsizetype(headerSize);
  if (!readId(reader, headerEnd, resource.type) || !readId(reader, headerEnd, resource.name)) {
    error = QStringLiteral("the resource's type or name does not end inside its header");
    return false;
  }
  reader.align(4);
  if (reader.position() + kHeaderTail > headerEnd) {
    error = QStringLiteral("the resource header is too short for its type and name");
    return false;
  }
  resource.dataVersion = reader.dword();
  resource.memoryFlags = reader.word();
  resource.language = reader.word();
  resource.version = reader.dword();
  resource.characteristics = reader.dword();
  reader.seek(headerEnd);
  resource.data = reader.bytes(qsizetype(dataSize));
  reader.align(4);
  return true;
}

} // namespace

ResFileRead readResFile(const QByteArray &bytes) {
  ResFileRead read;
  BinaryReader reader(bytes);
  bool first = true;
  while (!reader.atEnd()) {
    const qsizetype start = reader.position();
    CompiledResource resource;
    if (!readRecord(reader, resource, read.error)) {
      if (first)
        read.error = QStringLiteral("the file is no compiled resource file: ") + read.error;
      read.errorOffset = start;
      return read;
    }
    // A .res file begins with an empty resource of type 0 that marks it as one.
    const bool marker =
        first && resource.data.isEmpty() && resource.type.isNumber() && resource.type.number == 0;
    first = false;
    if (!marker)
      read.resources.append(std::move(resource));
  }
  return read;
}

QByteArray writeResFile(const QList<CompiledResource> &resources) {
  QByteArray out;
  CompiledResource marker;
  marker.type = ResourceId::fromNumber(0);
  marker.name = ResourceId::fromNumber(0);
  writeResource(out, marker);
  for (const CompiledResource &resource : resources)
    writeResource(out, resource);
  return out;
}

} // namespace tarvelo
