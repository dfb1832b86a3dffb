// The export and import commands: a task's translations out to and in from a file.
#include "cli/cli_arguments.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/summary_output.h"
#include "cli/task_reader.h"
#include "compiled/compiled_target.h"
#include "exchange/csv_fields.h"
#include "exchange/task_exchange.h"
#include "files/file_messages.h"
#include "script/companion_file.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "script/verification.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "text/printable_text.h"
#include "workbench/filter.h"
#include "workbench/path_rules.h"
#include "workbench/undo_stack.h"

#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

namespace {

int fail(const QString &text) {
  std::fprintf(stderr, "error: %s\n", printableText(text).toUtf8().constData());
  return 2;
}

// The task options of translate, shared by export and import.
struct TaskOptions {
  QString source, target, header;
  bool newTarget = false;
  int sourceLanguage = -2, targetLanguage = -2;
};

const QStringList kTaskOptions = {"source",     "source-language", "target",
                                  "new-target", "target-language", "header"};

bool readTask(const CliArguments &read, TaskOptions &options, QString &error) {
  if (!read.language(QStringLiteral("source-language"), options.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), options.targetLanguage, error))
    return false;
  options.newTarget = read.has(QStringLiteral("new-target"));
  options.source = read.value(QStringLiteral("source"));
  options.header = read.value(QStringLiteral("header"));
  options.target =
      read.value(options.newTarget ? QStringLiteral("new-target") : QStringLiteral("target"));
  if (options.source.isEmpty() || options.target.isEmpty() || options.sourceLanguage == -2 ||
      options.targetLanguage == -2) {
    error = QStringLiteral("--source, --source-language, --target (or --new-target) and "
                           "--target-language are required");
    return false;
  }
  return true;
}

bool formatNamed(const QString &name, ExchangeFormat &format) {
  if (name == QLatin1String("csv"))
    format = ExchangeFormat::Glossary;
  else if (name == QLatin1String("po"))
    format = ExchangeFormat::Catalog;
  else if (name == QLatin1String("xliff") || name == QLatin1String("xlf"))
    format = ExchangeFormat::Xliff;
  else
    return false;
  return true;
}

} // namespace

bool delimiterBits(const QString &list, int &bits, QString &error) {
  bits = 0;
  for (const QString &name : list.split(u',', Qt::SkipEmptyParts)) {
    if (name == QLatin1String("tab"))
      bits |= DelimiterTab;
    else if (name == QLatin1String("semicolon"))
      bits |= DelimiterSemicolon;
    else if (name == QLatin1String("comma"))
      bits |= DelimiterComma;
    else
      bits = -1;
    if (bits < 0)
      break;
  }
  if (bits <= 0) {
    error = QStringLiteral("bad value '%1' for --delimiters (tab, semicolon, comma)").arg(list);
    return false;
  }
  return true;
}

int runExport(const QStringList &arguments) {
  CliArguments read;
  QString error;
  TaskOptions task;
  ExchangeFormat format = ExchangeFormat::Glossary;
  if (!read.parse(arguments, kTaskOptions + QStringList{"format", "out"}, {"filtered"}, error) ||
      !readTask(read, task, error) || !read.require({"format", "out"}, error))
    return fail(error);
  if (!formatNamed(read.value(QStringLiteral("format")), format))
    return fail(QStringLiteral("bad value '%1' for --format (csv, po, xliff)")
                    .arg(read.value(QStringLiteral("format"))));

  CliPrompter prompter(false);
  MemorySettings settings;
  TaskReader reader(prompter, settings);
  if (!reader.read(task.source, task.sourceLanguage, task.target, task.targetLanguage,
                   task.newTarget, task.header))
    return 2;
  Filter filter(settings);
  ExportRequest request;
  request.format = format;
  request.path = QFileInfo(read.value(QStringLiteral("out"))).absoluteFilePath();
  if (read.has(QStringLiteral("filtered")))
    request.filter = filter.test();
  request.sourcePath = reader.task()->sourcePath;
  request.targetPath = reader.task()->targetPath;
  request.sourceLanguage = task.sourceLanguage;
  request.targetLanguage = task.targetLanguage;
  const ExportResult result = exportTask(reader.entries(), request);
  if (!result.written) {
    std::fprintf(stderr, "error: %s\n", result.error.toUtf8().constData());
    return 2;
  }
  printSummary(
      QStringLiteral("%1 %2 exported").arg(result.pairs).arg(result.pairs == 1 ? "pair" : "pairs"),
      {{"pairs", result.pairs}});
  return result.pairs > 0 ? 0 : 1;
}

namespace {

// An import into a compiled target rewrites it in its own form; a program is changed
// only where a copy of it was written before, never made anew by an import.
bool compiledImportTarget(TaskReader &reader, const QString &out, TargetKind kind,
                          QByteArray &bytes, QString &failure) {
  const Task *task = reader.task();
  if (kind == TargetKind::ProgramCopy &&
      (fileKindOf(out) != FileKind::Program || sameFile(out, task->sourcePath))) {
    failure =
        QStringLiteral("%1: a program is written only as a copy by translate --in-place").arg(out);
    return false;
  }
  const CompiledTarget made =
      compiledTarget(task, reader.entries(), WriteContext(), out, kind, task->targetLanguage);
  failure = made.error;
  bytes = made.bytes;
  return made.ok();
}

} // namespace

int runImport(const QStringList &arguments) {
  CliArguments read;
  QString error;
  TaskOptions task;
  int bits = DelimiterTab | DelimiterSemicolon;
  if (!read.parse(arguments, kTaskOptions + QStringList{"in", "out", "delimiters", "format"}, {},
                  error) ||
      !readTask(read, task, error) || !read.require({"in"}, error) ||
      (read.has(QStringLiteral("delimiters")) &&
       !delimiterBits(read.value(QStringLiteral("delimiters")), bits, error)))
    return fail(error);
  const QString in = QFileInfo(read.value(QStringLiteral("in"))).absoluteFilePath();
  ExchangeFormat format = formatOfPath(in, ExchangeFormat::Glossary);
  if (read.has(QStringLiteral("format")) &&
      !formatNamed(read.value(QStringLiteral("format")), format))
    return fail(QStringLiteral("bad value '%1' for --format (csv, po, xliff)")
                    .arg(read.value(QStringLiteral("format"))));

  CliPrompter prompter(false);
  MemorySettings settings;
  TaskReader reader(prompter, settings);
  if (!reader.read(task.source, task.sourceLanguage, task.target, task.targetLanguage,
                   task.newTarget, task.header))
    return 2;
  Task *taskRecord = reader.task();
  UndoStack undo;
  ImportTarget target{reader.entries(), undo, nullptr, nullptr};
  NullProgress progress;
  const ImportResult result = importTask(target, format, in, bits, task.sourceLanguage,
                                         task.targetLanguage, prompter, progress);
  if (result.status == ImportResult::Status::NotRead)
    return fail(cannotOpenMessage(in));
  if (result.status == ImportResult::Status::Malformed)
    return fail(QStringLiteral("%1: %2").arg(in, result.error));

  const QString out = read.has(QStringLiteral("out"))
                          ? QFileInfo(read.value(QStringLiteral("out"))).absoluteFilePath()
                          : taskRecord->targetPath;
  QString failure;
  QByteArray bytes;
  const TargetKind kind = targetKindFor(out);
  if (kind == TargetKind::Script) {
    ResourceScript writer(reader.context());
    ScriptFile &file = reader.targetFile();
    if (writer.write(taskRecord, taskRecord->targetLanguage, file, WriteContext(), false,
                     &reader.sourceFile()) != ScriptResult::Ok)
      return 2;
    bytes = file.takeData();
    file.truncate();
  } else if (!compiledImportTarget(reader, out, kind, bytes, failure)) {
    return fail(failure);
  }
  if (!writeTaskFiles(reader.entries(), taskRecord, out, taskRecord->targetLanguage,
                      std::move(bytes), &failure, kind != TargetKind::Script))
    return fail(failure);
  printSummary(QStringLiteral("%1 of %2 %3 matched, %4 %5 changed")
                   .arg(result.matched)
                   .arg(result.records)
                   .arg(result.records == 1 ? "record" : "records")
                   .arg(result.changed.size())
                   .arg(result.changed.size() == 1 ? "item" : "items"),
               {{"records", result.records},
                {"recordsMatched", result.matched},
                {"itemsChanged", result.changed.size()}});
  printVerificationSummary(reader.entries());
  return result.matched > 0 ? 0 : 1;
}

} // namespace tarvelo::cli
