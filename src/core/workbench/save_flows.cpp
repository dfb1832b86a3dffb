#include "script/companion_file.h"
#include "script/resource_group.h"
#include "script/resource_script.h"
#include "script/script_path.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "workbench/memory_port.h"
#include "workbench/path_rules.h"
#include "workbench/session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace tarvelo {

// Writes the task's target for a language into path, and the companion files of
// both scripts. Not written after "It is not possible open file '%s'." or when the
// old target did not parse and was not to be replaced.
Session::Written Session::writeTarget(Task *task, const QString &path, int language,
                                      bool selective) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  ScriptFile target;
  if (QFileInfo::exists(path)) {
    if (!target.open(path)) {
      m_prompter.error(
          QCoreApplication::translate("Prompter", "It is not possible open file '%1'.").arg(path));
      return Written::No;
    }
    // A target that is the program's own new file keeps the encoding it was given.
    if (target.isEmpty())
      target.create(m_targetEncoding);
  } else {
    target.create(task == m_tasks.head() ? m_targetEncoding : ScriptFile::Ansi);
  }
  ScriptFile source;
  source.open(task->sourcePath);
  WriteContext context;
  context.savingOption = m_settings.integer(QStringLiteral("SavingOption"));
  context.userText = m_settings.text(QStringLiteral("UserText"));
  ResourceScript writer({&m_entries, &m_tasks, &m_prompter, &m_progress, &m_settings});
  const QString targetPath = task->targetPath;
  task->targetPath = path; // names the file in the writer's questions
  const int result = writer.write(task, language, target, context, selective, &source);
  task->targetPath = targetPath;
  if (result != ScriptOk)
    return Written::No;
  if (!target.saveTo(path)) {
    m_prompter.error(
        QCoreApplication::translate("Prompter", "It is not possible open file '%1'.").arg(path));
    return Written::No;
  }
  const QStringList failed = writeTaskCompanions(m_entries, task, path, language);
  if (!failed.isEmpty())
    m_prompter.error(companionsNotWrittenMessage(path, failed));
  // Only what was written is learnt, for the language it is written in, which Save As
  // may change.
  if (task == m_tasks.head() && m_settings.integer(QStringLiteral("SaveTM")) == 0 && m_memory &&
      m_memory->isBound())
    m_memory->learnTranslations(language);
  return failed.isEmpty() ? Written::Completely : Written::WithoutCompanion;
}

Session::Written Session::writeToOwnFile(Task *task) {
  // A new target has no path yet: the save dialog asks for one.
  if (task->targetPath.isEmpty())
    return Written::No;
  return writeTarget(task, task->targetPath,
                     task == m_tasks.head() ? m_writeLanguage : task->targetLanguage, false);
}

bool Session::askContinue() const {
  return m_prompter.askYesNo(
      QStringLiteral("Operation was canceled by user. Do you want to continue next task?"));
}

bool Session::save() {
  return saveTasks(SaveMode::Save);
}
bool Session::saveAs() {
  return saveTasks(SaveMode::SaveAs);
}
bool Session::saveToSourceFile() {
  return saveTasks(SaveMode::SaveToSource);
}

// Saves the head task (its own file, or through the save dialog), then the others.
bool Session::saveTasks(SaveMode mode) {
  if (!m_current || m_entries.isEmpty())
    return false;
  if (m_commitEditor)
    m_commitEditor();
  DialogResult result = DialogResult::Saved;
  const Written written = mode == SaveMode::Save ? writeToOwnFile(m_current) : Written::No;
  if (written == Written::No)
    result = saveWithDialog(mode);
  else
    setModified(written == Written::WithoutCompanion);
  if (result == DialogResult::Stop)
    return false;
  m_undo.clear();
  saveRemainingTasks(mode);
  Q_EMIT textsChanged({}, true);
  return result == DialogResult::Saved;
}

// The save dialog for the head task: where, in which language, which resources.
Session::DialogResult Session::saveWithDialog(SaveMode mode) {
  Task *task = m_current;
  SaveFileRequest request;
  request.title =
      QCoreApplication::translate("Prompter", "Save As - %1").arg(fileNameOf(task->sourcePath));
  request.path = mode == SaveMode::SaveToSource ? task->sourcePath : task->targetPath;
  request.writeLanguage = mode == SaveMode::Save ? m_writeLanguage : task->targetLanguage;
  request.languageEditable = task == m_tasks.head() && task->targetLanguage != -1;
  std::vector<TextEntry *> offered;
  QMap<std::pair<QString, QString>, TextEntry *> sorted;
  for (const auto &entry : m_entries)
    if (entry->task == task && entry->isHead())
      sorted.insert({resourceGroupName(entry->kind), entry->identifier}, entry.get());
  for (auto it = sorted.cbegin(); it != sorted.cend(); ++it) {
    request.resources.append(
        {it.key().first, it.key().second, it.value()->selectedForSave && !it.value()->removed});
    offered.push_back(it.value());
  }
  if (!m_prompter.chooseSaveFile(request))
    return m_tasks.size() > 1 && askContinue() ? DialogResult::NotSaved : DialogResult::Stop;
  bool selective = false;
  for (size_t i = 0; i < offered.size(); ++i) {
    const bool checked = request.resources[qsizetype(i)].checked;
    selective = selective || (!checked && !offered[i]->removed);
    offered[i]->selectedForSave = checked || offered[i]->removed;
  }
  const QString path = absolutePath(withScriptExtension(request.path));
  const Written written = writeTarget(task, path, request.writeLanguage, selective);
  if (written == Written::No)
    return DialogResult::NotSaved;
  // A new target is from now on saved where the translator put it.
  if (mode == SaveMode::Save && task->targetPath.isEmpty()) {
    task->targetPath = path;
    task->targetLanguage = request.writeLanguage;
    m_writeLanguage = request.writeLanguage;
    Q_EMIT titleChanged(path);
  }
  setModified(written == Written::WithoutCompanion);
  return DialogResult::Saved;
}

void Session::saveRemainingTasks(SaveMode mode) {
  Task *head = m_tasks.head();
  for (int i = 1; i < m_tasks.size(); ++i) {
    Task *task = m_tasks.at(i);
    m_current = task;
    QString path = mode == SaveMode::SaveToSource ? task->sourcePath : task->targetPath;
    const bool direct = mode == SaveMode::Save && !path.isEmpty() &&
                        (!QFileInfo::exists(path) || QFileInfo(path).isWritable());
    if (!direct) {
      SaveFileRequest request;
      request.title =
          QCoreApplication::translate("Prompter", "Save As - %1").arg(fileNameOf(task->sourcePath));
      request.path = path;
      request.writeLanguage = task->targetLanguage;
      request.languageEditable = false;
      if (!m_prompter.chooseSaveFile(request)) {
        if (i + 1 < m_tasks.size() && !askContinue())
          break;
        continue;
      }
      path = absolutePath(withScriptExtension(request.path, QStringLiteral("rc2")));
    }
    writeTarget(task, path, task->targetLanguage, false);
  }
  m_current = head;
}

} // namespace tarvelo
