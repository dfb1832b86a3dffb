// The pseudo command: writes a pseudo-translated target of a script.
#include "cli/cli_arguments.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/summary_output.h"
#include "cli/task_reader.h"
#include "compiled/compiled_source.h"
#include "compiled/compiled_target.h"
#include "files/file_transaction.h"
#include "script/language.h"
#include "script/resource_script.h"
#include "seam/settings.h"
#include "workbench/inspector.h"
#include "workbench/pseudo_translation.h"
#include "workbench/undo_stack.h"

#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

namespace {

struct PseudoArguments {
  QString source, target, header;
  int sourceLanguage = -2, targetLanguage = -2;
  PseudoOptions options;
  bool utf16 = false;
};

bool parse(const QStringList &arguments, PseudoArguments &out, QString &error) {
  CliArguments read;
  if (!read.parse(
          arguments,
          {"source", "source-language", "new-target", "target-language", "expansion", "header"},
          {"right-to-left", "utf16"}, error) ||
      !read.language(QStringLiteral("source-language"), out.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), out.targetLanguage, error) ||
      !read.require({"source", "source-language", "new-target", "target-language"}, error))
    return false;
  out.source = read.value(QStringLiteral("source"));
  out.target = read.value(QStringLiteral("new-target"));
  out.header = read.value(QStringLiteral("header"));
  out.utf16 = read.has(QStringLiteral("utf16"));
  out.options.rightToLeft = read.has(QStringLiteral("right-to-left"));
  const QString expansion = read.value(QStringLiteral("expansion"), QStringLiteral("40"));
  bool ok = false;
  out.options.expansion = expansion.toInt(&ok);
  if (!ok || out.options.expansion < 0 || out.options.expansion > 1000) {
    error =
        QStringLiteral("bad value '%1' for --expansion (a share from 0 to 1000)").arg(expansion);
    return false;
  }
  return true;
}

// The pseudo-translation written in a compiled form; a changed program is said.
int writeCompiledPseudo(TaskReader &reader, const QString &outPath, TargetKind kind, int changed,
                        int failing) {
  const Task *task = reader.task();
  const CompiledTarget made =
      compiledTarget(task, reader.entries(), WriteContext(), outPath, kind, task->targetLanguage);
  QString failure;
  if (!made.ok() || !writeFileSafely(outPath, made.bytes, &failure)) {
    std::fprintf(stderr, "error: %s\n", (made.ok() ? failure : made.error).toUtf8().constData());
    return 1;
  }
  if (kind == TargetKind::ProgramCopy)
    std::fprintf(stderr, "warning: %s is a changed copy of the program%s\n",
                 outPath.toUtf8().constData(),
                 made.signatureRemoved ? "; its signature was removed: sign it again" : "");
  printSummary(QStringLiteral("%1 items pseudo-translated").arg(changed), {{"items", changed}});
  return failing > 0 ? 1 : 0;
}

} // namespace

int runPseudo(const QStringList &arguments) {
  PseudoArguments args;
  QString error;
  if (!parse(arguments, args, error)) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 2;
  }
  CliPrompter prompter(false);
  MemorySettings settings;
  TaskReader reader(prompter, settings);
  if (!reader.read(args.source, args.sourceLanguage, args.target, args.targetLanguage, true,
                   args.header))
    return 1;
  Task *task = reader.task();
  ScriptFile &target = reader.targetFile();
  if (args.utf16)
    target.create(ScriptFile::Utf16);
  args.options.codePage =
      target.isUnicode() || target.isUtf8() ? 0 : defaultCodePage(task->targetLanguage);
  if (args.options.rightToLeft && !holdsRightToLeftMarks(args.options.codePage)) {
    std::fprintf(stderr,
                 "error: code page %d holds no right-to-left marks: write the target in "
                 "UTF-16 (--utf16) or choose a Hebrew or Arabic target language\n",
                 args.options.codePage);
    return 2;
  }

  Inspector inspector;
  inspector.loadRules(settings);
  UndoStack undo;
  const QList<TextEntry *> changed = pseudoTranslate(
      reader.entries(), undo, [&](TextEntry *e) { inspector.apply(*e); }, args.options);
  int failing = 0;
  for (const TextEntry *entry : changed)
    if (!entry->inspectionPassed) {
      ++failing;
      std::fprintf(stderr, "warning: %s %s fails the automatic inspection\n",
                   entry->kind.toUtf8().constData(), entry->identifier.toUtf8().constData());
    }

  const QString outPath = QFileInfo(args.target).absoluteFilePath();
  // A pseudo-translated program: its resources in a language DLL, a .res file or a copy.
  if (const TargetKind kind = targetKindFor(outPath); kind != TargetKind::Script)
    return writeCompiledPseudo(reader, outPath, kind, int(changed.size()), failing);
  ResourceScript writer(reader.context());
  if (writer.write(task, task->targetLanguage, target, WriteContext(), false,
                   &reader.sourceFile()) != ScriptResult::Ok)
    return 1;
  QString failure;
  if (isCompiledFile(outPath)) {
    std::fprintf(stderr, "error: '%s' is a compiled file: a script is never written into it\n",
                 outPath.toUtf8().constData());
    return 1;
  }
  if (!writeFileSafely(outPath, target.data(), &failure)) {
    std::fprintf(stderr, "error: %s\n", failure.toUtf8().constData());
    return 1;
  }
  printSummary(QStringLiteral("%1 items pseudo-translated").arg(changed.size()),
               {{"items", changed.size()}});
  return failing > 0 ? 1 : 0;
}

} // namespace tarvelo::cli
