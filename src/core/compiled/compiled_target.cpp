// Building compiled targets from a compiled source, or from the compiled file a script
// source's translations go into.
#include "compiled/compiled_target.h"

#include "compiled/compiled_source.h"
#include "compiled/language_dll.h"
#include "compiled/pe_resources.h"
#include "compiled/program_copy.h"
#include "compiled/res_file.h"
#include "compiled/translated_resources.h"
#include "script/task.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace tarvelo {

namespace {

QString tr(const char *text) {
  return QCoreApplication::translate("CompiledTarget", text);
}

// The bytes of a compiled file, or an error naming it.
bool readCompiled(const QString &path, QByteArray &bytes, QList<CompiledResource> &resources,
                  QString &error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = tr("'%1' cannot be read: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
  }
  bytes = file.readAll();
  QString failure;
  if (!isCompiledResources(bytes) || !readCompiledResources(bytes, resources, failure)) {
    error = tr("'%1' holds no compiled resources that can be read: %2")
                .arg(QDir::toNativeSeparators(path),
                     failure.isEmpty() ? tr("it is a script") : failure);
    return false;
  }
  return true;
}

// The program a copy starts from: the source program, whose new builds a copy follows,
// else (for a script source) the program at outPath.
QByteArray programOf(const Task *task, const QString &outPath, const QByteArray &baseBytes) {
  if (fileKindOf(task->sourcePath) == FileKind::Program)
    return baseBytes;
  QFile file(outPath);
  return fileKindOf(outPath) == FileKind::Program && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                                    : QByteArray();
}

void writeCopy(CompiledTarget &out, const QByteArray &program,
               const QList<CompiledResource> &translated) {
  if (!program.startsWith("MZ")) {
    out.error = tr("a copy of the program is written from a program (an .exe or .dll file) only");
    return;
  }
  const ProgramCopy copy = writeProgramCopy(program, translated);
  if (!copy.report.ok()) {
    out.error = tr("%1 (at offset 0x%2)")
                    .arg(copy.report.error)
                    .arg(qMax<qsizetype>(copy.report.errorOffset, 0), 0, 16);
    return;
  }
  out.bytes = copy.image;
  out.signatureRemoved = copy.report.signatureRemoved;
  out.added = copy.report.added;
  out.replaced = copy.report.replaced;
}

// The compiled resources the translations go into, and in which language they are.
struct Base {
  QByteArray bytes;
  QList<CompiledResource> resources;
  int language = 0;
  TemplateSide side = TemplateSide::Source;
};

bool readBase(const Task *task, const QString &outPath, int language, Base &base, QString &error) {
  if (isCompiledFile(task->sourcePath)) {
    base.language = task->sourceLanguage;
    return readCompiled(task->sourcePath, base.bytes, base.resources, error);
  }
  if (isCompiledFile(outPath)) {
    // A script source's translations replace the texts of the compiled target's own
    // resources of the language.
    base.language = language;
    base.side = TemplateSide::Target;
    return readCompiled(outPath, base.bytes, base.resources, error);
  }
  error = tr("A compiled file is written from a compiled source (a program or a .res "
             "file), or into a compiled file that already holds the program's "
             "resources. Save a script, or open the program as the source.");
  return false;
}

// A program's resources carry no memory flags; a .res file gives them as llvm-rc does:
// moveable and discardable icons and cursors; moveable, pure and discardable menus,
// dialogs, string tables and icon groups; moveable and pure the rest.
QList<CompiledResource> withMemoryFlags(QList<CompiledResource> resources) {
  for (CompiledResource &resource : resources) {
    if (resource.memoryFlags != 0)
      continue;
    const quint16 type = resource.type.isNumber() ? resource.type.number : 0;
    resource.memoryFlags = type == 1 || type == 3 ? 0x1010
                           : type == 4 || type == 5 || type == 6 || type == 12 || type == 14
                               ? 0x1030
                               : 0x0030;
  }
  return resources;
}

} // namespace

CompiledTarget compiledTarget(const Task *task, const EntryList &entries,
                              const WriteContext &context, const QString &outPath, TargetKind kind,
                              int language) {
  CompiledTarget out;
  Base base;
  if (!readBase(task, outPath, language, base, out.error))
    return out;
  // The entries were read with the header's names: the resources are found by them.
  HeaderNames names;
  if (!task->sourceHeader.isEmpty() && !readHeaderNames(task->sourceHeader, names, out.error))
    return out;
  WriteContext writing = context;
  writing.task = task;
  const QList<CompiledResource> translated =
      translatedResources(base.resources, quint16(base.language), entries, task, quint16(language),
                          writing, task->sourceHeader.isEmpty() ? nullptr : &names, base.side);
  switch (kind) {
  case TargetKind::CompiledResources:
    out.bytes = writeResFile(withMemoryFlags(translated));
    break;
  case TargetKind::LanguageDll:
    out.bytes = writeLanguageDll(translated, !base.bytes.startsWith("MZ") ||
                                                 readPeResources(base.bytes).is64Bit);
    break;
  case TargetKind::ProgramCopy:
    writeCopy(out, programOf(task, outPath, base.bytes), translated);
    break;
  case TargetKind::Script:
    out.error = tr("'%1' is not written as a compiled file").arg(QDir::toNativeSeparators(outPath));
    break;
  }
  return out;
}

} // namespace tarvelo
