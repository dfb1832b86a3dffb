// Opening the tasks of a project together as one task.

#include "project/target_policy.h"
#include "script/companion_file.h"
#include "script/resource_script.h"
#include "seam/prompter.h"
#include "workbench/path_rules.h"
#include "workbench/session.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

// Whether a target the project names may be written: refused ones are reported, and
// one outside the project's folder needs the translator's yes.
bool targetAllowed(const QString &projectFolder, const QString &target, Prompter &prompter) {
  const TargetVerdict verdict = judgeProjectTarget(projectFolder, target);
  switch (verdict.place) {
  case TargetPlace::Inside:
    return true;
  case TargetPlace::Outside:
    return prompter.askYesNo(outsideTargetQuestion(target));
  case TargetPlace::Refused:
    break;
  }
  prompter.error(refusedTargetMessage(verdict));
  return false;
}

} // namespace

bool Session::openTogether(const QList<Task> &tasks, const QString &projectFolder) {
  if (tasks.isEmpty() || !askToSave())
    return false;
  clearEntries();
  m_tasks.clear();
  m_current = nullptr;
  Q_EMIT titleChanged(QString());
  const int sourceLanguage = tasks.front().sourceLanguage;
  const int targetLanguage = tasks.front().targetLanguage;
  m_sourceLanguage = sourceLanguage;
  m_targetLanguage = targetLanguage;
  m_writeLanguage = targetLanguage;

  // A path written on Windows stays as written, so that the message names it so.
  const auto full = [](const QString &path) {
    return path.size() > 1 && path[1] == u':' ? path : absolutePath(path);
  };
  // Drops a task that did not open, with what it had read.
  const auto release = [this](Task *task) {
    m_entries.removeTask(task);
    m_tasks.remove(task);
  };
  for (const Task &wanted : tasks) {
    if (wanted.sourceLanguage != sourceLanguage || wanted.targetLanguage != targetLanguage)
      continue;
    if (!projectFolder.isEmpty() && !wanted.targetPath.isEmpty() &&
        !targetAllowed(projectFolder, full(wanted.targetPath), m_prompter))
      continue;
    Task *task = m_tasks.append();
    task->name = wanted.name;
    task->sourcePath = full(wanted.sourcePath);
    task->sourceLanguage = sourceLanguage;
    task->targetPath = wanted.targetPath.isEmpty() ? QString() : full(wanted.targetPath);
    task->targetLanguage = targetLanguage;
    m_current = task;
    const ScriptResult result = readSource(task, sourceLanguage);
    // The project lists a product's scripts one by one: the ones a source includes
    // are tasks of their own there.
    while (m_tasks.at(m_tasks.size() - 1) != task) {
      m_entries.removeTask(m_tasks.at(m_tasks.size() - 1));
      m_tasks.remove(m_tasks.at(m_tasks.size() - 1));
    }
    if (result == ScriptResult::SyntaxError) {
      if (!m_prompter.askYesNo(QCoreApplication::translate(
                                   "Prompter", "File '%1' is not valid resource file. Continue?")
                                   .arg(task->sourcePath))) {
        clearEntries();
        m_tasks.clear();
        m_current = nullptr;
        refreshSummary();
        return false;
      }
      release(task);
      continue;
    }
    bool opened = result == ScriptResult::Ok;
    if (opened && task->targetPath.isEmpty())
      afterRead(task);
    else if (opened)
      opened = openTarget(task, targetLanguage);
    if (!opened) {
      release(task);
      if (!m_prompter.askYesNo(QCoreApplication::translate(
              "Prompter", "Operation was canceled by user. Do you want to continue next task?")))
        break;
      continue;
    }
    readCompanion(m_entries, task, task->sourcePath, sourceLanguage, true);
  }
  m_current = m_tasks.head();
  if (!m_current) {
    clearEntries();
    refreshSummary();
    return false;
  }
  m_machineTranslation = m_probe && m_probe(m_sourceLanguage, m_targetLanguage);
  connectMemory();
  // Opened tasks count as modified, as a task opened alone does.
  m_modified = false;
  setModified(true);
  Q_EMIT entriesReset();
  Q_EMIT titleChanged(m_current->targetPath);
  refreshSummary();
  return true;
}

} // namespace tarvelo
