// One task's items inspected and spelt into findings.
#include "cli/check_task.h"

#include "cli/task_reader.h"
#include "findings/check_findings.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "script/verification.h"
#include "spelling/spell_checker.h"
#include "workbench/inspector.h"

namespace tarvelo::cli {

FindingsRun checkFindings(TaskReader &reader, const Inspector &inspector, SpellChecker *speller,
                          bool translatedOnly, bool withPasses) {
  const Task &task = *reader.task();
  FindingsRun run;
  run.command = QStringLiteral("check");
  run.file = task.targetPath;
  for (const auto &entry : reader.entries()) {
    if (!entry->isTranslatable() || (entry->sourceText.isEmpty() && entry->targetText.isEmpty()) ||
        hasEarlierTwin(entry.get()))
      continue;
    if (translatedOnly && entry->targetText.isEmpty())
      continue;
    inspectionFindings(inspector, *entry, task, withPasses, run.findings);
    if (speller)
      spellingFindings(speller->misspelt(entry->targetText), *entry, task, withPasses,
                       run.findings);
  }
  return run;
}

FindingsRun unreadTask(const QString &command, const QString &file, const QString &failure) {
  FindingsRun run;
  run.command = command;
  run.file = file;
  run.readFailed = true;
  run.failure = failure;
  return run;
}

} // namespace tarvelo::cli
