// The open tasks and everything the translator does with them.
#pragma once

#include "compiled/decompiler.h"
#include "compiled/target_kind.h"
#include "script/entry_list.h"
#include "script/script_file.h"
#include "script/script_result.h"
#include "script/task.h"
#include "workbench/occurrences_model.h"
#include "workbench/undo_stack.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace tarvelo {

class Inspector;
class ItemChecks;
class MemoryPort;
class Progress;
class Prompter;
class Settings;

// What the Open Resources dialog yields.
struct OpenRequest {
  QString sourcePath;
  int sourceLanguage = -1;
  bool specifyLater = false;
  QString targetPath;
  int targetLanguage = -1;
  // The program's resource header, whose macro names a compiled source is read with.
  QString sourceHeader{};
};

// The open tasks and everything the translator does with them: opening, saving
// and closing tasks, the current entry, changing texts with undo. It talks to the
// user only through the Prompter and the Progress it was given.
class Session : public QObject {
  Q_OBJECT
public:
  Session(Settings &settings, Prompter &prompter, Progress &progress, QObject *parent = nullptr);
  ~Session() override;

  // Collaborators, all optional.
  void setMemory(MemoryPort *memory) { m_memory = memory; }
  void setInspector(std::function<void(TextEntry *)> inspect) { m_inspect = std::move(inspect); }
  // The automatic inspection: every entry read or changed is inspected with it, and
  // it explains failures. Null inspects nothing.
  void useInspector(const Inspector *inspector);
  const Inspector *inspector() const { return m_inspector; }
  // The checks over menus, lengths and equal texts, which take part in the inspection
  // of every entry read or changed. Null runs none.
  void useItemChecks(ItemChecks *checks);
  // The settings of the checks changed: every entry is checked and inspected again.
  void recheckAll();
  // Probes machine translation for a language pair ("Test" is translated).
  void setTranslationProbe(std::function<bool(int, int)> probe) { m_probe = std::move(probe); }
  // Tells the target editor to store its pending text before a save.
  void setEditorCommit(std::function<void()> commit) { m_commitEditor = std::move(commit); }

  EntryList &entries() { return m_entries; }
  const EntryList &entries() const { return m_entries; }
  TaskChain &tasks() { return m_tasks; }
  const TaskChain &tasks() const { return m_tasks; }
  Task *currentTask() const { return m_current; }
  Settings &settings() { return m_settings; }
  Prompter &prompter() { return m_prompter; }
  Progress &progress() { return m_progress; }
  UndoStack &undoStack() { return m_undo; }
  OccurrencesModel &occurrences() { return m_occurrences; }

  int sourceLanguage() const { return m_sourceLanguage; }
  int targetLanguage() const { return m_targetLanguage; }
  int writeLanguage() const { return m_writeLanguage; }
  // The encoding the current target is written in.
  ScriptFile::Encoding targetEncoding() const { return m_targetEncoding; }
  QString sourcePath() const { return m_current ? m_current->sourcePath : QString(); }
  QString targetPath() const { return m_current ? m_current->targetPath : QString(); }
  bool isOpen() const { return !m_entries.isEmpty(); }
  bool isModified() const { return m_modified; }
  void setModified(bool modified);
  bool machineTranslationAvailable() const { return m_machineTranslation; }
  // Probes again for the open task, as after an open (the service was changed).
  void reprobeMachineTranslation();
  QString summary() const;
  bool severalTasks() const { return m_tasks.size() > 1; }

  // Task flows. Each returns false when it was cancelled or failed (after its
  // message was shown).
  enum class OpenResult { Opened, StayInDialog };
  // The ask-to-save step before Open, Inverse Open, Close and exit; false on Cancel.
  bool askToSave();
  // The Open sequence of the Open Resources dialog (the ask-to-save step comes first,
  // through the Open command).
  OpenResult open(const OpenRequest &request);
  bool inverseOpen();
  bool close();
  // Opens tasks of a project together as one: the first fixes the language pair and
  // only tasks of that pair follow it, each read as the Open sequence reads a task.
  // False when nothing was opened (the ask-to-save step cancelled, or the translator
  // declined to go on after an invalid source). With the folder of the project file
  // that names them, a task whose target the project may not write (see
  // judgeProjectTarget) is left out, after its message or the translator's No.
  bool openTogether(const QList<Task> &tasks, const QString &projectFolder = QString());
  bool save();
  bool saveAs();
  bool saveToSourceFile();
  // The translations learnt into the memory for the session's pair.
  void learnTranslations();

  // Editing.
  TextEntry *currentEntry() const { return m_currentEntry; }
  void selectEntry(TextEntry *entry);
  // The central change of a target text: the text goes to the entry and to the
  // checked occurrences, with undo. 0, 1 or 2 as the occurrences report it.
  int changeTargetText(TextEntry *entry, const QString &text);
  // 0 the target comment, 1 the source comment.
  void changeComment(TextEntry *entry, const QString &text, int which);
  void setVerified(TextEntry *entry, bool verified);
  void setRemoved(TextEntry *head, bool removed);
  // The double click on an item: while "AutoInspect" is on and the entry fails the
  // inspection, the explanation is shown in the box "Automatic Inspection". False
  // when nothing was shown.
  bool explainInspection(const TextEntry *entry);
  bool undo();
  bool redo();
  // Inspects an entry as every change of its target does.
  void inspectEntry(TextEntry *entry) const {
    if (m_inspect)
      m_inspect(entry);
  }
  // The entries an import changed (each record an undo step): the task is modified and
  // the views and the summary show the new texts.
  void textsImported(const QList<TextEntry *> &entries);

Q_SIGNALS:
  // The entry list was replaced or emptied: every view rebuilds.
  void entriesReset();
  // Target texts changed: rows split or merged (rebuild) or just changed.
  void textsChanged(const QList<TextEntry *> &entries, bool rebuild);
  void currentEntryChanged(TextEntry *entry);
  void summaryChanged(const QString &summary);
  void titleChanged(const QString &title);
  void modifiedChanged(bool modified);

private:
  enum class SaveMode { Save, SaveAs, SaveToSource };
  // Saved; not saved but the other tasks go on; stop the command.
  enum class DialogResult { Saved, NotSaved, Stop };
  // The target was not written; written with its companion files; written without them
  // (reported), so that the task stays modified and a later save writes them again.
  enum class Written { No, Completely };

  void clearEntries();
  // Inspects the touched entries after the checks ran on them, adding the entries
  // whose findings changed with them (the other items of a menu).
  void inspectTouched(QList<TextEntry *> &touched);
  bool applied(const UndoStack::Group *group);
  ScriptResult readSource(Task *task, int language);
  bool openTarget(Task *task, int language);
  void afterRead(Task *task);
  void readFurtherTasks();
  // Rewrites the companion of a script from the task's entries, when it has one.
  void refreshCompanion(Task *task, const QString &scriptPath, int language, bool isSource);
  void connectMemory();
  // The form is the one the file at path has or its name gives, unless chosen.
  Written writeTarget(Task *task, const QString &path, int language, bool selective,
                      std::optional<TargetKind> kind = std::nullopt);
  bool scriptTargetBytes(Task *task, const QString &path, int language, bool selective,
                         QByteArray &bytes, QList<SideFile> &sideFiles);
  bool compiledTargetBytes(Task *task, const QString &path, int language, TargetKind kind,
                           QByteArray &bytes);
  bool confirmProgramCopy(const Task *task, const QString &path);
  // Files read or written are remembered with their time and size, so that one another
  // program changed is not replaced without asking.
  void rememberFile(const QString &path);
  bool confirmReplacing(const QString &path);
  Written writeToOwnFile(Task *task);
  bool saveTasks(SaveMode mode);
  DialogResult saveWithDialog(SaveMode mode);
  void saveRemainingTasks(SaveMode mode);
  bool askContinue() const;
  void refreshSummary();
  void writeOpenSettings(bool targetSpecified);
  bool refusesTarget(const QString &targetPath);
  bool openSource(const OpenRequest &request);
  bool openFirstTarget(const OpenRequest &request, const QString &targetPath);
  void pairIncludedScripts();
  void showOpened();
  // A task of a project opened; skipped; not opened, and the translator opens no more;
  // or every task given up.
  enum class ProjectTaskOpened { Opened, Skipped, Stopped, Abandoned };
  ProjectTaskOpened openProjectTask(const Task &wanted);
  QString languageName(int language) const;

  Settings &m_settings;
  Prompter &m_prompter;
  Progress &m_progress;
  MemoryPort *m_memory = nullptr;
  std::function<void(TextEntry *)> m_inspect;
  const Inspector *m_inspector = nullptr;
  ItemChecks *m_checks = nullptr;
  std::function<bool(int, int)> m_probe;
  std::function<void()> m_commitEditor;

  EntryList m_entries;
  TaskChain m_tasks;
  Task *m_current = nullptr;
  int m_sourceLanguage = 0;
  int m_targetLanguage = 0;
  int m_writeLanguage = 0;
  ScriptFile::Encoding m_targetEncoding = ScriptFile::Ansi;
  bool m_modified = false;
  bool m_machineTranslation = false;
  bool m_clearFuzzy = false;
  TextEntry *m_currentEntry = nullptr;
  struct FileStamp {
    QDateTime modified;
    qint64 size = 0;
  };
  QHash<QString, FileStamp> m_fileStamps;
  UndoStack m_undo;
  OccurrencesModel m_occurrences;
};

} // namespace tarvelo
