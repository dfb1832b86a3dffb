// Feeds arbitrary bytes to the PO catalog reader, as an import reads a catalog; any
// crash, hang, leak or sanitizer report is a fault.
#include "exchange/catalog_file.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  CatalogReader reader;
  reader.read(bytes, [](const CatalogRecord &record) {
    poUnescaped(record.msgstr);
    return true;
  });
  return 0;
}
