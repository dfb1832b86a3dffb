// Analysing the generated script against a large memory: one fuzzy search per distinct
// source text, the items put in their bands. The memory is learnt once per size, or kept
// between runs in the folder ANALYSIS_BENCH_MEMORY names (a subfolder per size), where
// `tarvelo-cli analyze --tm` can be timed on it as a whole process.
#include "analysis/analysis_run.h"
#include "script/entry_list.h"
#include "script/task.h"
#include "support/benchmark_task.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <functional>

namespace tarvelo {
namespace {

using bench::kEnglish;
using bench::kGerman;

const char16_t *wide(const QString &text) {
  return reinterpret_cast<const char16_t *>(text.utf16());
}

// The generated task's pairs, a third as they are, a third with one letter changed and a
// third left out, then numbered pairs up to `count`.
int learnPairs(const TmExports &tm, const QString &path, const EntryList &translated, int count) {
  tm.setTMPath(wide(path));
  tm.connectTM(kEnglish, kGerman);
  tm.beginTMBatch();
  int stored = 0, index = 0;
  for (const auto &entry : translated) {
    QString source = entry->sourceText;
    if (source.size() < 8 || entry->targetText.isEmpty() || ++index % 3 == 0)
      continue;
    if (index % 3 == 2)
      source[source.size() / 2] = u'q';
    stored += tm.addPair(wide(source), wide(entry->targetText), 1);
  }
  for (int i = 0; stored < count; ++i) {
    const QString source = QStringLiteral("Filler source text %1 of the memory").arg(i);
    const QString target = QStringLiteral("Fülltext %1 des Speichers").arg(i);
    stored += tm.addPair(wide(source), wide(target), 1);
  }
  tm.endTMBatch();
  return stored;
}

// The folder of the memory of `count` pairs: kept under ANALYSIS_BENCH_MEMORY and learnt
// only when it holds none yet, else a scratch folder learnt now.
QString memoryOf(const QTemporaryDir &scratch, const QString &name,
                 const std::function<void(const QString &)> &learn) {
  const QString kept = qEnvironmentVariable("ANALYSIS_BENCH_MEMORY");
  if (kept.isEmpty()) {
    learn(scratch.path());
    return scratch.path();
  }
  const QString folder = QDir(kept).filePath(name);
  if (!QFile::exists(QDir(folder).filePath(QStringLiteral("Kestrine.db")))) {
    QDir().mkpath(folder);
    learn(folder);
  }
  return folder;
}

// Reads the generated task and learns its pairs (and fillers up to `count`) into a memory.
QString generatedMemory(benchmark::State &state, const TmExports &tm,
                        const QTemporaryDir &scratch) {
  return memoryOf(scratch, QString::number(state.range(0)), [&](const QString &folder) {
    EntryList translated;
    TaskChain tasks;
    if (bench::readGeneratedTask(state, translated, tasks, true))
      learnPairs(tm, folder, translated, int(state.range(0)));
  });
}

// The memory library with fuzzy matches, or null with the benchmark skipped.
const TmExports *fuzzyLibrary(benchmark::State &state, TmLibrary &library) {
  if (library.load() && library.exports().fuzzyTM && library.exports().beginTMBatch)
    return &library.exports();
  state.SkipWithError("the memory library (kestrine) with fuzzy matches is not beside the "
                      "program");
  return nullptr;
}

// Every text of `entries` looked up in the memory in `folder`, as analyze does, once per
// iteration. The counters give the bands and a sum of the scores found, which a faster
// search must leave as it was.
void analyseTexts(benchmark::State &state, const TmExports &tm, const QString &folder,
                  const EntryList &entries) {
  bench::SilentPrompter prompter(Prompter::Answer::YesToAll);
  NullProgress progress;
  MemorySettings settings;
  settings.setText(QStringLiteral("TMPath"), folder);
  EntryList unused;
  MemoryClient client(tm, unused, settings, prompter, progress);
  client.start();
  if (!client.connectTo(kEnglish, kGerman)) {
    state.SkipWithError("the memory cannot be connected");
    return;
  }
  const BandLimits limits;
  std::vector<BandCount> total;
  double scores = 0;
  int lookups = 0;
  for (auto _ : state) {
    scores = 0;
    lookups = 0;
    AnalysisRun run(limits, CountingRule::Characters);
    run.addTask(QStringLiteral("task"), entries, kEnglish, kGerman, [&](const QString &text) {
      const QList<FuzzyPair> found = client.fuzzyPairs(text, limits.lowest.back(), 1);
      ++lookups;
      scores += found.isEmpty() ? 0 : found.first().score;
      return MemoryScore{found.isEmpty() ? 0 : found.first().score, QString()};
    });
    total = run.total();
  }
  int items = 0;
  for (const BandCount &band : total)
    items += band.segments;
  const int repetitions = total[BandLimits::kRepetition].segments;
  state.counters["items"] = items;
  state.counters["lookups"] = lookups;
  state.counters["fuzzy"] = items - total[2].segments - total.back().segments - repetitions;
  state.counters["exact"] = total[2].segments;
  state.counters["repetitions"] = repetitions;
  state.counters["no_match"] = total.back().segments;
  state.counters["score_sum"] = scores;
}

// The generated task as analyze sees it, against a memory of its pairs and fillers up to
// state.range(0) pairs.
void analyseGeneratedTask(benchmark::State &state) {
  QTemporaryDir scratch;
  TmLibrary library;
  const TmExports *tm = fuzzyLibrary(state, library);
  if (!tm)
    return;
  const QString memory = generatedMemory(state, *tm, scratch);
  // Without the target nothing is a context match: every text goes to the memory.
  EntryList entries;
  TaskChain tasks;
  if (state.error_occurred() || !bench::readGeneratedTask(state, entries, tasks, false))
    return;
  state.counters["pairs"] = double(state.range(0));
  analyseTexts(state, *tm, memory, entries);
}
BENCHMARK(analyseGeneratedTask)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The generated script repeats its texts: few of them reach the memory. Here every item
// is a text of its own, a stored source with one letter changed, so that each one takes
// a fuzzy search of the memory of state.range(0) pairs.
void analyseDistinctTexts(benchmark::State &state) {
  constexpr int kItems = 2000;
  const int pairs = int(state.range(0));
  QTemporaryDir scratch;
  TmLibrary library;
  const TmExports *exports = fuzzyLibrary(state, library);
  if (!exports)
    return;
  const TmExports &tm = *exports;
  const QString folder =
      memoryOf(scratch, QStringLiteral("fillers-%1").arg(pairs), [&](const QString &path) {
        const EntryList none;
        learnPairs(tm, path, none, pairs);
      });
  EntryList entries(false);
  for (int i = 0; i < kItems; ++i) {
    auto entry = std::make_unique<StringEntry>();
    entry->sourceText =
        QStringLiteral("Filler source test %1 of the memory").arg(i * (pairs / kItems));
    entries.append(std::move(entry));
  }
  analyseTexts(state, tm, folder, entries);
}
BENCHMARK(analyseDistinctTexts)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The size a large product reaches: each of the generated script's items (some 37,000) a
// text of its own, its source with the item's number after it, against the memory of the
// generated task and fillers up to state.range(0) pairs. Every item is a fuzzy search.
void analyseGeneratedItemsEachDistinct(benchmark::State &state) {
  QTemporaryDir scratch;
  TmLibrary library;
  const TmExports *exports = fuzzyLibrary(state, library);
  if (!exports)
    return;
  const TmExports &tm = *exports;
  const QString folder = generatedMemory(state, tm, scratch);
  EntryList entries;
  TaskChain tasks;
  if (state.error_occurred() || !bench::readGeneratedTask(state, entries, tasks, false))
    return;
  int number = 0;
  for (const auto &entry : entries) {
    if (!entry->sourceText.isEmpty())
      entry->sourceText += u' ' + QString::number(++number);
  }
  analyseTexts(state, tm, folder, entries);
}
BENCHMARK(analyseGeneratedItemsEachDistinct)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
} // namespace tarvelo
