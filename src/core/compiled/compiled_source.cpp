// Opening compiled files as the script of their resources.
#include "compiled/compiled_source.h"

#include "compiled/decompiler.h"
#include "compiled/pe_resources.h"
#include "compiled/res_file.h"
#include "script/script_file.h"

#include <QFileInfo>

namespace tarvelo {

bool isCompiledResources(const QByteArray &bytes) {
  static const char marker[] = "\0\0\0\0\x20\0\0\0\xff\xff\0\0\xff\xff\0\0";
  return bytes.startsWith("MZ") ||
         (bytes.size() >= 32 && QByteArrayView(bytes).first(16) == QByteArrayView(marker, 16));
}

bool readCompiledResources(const QByteArray &bytes, QList<CompiledResource> &resources,
                           QString &error) {
  QString failure;
  qsizetype offset = -1;
  if (bytes.startsWith("MZ")) {
    const PeResourcesRead read = readPeResources(bytes);
    resources = read.resources;
    failure = read.error;
    offset = read.errorOffset;
  } else {
    const ResFileRead read = readResFile(bytes);
    resources = read.resources;
    failure = read.error;
    offset = read.errorOffset;
  }
  if (failure.isEmpty() && bytes.isEmpty())
    failure = QStringLiteral("the file is empty");
  if (!failure.isEmpty())
    error = QStringLiteral("at offset %1: %2").arg(qMax<qsizetype>(offset, 0)).arg(failure);
  return failure.isEmpty();
}

bool openSourceScript(ScriptFile &file, const QString &path, QString *error) {
  if (!file.open(path))
    return false;
  const QByteArray &bytes = file.data();
  if (!isCompiledResources(bytes))
    return true;
  QList<CompiledResource> resources;
  QString failure;
  if (!readCompiledResources(bytes, resources, failure)) {
    if (error)
      *error = failure;
    return false;
  }
  // Side files hold only data no text lives in: the script reader keeps their
  // statements as they are.
  const DecompiledScript script = decompileResources(resources, QFileInfo(path).completeBaseName());
  file.openData(script.text.toUtf8());
  return true;
}

} // namespace tarvelo
