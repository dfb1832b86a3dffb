// A task's scripts read from disk for an analysis, the failure said in words.
#include "analysis/task_entries.h"

#include "files/file_messages.h"
#include "script/after_read.h"
#include "script/companion_file.h"
#include "script/resource_script.h"
#include "script/script_context.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarvelo {

namespace {

// Opens and reads one side; false with the file, and the line that did not parse.
bool readSide(ResourceScript &script, bool isSource, Task *task, QString &error) {
  const QString &path = isSource ? task->sourcePath : task->targetPath;
  QString damage;
  if (!script.openSource(path, &damage, task->sourceHeader)) {
    error = damage.isEmpty() ? cannotOpenMessage(path) : path + QStringLiteral(": ") + damage;
    return false;
  }
  if (script.read(isSource, isSource ? task->sourceLanguage : task->targetLanguage, task) ==
      ScriptResult::Ok)
    return true;
  error = script.errorLine() > 0
              ? QCoreApplication::translate("Analysis", "%1:%2: the script does not parse at: %3")
                    .arg(path)
                    .arg(script.errorLine())
                    .arg(script.errorText())
              : QCoreApplication::translate("Analysis", "%1: the script does not parse").arg(path);
  return false;
}

} // namespace

TaskEntries::TaskEntries(Settings &settings) : m_settings(settings) {}

bool TaskEntries::read(const Task &given, QString &error) {
  m_entries.clear();
  m_tasks.clear();
  Task *task = m_tasks.append();
  *task = given;
  task->sourcePath = QFileInfo(given.sourcePath).absoluteFilePath();
  task->targetPath =
      given.targetPath.isEmpty() ? QString() : QFileInfo(given.targetPath).absoluteFilePath();
  const ScriptContext context{&m_entries, &m_tasks, &m_prompter, &m_progress, &m_settings};
  ResourceScript source(context);
  if (!readSide(source, true, task, error))
    return false;
  // Scripts the source pulls in are not part of the task.
  while (m_tasks.size() > 1)
    m_tasks.remove(m_tasks.at(1));
  const bool existing = !task->targetPath.isEmpty() && QFileInfo::exists(task->targetPath);
  if (existing) {
    ResourceScript target(context);
    if (!readSide(target, false, task, error))
      return false;
  }
  bool clearFuzzy = false;
  AfterReadContext afterRead{&m_entries, &m_prompter, QString(), &clearFuzzy};
  afterTargetRead(task, afterRead);
  readCompanion(m_entries, task, task->sourcePath, task->sourceLanguage, true);
  if (existing)
    readCompanion(m_entries, task, task->targetPath, task->targetLanguage, false);
  return true;
}

} // namespace tarvelo
