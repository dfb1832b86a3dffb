// Resource-only language DLLs: the translated resources of a program in a library of
// their own, which the program loads as data.
#pragma once

#include "compiled/res_file.h"

namespace tarvelo {

// A DLL with no code, no imports and one .rsrc section holding the resources (its
// directory sorted as the loader searches it), for x64 or x86, its checksum set.
// Windows loads it with LoadLibraryEx(LOAD_LIBRARY_AS_DATAFILE |
// LOAD_LIBRARY_AS_IMAGE_RESOURCE).
QByteArray writeLanguageDll(const QList<CompiledResource> &resources, bool is64Bit);

// The PE checksum of an image whose checksum field stands at checksumOffset: its 16-bit
// words summed with their carries folded, plus its length.
quint32 peChecksum(const QByteArray &image, qsizetype checksumOffset);

} // namespace tarvelo
