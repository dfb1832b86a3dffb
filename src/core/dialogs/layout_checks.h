// The layout checks of the dialogs report: controls that overlap or stand outside.
#pragma once

#include "dialogs/dialog_units.h"

#include <QString>
#include <QtGlobal>
#include <utility>
#include <vector>

namespace tarvelo {

struct DynControlItem;

// A rectangle with room for any coordinates a script may hold; right and bottom are
// exclusive.
struct Box {
  qint64 left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Box &) const = default;
};

// One control as the layout checks see it, in the dialog shown and in the source.
struct PlacedControl {
  // Dialog units, as the control covers the dialog: a drop-down combo box closed.
  Box shownUnits, sourceUnits;
  // The same in pixels of each dialog's font.
  Box shownPixels, sourcePixels;
  // False for controls that take no room of their own: without a size, or placed by
  // the program beside their buddy.
  bool placed = true;
  // Group boxes, frames, rectangles, pictures and tabs hold other controls inside.
  bool container = false;
};

// The control's covered rectangle in dialog units (x, y, width, height as written).
Box coveredUnits(const DynControlItem &item, int x, int y, int width, int height);
Box unitsToPixels(const Box &units, BaseUnits baseUnits);
bool takesRoom(const DynControlItem &item, int width, int height);
bool holdsOthers(const DynControlItem &item);

// The pairs (later, earlier) of controls that overlap in the shown dialog but did not
// in the source. A control lying inside a container does not overlap it; rounding to
// pixels does not make an overlap.
std::vector<std::pair<int, int>> newOverlaps(const std::vector<PlacedControl> &controls);

// Whether the control reaches outside its dialog (a client area of that size in dialog
// units) in the shown dialog while it did not in the source.
bool newlyOutside(const PlacedControl &control, int shownWidth, int shownHeight, int sourceWidth,
                  int sourceHeight);

// The access key of a control text: the character after the first single "&" ("&&"
// is an ampersand), case-folded; empty without one.
QString accessKey(const QString &text);

} // namespace tarvelo
