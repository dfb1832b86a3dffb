// The report command: the dialogs report of a task, as lines or JSON.
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
#include "findings/finding_writers.h"
#include "findings/report_findings.h"
#include "measure/qt_text_measure.h"
#include "script/text_entry.h"
#include "seam/settings.h"

#include <cstdio>

namespace tarvelo::cli {

namespace {

struct ReportOptions {
  QString source, target, header;
  int sourceLanguage = -2, targetLanguage = -2;
  int setting = kReportAllChecks;
  FindingsOptions output;
};

bool parse(const QStringList &arguments, ReportOptions &options, QString &error) {
  CliArguments read;
  if (!read.parse(arguments,
                  QStringList{"source", "source-language", "target", "target-language", "setting",
                              "header"} +
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
  Task *task = reader.task();
  const int reported = report.reportedCount();
  const int status = reported > 0 ? 1 : 0;
  int failOnStatus = status;
  if (options.output.wantsFindings() || options.output.failOn != FailOn::Default) {
    // A script reported against itself is its own target.
    if (!ownTarget)
      task->targetPath = task->sourcePath;
    std::vector<FindingsRun> runs(1);
    runs.front().command = QStringLiteral("report");
    runs.front().file = task->targetPath;
    reportFindings(report, *task, options.output.withPasses(), runs.front().findings);
    if (options.output.wantsFindings()) {
      if (!writeFindings(runs, options.output))
        return 2;
      std::fprintf(stderr, "%s\n", dialogsReportedText(reported).toUtf8().constData());
      return findingsStatus(runs, options.output.failOn, status);
    }
    failOnStatus = findingsStatus(runs, options.output.failOn, status);
  }
  if (options.output.format == OutputFormat::Json) {
    const QByteArray json = reportJson(
        report, reportFileName(ownTarget ? task->targetPath : QString(), task->sourcePath));
    if (!writeOutput(json, options.output))
      return 2;
  } else {
    std::fputs(reportLines(report).toUtf8().constData(), stdout);
  }
  std::fprintf(stderr, "%s\n", dialogsReportedText(reported).toUtf8().constData());
  return failOnStatus;
}

} // namespace tarvelo::cli
