// Feeds arbitrary bytes to the TMX reader (through the XML guard), for English to
// German; any crash, hang, leak or sanitizer report is a fault.
#include "exchange/tmx_file.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  QString error;
  readTmx(
      bytes, 1033, 1031, [](const MemoryUnit &) { return true; }, error);
  return 0;
}
