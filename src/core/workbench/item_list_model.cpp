// The item list's rows: listing, filtering, sorting and drawing the entries.
#include "workbench/item_list_model.h"

#include "script/task.h"
#include "script/text_entry.h"
#include "script/verification.h"
#include "seam/settings.h"
#include "text/case_table.h"
#include "text/locale_table.h"
#include "workbench/item_roles.h"
#include "workbench/session.h"

#include <QLocale>
#include <algorithm>

namespace tarvelo {

namespace {

bool isRightToLeft(int language) {
  if (language <= 0)
    return false;
  const LocaleInfo *info = findLocale(language);
  return info && QLocale(QString::fromLatin1(info->tag)).textDirection() == Qt::RightToLeft;
}

QString folded(const QString &text) {
  QString out = text;
  caseLowerInPlace(reinterpret_cast<char16_t *>(out.data()), size_t(out.size()));
  return out;
}

} // namespace

ItemListModel::ItemListModel(Session &session, QObject *parent)
    : QAbstractTableModel(parent), m_session(session),
      m_showInspection(session.settings().integer(QStringLiteral("AutoInspect")) != 0) {}

void ItemListModel::setFilter(std::function<bool(const TextEntry &)> filter) {
  m_filter = std::move(filter);
  rebuild();
}

void ItemListModel::setShowInspection(bool show) {
  if (m_showInspection == show)
    return;
  m_showInspection = show;
  if (!m_rows.empty())
    Q_EMIT dataChanged(index(0, StateColumn), index(rowCount() - 1, StateColumn));
}

int ItemListModel::stateImage(const TextEntry &entry, bool showInspection) {
  return entry.matchState % 5 + (showInspection && !entry.inspectionPassed ? 5 : 0);
}

int ItemListModel::commentImage(const TextEntry &entry) {
  const bool source = !entry.sourceComment().isEmpty();
  const bool target = !entry.targetComment().isEmpty();
  if (source && target)
    return 11;
  if (source)
    return 10;
  return target ? 12 : -1;
}

bool ItemListModel::listed(const TextEntry &entry) const {
  if (!entry.isTranslatable() || (entry.sourceText.isEmpty() && entry.targetText.isEmpty()))
    return false;
  if (hasEarlierTwin(&entry))
    return false;
  return !m_filter || m_filter(entry);
}

void ItemListModel::rebuild() {
  beginResetModel();
  m_rows.clear();
  for (const auto &entry : m_session.entries())
    if (listed(*entry))
      m_rows.push_back(entry.get());
  sortRows();
  reindex();
  endResetModel();
}

void ItemListModel::reindex() {
  m_rowOfEntry.clear();
  m_rowOfEntry.reserve(qsizetype(m_rows.size()));
  for (size_t i = 0; i < m_rows.size(); ++i)
    m_rowOfEntry.insert(m_rows[i], int(i));
}

void ItemListModel::sortRows() {
  const auto key = [this](const TextEntry *entry) -> QString {
    switch (m_sortColumn) {
    case SourceColumn:
      return folded(entry->sourceText);
    case TargetColumn:
      return folded(entry->targetText);
    default:
      return {};
    }
  };
  std::vector<std::pair<QString, TextEntry *>> keyed;
  keyed.reserve(m_rows.size());
  for (TextEntry *entry : m_rows)
    keyed.emplace_back(key(entry), entry);
  const bool ascending = m_sortOrder == Qt::AscendingOrder;
  std::stable_sort(keyed.begin(), keyed.end(), [&](const auto &a, const auto &b) {
    if (m_sortColumn == StateColumn) {
      const int x = a.second->matchState % 5, y = b.second->matchState % 5;
      return ascending ? x < y : y < x;
    }
    return ascending ? a.first < b.first : b.first < a.first;
  });
  for (size_t i = 0; i < keyed.size(); ++i)
    m_rows[i] = keyed[i].second;
}

void ItemListModel::sort(int column, Qt::SortOrder order) {
  if (column < StateColumn || column > TargetColumn)
    return;
  Q_EMIT layoutAboutToBeChanged();
  m_sortColumn = column;
  m_sortOrder = order;
  const QModelIndexList before = persistentIndexList();
  std::vector<TextEntry *> entries;
  for (const QModelIndex &index : before)
    entries.push_back(entryAt(index.row()));
  sortRows();
  reindex();
  for (qsizetype i = 0; i < before.size(); ++i) {
    const int row = entries[size_t(i)] ? m_rowOfEntry.value(entries[size_t(i)], -1) : -1;
    changePersistentIndex(before[i], row < 0 ? QModelIndex() : index(row, before[i].column()));
  }
  Q_EMIT layoutChanged();
}

void ItemListModel::updateEntries(const QList<TextEntry *> &entries) {
  for (TextEntry *entry : entries) {
    const int row = m_rowOfEntry.value(entry, -1);
    if (row >= 0)
      Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
  }
}

TextEntry *ItemListModel::entryAt(int row) const {
  return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)] : nullptr;
}

int ItemListModel::rowOf(TextEntry *entry) {
  if (!entry)
    return -1;
  int row = m_rowOfEntry.value(entry, -1);
  if (row < 0) {
    for (TextEntry *e = entry->prevOccurrence; e && row < 0; e = e->prevOccurrence)
      if (e->targetText == entry->targetText)
        row = m_rowOfEntry.value(e, -1);
    for (TextEntry *e = entry->nextOccurrence; e && row < 0; e = e->nextOccurrence)
      if (e->targetText == entry->targetText)
        row = m_rowOfEntry.value(e, -1);
    if (row < 0)
      return -1;
    // The row carries the entry now current.
    m_rowOfEntry.remove(m_rows[size_t(row)]);
    m_rows[size_t(row)] = entry;
    m_rowOfEntry.insert(entry, row);
  }
  return row;
}

int ItemListModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(m_rows.size());
}

int ItemListModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

bool ItemListModel::rightToLeft(int column) const {
  if (column == SourceColumn)
    return isRightToLeft(m_session.sourceLanguage());
  if (column == TargetColumn)
    return isRightToLeft(m_session.targetLanguage());
  return false;
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const {
  const TextEntry *entry = entryAt(index.row());
  if (!index.isValid() || !entry)
    return {};
  const int column = index.column();
  switch (role) {
  case Qt::DisplayRole:
  case Qt::ToolTipRole:
    if (column == SourceColumn)
      return entry->sourceText;
    if (column == TargetColumn)
      return entry->targetText;
    if (column == CommentColumn)
      return entry->targetComment().isEmpty() ? entry->sourceComment() : entry->targetComment();
    return {};
  case Qt::TextAlignmentRole:
    if (rightToLeft(column))
      return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
  case RightToLeftRole:
    return rightToLeft(column);
  case EntryRole:
    return QVariant::fromValue(quintptr(entry));
  case StateImageRole:
    return stateImage(*entry, m_showInspection);
  case InspectionFailedRole:
    return m_showInspection && !entry->inspectionPassed;
  case CommentImageRole:
    return commentImage(*entry);
  case VerifiedRole:
    return isVerified(entry);
  default:
    return {};
  }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return {};
  switch (section) {
  case SourceColumn:
    return tr(" Original Text");
  case TargetColumn:
    return tr(" Translated Text");
  case CommentColumn:
    return tr("Comment:");
  default:
    return QString();
  }
}

} // namespace tarvelo
