// Feeds arbitrary bytes to the readers of Visual C++ workspaces and projects (.sln,
// .vcxproj through the XML guard, .dsw, .dsp, .vcproj) as the script search reads
// them; any crash, hang, leak or sanitizer report is a fault.
#include "project/visual_cpp_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  static QTemporaryDir folder;
  const std::atomic_bool stop{false};
  for (const char *name : {"p.sln", "p.vcxproj", "p.dsw", "p.dsp", "p.vcproj"}) {
    const QString path = folder.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    searchVisualCppFile(
        path, [](const QString &) {}, stop);
  }
  return 0;
}
