#pragma once

#include "dialogs/dialog_units.h"

#include <QFont>
#include <QString>

namespace tarvelo {
class TextMeasure;
struct ShownDialog;
} // namespace tarvelo

namespace tarvelo::gui {

// The font a dialog is shown in, as the text measurement maps its FONT statement:
// the same family and pixel height, so that the preview and the dialogs report
// agree on base units and on which texts fit.
struct DialogFont {
  QFont font;
  BaseUnits units;
  int pixelHeight = 0; // the character height the measurement gives
  bool fallback = false;
};

DialogFont dialogFont(const ShownDialog &dialog, const TextMeasure &measure);
// The pixel size of a font of so many points at the resolution of dialogs; points
// out of the measurable range are taken as the measurement takes them.
int dialogPixelSize(int points, int dotsPerInch);

} // namespace tarvelo::gui
