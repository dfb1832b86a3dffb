// Feeds arbitrary bytes to the version resource's reader, its statement and its
// turning to another language; any crash, hang, leak or sanitizer report is a fault,
// and so is a tree read that does not write back to what was read.
#include "compiled/version_resource.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  VersionNode root;
  QString error;
  qsizetype offset = -1;
  if (readVersionResource(bytes, root, error, offset)) {
    // Whatever reads is a tree the writer lays out, and that layout reads again alike.
    const QByteArray written = writeVersionResource(root);
    VersionNode again;
    if (!readVersionResource(written, again, error, offset) ||
        writeVersionResource(again) != written)
      std::abort();
  }
  versionInfoStatement(bytes, QStringLiteral("1"));
  adaptVersionResource(bytes, 0x409, 0x407);
  return 0;
}
