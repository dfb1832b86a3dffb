// The resource section of a PE file built from resource records: the directory of
// types, names and languages, sorted as the loader searches it, then the data.
#pragma once

#include "compiled/res_file.h"

namespace tarvelo {

// The bytes of a .rsrc section placed at sectionRva in the image. Each level of the
// directory holds its named entries first, by case-sensitive name, then its numbered
// ones in ascending order; a resource given twice keeps its first data.
QByteArray buildResourceSection(const QList<CompiledResource> &resources, quint32 sectionRva);

} // namespace tarvelo
