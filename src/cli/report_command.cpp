// The report command: the dialogs report of a task, as lines or JSON.
#include "cli/cli_arguments.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "cli/task_reader.h"
#include "dialogs/dialog_report.h"
#include "dialogs/report_fragment.h"
#include "dialogs/report_settings.h"
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
  bool json = false;
};

bool parse(const QStringList &arguments, ReportOptions &options, QString &error) {
  CliArguments read;
  if (!read.parse(
          arguments,
          {"source", "source-language", "target", "target-language", "setting", "format", "header"},
          {}, error) ||
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
  const QString format = read.value(QStringLiteral("format"), QStringLiteral("text"));
  if (format != QLatin1String("text") && format != QLatin1String("json")) {
    error = QStringLiteral("bad value '%1' for --format").arg(format);
    return false;
  }
  options.json = format == QLatin1String("json");
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
  if (!reader.read(
          options.source, options.sourceLanguage, ownTarget ? options.target : options.source,
          ownTarget ? options.targetLanguage : options.sourceLanguage, !ownTarget, options.header))
    return 2;
  // A script reported against itself shows its own texts.
  if (!ownTarget)
    for (const auto &entry : reader.entries())
      entry->targetText = entry->sourceText;

  QtTextMeasure measure;
  DialogReporter reporter(measure, options.setting);
  const DialogsReport report = reporter.reportAll(reader.entries(), false);
  const Task *task = reader.task();
  if (options.json) {
    const QByteArray json = reportJson(
        report, reportFileName(ownTarget ? task->targetPath : QString(), task->sourcePath));
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
  } else {
    std::fputs(reportLines(report).toUtf8().constData(), stdout);
  }
  const int reported = report.reportedCount();
  std::fprintf(stderr, "%s\n", dialogsReportedText(reported).toUtf8().constData());
  return reported > 0 ? 1 : 0;
}

} // namespace tarvelo::cli
