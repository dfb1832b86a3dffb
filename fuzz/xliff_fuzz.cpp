// Feeds arbitrary bytes to the XLIFF reader (through the XML guard); any crash, hang,
// leak or sanitizer report is a fault.
#include "exchange/import_records.h"
#include "exchange/xliff_file.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  std::vector<ImportRecord> records;
  QString error;
  readXliff(bytes, records, error);
  return 0;
}
