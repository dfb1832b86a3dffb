// The resources of a Windows program or library (PE file): the resource directory of
// its .rsrc section read into the same records as a .res file's.
#pragma once

#include "compiled/res_file.h"

namespace tarvelo {

// What reading a program's resources gave: every resource (type, name, language and
// data; the header fields a .res file adds stay zero), or where and why it stopped.
struct PeResourcesRead {
  QList<CompiledResource> resources;
  bool is64Bit = false;
  QString error; // empty when every resource was read
  qsizetype errorOffset = -1;
  bool ok() const { return error.isEmpty(); }
};

// Reads the resources of a 32- or 64-bit PE file (.exe, .dll, .ocx, .cpl, .mui). The
// directory is followed three levels deep (type, name, language) at most; one that
// loops, points outside the file or claims more entries than it holds is refused.
PeResourcesRead readPeResources(const QByteArray &bytes);

} // namespace tarvelo
