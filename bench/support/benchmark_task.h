// The generated task read for a benchmark, with its own prompter, progress and settings.
#pragma once

#include "seam/progress.h"
#include "seam/settings.h"
#include "support/generated_task.h"
#include "support/silent_prompter.h"

#include <benchmark/benchmark.h>

namespace tarvelo::bench {

// The generated task read for a benchmark, with a prompter, a progress and settings of
// its own: a task that does not read skips the benchmark, saying so.
inline bool readGeneratedTask(benchmark::State &state, EntryList &entries, TaskChain &tasks,
                              bool withTarget) {
  SilentPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  if (readGeneratedTask(entries, tasks, prompter, progress, settings, withTarget))
    return true;
  state.SkipWithError(withTarget ? "the generated scripts do not read"
                                 : "the generated script does not read");
  return false;
}

} // namespace tarvelo::bench
