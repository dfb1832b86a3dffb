// The occurrences list of the current source text, with its check boxes.
#include "workbench/occurrences_model.h"

#include "script/script_path.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "workbench/undo_stack.h"

#include <QSet>

namespace tarvelo {

namespace {

// The first entry of an entry's occurrence chain.
TextEntry *chainRoot(TextEntry *entry) {
  while (entry->prevOccurrence)
    entry = entry->prevOccurrence;
  return entry;
}

int distinctTargets(TextEntry *entry) {
  QSet<QString> targets;
  for (TextEntry *e = chainRoot(entry); e; e = e->nextOccurrence)
    targets.insert(e->targetText);
  return int(targets.size());
}

} // namespace

OccurrencesModel::OccurrencesModel(const TaskChain &tasks, QObject *parent)
    : QAbstractListModel(parent), m_tasks(tasks) {}

QString OccurrencesModel::label(const TextEntry *entry, bool severalTasks) {
  QString text;
  const TextEntry *head = entry->head();
  if (head && head != entry && entry->entryClass() != TextEntry::Class::String)
    text = QStringLiteral("%1 (%2 %3)").arg(entry->identifier, entry->kind, head->identifier);
  else
    text = QStringLiteral("%1 (%2)").arg(entry->identifier, entry->kind);
  if (severalTasks && entry->task)
    text += QStringLiteral(" (") + fileNameOf(entry->task->sourcePath) + u')';
  return text;
}

void OccurrencesModel::clear() {
  beginResetModel();
  m_rows.clear();
  m_shownSource.clear();
  m_current = nullptr;
  endResetModel();
}

void OccurrencesModel::showEntry(TextEntry *entry) {
  if (!entry || !entry->isTranslatable()) {
    clear();
    return;
  }
  if (!m_rows.empty() && entry->sourceText == m_shownSource && rowOf(entry) >= 0) {
    // Another entry of the same row of the item list keeps the checks the translator
    // set; one with another translation checks the rows of its own text, so that its
    // own row is checked and typing changes it.
    const bool sameTranslation = m_current && m_current->targetText == entry->targetText;
    m_current = entry;
    if (!sameTranslation) {
      for (Row &row : m_rows)
        row.checked = row.entry->targetText == entry->targetText;
      Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1), {Qt::CheckStateRole});
    }
    return;
  }
  beginResetModel();
  m_rows.clear();
  m_current = entry;
  m_shownSource = entry->sourceText;
  for (TextEntry *e = entry->sourceText.isEmpty() ? entry : chainRoot(entry); e;
       e = entry->sourceText.isEmpty() ? nullptr : e->nextOccurrence) {
    if (e->isTranslatable() && !(e->sourceText.isEmpty() && e->targetText.isEmpty() && e != entry))
      m_rows.push_back({e, e->targetText == entry->targetText});
  }
  endResetModel();
}

int OccurrencesModel::rowOf(const TextEntry *entry) const {
  for (size_t i = 0; i < m_rows.size(); ++i)
    if (m_rows[i].entry == entry)
      return int(i);
  return -1;
}

QString OccurrencesModel::title() const {
  return m_rows.empty() ? tr("Occurrences") : tr("Occurrences (%n items)", nullptr, rowCount());
}

Qt::CheckState OccurrencesModel::overallState() const {
  int checked = 0;
  for (const Row &row : m_rows)
    checked += row.checked ? 1 : 0;
  if (checked == 0)
    return Qt::Unchecked;
  return checked == int(m_rows.size()) ? Qt::Checked : Qt::PartiallyChecked;
}

void OccurrencesModel::setAllChecked(bool checked) {
  for (Row &row : m_rows)
    row.checked = checked;
  if (!m_rows.empty())
    Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1), {Qt::CheckStateRole});
}

int OccurrencesModel::applyText(TextEntry *entry, const QString &text, UndoStack &undo,
                                int *changed) {
  showEntry(entry);
  const QString oldText = entry->targetText;
  const int before = distinctTargets(entry);
  bool othersAffected = false;
  TextEntry *last = nullptr;
  int count = 0;
  const auto give = [&](TextEntry *e) {
    if (e->targetText == text)
      return;
    undo.record(e, e->targetText);
    e->targetText = text;
    last = e;
    ++count;
  };
  // Only the checked rows take the text, the entry's own row too: unchecking it
  // keeps the entry's translation while the others change.
  for (const Row &row : m_rows) {
    if (row.checked) {
      if (row.entry->targetText != oldText)
        othersAffected = true;
      give(row.entry);
    } else if (row.entry->targetText == oldText) {
      othersAffected = true;
    }
  }
  if (last)
    last->verified = true;
  for (Row &row : m_rows)
    row.checked = row.entry->targetText == entry->targetText;
  if (!m_rows.empty())
    Q_EMIT dataChanged(index(0), index(int(m_rows.size()) - 1));
  if (changed)
    *changed = count;
  if (distinctTargets(entry) != before)
    return 2;
  return othersAffected ? 1 : 0;
}

int OccurrencesModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant OccurrencesModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= int(m_rows.size()))
    return {};
  const Row &row = m_rows[size_t(index.row())];
  switch (role) {
  case Qt::DisplayRole:
    return label(row.entry, m_tasks.size() > 1);
  case Qt::CheckStateRole:
    return row.checked ? Qt::Checked : Qt::Unchecked;
  case Qt::ToolTipRole:
    return row.entry->targetText;
  default:
    return {};
  }
}

bool OccurrencesModel::setData(const QModelIndex &index, const QVariant &value, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole || index.row() >= int(m_rows.size()))
    return false;
  m_rows[size_t(index.row())].checked = value.toInt() == Qt::Checked;
  Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

Qt::ItemFlags OccurrencesModel::flags(const QModelIndex &index) const {
  if (!index.isValid())
    return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

QVariant OccurrencesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
    return title();
  return {};
}

} // namespace tarvelo
