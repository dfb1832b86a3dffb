// Feeds arbitrary bytes to the project file (.tvx) reader and judges every target it
// names as the project flows do; any crash, hang, leak or sanitizer report is a fault.
#include "project/project_file.h"
#include "project/target_policy.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  static QTemporaryDir folder;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  for (const Task &task : parseProjectFile(bytes, folder.path()))
    if (!task.targetPath.isEmpty())
      judgeProjectTarget(folder.path(), task.targetPath);
  return 0;
}
