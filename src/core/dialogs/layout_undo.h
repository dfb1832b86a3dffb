// The undo list of a dialog's layout: places and style words before each change.
#pragma once

#include <QRect>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tarvelo {

// Where an item of a dialog stands: its window in pixels of the client area and its
// rectangle in dialog units as the layout holds it.
struct ItemPlace {
  QRect pixels;
  QRect units;
  bool operator==(const ItemPlace &) const = default;
};

// The style words of an item (the dialog's or a control's), as the properties window
// changes them.
struct ItemStyles {
  QStringList styles;
  QStringList exStyles;
  bool operator==(const ItemStyles &) const = default;
};

// The undo list of a dialog's layout: the place or the style words each item had before
// a change, with the ends of the user's actions marked. Items are numbered by the editor
// (the controls in order, the dialog itself as -1).
class LayoutUndo {
public:
  struct Record {
    int item = 0;
    ItemPlace place;
    std::optional<ItemStyles> styles; // a change of style words, not of the place
    bool groupEnd = false;
  };
  // Puts the item at the place and says where it stood.
  using Placer = std::function<ItemPlace(int item, const ItemPlace &place)>;
  // Gives the item the style words and says which it had.
  using Styler = std::function<ItemStyles(int item, const ItemStyles &styles)>;

  // Records where the item stood before it goes to its new place. Nothing is recorded
  // when the place does not change, nor when the last record is of the same item, the
  // only one of its group so far, and the new window keeps the recorded position or
  // the recorded size (so that arrow keys pressed on one control undo at once). A
  // record drops every record after the current one. False when nothing was recorded.
  bool record(int item, const ItemPlace &before, const ItemPlace &after);
  // Records the style words the item had before they changed; never merged.
  bool recordStyles(int item, const ItemStyles &before, const ItemStyles &after);
  // The current record ends the user's action.
  void closeGroup();

  bool canUndo() const { return m_current >= 0; }
  bool canRedo() const { return m_current + 1 < int(m_records.size()); }
  // Undo puts the items of the last group back, newest first, and keeps where they
  // stood, so that redo puts them there again. False when there was nothing.
  bool undo(const Placer &place, const Styler &style = nullptr);
  bool redo(const Placer &place, const Styler &style = nullptr);
  void clear();

  const std::vector<Record> &records() const { return m_records; }
  int current() const { return m_current; }

private:
  void swapBack(Record &record, const Placer &place, const Styler &style);

  std::vector<Record> m_records;
  int m_current = -1;
};

} // namespace tarvelo
