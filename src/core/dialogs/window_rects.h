// The rectangles Windows gives a dialog's controls once they are created: the
// controls that size themselves (drop-down combo boxes, list boxes, up-down controls
// beside their buddy) no longer stand where the template put them.
#pragma once

#include <QRect>
#include <vector>

namespace tarvelo {

struct DynControlItem;

// The height of a list box's lines when it takes its size: the System font's, which it
// has at creation before the dialog's font reaches it (16 pixels at 96 dpi).
constexpr int kListLineHeight = 16;
// The width an up-down control takes beside its buddy, and how far it reaches over the
// buddy's border.
constexpr int kUpDownWidth = 16;
constexpr int kUpDownOverlap = 2;

// A drop-down combo box shows its edit field only: the font's height and its frame.
bool isDropDownCombo(const DynControlItem &item);
int closedComboHeight(int fontHeight);

// A control's window where it sizes itself alone (combo boxes, list boxes).
QRect ownWindow(const DynControlItem &item, QRect pixels, int fontHeight);
// An up-down control with UDS_AUTOBUDDY and an alignment: it takes the height of its
// buddy (the control before it) and stands at its side, the buddy giving up the
// room. False, and nothing changed, for other controls.
bool besideBuddy(const DynControlItem &item, QRect &self, QRect &buddy);

// The window rectangles of every control: pixels are the template's rectangles
// converted, in the dialog's order; fontHeight is the dialog font's character height.
std::vector<QRect> windowRects(const std::vector<const DynControlItem *> &items,
                               const std::vector<QRect> &pixels, int fontHeight);

} // namespace tarvelo
