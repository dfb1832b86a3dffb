// Saving targets with their companions, and confirming replacing changed files.
#include "compiled/compiled_source.h"
#include "compiled/compiled_target.h"
#include "files/file_messages.h"
#include "files/file_transaction.h"
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
// both scripts, all of them or none. Not written after a message naming the file and
// the reason, when the old target did not parse and was not to be replaced, or when
// the translator would not replace a target another program changed.
Session::Written Session::writeTarget(Task *task, const QString &path, int language, bool selective,
                                      std::optional<TargetKind> kind) {
  QString failure;
  if (!makeFolderFor(path, &failure)) {
    m_prompter.error(failure);
    return Written::No;
  }
  if (!confirmReplacing(path))
    return Written::No;
  const TargetKind form = kind.value_or(targetKindFor(path));
  QByteArray bytes;
  QList<SideFile> sideFiles; // large data of a compiled source, named by a script target
  const bool made = form == TargetKind::Script
                        ? scriptTargetBytes(task, path, language, selective, bytes, sideFiles)
                        : compiledTargetBytes(task, path, language, form, bytes);
  if (!made)
    return Written::No;
  if (!writeTaskFiles(m_entries, task, path, language, std::move(bytes), &failure,
                      form != TargetKind::Script) ||
      !writeSideFiles(sideFiles, path, &failure)) {
    m_prompter.error(failure);
    return Written::No;
  }
  rememberFile(path);
  // Only what was written is learnt, for the language it is written in, which Save As
  // may change.
  if (task == m_tasks.head() && m_settings.integer(QStringLiteral("SaveTM")) == 0 && m_memory &&
      m_memory->isBound())
    m_memory->learnTranslations(language);
  return Written::Completely;
}

// The target as a script, merged into the one at path. False after the writer's
// message when it is not to be written.
bool Session::scriptTargetBytes(Task *task, const QString &path, int language, bool selective,
                                QByteArray &bytes, QList<SideFile> &sideFiles) {
  ScriptFile target;
  if (QFileInfo::exists(path)) {
    if (!target.open(path)) {
      m_prompter.error(cannotOpenMessage(path));
      return false;
    }
    // A target that is the program's own new file keeps the encoding it was given.
    if (target.isEmpty())
      target.create(m_targetEncoding);
  } else {
    target.create(task == m_tasks.head() ? m_targetEncoding : ScriptFile::Ansi);
  }
  ScriptFile source;
  openSourceScript(source, task->sourcePath, nullptr, &sideFiles, task->sourceHeader);
  WriteContext context = writeContextOf(m_settings);
  ResourceScript writer({&m_entries, &m_tasks, &m_prompter, &m_progress, &m_settings});
  const QString targetPath = task->targetPath;
  task->targetPath = path; // names the file in the writer's questions
  const ScriptResult result = writer.write(task, language, target, context, selective, &source);
  task->targetPath = targetPath;
  if (result != ScriptResult::Ok)
    return false;
  bytes = target.takeData();
  return true;
}

// A changed program is the translator's to ship: said before the first copy is written,
// and every time the program itself would be changed (Save To Source File).
bool Session::confirmProgramCopy(const Task *task, const QString &path) {
  const QString native = QDir::toNativeSeparators(path);
  if (sameFile(path, task->sourcePath))
    return m_prompter.askYesNo(
        QCoreApplication::translate("Prompter",
                                    "'%1' is the program itself: its translation would be added "
                                    "to it, and a signed program loses its signature. Change the "
                                    "program?")
            .arg(native));
  return fileKindOf(path) == FileKind::Program ||
         m_prompter.askYesNo(
             QCoreApplication::translate(
                 "Prompter", "'%1' will be a copy of the program with the translation added. A "
                             "signed program loses its signature: sign the copy again before you "
                             "ship it. The program itself is not changed. Write the copy?")
                 .arg(native));
}

// The target as a compiled file; false after a message saying why it cannot be made.
bool Session::compiledTargetBytes(Task *task, const QString &path, int language, TargetKind kind,
                                  QByteArray &bytes) {
  if (kind == TargetKind::ProgramCopy && !confirmProgramCopy(task, path))
    return false;
  const CompiledTarget made =
      compiledTarget(task, m_entries, writeContextOf(m_settings), path, kind, language);
  if (!made.ok()) {
    m_prompter.error(QCoreApplication::translate("Prompter",
                                                 "The file '%1' could not be written: %2. The "
                                                 "files on the disk were left as they were.")
                         .arg(QDir::toNativeSeparators(path), made.error));
    return false;
  }
  if (made.signatureRemoved)
    m_prompter.message(QCoreApplication::translate(
                           "Prompter", "The program's digital signature was removed from '%1': "
                                       "the copy was changed. Sign it again before you ship it.")
                           .arg(QDir::toNativeSeparators(path)),
                       Prompter::Buttons::Ok, Prompter::Icon::Warning);
  bytes = made.bytes;
  return true;
}

void Session::rememberFile(const QString &path) {
  const QFileInfo info(path);
  m_fileStamps.insert(info.absoluteFilePath(), {info.lastModified(), info.size()});
}

// A file this session read or wrote that another program has changed since is only
// replaced when the translator agrees.
bool Session::confirmReplacing(const QString &path) {
  const QFileInfo info(path);
  const auto known = m_fileStamps.constFind(info.absoluteFilePath());
  if (known == m_fileStamps.constEnd() || !info.exists() ||
      (known->modified == info.lastModified() && known->size == info.size()))
    return true;
  return m_prompter.askYesNo(
      QCoreApplication::translate("Prompter", "The file '%1' was changed by another program "
                                              "since it was opened. Do you want to replace it?")
          .arg(QDir::toNativeSeparators(path)));
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
    setModified(false);
  if (result == DialogResult::Stop)
    return false;
  m_undo.clear();
  saveRemainingTasks(mode);
  Q_EMIT textsChanged({}, true);
  return result == DialogResult::Saved;
}

namespace {

// The forms a task's target can take: a script always; a .res file and a language DLL
// from a compiled source, or when the target is one; a program copy from a program.
QList<TargetKind> targetKindsOf(const Task &task) {
  QList<TargetKind> kinds{TargetKind::Script};
  const FileKind source = fileKindOf(task.sourcePath);
  const FileKind target = fileKindOf(task.targetPath);
  const auto compiled = [](FileKind kind) {
    return kind != FileKind::Script && kind != FileKind::Missing;
  };
  if (compiled(source) || compiled(target))
    kinds << TargetKind::CompiledResources << TargetKind::LanguageDll;
  if (source == FileKind::Program || target == FileKind::Program)
    kinds << TargetKind::ProgramCopy;
  return kinds;
}

} // namespace

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
  request.kinds = targetKindsOf(*task);
  request.kind = targetKindFor(request.path);
  if (!m_prompter.chooseSaveFile(request))
    return m_tasks.size() > 1 && askContinue() ? DialogResult::NotSaved : DialogResult::Stop;
  bool selective = false;
  for (size_t i = 0; i < offered.size(); ++i) {
    const bool checked = request.resources[qsizetype(i)].checked;
    selective = selective || (!checked && !offered[i]->removed);
    offered[i]->selectedForSave = checked || offered[i]->removed;
  }
  const bool script = request.kind == TargetKind::Script;
  const QString path = absolutePath(script ? withScriptExtension(request.path) : request.path);
  const Written written = writeTarget(task, path, request.writeLanguage, selective, request.kind);
  if (written == Written::No)
    return DialogResult::NotSaved;
  // A new target, and one saved elsewhere, is from now on saved where the translator
  // put it; a copy saved over the source leaves the task where it was.
  if (mode == SaveMode::SaveAs || (mode == SaveMode::Save && task->targetPath.isEmpty())) {
    task->targetPath = path;
    task->targetLanguage = request.writeLanguage;
    m_writeLanguage = request.writeLanguage;
    m_targetLanguage = request.writeLanguage;
    // The Open dialog offers it next time, as the last file opened.
    if (task == m_tasks.head())
      m_settings.setText(QStringLiteral("TargetPath"), path);
    Q_EMIT titleChanged(path);
  }
  setModified(false);
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
    if (writeTarget(task, path, task->targetLanguage, false) == Written::Completely &&
        mode == SaveMode::SaveAs)
      task->targetPath = path;
  }
  m_current = head;
}

} // namespace tarvelo
