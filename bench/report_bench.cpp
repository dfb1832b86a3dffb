// The dialogs report of the generated task, from the read model to the rich text.
#include "dialogs/dialog_report.h"
#include "dialogs/report_fragment.h"
#include "dialogs/report_settings.h"
#include "measure/qt_text_measure.h"
#include "script/after_read.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/script_generator.h"
#include "support/silent_prompter.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

// The dialogs report of the generated task (600 dialogs of 20 controls, English
// against German) with every check, from the read model to the window's rich text.
// Each run makes its fonts anew, as a rebuild of the window does.
void reportDialogs(benchmark::State &state) {
  const QByteArray source = bench::generateScript(1);
  const QByteArray target = bench::generateScript(1, true);
  bench::SilentPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  EntryList entries;
  TaskChain tasks;
  ScriptContext context{&entries, &tasks, &prompter, &progress, &settings};
  Task *task = tasks.append();
  task->sourceLanguage = 0x0409;
  task->targetLanguage = 0x0407;
  ResourceScript sourceScript(context);
  sourceScript.openData(source);
  ResourceScript targetScript(context);
  targetScript.openData(target);
  if (sourceScript.read(true, 0x0409, task) != ScriptResult::Ok ||
      targetScript.read(false, 0x0407, task) != ScriptResult::Ok) {
    state.SkipWithError("the generated scripts do not read");
    return;
  }
  bool clear = false;
  AfterReadContext afterRead{&entries, &prompter, QString(), &clear};
  afterTargetRead(task, afterRead);

  QtTextMeasure measure;
  size_t dialogs = 0, controls = 0, measured = 0;
  int reported = 0;
  qsizetype htmlSize = 0;
  for (auto _ : state) {
    DialogReporter reporter(measure, kReportAllChecks);
    const DialogsReport report = reporter.reportAll(entries, false);
    const QString html = reportHtml(report);
    benchmark::DoNotOptimize(html.constData());
    dialogs = report.dialogs.size();
    controls = measured = 0;
    for (const DialogReport &dialog : report.dialogs)
      for (const ControlReport &control : dialog.controls) {
        ++controls;
        measured += control.measured ? 1 : 0;
      }
    reported = report.reportedCount();
    htmlSize = html.size();
  }
  state.counters["dialogs"] = double(dialogs);
  state.counters["controls"] = double(controls);
  state.counters["measured"] = double(measured);
  state.counters["reported"] = double(reported);
  state.counters["html_chars"] = double(htmlSize);
}
BENCHMARK(reportDialogs)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo

// Measuring needs fonts, so the benchmark runs a QGuiApplication, offscreen unless
// another platform is asked for.
int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
