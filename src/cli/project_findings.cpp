// Every task of a project checked into one set of findings: SARIF, JUnit, GitHub or JSON.
#include "cli/check_task.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/findings_output.h"
#include "cli/task_reader.h"
#include "files/file_messages.h"
#include "findings/finding_writers.h"
#include "project/project_file.h"
#include "seam/settings.h"
#include "workbench/inspector.h"
#include "workbench/item_checks.h"

#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

namespace {

// One task read and checked; a task that cannot be read is its run's failure, said on
// standard error too, and the next task goes on.
FindingsRun checkedTask(const Task &task, const Inspector &inspector, ItemChecks &checks,
                        bool withPasses) {
  if (!QFileInfo::exists(task.targetPath)) {
    const QString message = cannotOpenMessage(QFileInfo(task.targetPath).absoluteFilePath());
    std::fprintf(stderr, "error: %s\n", message.toUtf8().constData());
    return unreadTask(QStringLiteral("check"), task.targetPath, message);
  }
  MemorySettings settings;
  CliPrompter prompter(false);
  TaskReader reader(prompter, settings);
  if (!reader.read(task.sourcePath, task.sourceLanguage, task.targetPath, task.targetLanguage,
                   false, task.sourceHeader))
    return unreadTask(QStringLiteral("check"), task.targetPath, reader.failure());
  checks.checkAll(reader.entries());
  const FindingsRun run =
      checkFindings(reader, {inspector, checks, nullptr, settings}, false, withPasses);
  // The next task's entries are other ones.
  checks.clear();
  return run;
}

} // namespace

int checkProjectFindings(const Project &project, const FindingsOptions &output) {
  MemorySettings settings;
  Inspector inspector;
  inspector.loadRules(settings);
  ItemChecks checks;
  checks.setLevels(settings);
  std::vector<FindingsRun> runs;
  int failing = 0, unread = 0;
  for (const Task &task : project.tasks) {
    runs.push_back(checkedTask(task, inspector, checks, output.withPasses()));
    unread += runs.back().readFailed ? 1 : 0;
    for (const Finding &finding : runs.back().findings)
      failing += finding.failed ? 1 : 0;
  }
  const bool written = output.format == OutputFormat::Json
                           ? writeOutput(findingsJson(runs, output.root), output)
                           : writeFindings(runs, output);
  if (!written)
    return 2;
  std::fprintf(stderr, "%d findings in %d tasks; %d tasks could not be read\n", failing,
               int(runs.size()), unread);
  return findingsStatus(runs, output.failOn, failing > 0 ? 1 : 0);
}

} // namespace tarvelo::cli
