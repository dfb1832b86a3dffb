// Opening tasks: reading sources and targets, and the settings an open writes.
#include "files/file_messages.h"
#include "script/companion_file.h"
#include "script/resource_script.h"
#include "script/script_path.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "workbench/path_rules.h"
#include "workbench/session.h"
#include "workbench/target_check.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarvelo {

namespace {

ScriptContext contextOf(EntryList &entries, TaskChain &tasks, Prompter &prompter,
                        Progress &progress, Settings &settings) {
  return {&entries, &tasks, &prompter, &progress, &settings};
}

} // namespace

bool Session::askToSave() {
  if (m_modified && !m_entries.isEmpty()) {
    const Prompter::Answer answer =
        m_prompter.message(QStringLiteral("Do you want to save resource file?"),
                           Prompter::Buttons::YesNoCancel, Prompter::Icon::Question);
    if (answer == Prompter::Answer::Cancel)
      return false;
    if (answer == Prompter::Answer::Yes)
      save();
  }
  if (m_settings.integer(QStringLiteral("SaveTM")) == 1 && !m_entries.isEmpty())
    learnTranslations();
  return true;
}

// Reads the task's source script; a file that cannot be read is a syntax error, reported.
ScriptResult Session::readSource(Task *task, int language) {
  ResourceScript script(contextOf(m_entries, m_tasks, m_prompter, m_progress, m_settings));
  if (!script.openSource(task->sourcePath, nullptr, task->sourceHeader)) {
    m_prompter.error(cannotOpenMessage(task->sourcePath));
    return ScriptResult::SyntaxError;
  }
  const ScriptResult result = script.read(true, language, task);
  if (result == ScriptResult::Ok) {
    task->header = script.header();
    task->languageFound = script.languageFound();
    if (task == m_tasks.head())
      m_targetEncoding = script.file().encoding();
  }
  return result;
}

// Opens the target of the task for a language; a missing file is a new target.
bool Session::openTarget(Task *task, int language) {
  task->targetLanguage = language;
  if (!QFileInfo::exists(task->targetPath)) {
    afterRead(task);
    readCompanion(m_entries, task, task->targetPath, language, false);
    return true;
  }
  // A compiled target (a language DLL, a .res file, a program) is read as the script of
  // its resources, as a compiled source is.
  ResourceScript script(contextOf(m_entries, m_tasks, m_prompter, m_progress, m_settings));
  if (!script.openSource(task->targetPath, nullptr, task->sourceHeader)) {
    m_prompter.error(cannotOpenMessage(task->targetPath));
    return false;
  }
  const ScriptResult result = script.read(false, language, task);
  if (result == ScriptResult::Cancelled)
    return false;
  if (result == ScriptResult::SyntaxError &&
      !m_prompter.askYesNo(
          QCoreApplication::translate("Prompter", "File '%1' is not valid resource file. Continue?")
              .arg(task->targetPath)))
    return false;
  if (task == m_tasks.head())
    m_targetEncoding = script.file().encoding();
  rememberFile(task->targetPath);
  afterRead(task);
  readCompanion(m_entries, task, task->targetPath, language, false);
  return true;
}

Session::OpenResult Session::open(const OpenRequest &request) {
  if (!request.specifyLater && refusesTarget(request.targetPath))
    return OpenResult::StayInDialog;
  // A compiled target keeps its name; a script's gets the script extension.
  const bool compiled = targetKindFor(request.targetPath) != TargetKind::Script;
  const QString targetPath = request.specifyLater ? QString()
                             : compiled           ? request.targetPath
                                                  : withScriptExtension(request.targetPath);
  if (!openSource(request) || !openFirstTarget(request, targetPath))
    return OpenResult::StayInDialog;
  m_current->targetLanguage = request.targetLanguage;
  if (m_tasks.size() > 1)
    pairIncludedScripts();
  readCompanion(m_entries, m_current, m_current->sourcePath, m_sourceLanguage, true);
  m_machineTranslation = m_probe && m_probe(m_sourceLanguage, m_targetLanguage);
  writeOpenSettings(!request.specifyLater);
  connectMemory();
  showOpened();
  return OpenResult::Opened;
}

// A file that is there and no script is refused, rather than taken as a new target
// beside it (picture.png.rc).
bool Session::refusesTarget(const QString &targetPath) {
  const QString refusal = notAScriptReason(absolutePath(targetPath));
  if (refusal.isEmpty())
    return false;
  m_prompter.error(notAScriptMessage(absolutePath(targetPath), refusal));
  return true;
}

// Replaces the open tasks by the request's and reads its source; false when the open
// dialog stays.
bool Session::openSource(const OpenRequest &request) {
  clearEntries();
  m_tasks.clear();
  m_current = m_tasks.append();
  Q_EMIT titleChanged(QString());
  m_sourceLanguage = request.sourceLanguage;
  m_targetLanguage = 0;
  m_current->sourcePath = absolutePath(request.sourcePath);
  m_current->sourceLanguage = request.sourceLanguage;
  m_current->sourceHeader = absolutePath(request.sourceHeader);

  const ScriptResult result = readSource(m_current, request.sourceLanguage);
  if (result == ScriptResult::SyntaxError) {
    m_prompter.error(QStringLiteral("Invalid source file"));
    clearEntries();
    return false;
  }
  if (result == ScriptResult::Cancelled) {
    clearEntries();
    return false;
  }
  return !m_entries.isEmpty() ||
         m_prompter.askYesNo(
             QCoreApplication::translate("Prompter", "No %1 resource item found. Continue?")
                 .arg(languageName(request.sourceLanguage)));
}

// Opens the target of the first task, or leaves it to be named on saving.
bool Session::openFirstTarget(const OpenRequest &request, const QString &targetPath) {
  m_targetLanguage = request.targetLanguage;
  m_writeLanguage = request.targetLanguage;
  if (request.specifyLater) {
    m_current->targetPath.clear();
    m_current->targetLanguage = request.targetLanguage;
    afterRead(m_current);
    return true;
  }
  m_current->targetPath = absolutePath(targetPath);
  if (openTarget(m_current, request.targetLanguage))
    return true;
  clearEntries();
  m_current->targetPath.clear();
  m_current->sourcePath.clear();
  return false;
}

// The scripts the source includes become further tasks once the translator pairs each
// with its target; without pairs they are dropped.
void Session::pairIncludedScripts() {
  ScriptPairingRequest pairing;
  for (int i = 1; i < m_tasks.size(); ++i) {
    Task *task = m_tasks.at(i);
    // The target's own include proposes its target, unless it names the source itself
    // (a target that includes the source's .rc2 as it is).
    const QString proposed =
        sameFile(task->targetPath, task->sourcePath) ? QString() : task->targetPath;
    pairing.pairs.append({task->sourcePath, m_sourceLanguage, proposed, m_targetLanguage});
  }
  if (!m_prompter.pairIncludedScripts(pairing)) {
    m_tasks.removeFurther();
    return;
  }
  for (int i = 1; i < m_tasks.size() && i - 1 < pairing.pairs.size(); ++i) {
    Task *task = m_tasks.at(i);
    const ScriptPairingRequest::Pair &pair = pairing.pairs[i - 1];
    task->sourcePath = absolutePath(pair.sourcePath);
    task->sourceLanguage = pair.sourceLanguage;
    // A script is never its own target: saving would write over the source.
    const bool own = sameFile(pair.targetPath, pair.sourcePath);
    task->targetPath = pair.targetPath.isEmpty() || own ? QString() : absolutePath(pair.targetPath);
    task->targetLanguage = pair.targetLanguage;
  }
  readFurtherTasks();
}

// A freshly opened task counts as modified; the views show it anew.
void Session::showOpened() {
  m_modified = false;
  setModified(true);
  Q_EMIT entriesReset();
  Q_EMIT titleChanged(m_current->targetPath);
  refreshSummary();
}

void Session::writeOpenSettings(bool targetSpecified) {
  m_settings.setText(QStringLiteral("SourcePath"), m_current->sourcePath);
  if (targetSpecified)
    m_settings.setText(QStringLiteral("TargetPath"), m_current->targetPath);
  m_settings.setInteger(QStringLiteral("UseTarget"), targetSpecified ? 1 : 0);
  m_settings.setInteger(QStringLiteral("SourceLanguage"), m_sourceLanguage);
  m_settings.setInteger(QStringLiteral("TargetLanguage"), m_targetLanguage);
}

// Each further task (a script the source includes, or a task of a project) is read
// with its own languages; its companion files are written again from its entries.
void Session::readFurtherTasks() {
  Task *head = m_tasks.head();
  for (int i = 1; i < m_tasks.size(); ++i) {
    Task *task = m_tasks.at(i);
    m_current = task;
    if (readSource(task, task->sourceLanguage) != ScriptResult::Ok)
      continue;
    if (task->targetPath.isEmpty()) {
      afterRead(task);
    } else if (!openTarget(task, task->targetLanguage)) {
      continue;
    }
    // Companions that exist are brought up to date; reading creates none, so a script
    // nothing was written to gets none.
    refreshCompanion(task, task->sourcePath, task->sourceLanguage, true);
    refreshCompanion(task, task->targetPath, task->targetLanguage, false);
  }
  m_current = head;
}

void Session::refreshCompanion(Task *task, const QString &scriptPath, int language, bool isSource) {
  if (!scriptPath.isEmpty() && QFileInfo::exists(companionPath(scriptPath, language)))
    writeCompanion(m_entries, task, scriptPath, language, isSource);
}

bool Session::inverseOpen() {
  if (!m_current || m_current->targetPath.isEmpty() || !askToSave())
    return false;
  const QString source = m_current->targetPath;
  const QString target = m_current->sourcePath;
  const int sourceLanguage = m_targetLanguage;
  const int targetLanguage = m_sourceLanguage;
  // The further tasks swap their sides too.
  std::vector<Task> further;
  for (int i = 1; i < m_tasks.size(); ++i) {
    Task swapped = *m_tasks.at(i);
    std::swap(swapped.sourcePath, swapped.targetPath);
    std::swap(swapped.sourceLanguage, swapped.targetLanguage);
    further.push_back(swapped);
  }
  clearEntries();
  m_tasks.clear();
  m_current = m_tasks.append();
  m_current->sourcePath = source;
  m_current->sourceLanguage = sourceLanguage;
  m_sourceLanguage = sourceLanguage;
  m_targetLanguage = targetLanguage;
  m_writeLanguage = targetLanguage;

  const ScriptResult result = readSource(m_current, sourceLanguage);
  // The new source's own includes are replaced by the swapped further tasks.
  m_tasks.removeFurther();
  if (result == ScriptResult::SyntaxError) {
    m_prompter.error(QStringLiteral("Invalid source file"));
    clearEntries();
    return false;
  }
  if (result == ScriptResult::Cancelled) {
    clearEntries();
    return false;
  }
  if (m_entries.isEmpty() &&
      !m_prompter.askYesNo(
          QCoreApplication::translate("Prompter", "No %1 resource item found. Continue?")
              .arg(languageName(sourceLanguage))))
    return false;
  m_current->targetPath = target;
  if (!openTarget(m_current, targetLanguage)) {
    clearEntries();
    m_current->sourcePath.clear();
    m_current->targetPath.clear();
    m_targetLanguage = 0;
    return false;
  }
  for (const Task &task : further)
    *m_tasks.append() = task;
  readFurtherTasks();
  readCompanion(m_entries, m_current, m_current->sourcePath, m_sourceLanguage, true);
  writeOpenSettings(true);
  connectMemory();
  m_machineTranslation = m_probe && m_probe(m_sourceLanguage, m_targetLanguage);
  m_modified = false;
  setModified(true);
  Q_EMIT entriesReset();
  Q_EMIT titleChanged(m_current->targetPath);
  refreshSummary();
  return true;
}

bool Session::close() {
  if (!askToSave())
    return false;
  clearEntries();
  m_tasks.clear();
  m_current = nullptr;
  m_sourceLanguage = m_targetLanguage = 0;
  m_machineTranslation = false;
  setModified(false);
  Q_EMIT titleChanged(QString());
  refreshSummary();
  return true;
}

} // namespace tarvelo
