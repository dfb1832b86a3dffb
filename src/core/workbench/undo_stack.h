// Groups of target-text changes that serve undo and redo alike.
#pragma once

#include <QString>
#include <vector>

namespace tarvelo {

class TextEntry;

// Groups of target-text changes. Applying a group swaps each record's text with
// its entry's current target text, so the same group serves undo and redo.
class UndoStack {
public:
  struct Record {
    TextEntry *entry;
    QString text;
  };
  using Group = std::vector<Record>;

  // A group is opened before an operation and closed after it: an empty group is
  // dropped, a non-empty one replaces every group after the cursor.
  void open();
  void record(TextEntry *entry, const QString &previousText);
  void close();

  bool canUndo() const { return m_cursor >= 0; }
  bool canRedo() const { return m_cursor + 1 < int(m_groups.size()); }
  // The group applied, or null when there was none.
  const Group *undo();
  const Group *redo();
  void clear();

private:
  void apply(Group &group);

  std::vector<Group> m_groups;
  int m_cursor = -1;
  Group m_open;
  bool m_isOpen = false;
};

} // namespace tarvelo
