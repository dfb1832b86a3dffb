// Opening compiled files as the script of their resources.
#include "compiled/compiled_source.h"

#include "compiled/decompiler.h"
#include "compiled/pe_resources.h"
#include "compiled/res_file.h"
#include "files/file_transaction.h"
#include "script/script_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvelo {

namespace {

// Data beyond this size is named as a side file: spelt out, a program's large data would
// make a script many times its size, read for no text.
constexpr qsizetype kSourceSpelledData = 64 * 1024;

} // namespace

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

bool isCompiledFile(const QString &path) {
  // Opening a FIFO or a device would wait for a writer.
  if (!QFileInfo(path).isFile())
    return false;
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && isCompiledResources(file.read(32));
}

bool openSourceScript(ScriptFile &file, const QString &path, QString *error,
                      QList<SideFile> *sideFiles, const QString &header) {
  if (!file.open(path))
    return false;
  QString failure;
  HeaderNames names;
  // A header given for nothing is still a mistake to report.
  if (!header.isEmpty() && !readHeaderNames(header, names, failure)) {
    if (error)
      *error = failure;
    file.openData(QByteArray());
    return false;
  }
  const QByteArray &bytes = file.data();
  if (!isCompiledResources(bytes))
    return true;
  QList<CompiledResource> resources;
  if (!readCompiledResources(bytes, resources, failure)) {
    if (error)
      *error = failure;
    file.openData(QByteArray()); // its bytes are never read as a script
    return false;
  }
  // Side files hold only data no text lives in: the script reader keeps their
  // statements as they are.
  const DecompiledScript script =
      decompileResources(resources, QFileInfo(path).completeBaseName(), kSourceSpelledData,
                         header.isEmpty() ? nullptr : &names);
  file.openData(script.text.toUtf8());
  file.setDecompiled(true);
  if (sideFiles)
    *sideFiles = script.sideFiles;
  return true;
}

bool writeSideFiles(const QList<SideFile> &sideFiles, const QString &besidePath, QString *error) {
  const QDir folder = QFileInfo(besidePath).absoluteDir();
  for (const SideFile &side : sideFiles)
    if (!writeFileSafely(folder.filePath(side.name), side.data, error))
      return false;
  return true;
}

} // namespace tarvelo
