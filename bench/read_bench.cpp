// Reading the generated script as a source, from bytes to entries.
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "support/heap_meter.h"
#include "support/script_generator.h"
#include "support/silent_prompter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace tarvelo {
namespace {

void readScript(benchmark::State &state) {
  const QByteArray data = bench::generateScript(int(state.range(0)));
  bench::SilentPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  qsizetype entries = 0;
  double heapOverSize = 0;
  double peakOverSize = 0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    const long long heapBefore = bench::heapInUse();
    bench::resetHeapPeak();
    EntryList list;
    TaskChain tasks;
    ScriptContext context{&list, &tasks, &prompter, &progress, &settings};
    Task *task = tasks.append();
    ResourceScript script(context);
    script.openData(data);
    if (script.read(true, 0x0409, task) != ScriptResult::Ok)
      state.SkipWithError("the generated script does not read");
    entries = list.size();
    // What the read model holds, the file's bytes included, against the file size.
    heapOverSize =
        double(mallinfo2().uordblks - before + size_t(data.size())) / double(data.size());
    // The highest the heap stood while reading, with the file's bytes.
    peakOverSize = double(bench::heapPeak() - heapBefore + data.size()) / double(data.size());
  }
  state.counters["bytes"] = double(data.size());
  state.counters["entries"] = double(entries);
  state.counters["memory_over_size"] = heapOverSize;
  state.counters["peak_over_size"] = peakOverSize;
}
BENCHMARK(readScript)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
