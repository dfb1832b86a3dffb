// One task's items inspected and spelt into findings.
#include "cli/check_task.h"

#include "cli/task_reader.h"
#include "findings/check_findings.h"
#include "findings/check_levels.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "script/verification.h"
#include "spelling/spell_checker.h"
#include "workbench/inspector.h"
#include "workbench/item_checks.h"

#include <algorithm>

namespace tarvelo::cli {

namespace {

// The item checks' findings on the entry, and passes of the checks that run for JUnit.
void itemCheckFindings(const ItemChecks &checks, const TextEntry &entry, const Task &task,
                       bool withPasses, std::vector<Finding> &out) {
  for (const ItemFinding &found : checks.findings(&entry)) {
    Finding finding = itemFinding(entry, task, found.rule.toLatin1().constData());
    finding.message = found.message;
    out.push_back(std::move(finding));
  }
  if (!withPasses)
    return;
  for (const char *rule : {"same-access-key", "length-limit", "same-as-source"}) {
    const QString id = QString::fromLatin1(rule);
    const bool menuOnly = id == QLatin1String("same-access-key");
    if (!checks.runs(id) || (menuOnly && entry.kind != QLatin1String("MENU")))
      continue;
    const auto &found = checks.findings(&entry);
    if (std::none_of(found.begin(), found.end(),
                     [&](const ItemFinding &f) { return f.rule == id; })) {
      Finding pass = itemFinding(entry, task, rule);
      pass.failed = false;
      out.push_back(std::move(pass));
    }
  }
}

} // namespace

FindingsRun checkFindings(TaskReader &reader, const CheckTools &tools, bool translatedOnly,
                          bool withPasses) {
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
    inspectionFindings(tools.inspector, *entry, task, withPasses, run.findings);
    itemCheckFindings(tools.itemChecks, *entry, task, withPasses, run.findings);
    if (tools.speller)
      spellingFindings(tools.speller->misspelt(entry->targetText), *entry, task, withPasses,
                       run.findings);
  }
  applyCheckLevels(run.findings, tools.settings);
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
