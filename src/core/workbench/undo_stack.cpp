// Recording, undoing and redoing groups of target-text changes.
#include "workbench/undo_stack.h"

#include "script/text_entry.h"

#include <utility>

namespace tarvelo {

void UndoStack::open() {
  m_open.clear();
  m_isOpen = true;
}

void UndoStack::record(TextEntry *entry, const QString &previousText) {
  if (m_isOpen)
    m_open.push_back({entry, previousText});
}

void UndoStack::close() {
  m_isOpen = false;
  if (m_open.empty())
    return;
  m_groups.resize(size_t(m_cursor + 1));
  m_groups.push_back(std::move(m_open));
  m_open.clear();
  m_cursor = int(m_groups.size()) - 1;
}

void UndoStack::apply(Group &group) {
  for (Record &record : group)
    std::swap(record.text, record.entry->targetText);
}

const UndoStack::Group *UndoStack::undo() {
  if (!canUndo())
    return nullptr;
  Group &group = m_groups[size_t(m_cursor--)];
  // Undo in reverse, so that an entry changed twice in one group ends at its first text.
  for (auto it = group.rbegin(); it != group.rend(); ++it)
    std::swap(it->text, it->entry->targetText);
  return &group;
}

const UndoStack::Group *UndoStack::redo() {
  if (!canRedo())
    return nullptr;
  Group &group = m_groups[size_t(++m_cursor)];
  apply(group);
  return &group;
}

void UndoStack::clear() {
  m_groups.clear();
  m_cursor = -1;
  m_open.clear();
  m_isOpen = false;
}

} // namespace tarvelo
