// The occurrences of the current entry's source text, each checked or not.
#pragma once

#include <QAbstractListModel>
#include <vector>

namespace tarvelo {

class TextEntry;
class TaskChain;
class UndoStack;

// The occurrences of the current entry's source text, each with a check box that
// says whether a new translation goes to it too.
class OccurrencesModel : public QAbstractListModel {
  Q_OBJECT
public:
  explicit OccurrencesModel(const TaskChain &tasks, QObject *parent = nullptr);

  // Shows the occurrences of the entry's source text, unless they already show;
  // the rows with the entry's target text are checked. Null empties the list.
  void showEntry(TextEntry *entry);
  void clear();

  // "Occurrences (%u items)", or "Occurrences" when empty.
  QString title() const;
  // The three-state box beside the title.
  Qt::CheckState overallState() const;
  void setAllChecked(bool checked);
  TextEntry *entryAt(int row) const { return m_rows[size_t(row)].entry; }
  int rowOf(const TextEntry *entry) const;

  // Gives the new text to every checked row, recording the old texts
  // in the open undo group. 2 when rows of the item list merge or split (the count
  // of distinct translations changed), 1 when other rows are affected, 0 otherwise.
  // changed counts the entries that received another text.
  int applyText(TextEntry *entry, const QString &text, UndoStack &undo, int *changed = nullptr);

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role) override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  static QString label(const TextEntry *entry, bool severalTasks);

private:
  struct Row {
    TextEntry *entry;
    bool checked;
  };
  const TaskChain &m_tasks;
  std::vector<Row> m_rows;
  QString m_shownSource;
  TextEntry *m_current = nullptr;
};

} // namespace tarvelo
