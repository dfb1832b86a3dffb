// The report command: the dialogs report of a task, as lines or JSON.
#include "cli/check_items.h"
#include "cli/check_task.h"
#include "cli/cli_arguments.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/findings_output.h"
#include "cli/report_output.h"
#include "cli/task_reader.h"
#include "dialogs/dialog_report.h"
#include "dialogs/report_fragment.h"
#include "dialogs/report_settings.h"
#include "findings/check_levels.h"
#include "findings/finding_writers.h"
#include "findings/report_findings.h"
#include "measure/qt_text_measure.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "seam/settings.h"

#include <cstdio>

namespace tarvelo::cli {

namespace {

struct ReportOptions {
  QString source, target, header;
  int sourceLanguage = -2, targetLanguage = -2;
  int setting = kReportAllChecks;
  QString settingsFile; // the levels the window stored there
  FindingsOptions output;
};

bool parse(const QStringList &arguments, ReportOptions &options, QString &error) {
  CliArguments read;
  if (!read.parse(arguments,
                  QStringList{"source", "source-language", "target", "target-language", "setting",
                              "header", "settings"} +
                      findingsOptionNames(),
                  {}, error) ||
      !parseFindingsOptions(read, options.output, error) ||
      !read.language(QStringLiteral("source-language"), options.sourceLanguage, error) ||
      !read.language(QStringLiteral("target-language"), options.targetLanguage, error) ||
      !read.require({"source", "source-language"}, error))
    return false;
  if (read.has(QStringLiteral("target")) != read.has(QStringLiteral("target-language"))) {
    error = QStringLiteral("--target and --target-language go together");
    return false;
  }
  options.source = read.value(QStringLiteral("source"));
  options.target = read.value(QStringLiteral("target"));
  options.header = read.value(QStringLiteral("header"));
  options.settingsFile = read.value(QStringLiteral("settings"));
  if (read.has(QStringLiteral("setting"))) {
    bool ok = false;
    options.setting = read.value(QStringLiteral("setting")).toInt(&ok, 0);
    if (!ok || options.setting < 0 || options.setting > kReportAllChecks) {
      error = QStringLiteral("bad value '%1' for --setting").arg(read.value("setting"));
      return false;
    }
  }
  return true;
}

// The report's findings at the levels of the settings; a script reported against itself
// is its own target.
FindingsRun reportRun(const DialogsReport &report, Task task, bool ownTarget,
                      const Settings &settings, const ReportOptions &options) {
  if (!ownTarget)
    task.targetPath = task.sourcePath;
  FindingsRun run;
  run.command = QStringLiteral("report");
  run.file = task.targetPath;
  reportFindings(report, task, options.output.withPasses(), run.findings);
  applyCheckLevels(run.findings, settings);
  return run;
}

// The report as lines or as JSON.
bool writeReport(const DialogsReport &report, const Task &task, bool ownTarget,
                 const FindingsOptions &output) {
  if (output.format != OutputFormat::Json) {
    std::fputs(reportLines(report).toUtf8().constData(), stdout);
    return true;
  }
  return writeOutput(
      reportJson(report, reportFileName(ownTarget ? task.targetPath : QString(), task.sourcePath)),
      output);
}

} // namespace

int runReport(const QStringList &arguments) {
  ReportOptions options;
  QString error;
  if (!parse(arguments, options, error)) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 2;
  }
  const bool ownTarget = !options.target.isEmpty();
  if (ownTarget && !targetExists(options.target))
    return 2;

  MemorySettings settings;
  if (!readCheckLevels(options.settingsFile, settings))
    return 2;
  CliPrompter prompter(false);
  TaskReader reader(prompter, settings);
  if (!reader.read(options.source, options.sourceLanguage,
                   ownTarget ? options.target : options.source,
                   ownTarget ? options.targetLanguage : options.sourceLanguage, !ownTarget,
                   options.header)) {
    if (options.output.wantsFindings())
      writeFindings({unreadTask(QStringLiteral("report"),
                                ownTarget ? options.target : options.source, reader.failure())},
                    options.output);
    return 2;
  }
  // A script reported against itself shows its own texts.
  if (!ownTarget)
    for (const auto &entry : reader.entries())
      entry->targetText = entry->sourceText;

  QtTextMeasure measure;
  DialogReporter reporter(measure, options.setting);
  const DialogsReport report = reporter.reportAll(reader.entries(), false);
  const int reported = report.reportedCount();
  const int status = reported > 0 ? 1 : 0;
  std::vector<FindingsRun> runs;
  if (options.output.wantsFindings() || options.output.failOn != FailOn::Default)
    runs.push_back(reportRun(report, *reader.task(), ownTarget, settings, options));
  if (options.output.wantsFindings()) {
    if (!writeFindings(runs, options.output))
      return 2;
  } else if (!writeReport(report, *reader.task(), ownTarget, options.output)) {
    return 2;
  }
  std::fprintf(stderr, "%s\n", dialogsReportedText(reported).toUtf8().constData());
  return findingsStatus(runs, options.output.failOn, status);
}

} // namespace tarvelo::cli
