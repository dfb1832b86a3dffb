// Feeds arbitrary bytes to the program copy as the program, with a small translation, and
// to the DLGINIT reader; any crash, hang, leak or sanitizer report is a fault, and so is
// a copy whose resources cannot be read again.
#include "compiled/dlginit_data.h"
#include "compiled/pe_resources.h"
#include "compiled/program_copy.h"
#include "compiled/string_block.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  CompiledResource german;
  german.type = ResourceId::fromNumber(6);
  german.name = ResourceId::fromNumber(1);
  german.language = 0x0407;
  QStringList strings(16);
  strings[1] = QStringLiteral("\u00d6ffnen");
  german.data = writeStringBlock(strings);
  const ProgramCopy copy = writeProgramCopy(bytes, {german});
  if (copy.report.ok() && !readPeResources(copy.image).ok())
    std::abort();
  QList<DlgInitRecord> records;
  readDlgInit(bytes, records);
  return 0;
}
