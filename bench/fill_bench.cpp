// Filling the empty targets of a large script from a memory that holds their
// translations, as opening a task does. The memory is learnt once, from the
// translated variant of the generated script, in a scratch folder.

#include "script/after_read.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "support/benchmark_task.h"
#include "support/script_generator.h"
#include "support/silent_prompter.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"

#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

using bench::kEnglish;
using bench::kGerman;
using bench::readGeneratedTask;

// Times filling the targets of the entries given, emptied before each run (the others
// count as translated); what the last run filled.
FillResult timeFills(benchmark::State &state, const TmExports &exports, EntryList &entries,
                     const std::vector<TextEntry *> &emptied, Settings &settings,
                     Prompter &prompter, Progress &progress) {
  MemoryClient client(exports, entries, settings, prompter, progress);
  client.start();
  client.connectTo(kEnglish, kGerman);
  FillResult result;
  for (auto _ : state) {
    state.PauseTiming();
    for (TextEntry *entry : emptied) {
      entry->targetText.clear();
      entry->matchState = NotFound;
    }
    state.ResumeTiming();
    result = client.fillTargets(true);
  }
  return result;
}

std::vector<TextEntry *> everyEntry(const EntryList &entries) {
  std::vector<TextEntry *> all;
  for (const auto &entry : entries)
    all.push_back(entry.get());
  return all;
}

// Pairs numbered from 0, learnt in one batch: the source pattern's text and its German
// translation, each with its number.
const QString kNumberedSource = QStringLiteral("Source text number %1 of the memory");
const QString kNumberedTarget = QStringLiteral("Zieltext Nummer %1 des Speichers");

void learnNumberedPairs(const TmExports &tm, const QString &path, int count,
                        const QString &sourcePattern) {
  tm.setTMPath(reinterpret_cast<const char16_t *>(path.utf16()));
  tm.connectTM(kEnglish, kGerman);
  tm.beginTMBatch();
  for (int i = 0; i < count; ++i) {
    const QString source = sourcePattern.arg(i);
    const QString target = kNumberedTarget.arg(i);
    tm.addPair(reinterpret_cast<const char16_t *>(source.utf16()),
               reinterpret_cast<const char16_t *>(target.utf16()), 1);
  }
  tm.endTMBatch();
}

// String items whose sources are the numbered sources 0, step, 2 step and so on.
void appendNumberedItems(EntryList &entries, int count, int step) {
  for (int i = 0; i < count; ++i) {
    std::unique_ptr<TextEntry> entry = makeEntry(QStringLiteral("STRINGTABLE"), false);
    entry->kind = QStringLiteral("STRINGTABLE");
    entry->identifier = QString::number(i);
    entry->sourceText = kNumberedSource.arg(i * step);
    entries.append(std::move(entry));
  }
}

void fillEmptyTargets(benchmark::State &state) {
  bench::SilentPrompter prompter(Prompter::Answer::YesToAll);
  NullProgress progress;
  MemorySettings settings;
  QTemporaryDir folder;
  TmLibrary library;
  if (!library.load() || !library.exports().connectTM) {
    state.SkipWithError("the memory library (kestrine) is not beside the program");
    return;
  }
  settings.setText(QStringLiteral("TMPath"), folder.path());
  {
    EntryList translated;
    TaskChain tasks;
    if (!readGeneratedTask(state, translated, tasks, true))
      return;
    MemoryClient learner(library.exports(), translated, settings, prompter, progress);
    learner.start();
    learner.connectTo(kEnglish, kGerman);
    state.counters["pairs"] = double(learner.learn(kGerman).stored);
  }

  EntryList entries;
  TaskChain tasks;
  if (!readGeneratedTask(state, entries, tasks, false))
    return;
  const int filled = timeFills(state, library.exports(), entries, everyEntry(entries), settings,
                               prompter, progress)
                         .filled;
  state.counters["entries"] = double(entries.size());
  state.counters["filled"] = double(filled);
}
BENCHMARK(fillEmptyTargets)->Unit(benchmark::kMillisecond)->Iterations(5);

// Loads the memory library beside the program, with its batch and, when asked, its
// fuzzy search; a benchmark without them is skipped, saying why.
bool loadMemoryLibrary(benchmark::State &state, TmLibrary &library, bool fuzzy) {
  if (library.load() && library.exports().addPair && library.exports().beginTMBatch &&
      (!fuzzy || library.exports().fuzzyTM))
    return true;
  state.SkipWithError(fuzzy ? "the memory library (kestrine) with fuzzy matches is not beside "
                              "the program"
                            : "the memory library (kestrine) is not beside the program");
  return false;
}

// Filling 20,000 empty items with distinct source texts from a memory of a million
// pairs: every item is a lookup of its own.
void fillFromAMillionPairs(benchmark::State &state) {
  constexpr int kPairs = 1000000;
  constexpr int kItems = 20000;
  bench::SilentPrompter prompter(Prompter::Answer::YesToAll);
  NullProgress progress;
  MemorySettings settings;
  QTemporaryDir folder;
  TmLibrary library;
  if (!loadMemoryLibrary(state, library, false))
    return;
  const TmExports &tm = library.exports();
  learnNumberedPairs(tm, folder.path(), kPairs, kNumberedSource);
  EntryList entries;
  appendNumberedItems(entries, kItems, kPairs / kItems);
  settings.setText(QStringLiteral("TMPath"), folder.path());
  const int filled =
      timeFills(state, tm, entries, everyEntry(entries), settings, prompter, progress).filled;
  if (filled != kItems)
    state.SkipWithError("an item was not filled");
  state.counters["filled"] = double(filled);
}
BENCHMARK(fillFromAMillionPairs)->Unit(benchmark::kMillisecond)->Iterations(3);

// Filling 20,000 empty items of the generated script with fuzzy matches, from a memory
// that holds their translations under sources with one letter changed, so that no exact
// match exists and every item takes a fuzzy search.
void fillFuzzyMatches(benchmark::State &state) {
  constexpr int kItems = 20000;
  bench::SilentPrompter prompter(Prompter::Answer::YesToAll);
  NullProgress progress;
  MemorySettings settings;
  QTemporaryDir folder;
  TmLibrary library;
  if (!loadMemoryLibrary(state, library, true))
    return;
  const TmExports &tm = library.exports();
  settings.setText(QStringLiteral("TMPath"), folder.path());
  settings.setInteger(QStringLiteral("FuzzyFill"), 1);
  settings.setInteger(QStringLiteral("FuzzyScore"), 75);
  int pairs = 0;
  {
    EntryList translated;
    TaskChain tasks;
    if (!readGeneratedTask(state, translated, tasks, true))
      return;
    const QString path = folder.path();
    tm.setTMPath(reinterpret_cast<const char16_t *>(path.utf16()));
    tm.connectTM(kEnglish, kGerman);
    tm.beginTMBatch();
    for (const auto &entry : translated) {
      QString source = entry->sourceText;
      if (source.size() < 8 || entry->targetText.isEmpty())
        continue;
      source[source.size() / 2] = u'q';
      pairs += tm.addPair(reinterpret_cast<const char16_t *>(source.utf16()),
                          reinterpret_cast<const char16_t *>(entry->targetText.utf16()), 1);
    }
    tm.endTMBatch();
  }

  EntryList entries;
  TaskChain tasks;
  if (!readGeneratedTask(state, entries, tasks, false))
    return;
  // The first 20,000 items with a source long enough to have a changed match stay empty;
  // the others count as translated.
  std::vector<TextEntry *> empty;
  for (const auto &entry : entries) {
    if (entry->isTranslatable() && entry->sourceText.size() >= 8 && int(empty.size()) < kItems)
      empty.push_back(entry.get());
    else
      entry->targetText = QStringLiteral("x");
  }
  const FillResult result = timeFills(state, tm, entries, empty, settings, prompter, progress);
  state.counters["pairs"] = double(pairs);
  state.counters["items"] = double(empty.size());
  // Items of one source text share one search.
  QSet<QString> sources;
  for (const TextEntry *entry : empty)
    sources.insert(entry->sourceText);
  state.counters["searches"] = double(sources.size());
  state.counters["fuzzy_filled"] = double(result.fuzzy);
  state.counters["exact_filled"] = double(result.filled - result.fuzzy);
}
BENCHMARK(fillFuzzyMatches)->Unit(benchmark::kMillisecond)->Iterations(2);

// Filling 20,000 items of distinct source texts with fuzzy matches from a memory of
// 100,000 pairs whose sources differ from theirs by one letter: every item is a fuzzy
// search of its own.
void fillDistinctFuzzyMatches(benchmark::State &state) {
  constexpr int kPairs = 100000;
  constexpr int kItems = 20000;
  bench::SilentPrompter prompter(Prompter::Answer::YesToAll);
  NullProgress progress;
  MemorySettings settings;
  QTemporaryDir folder;
  TmLibrary library;
  if (!loadMemoryLibrary(state, library, true))
    return;
  const TmExports &tm = library.exports();
  learnNumberedPairs(tm, folder.path(), kPairs,
                     QStringLiteral("Sourse text number %1 of the memory"));
  settings.setText(QStringLiteral("TMPath"), folder.path());
  settings.setInteger(QStringLiteral("FuzzyFill"), 1);
  settings.setInteger(QStringLiteral("FuzzyScore"), 75);
  EntryList entries;
  appendNumberedItems(entries, kItems, 5);
  const FillResult result =
      timeFills(state, tm, entries, everyEntry(entries), settings, prompter, progress);
  int right = 0;
  for (int i = 0; i < kItems; ++i)
    right += entries.at(i)->targetText == kNumberedTarget.arg(i * 5);
  state.counters["fuzzy_filled"] = double(result.fuzzy);
  state.counters["right_translation"] = double(right);
}
BENCHMARK(fillDistinctFuzzyMatches)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace tarvelo
