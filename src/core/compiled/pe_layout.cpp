// Reading the headers and section table of PE files for writing them again.
#include "compiled/pe_layout.h"

#include "compiled/binary_reader.h"

namespace tarvelo {

namespace {

constexpr quint32 kPeSignature = 0x00004550; // "PE\0\0"
constexpr quint16 kPe32 = 0x10B;
constexpr quint16 kPe32Plus = 0x20B;

bool powerOfTwo(quint32 value) {
  return value != 0 && (value & (value - 1)) == 0;
}

bool fail(PeLayoutRead &read, const QString &message, qsizetype offset) {
  read.error = message;
  read.errorOffset = offset;
  return false;
}

bool readOptionalHeader(BinaryReader &reader, quint16 optionalSize, PeLayoutRead &read) {
  PeLayout &layout = read.layout;
  const quint16 magic = reader.word();
  if (reader.failed())
    return fail(read, QStringLiteral("the file ends inside its headers"), layout.optionalHeader);
  if (magic != kPe32 && magic != kPe32Plus)
    return fail(read,
                QStringLiteral("the optional header's magic number is 0x%1").arg(magic, 0, 16),
                layout.optionalHeader);
  layout.is64Bit = magic == kPe32Plus;
  const qsizetype counts = layout.optionalHeader + (layout.is64Bit ? 108 : 92);
  if (counts + 4 > layout.optionalHeader + optionalSize)
    return fail(read,
                QStringLiteral("the optional header is too short (%1 bytes)").arg(optionalSize),
                layout.optionalHeader);
  reader.seek(layout.optionalHeader + 32);
  layout.sectionAlignment = reader.dword();
  layout.fileAlignment = reader.dword();
  reader.seek(layout.optionalHeader + 60);
  layout.sizeOfHeaders = reader.dword();
  reader.seek(counts);
  // Only the directories the header has room for count.
  layout.directoryCount = std::min<quint32>(
      reader.dword(), quint32(layout.optionalHeader + optionalSize - counts - 4) / 8);
  if (reader.failed())
    return fail(read, QStringLiteral("the file ends inside its headers"), layout.optionalHeader);
  if (!powerOfTwo(layout.fileAlignment) || !powerOfTwo(layout.sectionAlignment) ||
      layout.fileAlignment > layout.sectionAlignment)
    return fail(read,
                QStringLiteral("the alignments (file 0x%1, sections 0x%2) are not powers of two "
                               "with the sections' at least the file's")
                    .arg(layout.fileAlignment, 0, 16)
                    .arg(layout.sectionAlignment, 0, 16),
                layout.optionalHeader + 32);
  return true;
}

bool readSections(BinaryReader &reader, int count, PeLayoutRead &read) {
  PeLayout &layout = read.layout;
  reader.seek(layout.sectionTable);
  for (int i = 0; i < count; ++i) {
    PeSection section;
    section.headerOffset = reader.position();
    section.name = reader.bytes(8);
    const qsizetype zero = section.name.indexOf('\0');
    if (zero >= 0)
      section.name.truncate(zero);
    section.virtualSize = reader.dword();
    section.virtualAddress = reader.dword();
    section.rawSize = reader.dword();
    section.rawOffset = reader.dword();
    reader.seek(section.headerOffset + 40);
    if (reader.failed())
      return fail(read, QStringLiteral("the section table runs beyond the end of the file"),
                  section.headerOffset);
    layout.sections.append(section);
  }
  for (const PeSection &section : layout.sections) {
    if (section.rawSize && section.rawEnd() > quint64(reader.size()))
      return fail(read,
                  QStringLiteral("the bytes of section %1 run beyond the end of the file")
                      .arg(QString::fromLatin1(section.name)),
                  section.headerOffset);
    if (section.virtualEnd() > 0xFFFFFFFFull)
      return fail(
          read,
          QStringLiteral("section %1 ends beyond 4 GB").arg(QString::fromLatin1(section.name)),
          section.headerOffset);
  }
  return true;
}

} // namespace

PeLayoutRead readPeLayout(const QByteArray &bytes) {
  PeLayoutRead read;
  PeLayout &layout = read.layout;
  BinaryReader reader(bytes);
  if (reader.word() != 0x5A4D) {
    fail(read, QStringLiteral("the file is no Windows program (it does not begin with MZ)"), 0);
    return read;
  }
  reader.seek(0x3C);
  const quint32 peOffset = reader.dword();
  reader.seek(qsizetype(peOffset));
  if (reader.failed() || reader.dword() != kPeSignature || reader.failed()) {
    fail(read, QStringLiteral("the file has no PE header where its DOS header points"),
         qsizetype(peOffset));
    return read;
  }
  layout.coffHeader = reader.position();
  reader.word(); // machine
  const quint16 sectionCount = reader.word();
  reader.seek(layout.coffHeader + 8);
  layout.symbolTable = reader.dword();
  reader.seek(layout.coffHeader + 16);
  const quint16 optionalSize = reader.word();
  layout.optionalHeader = layout.coffHeader + 20;
  layout.sectionTable = layout.optionalHeader + optionalSize;
  reader.seek(layout.optionalHeader);
  if (readOptionalHeader(reader, optionalSize, read))
    readSections(reader, sectionCount, read);
  return read;
}

PeDirectory peDirectory(const QByteArray &bytes, const PeLayout &layout, int index) {
  if (quint32(index) >= layout.directoryCount)
    return {};
  BinaryReader reader(bytes, layout.directoryOffset(index));
  PeDirectory directory;
  directory.address = reader.dword();
  directory.size = reader.dword();
  return reader.failed() ? PeDirectory() : directory;
}

qsizetype peFileOffset(const PeLayout &layout, quint64 rva, quint64 size) {
  for (const PeSection &section : layout.sections) {
    if (rva < section.virtualAddress ||
        rva + size > quint64(section.virtualAddress) + section.rawSize)
      continue;
    return qsizetype(section.rawOffset + (rva - section.virtualAddress));
  }
  return -1;
}

} // namespace tarvelo
