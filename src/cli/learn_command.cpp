// The learn command: a source and its target learnt into a memory.
#include "cli/cli_arguments.h"
#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/summary_output.h"
#include "cli/task_reader.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"

#include <cstdio>

namespace tarvelo::cli {

namespace {

struct LearnOptions {
  QString source, target, tm, header;
  int sourceLanguage = -2, targetLanguage = -2;
  Prompter::Answer sameText = Prompter::Answer::NoToAll;
};

bool parse(const QStringList &arguments, LearnOptions &options, QString &error) {
  CliArguments read;
  if (!read.parse(
          arguments,
          {"source", "source-language", "target", "target-language", "tm", "same-text", "header"},
          {}, error) ||
      !read.language(QStringLiteral("source-language"), options.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), options.targetLanguage, error) ||
      !read.require({"source", "source-language", "target", "target-language", "tm"}, error))
    return false;
  options.source = read.value(QStringLiteral("source"));
  options.target = read.value(QStringLiteral("target"));
  options.header = read.value(QStringLiteral("header"));
  options.tm = read.value(QStringLiteral("tm"));
  const QString sameText = read.value(QStringLiteral("same-text"), QStringLiteral("no"));
  if (sameText != QLatin1String("yes") && sameText != QLatin1String("no")) {
    error = QStringLiteral("bad value '%1' for --same-text").arg(sameText);
    return false;
  }
  options.sameText =
      sameText == QLatin1String("yes") ? Prompter::Answer::YesToAll : Prompter::Answer::NoToAll;
  return true;
}

} // namespace

int runLearn(const QStringList &arguments) {
  LearnOptions options;
  QString error;
  if (!parse(arguments, options, error)) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 2;
  }

  if (!targetExists(options.target))
    return 1;
  CliPrompter prompter(false);
  prompter.setSameTextAnswer(options.sameText);
  MemorySettings settings;
  TaskReader reader(prompter, settings);
  if (!reader.read(options.source, options.sourceLanguage, options.target, options.targetLanguage,
                   false, options.header))
    return 1;
  const Task *task = reader.task();
  NullProgress progress;
  CliMemory memory(reader.entries(), settings, prompter, progress);
  if (!memory.open(options.tm, task->sourceLanguage, task->targetLanguage, true))
    return memory.damaged() ? 2 : 1;
  // What was not stored has been reported on standard error already.
  const LearnResult learnt = memory.client().learn(task->targetLanguage);
  printSummary(
      QStringLiteral("%1 %2 learnt").arg(learnt.stored).arg(learnt.stored == 1 ? "pair" : "pairs"),
      {{"pairs", learnt.stored}, {"notStored", learnt.notStored}});
  if (learnt.notStored == 0)
    return 0;
  return learnt.damaged ? 2 : 1;
}

} // namespace tarvelo::cli
