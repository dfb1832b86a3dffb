// Feeds arbitrary bytes to the .res and PE readers and each string block, menu and
// dialog template they find; any crash, hang, leak or sanitizer report is a fault.
#include "compiled/dialog_template.h"
#include "compiled/menu_template.h"
#include "compiled/pe_resources.h"
#include "compiled/res_file.h"
#include "compiled/string_block.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  QList<CompiledResource> resources = readResFile(bytes).resources;
  resources += readPeResources(bytes).resources;
  for (const CompiledResource &resource : resources) {
    QStringList strings;
    readStringBlock(resource.data, strings);
    CompiledMenu menu;
    QString error;
    qsizetype offset = -1;
    readMenuTemplate(resource.data, menu, error, offset);
    CompiledDialog dialog;
    readDialogTemplate(resource.data, dialog, error, offset);
  }
  // The data as a template of its own too, as a program's resource section gives it.
  CompiledMenu menu;
  QString error;
  qsizetype offset = -1;
  readMenuTemplate(bytes, menu, error, offset);
  CompiledDialog dialog;
  readDialogTemplate(bytes, dialog, error, offset);
  return 0;
}
