// Reading the generated scripts as an English to German task for the benchmarks.
#include "support/generated_task.h"

#include "script/after_read.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "support/script_generator.h"

namespace tarvelo::bench {

bool readGeneratedTask(EntryList &entries, TaskChain &tasks, Prompter &prompter, Progress &progress,
                       Settings &settings, bool withTarget) {
  ScriptContext context{&entries, &tasks, &prompter, &progress, &settings};
  Task *task = tasks.append();
  task->sourceLanguage = kEnglish;
  task->targetLanguage = kGerman;
  ResourceScript source(context);
  source.openData(generateScript(1));
  if (source.read(true, kEnglish, task) != ScriptResult::Ok)
    return false;
  if (withTarget) {
    ResourceScript target(context);
    target.openData(generateScript(1, true));
    if (target.read(false, kGerman, task) != ScriptResult::Ok)
      return false;
  }
  bool clear = false;
  AfterReadContext afterRead{&entries, &prompter, QString(), &clear};
  afterTargetRead(task, afterRead);
  return true;
}

} // namespace tarvelo::bench
