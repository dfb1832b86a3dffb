// Translating the generated task: reading source and target, matching and writing back.
#include "script/after_read.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "support/script_generator.h"
#include "support/silent_prompter.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace tarvelo {
namespace {

// Reading a source and its existing target, matching, the after-read step and
// writing the target again.
void translateTask(benchmark::State &state) {
  const int scale = int(state.range(0));
  const QByteArray source = bench::generateScript(scale);
  const QByteArray target = bench::generateScript(scale, true);
  bench::SilentPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  qsizetype written = 0;
  for (auto _ : state) {
    // The model is torn down outside the measured time: closing is not part of it.
    auto entriesOwner = std::make_unique<EntryList>();
    EntryList &entries = *entriesOwner;
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
      break;
    }
    bool clear = false;
    AfterReadContext afterRead{&entries, &prompter, QString(), &clear};
    afterTargetRead(task, afterRead);
    ScriptFile out;
    out.openData(target);
    ResourceScript writer(context);
    writer.write(task, 0x0407, out, WriteContext(), false, &sourceScript.file());
    written = out.size();
    state.PauseTiming();
    entriesOwner.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_written"] = double(written);
}
BENCHMARK(translateTask)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
