// The generated task's findings written for continuous integration: every item
// inspected, then SARIF (findings only) and JUnit (every item under every check). The
// whole command is timed with tarvelo-cli check --format sarif on generate_scripts'
// output (see the README).

#include "findings/check_findings.h"
#include "findings/finding_writers.h"
#include "script/entry_list.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "script/verification.h"
#include "support/benchmark_task.h"
#include "workbench/inspector.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

// The items the check command looks at, inspected into one run.
FindingsRun inspectedRun(const EntryList &entries, const Task &task, const Inspector &inspector,
                         bool withPasses) {
  FindingsRun run;
  run.command = QStringLiteral("check");
  run.file = task.targetPath;
  for (const auto &entry : entries)
    if (entry->isTranslatable() && !(entry->sourceText.isEmpty() && entry->targetText.isEmpty()) &&
        !hasEarlierTwin(entry.get()))
      inspectionFindings(inspector, *entry, task, withPasses, run.findings);
  return run;
}

void writeFindings(benchmark::State &state, bool junit) {
  EntryList entries;
  TaskChain tasks;
  if (!bench::readGeneratedTask(state, entries, tasks, true))
    return;
  const Inspector inspector;
  const QString root = QDir::tempPath();
  qsizetype bytes = 0, findings = 0;
  for (auto _ : state) {
    const std::vector<FindingsRun> runs = {inspectedRun(entries, *tasks.head(), inspector, junit)};
    const QByteArray out = junit ? junitDocument(runs, root) : sarifDocument(runs, "0", root);
    bytes = out.size();
    findings = qsizetype(runs.front().findings.size());
  }
  state.counters["findings"] = double(findings);
  state.counters["bytes"] = double(bytes);
}

// The writer's worst case: every check failing on every item, twins included.
void sarifOfEveryItemFailing(benchmark::State &state) {
  EntryList entries;
  TaskChain tasks;
  if (!bench::readGeneratedTask(state, entries, tasks, true))
    return;
  std::vector<FindingsRun> runs(1);
  runs.front().command = QStringLiteral("check");
  runs.front().file = tasks.head()->targetPath;
  for (const auto &entry : entries)
    if (entry->isTranslatable())
      inspectionFindings(Inspector(), *entry, *tasks.head(), true, runs.front().findings);
  for (Finding &finding : runs.front().findings) {
    finding.failed = true;
    finding.message = QStringLiteral("The format specifications differ.");
  }
  qsizetype bytes = 0;
  for (auto _ : state)
    bytes = sarifDocument(runs, "0", QDir::tempPath()).size();
  state.counters["findings"] = double(runs.front().findings.size());
  state.counters["bytes"] = double(bytes);
}
BENCHMARK(sarifOfEveryItemFailing)->Unit(benchmark::kMillisecond);

void sarifOfGeneratedTask(benchmark::State &state) {
  writeFindings(state, false);
}
BENCHMARK(sarifOfGeneratedTask)->Unit(benchmark::kMillisecond);

void junitOfGeneratedTask(benchmark::State &state) {
  writeFindings(state, true);
}
BENCHMARK(junitOfGeneratedTask)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo
