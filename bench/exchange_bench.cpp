// Exporting the translations of the reading benchmark's script (about 37,000 items, each
// translated its own way) in each format and importing them back into the untranslated
// script; learning a
// glossary of 100,000 lines into the memory.

#include "exchange/memory_transfer.h"
#include "exchange/task_exchange.h"
#include "script/after_read.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/generated_task.h"
#include "support/script_generator.h"
#include "support/silent_prompter.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"
#include "workbench/undo_stack.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

using bench::kEnglish;
using bench::kGerman;

bool readTask(EntryList &entries, TaskChain &tasks, Prompter &prompter, Progress &progress,
              Settings &settings, bool withTarget) {
  if (!bench::readGeneratedTask(entries, tasks, prompter, progress, settings, withTarget))
    return false;
  // Every translation its own, so that each item is a record of the files: repeated
  // sources then carry the places of their entries.
  if (withTarget)
    for (const auto &entry : entries)
      if (entry->isTranslatable() && !entry->targetText.isEmpty())
        entry->targetText += QStringLiteral(" #%1").arg(entry->index());
  return true;
}

ExportRequest requestFor(ExchangeFormat format, const QString &path) {
  ExportRequest request;
  request.format = format;
  request.path = path;
  request.sourcePath = QStringLiteral("/work/generated.rc");
  request.targetPath = QStringLiteral("/work/generated_de.rc");
  request.sourceLanguage = kEnglish;
  request.targetLanguage = kGerman;
  return request;
}

void exportTranslations(benchmark::State &state) {
  const auto format = ExchangeFormat(state.range(0));
  bench::SilentPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  EntryList entries;
  TaskChain tasks;
  QTemporaryDir folder;
  if (!readTask(entries, tasks, prompter, progress, settings, true)) {
    state.SkipWithError("the generated scripts do not read");
    return;
  }
  const ExportRequest request = requestFor(format, folder.filePath(QStringLiteral("out")));
  int pairs = 0;
  for (auto _ : state)
    pairs = exportTask(entries, request).pairs;
  state.counters["entries"] = double(entries.size());
  state.counters["pairs"] = double(pairs);
  state.counters["bytes"] = double(QFile(request.path).size());
}
BENCHMARK(exportTranslations)
    ->ArgName("format")
    ->Arg(int(ExchangeFormat::Glossary))
    ->Arg(int(ExchangeFormat::Catalog))
    ->Arg(int(ExchangeFormat::Xliff))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void importTranslations(benchmark::State &state) {
  const auto format = ExchangeFormat(state.range(0));
  bench::SilentPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("in"));
  {
    EntryList translated;
    TaskChain tasks;
    if (!readTask(translated, tasks, prompter, progress, settings, true) ||
        !exportTask(translated, requestFor(format, path)).written) {
      state.SkipWithError("the generated scripts do not read or export");
      return;
    }
  }
  EntryList entries;
  TaskChain tasks;
  if (!readTask(entries, tasks, prompter, progress, settings, false)) {
    state.SkipWithError("the generated script does not read");
    return;
  }
  int changed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const auto &entry : entries)
      entry->targetText.clear();
    UndoStack undo;
    ImportTarget target{entries, undo, nullptr, nullptr};
    state.ResumeTiming();
    changed = int(
        importTask(target, format, path, 1, kEnglish, kGerman, prompter, progress).changed.size());
  }
  state.counters["changed"] = double(changed);
}
BENCHMARK(importTranslations)
    ->ArgName("format")
    ->Arg(int(ExchangeFormat::Glossary))
    ->Arg(int(ExchangeFormat::Catalog))
    ->Arg(int(ExchangeFormat::Xliff))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// A glossary of 100,000 lines of distinct pairs learnt into a new memory.
void glossaryIntoMemory(benchmark::State &state) {
  constexpr int kLines = 100000;
  bench::SilentPrompter prompter(Prompter::Answer::No);
  NullProgress progress;
  MemorySettings settings;
  QTemporaryDir folder;
  TmLibrary library;
  if (!library.load() || !library.exports().connectTM) {
    state.SkipWithError("the memory library (kestrine) is not beside the program");
    return;
  }
  const QString path = folder.filePath(QStringLiteral("glossary.csv"));
  {
    QString text;
    for (int i = 0; i < kLines; ++i)
      text +=
          QStringLiteral("\"Source text number %1 of the glossary\"\t\"\"\t\"Zieltext Nummer %1 "
                         "des Glossars\"\r\n")
              .arg(i);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      state.SkipWithError("the glossary cannot be written");
      return;
    }
    file.write("\xff\xfe", 2);
    file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
  }
  EntryList entries;
  int learnt = 0, run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    settings.setText(QStringLiteral("TMPath"), folder.filePath(QStringLiteral("TM%1").arg(++run)));
    library.exports().disconnectTM();
    MemoryClient client(library.exports(), entries, settings, prompter, progress);
    client.start();
    client.connectTo(kEnglish, kGerman);
    MemoryTransfers transfers(client, settings, prompter, progress);
    state.ResumeTiming();
    learnt = transfers.importGlossary(path, 0, kEnglish, kGerman, 1).pairs;
  }
  if (learnt != kLines)
    state.SkipWithError("a pair was not learnt");
  state.counters["learnt"] = double(learnt);
}
BENCHMARK(glossaryIntoMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace tarvelo
