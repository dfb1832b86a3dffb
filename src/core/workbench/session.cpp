// The session's inspector, summary, modified state and entries.
#include "workbench/session.h"

#include "script/after_read.h"
#include "script/script_path.h"
#include "script/verification.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "text/locale_table.h"
#include "workbench/inspector.h"
#include "workbench/item_checks.h"
#include "workbench/memory_port.h"

namespace tarvelo {

Session::Session(Settings &settings, Prompter &prompter, Progress &progress, QObject *parent)
    : QObject(parent), m_settings(settings), m_prompter(prompter), m_progress(progress),
      m_occurrences(m_tasks) {}

Session::~Session() = default;

void Session::useInspector(const Inspector *inspector) {
  m_inspector = inspector;
  if (inspector)
    m_inspect = [this, inspector](TextEntry *entry) {
      inspector->apply(*entry);
      if (m_checks && m_checks->fails(entry))
        entry->inspectionPassed = false;
    };
  else
    m_inspect = nullptr;
}

void Session::useItemChecks(ItemChecks *checks) {
  m_checks = checks;
}

void Session::recheckAll() {
  if (m_checks)
    m_checks->checkAll(m_entries);
  if (m_entries.isEmpty())
    return;
  if (m_inspect)
    for (const auto &entry : m_entries)
      m_inspect(entry.get());
  // Any row may change, and the filter's "fails the inspection" with it: the views
  // are built anew.
  Q_EMIT textsChanged({}, true);
}

void Session::inspectTouched(QList<TextEntry *> &touched) {
  if (m_checks)
    for (TextEntry *other : m_checks->checkAgain(m_entries, touched))
      touched.append(other);
  if (m_inspect)
    for (TextEntry *e : touched)
      m_inspect(e);
}

bool Session::explainInspection(const TextEntry *entry) {
  if (!entry || !m_inspector || entry->inspectionPassed ||
      m_settings.integer(QStringLiteral("AutoInspect")) == 0)
    return false;
  m_prompter.captionedMessage(QStringLiteral("Automatic Inspection"),
                              explainItem(*m_inspector, m_checks, *entry), Prompter::Buttons::Ok,
                              Prompter::Icon::Warning);
  return true;
}

void Session::reprobeMachineTranslation() {
  m_machineTranslation = isOpen() && m_probe && m_probe(m_sourceLanguage, m_targetLanguage);
}

void Session::setModified(bool modified) {
  if (m_modified == modified)
    return;
  m_modified = modified;
  Q_EMIT modifiedChanged(modified);
}

QString Session::summary() const {
  return verificationSummary(m_entries);
}

void Session::refreshSummary() {
  Q_EMIT summaryChanged(summary());
}

QString Session::languageName(int language) const {
  if (language == 0)
    return QStringLiteral("Neutral");
  if (language == -1)
    return QString();
  return englishLanguageName(language);
}

void Session::clearEntries() {
  // The views let go of the current entry while it still exists.
  m_currentEntry = nullptr;
  Q_EMIT currentEntryChanged(nullptr);
  m_occurrences.clear();
  m_undo.clear();
  if (m_checks)
    m_checks->clear();
  m_entries.clear();
  Q_EMIT entriesReset();
}

// Links the occurrences and lets every entry of the task check itself against its
// target, then inspects it.
void Session::afterRead(Task *task) {
  AfterReadContext context{&m_entries, &m_prompter,
                           severalTasks() ? fileNameOf(task->sourcePath) : QString(),
                           &m_clearFuzzy};
  afterTargetRead(task, context);
  if (m_checks)
    m_checks->checkAll(m_entries);
  if (m_inspect)
    for (const auto &entry : m_entries)
      if (entry->task == task)
        m_inspect(entry.get());
}

void Session::connectMemory() {
  if (!m_memory || !m_memory->isBound())
    return;
  m_memory->connect(m_sourceLanguage, m_targetLanguage);
  m_memory->fillEmptyTargets(m_settings.integer(QStringLiteral("InitTM")) != 0);
  if (m_checks)
    m_checks->checkAll(m_entries);
  if (m_inspect)
    for (const auto &entry : m_entries)
      if (entry->matchState == Filled)
        m_inspect(entry.get());
}

void Session::learnTranslations() {
  if (m_memory && m_memory->isBound())
    m_memory->learnTranslations(m_targetLanguage);
}

void Session::selectEntry(TextEntry *entry) {
  m_currentEntry = entry;
  m_occurrences.showEntry(entry);
  Q_EMIT currentEntryChanged(entry);
}

int Session::changeTargetText(TextEntry *entry, const QString &text) {
  if (!entry || !entry->isTranslatable())
    return 0;
  m_undo.open();
  int changed = 0;
  const int result = m_occurrences.applyText(entry, text, m_undo, &changed);
  m_undo.close();
  if (changed > 0)
    setModified(true);
  QList<TextEntry *> touched;
  for (int row = 0; row < m_occurrences.rowCount(); ++row)
    touched.append(m_occurrences.entryAt(row));
  if (!touched.contains(entry))
    touched.append(entry);
  inspectTouched(touched);
  Q_EMIT textsChanged(touched, result == 2);
  if (result >= 1)
    refreshSummary();
  return result;
}

void Session::changeComment(TextEntry *entry, const QString &text, int which) {
  if (!entry)
    return;
  if ((which == 0 ? entry->targetComment() : entry->sourceComment()) == text)
    return;
  if (which == 0)
    entry->setTargetComment(text);
  else
    entry->setSourceComment(text);
  setModified(true);
  Q_EMIT textsChanged({entry}, false);
}

void Session::setVerified(TextEntry *entry, bool verified) {
  if (!entry)
    return;
  tarvelo::setVerified(entry, verified);
  setModified(true);
  Q_EMIT textsChanged({entry}, false);
  refreshSummary();
}

void Session::setRemoved(TextEntry *head, bool removed) {
  if (!head || head->removed == removed)
    return;
  head->removed = removed;
  setModified(true);
  Q_EMIT textsChanged({head}, false);
}

void Session::textsImported(const QList<TextEntry *> &entries) {
  if (entries.isEmpty())
    return;
  setModified(true);
  Q_EMIT textsChanged(entries, true);
  refreshSummary();
}

bool Session::undo() {
  selectEntry(nullptr);
  return applied(m_undo.undo());
}

bool Session::redo() {
  return applied(m_undo.redo());
}

// A group that undo or redo applied: its entries are inspected and shown again.
bool Session::applied(const UndoStack::Group *group) {
  if (!group)
    return false;
  QList<TextEntry *> touched;
  for (const UndoStack::Record &record : *group)
    touched.append(record.entry);
  inspectTouched(touched);
  setModified(true);
  Q_EMIT textsChanged(touched, true);
  refreshSummary();
  selectEntry(touched.first());
  return true;
}

} // namespace tarvelo
