// Telling scripts, compiled resource files, language DLLs and programs apart.
#include "compiled/target_kind.h"

#include "compiled/binary_reader.h"
#include "compiled/compiled_source.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tarvelo {

namespace {

// How much of a program is read to find its entry point.
constexpr qint64 kHeaderBytes = 4096;

// A PE image without an entry point holds no code to run: resources only.
bool hasEntryPoint(const QByteArray &head) {
  BinaryReader reader(head, 0x3C);
  const quint32 peOffset = reader.dword();
  // The entry point stands 16 bytes into the optional header, after the COFF header.
  reader.seek(qsizetype(peOffset) + 4 + 20 + 16);
  const quint32 entry = reader.dword();
  return reader.failed() || entry != 0;
}

} // namespace

FileKind fileKindOf(const QString &path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists())
    return FileKind::Missing;
  if (!isCompiledFile(path))
    return FileKind::Script;
  QFile file(path);
  const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(kHeaderBytes) : QByteArray();
  if (!head.startsWith("MZ"))
    return FileKind::CompiledResources;
  return hasEntryPoint(head) ? FileKind::Program : FileKind::LanguageDll;
}

TargetKind targetKindFor(const QString &path) {
  switch (fileKindOf(path)) {
  case FileKind::CompiledResources:
    return TargetKind::CompiledResources;
  case FileKind::LanguageDll:
    return TargetKind::LanguageDll;
  case FileKind::Program:
    return TargetKind::ProgramCopy;
  case FileKind::Script:
    return TargetKind::Script;
  case FileKind::Missing:
    break;
  }
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"res")
    return TargetKind::CompiledResources;
  if (suffix == u"dll" || suffix == u"mui")
    return TargetKind::LanguageDll;
  if (suffix == u"exe" || suffix == u"ocx" || suffix == u"cpl")
    return TargetKind::ProgramCopy;
  return TargetKind::Script;
}

QString fileKindName(FileKind kind) {
  switch (kind) {
  case FileKind::Missing:
    return QCoreApplication::translate("FileKind", "New file");
  case FileKind::Script:
    return QCoreApplication::translate("FileKind", "Resource script");
  case FileKind::CompiledResources:
    return QCoreApplication::translate("FileKind", "Compiled resources (.res)");
  case FileKind::LanguageDll:
    return QCoreApplication::translate("FileKind", "Resource-only language DLL");
  case FileKind::Program:
    return QCoreApplication::translate("FileKind", "Program, read from its resources");
  }
  return QString();
}

QString targetKindName(TargetKind kind) {
  switch (kind) {
  case TargetKind::Script:
    return QCoreApplication::translate("FileKind", "Resource script");
  case TargetKind::CompiledResources:
    return QCoreApplication::translate("FileKind", "Compiled resources (.res)");
  case TargetKind::LanguageDll:
    return QCoreApplication::translate("FileKind", "Resource-only language DLL");
  case TargetKind::ProgramCopy:
    return QCoreApplication::translate("FileKind", "Copy of the program with the language added");
  }
  return QString();
}

} // namespace tarvelo
