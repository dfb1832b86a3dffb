// The translate command: fills a target from its source, the memory and machine translation.
#include "cli/cli_arguments.h"
#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/measure_source.h"
#include "cli/secret_options.h"
#include "cli/summary_output.h"
#include "cli/task_reader.h"
#include "compiled/compiled_source.h"
#include "compiled/compiled_target.h"
#include "dialogs/control_room.h"
#include "dialogs/text_measure.h"
#include "exchange/machine_translation_run.h"
#include "exchange/machine_translator.h"
#include "files/file_transaction.h"
#include "script/companion_file.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/script_path.h"
#include "script/task.h"
#include "script/verification.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "tmclient/memory_terms.h"
#include "workbench/path_rules.h"
#include "workbench/undo_stack.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace tarvelo::cli {

namespace {

struct TranslateOptions {
  QString source, target, out, header;
  QString tm;        // memory folder whose translations fill the empty targets
  int fuzzyFill = 0; // the least score of a fuzzy match that fills; 0 none
  QString mt;        // machine-translation provider for what is still empty
  QString mtUrl, mtKey;
  QString mtModel;   // the language model's name
  int mtTimeout = 0; // seconds a request may take; 0: the service's default
  bool newTarget = false;
  bool regenerateDialogs = false;
  bool inPlace = false;         // --out is a copy of the source program with the translation
  bool replaceOriginal = false; // --out may name the source program itself
  int sourceLanguage = -2, targetLanguage = -2;
  int savingOption = 0;
  QString userText = QStringLiteral("--untranslated--");
  CliPrompter::KeepTargetOnly keep = CliPrompter::KeepTargetOnly::Default;
};

// --mt-timeout SECONDS: a whole number from 1 to the longest wait of a model.
bool readMtTimeout(const CliArguments &read, int &seconds, QString &error) {
  if (!read.has(QStringLiteral("mt-timeout")))
    return true;
  const QString value = read.value(QStringLiteral("mt-timeout"));
  bool ok = false;
  seconds = value.toInt(&ok);
  if (ok && seconds >= 1 && seconds <= kMostModelTimeoutSeconds)
    return true;
  error = QStringLiteral("bad value '%1' for --mt-timeout (seconds, from 1 to %2)")
              .arg(value)
              .arg(kMostModelTimeoutSeconds);
  return false;
}

int fail(const char *text) {
  std::fprintf(stderr, "error: %s\n", text);
  return 2;
}

// The machine-translation options: the service, its address, model, time-out and key.
bool readMtOptions(const CliArguments &read, TranslateOptions &options, QString &error) {
  options.mt = read.value(QStringLiteral("mt"));
  options.mtUrl = read.value(QStringLiteral("mt-url"));
  MtProviderKind provider = MtProviderKind::MyMemory;
  if (read.has(QStringLiteral("mt")) && !providerFromName(options.mt, &provider)) {
    error = QStringLiteral("bad value '%1' for --mt (LibreTranslate, DeepL, MyMemory or "
                           "openai-compatible)")
                .arg(options.mt);
    return false;
  }
  options.mtModel = read.value(QStringLiteral("mt-model"));
  if (read.has(QStringLiteral("mt-model")) &&
      (!read.has(QStringLiteral("mt")) || provider != MtProviderKind::OpenAiCompatible)) {
    error = QStringLiteral("--mt-model needs --mt openai-compatible");
    return false;
  }
  if (options.mt.isEmpty() &&
      (read.has(QStringLiteral("mt-url")) || read.has(QStringLiteral("mt-key")) ||
       read.has(QStringLiteral("mt-key-file")) || read.has(QStringLiteral("mt-timeout")))) {
    error = QStringLiteral("--mt-url, --mt-key, --mt-key-file and --mt-timeout need --mt");
    return false;
  }
  if (!readMtTimeout(read, options.mtTimeout, error))
    return false;
  return options.mt.isEmpty() || readMtKey(read, options.mtKey, error);
}

bool parse(const QStringList &arguments, TranslateOptions &options, QString &error) {
  CliArguments read;
  if (!read.parse(arguments,
                  {"source", "source-language", "target", "new-target", "target-language", "out",
                   "tm", "saving-option", "user-text", "keep-target-only", "fuzzy-fill", "mt",
                   "mt-url", "mt-key", "mt-key-file", "mt-model", "mt-timeout", "tm-env", "header"},
                  {"regenerate-dialogs", "in-place", "replace-original"}, error) ||
      !read.language(QStringLiteral("source-language"), options.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), options.targetLanguage, error))
    return false;
  options.newTarget = read.has(QStringLiteral("new-target"));
  options.regenerateDialogs = read.has(QStringLiteral("regenerate-dialogs"));
  options.inPlace = read.has(QStringLiteral("in-place"));
  options.replaceOriginal = read.has(QStringLiteral("replace-original"));
  options.source = read.value(QStringLiteral("source"));
  options.target =
      read.value(options.newTarget ? QStringLiteral("new-target") : QStringLiteral("target"));
  options.out = read.value(QStringLiteral("out"));
  options.header = read.value(QStringLiteral("header"));
  if (!readMemoryLocation(read, options.tm, error))
    return false;
  if (!readMtOptions(read, options, error))
    return false;
  if (read.has(QStringLiteral("user-text")))
    options.userText = read.value(QStringLiteral("user-text"));
  const QString saving = read.value(QStringLiteral("saving-option"), QStringLiteral("0"));
  bool ok = false;
  options.savingOption = saving.toInt(&ok);
  if (!ok || options.savingOption < 0 || options.savingOption > 2) {
    error = QStringLiteral("bad value '%1' for --saving-option").arg(saving);
    return false;
  }
  if (read.has(QStringLiteral("fuzzy-fill"))) {
    const QString score = read.value(QStringLiteral("fuzzy-fill"));
    options.fuzzyFill = score.toInt(&ok);
    if (!ok || options.fuzzyFill < kLeastFuzzyScore || options.fuzzyFill > kMostFuzzyScore) {
      error = QStringLiteral("bad value '%1' for --fuzzy-fill (a score from %2 to %3)")
                  .arg(score)
                  .arg(kLeastFuzzyScore)
                  .arg(kMostFuzzyScore);
      return false;
    }
    if (options.tm.isEmpty()) {
      error = QStringLiteral("--fuzzy-fill needs --tm");
      return false;
    }
  }
  const QString keep = read.value(QStringLiteral("keep-target-only"), QStringLiteral("default"));
  if (keep == QLatin1String("all")) {
    options.keep = CliPrompter::KeepTargetOnly::All;
  } else if (keep == QLatin1String("none")) {
    options.keep = CliPrompter::KeepTargetOnly::None;
  } else if (keep != QLatin1String("default")) {
    error = QStringLiteral("bad value '%1' for --keep-target-only").arg(keep);
    return false;
  }
  if (options.source.isEmpty() || options.target.isEmpty() || options.sourceLanguage == -2 ||
      options.targetLanguage == -2) {
    error = QStringLiteral("--source, --source-language, --target (or --new-target) and "
                           "--target-language are required");
    return false;
  }
  return true;
}

// Whether the path names a program by its extension (.exe, .dll, .ocx, .cpl, .mui).
bool hasProgramExtension(const QString &path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return QStringList{"exe", "dll", "ocx", "cpl", "mui"}.contains(suffix);
}

// What the output asked for can be written from the source: --in-place needs a
// program as the source and a program's name to write, and the original program is
// never written over unless --replace-original says so.
bool checkOutput(const TranslateOptions &options, QString &error) {
  const QString out = options.out.isEmpty() ? options.target : options.out;
  // Opening a FIFO or a device would wait for a writer: the task reader refuses those.
  QFile source(options.source);
  const QByteArray start = QFileInfo(options.source).isFile() && source.open(QIODevice::ReadOnly)
                               ? source.read(2)
                               : QByteArray();
  if (options.inPlace && options.out.isEmpty()) {
    error = QStringLiteral("--in-place needs --out FILE: the copy of the program to write");
    return false;
  }
  if (start == "MZ" && !options.replaceOriginal && sameFile(out, options.source)) {
    error = QStringLiteral("--out %1 would overwrite the original program; give another --out, "
                           "or add --replace-original")
                .arg(out);
    return false;
  }
  // A source that cannot be read is the task reader's to report.
  if (options.inPlace && source.isOpen() && start != "MZ") {
    error = QStringLiteral("--in-place writes a copy of a compiled program, and %1 is none (a "
                           ".res file or a script); write --out FILE.res or a script instead")
                .arg(options.source);
    return false;
  }
  if (options.inPlace && !hasProgramExtension(out)) {
    error = QStringLiteral("--in-place writes a program: --out %1 needs a program's extension "
                           "(.exe, .dll, .ocx, .cpl or .mui)")
                .arg(out);
    return false;
  }
  if (!options.inPlace && hasProgramExtension(out) &&
      !out.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive)) {
    error = QStringLiteral("--out %1 names a program: add --in-place to write a copy of the "
                           "program with the translation, or write a .dll, .res or script")
                .arg(out);
    return false;
  }
  return true;
}

// How a filling step went: it filled what it could, some items failed (said already, and
// the command fails once the target is written), or the command stops at once.
enum class FillOutcome { Filled, SomeFailed, Stopped };

// Fills empty targets from the memory, with fuzzy matches when asked.
FillOutcome fillFromMemory(const TranslateOptions &options, TaskReader &reader,
                           MemorySettings &settings, CliMemory &memory) {
  const Task *task = reader.task();
  settings.setInteger(QStringLiteral("FuzzyFill"), options.fuzzyFill > 0 ? 1 : 0);
  if (options.fuzzyFill > 0)
    settings.setInteger(QStringLiteral("FuzzyScore"), options.fuzzyFill);
  if (!memory.open(options.tm, task->sourceLanguage, task->targetLanguage, false))
    return FillOutcome::Stopped;
  if (options.fuzzyFill > 0 && !memory.client().fuzzyBound()) {
    std::fprintf(stderr, "error: the translation-memory library finds no fuzzy matches\n");
    return FillOutcome::Stopped;
  }
  // A memory that could not be read is reported at once.
  return memory.client().fillTargets(true).unread > 0 ? FillOutcome::SomeFailed
                                                      : FillOutcome::Filled;
}

// A language model's counts, after the line every provider prints.
void printModelSummary(const MtRunResult &result) {
  const int filled = int(result.changed.size());
  printSummary(QStringLiteral("Language model: %1 items filled, %2 refitted, %3 still too long, "
                              "%4 requests, %5 prompt tokens, %6 completion tokens")
                   .arg(filled)
                   .arg(result.refitted)
                   .arg(result.tooLong)
                   .arg(result.requests)
                   .arg(result.promptTokens)
                   .arg(result.completionTokens),
               {{"modelFilled", filled},
                {"refitted", result.refitted},
                {"tooLong", result.tooLong},
                {"requests", result.requests},
                {"promptTokens", result.promptTokens},
                {"completionTokens", result.completionTokens}});
}

// Machine translation fills what the memory left empty; a language model is told the
// memory's terms when there is a memory.
FillOutcome fillByMachine(const TranslateOptions &options, TaskReader &reader,
                          const MemorySettings &settings, CliPrompter &prompter,
                          MemoryClient *memory) {
  const Task *task = reader.task();
  MtConfig config = MtConfig::read(settings);
  providerFromName(options.mt, &config.provider);
  config.url = options.mtUrl;
  config.key = options.mtKey;
  config.model = options.mtModel;
  if (options.mtTimeout > 0) {
    // A web service's requests are bounded at ten minutes, as on the options page.
    config.totalTimeoutMs = std::min(options.mtTimeout, 600) * 1000;
    config.modelTimeoutMs = options.mtTimeout * 1000;
  }
  const MachineTranslator translator(config, task->sourceLanguage, task->targetLanguage);
  if (!translator.languagesKnown()) {
    std::fprintf(stderr, "error: %s does not translate between these languages.\n",
                 providerName(config.provider).toUtf8().constData());
    return FillOutcome::Stopped;
  }
  NullProgress progress;
  UndoStack undo; // nothing is undone here; the run records its groups
  // Answers are measured in their controls where the program can measure.
  const std::unique_ptr<TextMeasure> measure = makeMeasure();
  std::optional<ControlRoomGauge> gauge;
  std::optional<MemoryTerms> terms;
  ModelAids aids;
  if (measure) {
    gauge.emplace(*measure);
    aids.fit = [&gauge](TextEntry *control, const QString &text) {
      return gauge->measure(control, text);
    };
  }
  if (memory) {
    terms.emplace(*memory);
    aids.terms = [&terms](const QString &text) { return (*terms)(text); };
  }
  const MtRunResult result = translateEntries(
      reader.entries(), undo, nullptr,
      [](const TextEntry &entry) { return entry.targetText.isEmpty(); }, translator, progress,
      aids);
  if (!result.error.isEmpty())
    prompter.error(result.error);
  const int filled = int(result.changed.size());
  printSummary(QStringLiteral("Machine translation: %1 items filled, %2 failed")
                   .arg(filled)
                   .arg(result.failedItems),
               {{"machineFilled", filled}, {"machineFailed", result.failedItems}});
  if (translator.usesModel())
    printModelSummary(result);
  return result.failedItems > 0 ? FillOutcome::SomeFailed : FillOutcome::Filled;
}

// The translations as a .res file or a resource-only language DLL (for the source
// program's machine): from a compiled source's resources, or written into the compiled
// target's own.
bool writeCompiledTarget(const QString &outPath, TaskReader &reader, WriteContext context) {
  const TargetKind kind = outPath.endsWith(QLatin1String(".res"), Qt::CaseInsensitive)
                              ? TargetKind::CompiledResources
                              : TargetKind::LanguageDll;
  const Task *task = reader.task();
  const CompiledTarget made =
      compiledTarget(task, reader.entries(), context, outPath, kind, task->targetLanguage);
  QString failure;
  if (!made.ok() || !writeFileSafely(outPath, made.bytes, &failure)) {
    std::fprintf(stderr, "error: %s\n", (made.ok() ? failure : made.error).toUtf8().constData());
    return false;
  }
  printVerificationSummary(reader.entries());
  return true;
}

// A copy of the source program with the translated resources added or replaced; the
// user is warned that it is a changed program, and when its signature had to go.
bool writeProgramCopyTarget(const QString &outPath, TaskReader &reader, WriteContext context) {
  const Task *task = reader.task();
  const CompiledTarget made = compiledTarget(task, reader.entries(), context, outPath,
                                             TargetKind::ProgramCopy, task->targetLanguage);
  const QByteArray source = task->sourcePath.toUtf8();
  if (!made.ok()) {
    std::fprintf(stderr, "error: %s: %s; no copy written\n", source.constData(),
                 made.error.toUtf8().constData());
    return false;
  }
  QString failure;
  if (!writeFileSafely(outPath, made.bytes, &failure)) {
    std::fprintf(stderr, "error: %s\n", failure.toUtf8().constData());
    return false;
  }
  const QByteArray out = outPath.toUtf8();
  std::fprintf(stderr,
               "warning: %s is a changed copy of the program %s: %d resources of language %d "
               "added, %d replaced\n",
               out.constData(), source.constData(), made.added, task->targetLanguage,
               made.replaced);
  if (made.signatureRemoved)
    std::fprintf(stderr,
                 "warning: the program was signed; changing it broke the signature, which is "
                 "removed from the copy: sign %s again before giving it out\n",
                 out.constData());
  printVerificationSummary(reader.entries());
  return true;
}

// Writes the target with its companion files and prints the verification summary.
bool writeTarget(const TranslateOptions &options, TaskReader &reader) {
  EntryList &entries = reader.entries();
  Task *task = reader.task();
  ScriptFile &target = reader.targetFile();
  WriteContext writeContext;
  writeContext.savingOption = options.savingOption;
  writeContext.userText = options.userText;
  writeContext.regenerateDialogs = options.regenerateDialogs;
  const QString outPath =
      options.out.isEmpty() ? task->targetPath : QFileInfo(options.out).absoluteFilePath();
  if (options.inPlace)
    return writeProgramCopyTarget(outPath, reader, writeContext);
  // A compiled output, or an existing compiled target, is never written as a script.
  const bool compiledOut = outPath.endsWith(QLatin1String(".res"), Qt::CaseInsensitive) ||
                           outPath.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive);
  if (compiledOut)
    return writeCompiledTarget(outPath, reader, writeContext);
  if (isCompiledFile(outPath)) {
    std::fprintf(stderr,
                 "error: %s is a compiled file: a translation is written into a "
                 ".res file or a language DLL only\n",
                 outPath.toUtf8().constData());
    return false;
  }
  ResourceScript writer(reader.context());
  if (writer.write(task, task->targetLanguage, target, writeContext, false, &reader.sourceFile()) !=
      ScriptResult::Ok)
    return false;
  QString failure;
  // Large data of a compiled source is named by the target as files beside it.
  ScriptFile scratch;
  QList<SideFile> sideFiles;
  if (isCompiledFile(task->sourcePath))
    openSourceScript(scratch, task->sourcePath, nullptr, &sideFiles, task->sourceHeader);
  if (!writeTaskFiles(entries, task, outPath, task->targetLanguage, target.takeData(), &failure) ||
      !writeSideFiles(sideFiles, outPath, &failure)) {
    std::fprintf(stderr, "error: %s\n", failure.toUtf8().constData());
    return false;
  }
  // The written target's memory is not needed any more.
  target.truncate();
  printVerificationSummary(entries);
  return true;
}

} // namespace

int runTranslate(const QStringList &arguments) {
  TranslateOptions options;
  QString error;
  if (!parse(arguments, options, error) || !checkOutput(options, error))
    return fail(error.toUtf8().constData());

  CliPrompter prompter(false);
  prompter.setKeepTargetOnly(options.keep);
  MemorySettings settings;
  settings.setInteger(QStringLiteral("SavingOption"), options.savingOption);
  settings.setText(QStringLiteral("UserText"), options.userText);
  TaskReader reader(prompter, settings);
  if (!reader.read(options.source, options.sourceLanguage, options.target, options.targetLanguage,
                   options.newTarget, options.header))
    return 1;
  FillOutcome memory = FillOutcome::Filled;
  NullProgress progress;
  std::optional<CliMemory> tm;
  if (!options.tm.isEmpty()) {
    tm.emplace(reader.entries(), settings, prompter, progress);
    memory = fillFromMemory(options, reader, settings, *tm);
  }
  if (memory == FillOutcome::Stopped)
    return 1;
  FillOutcome machine = FillOutcome::Filled;
  if (!options.mt.isEmpty())
    machine = fillByMachine(options, reader, settings, prompter, tm ? &tm->client() : nullptr);
  if (machine == FillOutcome::Stopped)
    return 1;
  if (!writeTarget(options, reader))
    return 1;
  return memory == FillOutcome::Filled && machine == FillOutcome::Filled ? 0 : 1;
}

} // namespace tarvelo::cli
