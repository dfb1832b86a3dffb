// Feeds arbitrary bytes to the reader of resource headers and asks it for names;
// any crash, hang, leak or sanitizer report is a fault.
#include "compiled/header_names.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const HeaderNames names =
      parseHeaderNames(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
  for (const qint64 value : {-1LL, 0LL, 1LL, 100LL, 0xFFFFLL})
    for (const NameKind kind : {NameKind::Dialog, NameKind::Control, NameKind::Other})
      names.name(value, kind);
  return 0;
}
