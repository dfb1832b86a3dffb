// Recording, undoing and redoing the layout editor's changes in groups.
#include "dialogs/layout_undo.h"

#include <algorithm>

namespace tarvelo {

bool LayoutUndo::record(int item, const ItemPlace &before, const ItemPlace &after) {
  if (before == after)
    return false;
  const QRect &newPixels = after.pixels;
  m_records.resize(size_t(m_current + 1));
  if (m_current >= 0) {
    const Record &last = m_records[size_t(m_current)];
    const bool aloneInGroup = m_current == 0 || m_records[size_t(m_current - 1)].groupEnd;
    const bool keeps = newPixels.topLeft() == last.place.pixels.topLeft() ||
                       newPixels.size() == last.place.pixels.size();
    if (last.item == item && !last.styles && aloneInGroup && keeps)
      return false;
  }
  m_records.push_back({item, before, std::nullopt, false});
  m_current = int(m_records.size()) - 1;
  return true;
}

bool LayoutUndo::recordStyles(int item, const ItemStyles &before, const ItemStyles &after) {
  if (before == after)
    return false;
  m_records.resize(size_t(m_current + 1));
  m_records.push_back({item, {}, before, false});
  m_current = int(m_records.size()) - 1;
  return true;
}

void LayoutUndo::swapBack(Record &record, const Placer &place, const Styler &style) {
  if (!record.styles)
    record.place = place(record.item, record.place);
  else if (style)
    record.styles = style(record.item, *record.styles);
}

void LayoutUndo::closeGroup() {
  if (m_current >= 0)
    m_records[size_t(m_current)].groupEnd = true;
}

bool LayoutUndo::undo(const Placer &place, const Styler &style) {
  if (m_current < 0)
    return false;
  // Changes not yet closed are one action too.
  m_records[size_t(m_current)].groupEnd = true;
  int first = m_current;
  while (first > 0 && !m_records[size_t(first - 1)].groupEnd)
    --first;
  for (int i = m_current; i >= first; --i)
    swapBack(m_records[size_t(i)], place, style);
  m_current = first - 1;
  return true;
}

bool LayoutUndo::redo(const Placer &place, const Styler &style) {
  if (!canRedo())
    return false;
  int i = m_current + 1;
  for (; i < int(m_records.size()); ++i) {
    Record &r = m_records[size_t(i)];
    swapBack(r, place, style);
    if (r.groupEnd)
      break;
  }
  m_current = std::min(i, int(m_records.size()) - 1);
  return true;
}

void LayoutUndo::clear() {
  m_records.clear();
  m_current = -1;
}

} // namespace tarvelo
