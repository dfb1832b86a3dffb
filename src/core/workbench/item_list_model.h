// The item list model: a row per text of the open tasks.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <functional>
#include <vector>

namespace tarvelo {

class Session;
class TextEntry;

// The item list: one row per text of the open tasks, in list order, except texts
// empty on both sides and repeats of a source and target pair already listed; the
// filtered list also leaves out what the filter rejects.
class ItemListModel : public QAbstractTableModel {
  Q_OBJECT
public:
  enum Column { StateColumn, SourceColumn, TargetColumn, CommentColumn, ColumnCount };

  explicit ItemListModel(Session &session, QObject *parent = nullptr);

  // Only entries the filter passes are listed; an empty function lists every text.
  void setFilter(std::function<bool(const TextEntry &)> filter);
  // Whether failing inspection shows in the state image: "AutoInspect" when the model
  // is made, and again after the options change it.
  void setShowInspection(bool show);
  bool showInspection() const { return m_showInspection; }

  void rebuild();
  // Redraws the rows of changed entries.
  void updateEntries(const QList<TextEntry *> &entries);
  TextEntry *entryAt(int row) const;
  // The row standing for the entry (or for an occurrence with the same target), which
  // from now on carries the entry; -1 when the entry is not listed.
  int rowOf(TextEntry *entry);

  int sortColumn() const { return m_sortColumn; }
  Qt::SortOrder sortOrder() const { return m_sortOrder; }

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  // The state image of an entry: the state (found-but-empty draws as not found),
  // plus 5 when it fails inspection and that shows.
  static int stateImage(const TextEntry &entry, bool showInspection);
  // 10 only a source comment, 11 both, 12 only a target comment, -1 none.
  static int commentImage(const TextEntry &entry);

private:
  bool listed(const TextEntry &entry) const;
  void sortRows();
  void reindex();
  bool rightToLeft(int column) const;

  Session &m_session;
  std::function<bool(const TextEntry &)> m_filter;
  bool m_showInspection;
  std::vector<TextEntry *> m_rows;
  QHash<const TextEntry *, int> m_rowOfEntry;
  int m_sortColumn = StateColumn;
  Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace tarvelo
