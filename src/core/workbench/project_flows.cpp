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

// A path written on Windows stays as written, so that the message names it so.
QString projectPath(const QString &path) {
  return path.size() > 1 && path[1] == u':' ? path : absolutePath(path);
}

} // namespace

bool Session::openTogether(const QList<Task> &tasks, const QString &projectFolder) {
  if (tasks.isEmpty() || !askToSave())
    return false;
  clearEntries();
  m_tasks.clear();
  m_current = nullptr;
  Q_EMIT titleChanged(QString());
  m_sourceLanguage = tasks.front().sourceLanguage;
  m_targetLanguage = tasks.front().targetLanguage;
  m_writeLanguage = m_targetLanguage;
  for (const Task &wanted : tasks) {
    if (wanted.sourceLanguage != m_sourceLanguage || wanted.targetLanguage != m_targetLanguage)
      continue;
    if (!projectFolder.isEmpty() && !wanted.targetPath.isEmpty() &&
        !targetAllowed(projectFolder, projectPath(wanted.targetPath), m_prompter))
      continue;
    const ProjectTaskOpened opened = openProjectTask(wanted);
    if (opened == ProjectTaskOpened::Abandoned) {
      clearEntries();
      m_tasks.clear();
      m_current = nullptr;
      refreshSummary();
      return false;
    }
    if (opened == ProjectTaskOpened::Stopped)
      break;
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
  showOpened();
  return true;
}

// Appends the task and reads its source and target in the session's languages; a task
// that does not open is dropped with what it had read, and the translator says whether
// the others go on.
Session::ProjectTaskOpened Session::openProjectTask(const Task &wanted) {
  Task *task = m_tasks.append();
  task->name = wanted.name;
  task->sourcePath = projectPath(wanted.sourcePath);
  task->sourceHeader = wanted.sourceHeader.isEmpty() ? QString() : projectPath(wanted.sourceHeader);
  task->sourceLanguage = m_sourceLanguage;
  task->targetPath = wanted.targetPath.isEmpty() ? QString() : projectPath(wanted.targetPath);
  task->targetLanguage = m_targetLanguage;
  m_current = task;
  const ScriptResult result = readSource(task, m_sourceLanguage);
  // The project lists a product's scripts one by one: the ones a source includes
  // are tasks of their own there.
  while (m_tasks.at(m_tasks.size() - 1) != task) {
    m_entries.removeTask(m_tasks.at(m_tasks.size() - 1));
    m_tasks.remove(m_tasks.at(m_tasks.size() - 1));
  }
  const auto release = [this](Task *dropped) {
    m_entries.removeTask(dropped);
    m_tasks.remove(dropped);
  };
  if (result == ScriptResult::SyntaxError) {
    if (!m_prompter.askYesNo(QCoreApplication::translate(
                                 "Prompter", "File '%1' is not valid resource file. Continue?")
                                 .arg(task->sourcePath)))
      return ProjectTaskOpened::Abandoned;
    release(task);
    return ProjectTaskOpened::Skipped;
  }
  bool opened = result == ScriptResult::Ok;
  if (opened && task->targetPath.isEmpty())
    afterRead(task);
  else if (opened)
    opened = openTarget(task, m_targetLanguage);
  if (!opened) {
    release(task);
    return m_prompter.askYesNo(QCoreApplication::translate(
               "Prompter", "Operation was canceled by user. Do you want to continue next task?"))
               ? ProjectTaskOpened::Skipped
               : ProjectTaskOpened::Stopped;
  }
  readCompanion(m_entries, task, task->sourcePath, m_sourceLanguage, true);
  return ProjectTaskOpened::Opened;
}

} // namespace tarvelo
