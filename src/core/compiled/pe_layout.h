// The layout of a PE file as a writer needs it: where each header field, section and
// data directory stands, every size checked against the file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelo {

// One entry of the section table, with the file offset of its header.
struct PeSection {
  QByteArray name; // up to eight bytes, without the padding zeros
  quint32 virtualSize = 0;
  quint32 virtualAddress = 0;
  quint32 rawSize = 0;
  quint32 rawOffset = 0;
  qsizetype headerOffset = 0;
  // Where the section ends in the loaded image: a zero virtual size means its raw size.
  quint64 virtualEnd() const {
    return quint64(virtualAddress) + (virtualSize ? virtualSize : rawSize);
  }
  quint64 rawEnd() const { return quint64(rawOffset) + rawSize; }
};

struct PeLayout {
  bool is64Bit = false;
  qsizetype coffHeader = 0;     // the machine field, after "PE\0\0"
  qsizetype optionalHeader = 0; // its magic number
  qsizetype sectionTable = 0;
  quint32 sectionAlignment = 0;
  quint32 fileAlignment = 0;
  quint32 sizeOfHeaders = 0;
  quint32 symbolTable = 0; // PointerToSymbolTable: a file offset, 0 when stripped
  quint32 directoryCount = 0;
  QList<PeSection> sections;

  qsizetype directoryOffset(int index) const {
    return optionalHeader + (is64Bit ? 112 : 96) + qsizetype(index) * 8;
  }
  qsizetype checksumOffset() const { return optionalHeader + 64; }
  qsizetype sizeOfImageOffset() const { return optionalHeader + 56; }
  qsizetype sizeOfInitializedDataOffset() const { return optionalHeader + 8; }
  qsizetype sizeOfHeadersOffset() const { return optionalHeader + 60; }
};

// What reading the headers gave, or where and why it stopped.
struct PeLayoutRead {
  PeLayout layout;
  QString error;
  qsizetype errorOffset = -1;
  bool ok() const { return error.isEmpty(); }
};

// Reads the DOS, COFF and optional headers and the section table. Refused: a header or
// table beyond the file, alignments that are no powers of two, a section whose bytes run
// beyond the file or whose addresses overflow.
PeLayoutRead readPeLayout(const QByteArray &bytes);

// A data directory's address and size; zeros for one the header does not hold.
struct PeDirectory {
  quint32 address = 0;
  quint32 size = 0;
};
PeDirectory peDirectory(const QByteArray &bytes, const PeLayout &layout, int index);

// The file offset of an address of the loaded image within a section's bytes, or -1.
qsizetype peFileOffset(const PeLayout &layout, quint64 rva, quint64 size);

} // namespace tarvelo
