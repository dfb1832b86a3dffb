// Writing resource-only language DLLs: the headers of a PE image around one .rsrc section.
#include "compiled/language_dll.h"

#include "compiled/binary_writer.h"
#include "compiled/resource_section.h"

namespace tarvelo {

namespace {

constexpr quint32 kPeOffset = 0x80;
constexpr quint32 kFileAlignment = 0x200;
constexpr quint32 kSectionAlignment = 0x1000;
constexpr quint32 kSectionRva = kSectionAlignment;

quint32 alignUp(quint32 value, quint32 alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

class Writer {
public:
  explicit Writer(QByteArray &out) : m_out(out) {}
  void word(quint16 value) { writeWord(m_out, value); }
  void dword(quint32 value) { writeDword(m_out, value); }
  void qword(quint64 value) {
    dword(quint32(value & 0xFFFFFFFF));
    dword(quint32(value >> 32));
  }
  // A field as wide as the image's addresses.
  void address(quint64 value, bool is64Bit) { is64Bit ? qword(value) : dword(quint32(value)); }

private:
  QByteArray &m_out;
};

void writeCoffHeader(Writer &w, bool is64Bit) {
  w.word(is64Bit ? 0x8664 : 0x014C); // machine
  w.word(1);                         // one section
  w.dword(0);                        // no time stamp: the same input makes the same file
  w.dword(0);
  w.dword(0); // no symbols
  w.word(is64Bit ? 240 : 224);
  // An executable image, a DLL; 64-bit images may live above 2 GB, 32-bit ones say so.
  w.word(0x0002 | 0x2000 | (is64Bit ? 0x0020 : 0x0100));
}

void writeOptionalHeader(Writer &w, bool is64Bit, quint32 sectionSize, quint32 rawSize) {
  w.word(is64Bit ? 0x20B : 0x10B);
  w.word(14);           // linker version
  w.dword(0);           // no code
  w.dword(rawSize);     // initialized data
  w.dword(0);           // uninitialized data
  w.dword(0);           // no entry point
  w.dword(kSectionRva); // base of code
  if (!is64Bit)
    w.dword(kSectionRva); // base of data
  w.address(is64Bit ? 0x180000000ull : 0x10000000ull, is64Bit);
  w.dword(kSectionAlignment);
  w.dword(kFileAlignment);
  for (const quint16 version : {6, 0, 0, 0, 6, 0}) // system, image and subsystem versions
    w.word(version);
  w.dword(0); // reserved
  w.dword(kSectionRva + alignUp(sectionSize, kSectionAlignment));
  w.dword(kFileAlignment); // the headers' size
  w.dword(0);              // the checksum, set once the file is whole
  w.word(2);               // Windows GUI
  w.word(0x0100);          // compatible with data execution prevention
  for (const quint64 size : {0x100000ull, 0x1000ull, 0x100000ull, 0x1000ull})
    w.address(size, is64Bit);
  w.dword(0);  // loader flags
  w.dword(16); // data directories
  for (int i = 0; i < 16; ++i) {
    w.dword(i == 2 ? kSectionRva : 0);
    w.dword(i == 2 ? sectionSize : 0);
  }
}

void writeSectionHeader(Writer &w, QByteArray &out, quint32 sectionSize, quint32 rawSize) {
  out.append(".rsrc\0\0\0", 8);
  w.dword(sectionSize);
  w.dword(kSectionRva);
  w.dword(rawSize);
  w.dword(kFileAlignment); // the section's bytes follow the headers
  w.dword(0);
  w.dword(0);
  w.word(0);
  w.word(0);
  w.dword(0x40000040); // initialized data, readable
}

} // namespace

quint32 peChecksum(const QByteArray &image, qsizetype checksumOffset) {
  quint64 sum = 0;
  const auto *bytes = reinterpret_cast<const uchar *>(image.constData());
  for (qsizetype i = 0; i < image.size(); i += 2) {
    if (i == checksumOffset || i == checksumOffset + 2)
      continue;
    const quint32 low = bytes[i];
    const quint32 high = i + 1 < image.size() ? bytes[i + 1] : 0;
    sum += low | high << 8;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return quint32(sum + quint64(image.size()));
}

QByteArray writeLanguageDll(const QList<CompiledResource> &resources, bool is64Bit) {
  const QByteArray section = buildResourceSection(resources, kSectionRva);
  const quint32 sectionSize = quint32(section.size());
  const quint32 rawSize = alignUp(sectionSize, kFileAlignment);
  QByteArray out(kPeOffset, '\0');
  out[0] = 'M';
  out[1] = 'Z';
  out[0x3C] = char(kPeOffset);
  out.append("PE\0\0", 4);
  Writer w(out);
  writeCoffHeader(w, is64Bit);
  const qsizetype optional = out.size();
  writeOptionalHeader(w, is64Bit, sectionSize, rawSize);
  writeSectionHeader(w, out, sectionSize, rawSize);
  out.append(QByteArray(kFileAlignment - out.size(), '\0'));
  out.append(section);
  out.append(QByteArray(rawSize - sectionSize, '\0'));
  const qsizetype checksumAt = optional + 64;
  const quint32 checksum = peChecksum(out, checksumAt);
  for (int i = 0; i < 4; ++i)
    out[checksumAt + i] = char((checksum >> (8 * i)) & 0xFF);
  return out;
}

} // namespace tarvelo
