// Spell-checking every translated item of the generated script with the installed
// German dictionary, each run with a checker that has not seen a word yet; and
// pseudo-translating the same items.

#include "script/entry_list.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "spelling/dictionary_files.h"
#include "spelling/spell_checker.h"
#include "support/benchmark_task.h"
#include "workbench/pseudo_translation.h"
#include "workbench/undo_stack.h"

#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

void spellCheckGeneratedTargets(benchmark::State &state) {
  EntryList entries;
  TaskChain tasks;
  if (!bench::readGeneratedTask(state, entries, tasks, true))
    return;
  QStringList texts;
  for (const auto &entry : entries)
    if (entry->isTranslatable() && !entry->targetText.isEmpty())
      texts << entry->targetText;
  const DictionaryFiles german = findDictionary(QStringLiteral("de-DE"), dictionaryFolders());
  if (german.isNull()) {
    state.SkipWithError("the German Hunspell dictionary is not installed");
    return;
  }
  qsizetype misspelt = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QString error;
    std::unique_ptr<SpellChecker> checker = SpellChecker::open(german, QString(), &error);
    state.ResumeTiming();
    misspelt = 0;
    for (const QString &text : texts)
      misspelt += checker->misspelt(text).size();
    state.PauseTiming();
    checker.reset();
    state.ResumeTiming();
  }
  state.counters["items"] = double(texts.size());
  state.counters["misspelt"] = double(misspelt);
}
BENCHMARK(spellCheckGeneratedTargets)->Unit(benchmark::kMillisecond)->Iterations(3);

void pseudoTranslateGeneratedScript(benchmark::State &state) {
  EntryList entries;
  TaskChain tasks;
  if (!bench::readGeneratedTask(state, entries, tasks, false))
    return;
  qsizetype changed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const auto &entry : entries)
      entry->targetText.clear();
    UndoStack undo;
    state.ResumeTiming();
    changed = pseudoTranslate(entries, undo, nullptr, PseudoOptions()).size();
  }
  state.counters["items"] = double(changed);
}
BENCHMARK(pseudoTranslateGeneratedScript)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo
