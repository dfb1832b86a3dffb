// The analyze command: the words of a task or project by translation-memory match band.
#include "analysis/analysis_output.h"
#include "analysis/analysis_run.h"
#include "cli/cli_arguments.h"
#include "cli/cli_memory.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/task_reader.h"
#include "files/file_messages.h"
#include "files/file_transaction.h"
#include "project/project_file.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "text/printable_text.h"

#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace tarvelo::cli {

namespace {

struct AnalyzeOptions {
  QList<Task> tasks;
  QString tm, header, out;
  bool newTarget = false;
  BandLimits limits;
  CountingRule rule = CountingRule::Characters;
  AnalysisFormat format = AnalysisFormat::Text;
};

bool readTaskOptions(const CliArguments &read, AnalyzeOptions &options, QString &error) {
  if (read.has(QStringLiteral("project"))) {
    for (const char *name :
         {"source", "target", "new-target", "source-language", "target-language", "header"})
      if (read.has(QLatin1String(name))) {
        error = QStringLiteral("--%1 does not go with --project").arg(QLatin1String(name));
        return false;
      }
    Project project;
    const QString path = read.value(QStringLiteral("project"));
    if (!readProject(path, project)) {
      error = cannotOpenMessage(QFileInfo(path).absoluteFilePath());
      return false;
    }
    if (project.tasks.isEmpty())
      std::fprintf(stderr, "warning: '%s' holds no task\n", path.toUtf8().constData());
    options.tasks = project.tasks;
    return true;
  }
  Task task;
  if (!read.language(QStringLiteral("source-language"), task.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), task.targetLanguage, error) ||
      !read.require({"source", "source-language", "target-language"}, error))
    return false;
  if (read.has(QStringLiteral("target")) == read.has(QStringLiteral("new-target"))) {
    error = QStringLiteral("give either --target or --new-target");
    return false;
  }
  options.newTarget = read.has(QStringLiteral("new-target"));
  task.sourcePath = read.value(QStringLiteral("source"));
  task.targetPath =
      read.value(options.newTarget ? QStringLiteral("new-target") : QStringLiteral("target"));
  task.name = QFileInfo(task.sourcePath).fileName();
  options.header = read.value(QStringLiteral("header"));
  options.tasks.append(task);
  return true;
}

bool parse(const QStringList &arguments, AnalyzeOptions &options, QString &error) {
  CliArguments read;
  if (!read.parse(arguments,
                  {"source", "source-language", "target", "new-target", "target-language",
                   "project", "tm", "bands", "weights", "format", "out", "header"},
                  {}, error) ||
      !read.require({"tm"}, error) || !readTaskOptions(read, options, error))
    return false;
  options.tm = read.value(QStringLiteral("tm"));
  options.out = read.value(QStringLiteral("out"));
  if (read.has(QStringLiteral("bands")) &&
      !BandLimits::parse(read.value(QStringLiteral("bands")), options.limits, &error))
    return false;
  const QString weights = read.value(QStringLiteral("weights"), QStringLiteral("characters"));
  if (weights == QLatin1String("gmx-v")) {
    options.rule = CountingRule::GmxV;
  } else if (weights != QLatin1String("characters")) {
    error = QStringLiteral("unknown --weights '%1' (characters or gmx-v)").arg(weights);
    return false;
  }
  const QString format = read.value(QStringLiteral("format"), QStringLiteral("text"));
  if (!parseAnalysisFormat(format, options.format)) {
    error = QStringLiteral("unknown --format '%1' (text, csv, json or html)").arg(format);
    return false;
  }
  return true;
}

// The memory, opened for the first task's languages and connected again whenever a
// task has another pair.
class TaskMemory {
public:
  TaskMemory(const QString &tm)
      : m_tm(tm), m_memory(m_entries, m_settings, m_prompter, m_progress) {}

  // Empty when the memory is ready for the pair; else why not (already printed).
  std::optional<int> connect(int sourceLanguage, int targetLanguage, QString &error) {
    if (m_opened && sourceLanguage == m_source && targetLanguage == m_target)
      return std::nullopt;
    if (!m_opened) {
      if (!m_memory.open(m_tm, sourceLanguage, targetLanguage, false))
        return m_memory.damaged() ? 2 : 1;
      if (!m_memory.client().fuzzyBound()) {
        std::fprintf(stderr, "error: the translation-memory library finds no fuzzy matches\n");
        return 1;
      }
      m_opened = true;
    } else if (!m_memory.client().connectTo(sourceLanguage, targetLanguage)) {
      error = QStringLiteral("the translation memory cannot be opened for the languages %1 and %2")
                  .arg(sourceLanguage)
                  .arg(targetLanguage);
      return std::nullopt;
    }
    m_source = sourceLanguage;
    m_target = targetLanguage;
    return std::nullopt;
  }

  MemoryScore bestScore(const QString &text, int minScore) {
    MemoryFailure failure;
    const QList<FuzzyPair> pairs = m_memory.client().fuzzyPairs(text, minScore, 1, &failure);
    if (failure.failed())
      return {0, QStringLiteral("the translation memory cannot be read: ") + failure.reason};
    return {pairs.isEmpty() ? 0 : pairs.first().score, QString()};
  }

private:
  QString m_tm;
  EntryList m_entries;
  MemorySettings m_settings;
  CliPrompter m_prompter{false};
  NullProgress m_progress;
  CliMemory m_memory;
  bool m_opened = false;
  int m_source = 0, m_target = 0;
};

void reportTaskError(const QString &name, const QString &error) {
  std::fprintf(stderr, "error: %s: %s\n", printableText(name).toUtf8().constData(),
               printableText(error).toUtf8().constData());
}

// Analyses every task in order; the exit status (a task that failed gives 1), or the
// status of a memory that could not be opened at all.
int analyseTasks(const AnalyzeOptions &options, AnalysisRun &run, bool &stop) {
  TaskMemory memory(options.tm);
  int status = 0;
  for (const Task &task : options.tasks) {
    MemorySettings settings;
    CliPrompter prompter(false);
    TaskReader reader(prompter, settings);
    if (!reader.read(task.sourcePath, task.sourceLanguage, task.targetPath, task.targetLanguage,
                     options.newTarget, options.header)) {
      run.addFailedTask(task.name, QStringLiteral("the task cannot be read"));
      status = 1;
      continue;
    }
    QString error;
    if (const std::optional<int> failed =
            memory.connect(task.sourceLanguage, task.targetLanguage, error)) {
      stop = true;
      return *failed;
    }
    const int lowest = options.limits.lowest.back();
    if (!error.isEmpty() ||
        !run.addTask(task.name, reader.entries(), task.sourceLanguage, task.targetLanguage,
                     [&](const QString &text) { return memory.bestScore(text, lowest); })) {
      if (!error.isEmpty())
        run.addFailedTask(task.name, error);
      reportTaskError(task.name, run.tasks().last().error);
      status = 1;
    }
  }
  return status;
}

} // namespace

int runAnalyze(const QStringList &arguments) {
  AnalyzeOptions options;
  QString error;
  if (!parse(arguments, options, error)) {
    std::fprintf(stderr, "error: %s\n", printableText(error).toUtf8().constData());
    return 2;
  }
  AnalysisRun run(options.limits, options.rule);
  bool stop = false;
  const int status = analyseTasks(options, run, stop);
  if (stop)
    return status;
  const QByteArray content = formatAnalysis(run, options.format);
  if (options.out.isEmpty()) {
    std::fwrite(content.constData(), 1, size_t(content.size()), stdout);
    return status;
  }
  QString message;
  if (!writeFileSafely(options.out, content, &message)) {
    std::fprintf(stderr, "error: %s\n", printableText(message).toUtf8().constData());
    return 1;
  }
  return status;
}

} // namespace tarvelo::cli
