#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/task_reader.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"

#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

namespace {

struct LearnOptions {
  QString source, target, tm;
  int sourceLanguage = -2, targetLanguage = -2;
  Prompter::Answer sameText = Prompter::Answer::NoToAll;
};

bool parse(const QStringList &arguments, LearnOptions &options, QString &error) {
  for (int i = 0; i < arguments.size(); ++i) {
    const QString &name = arguments[i];
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(name);
      return false;
    }
    const QString value = arguments[++i];
    bool ok = true;
    if (name == QLatin1String("--source"))
      options.source = value;
    else if (name == QLatin1String("--target"))
      options.target = value;
    else if (name == QLatin1String("--tm"))
      options.tm = value;
    else if (name == QLatin1String("--source-language"))
      options.sourceLanguage = value.toInt(&ok, 0);
    else if (name == QLatin1String("--target-language"))
      options.targetLanguage = value.toInt(&ok, 0);
    else if (name == QLatin1String("--same-text")) {
      ok = value == QLatin1String("yes") || value == QLatin1String("no");
      options.sameText =
          value == QLatin1String("yes") ? Prompter::Answer::YesToAll : Prompter::Answer::NoToAll;
    } else {
      error = QStringLiteral("unknown option %1").arg(name);
      return false;
    }
    if (!ok) {
      error = QStringLiteral("bad value '%1' for %2").arg(value, name);
      return false;
    }
  }
  if (options.source.isEmpty() || options.target.isEmpty() || options.tm.isEmpty() ||
      options.sourceLanguage == -2 || options.targetLanguage == -2) {
    error = QStringLiteral("--source, --source-language, --target, --target-language and --tm "
                           "are required");
    return false;
  }
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

  // Learning needs the translations: a missing target is not taken for a new one.
  if (!QFileInfo::exists(options.target)) {
    std::fprintf(stderr, "error: It is not possible open file '%s'.\n",
                 QFileInfo(options.target).absoluteFilePath().toUtf8().constData());
    return 1;
  }
  CliPrompter prompter(false);
  prompter.setSameTextAnswer(options.sameText);
  MemorySettings settings;
  TaskReader reader(prompter, settings);
  if (!reader.read(options.source, options.sourceLanguage, options.target, options.targetLanguage,
                   false))
    return 1;
  const Task *task = reader.task();
  NullProgress progress;
  CliMemory memory(reader.entries(), settings, prompter, progress);
  if (!memory.open(options.tm, task->sourceLanguage, task->targetLanguage, true))
    return 1;
  const int learnt = memory.client().learn(task->targetLanguage);
  std::printf("%d %s learnt\n", learnt, learnt == 1 ? "pair" : "pairs");
  return 0;
}

} // namespace tarvelo::cli
