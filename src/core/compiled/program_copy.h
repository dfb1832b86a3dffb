// A copy of a Windows program (PE file) whose resources have a translation's added or
// replaced: the rest of the program carried forward byte for byte.
#pragma once

#include "compiled/res_file.h"

namespace tarvelo {

// Where the new resource section went.
enum class ResourcePlacement {
  Rewritten,        // within the old section's address space
  Grown,            // the old section was the last one and grew
  RelocationsMoved, // the old section grew and the .reloc section after it moved up
  NewSection,       // a new last section; the old one's bytes stay, unreferenced
};

struct ProgramCopyReport {
  QString error; // empty when the copy was made
  qsizetype errorOffset = -1;
  bool signatureRemoved = false; // an Authenticode signature was dropped: sign again
  int added = 0;                 // resources of the translation the program did not hold
  int replaced = 0;              // resources whose data the translation's replaced
  ResourcePlacement placement = ResourcePlacement::Rewritten;
  bool ok() const { return error.isEmpty(); }
};

struct ProgramCopy {
  QByteArray image; // empty unless report.ok()
  ProgramCopyReport report;
};

// The program with every one of its resources, except that a resource (type, name and
// language) the translation also holds has the translation's data, and with the
// translation's others added. The overlay (bytes after the sections) and a COFF symbol
// table move with the bytes before them; a signature is removed; the checksum is set.
ProgramCopy writeProgramCopy(const QByteArray &program, const QList<CompiledResource> &translation);

// The originals with the translation's data where both hold a resource, then the
// translation's others; the first of a resource given twice counts.
QList<CompiledResource> mergedResources(const QList<CompiledResource> &originals,
                                        const QList<CompiledResource> &translation, int &added,
                                        int &replaced);

} // namespace tarvelo
