// Dialog base units, MulDiv, and conversions between dialog units and pixels.
#pragma once

#include <QRect>

namespace tarvelo {

// number × numerator / denominator with the intermediate in 64 bits, rounded half away
// from zero; -1 when the denominator is 0 (the system's MulDiv).
int mulDiv(int number, int numerator, int denominator);

// Dialog base units: the average character width and the character height of the
// dialog's font, in pixels. Four horizontal dialog units make one average character
// width, eight vertical ones the character height.
struct BaseUnits {
  int x = 0;
  int y = 0;
  bool operator==(const BaseUnits &) const = default;
};

// Base units from the width of the 52 letters A-Z a-z and the font's height, as the
// system computes them for a dialog font.
BaseUnits baseUnitsFromLetters(int lettersWidth, int fontHeight);
// The pixel height a font of that many points gets at the resolution (the negative
// value the system uses for a character height).
int fontHeightForPoints(int points, int dotsPerInch);

// Dialog units to pixels: the corner and the size are converted apart, so that a
// control keeps its pixel width wherever it stands.
QRect toPixels(const QRect &dialogUnits, BaseUnits units);
int xToPixels(int x, BaseUnits units);
int yToPixels(int y, BaseUnits units);
// Pixels to dialog units, again corner and size apart.
QRect toDialogUnits(const QRect &pixels, BaseUnits units);
int xToDialogUnits(int x, BaseUnits units);
int yToDialogUnits(int y, BaseUnits units);
// Base units as the layout editor finds them: a rectangle of 800 × 800 dialog units
// mapped to pixels, then scaled back. Equal to the base units themselves.
BaseUnits gridUnits(BaseUnits units);

// Moves a pixel rectangle to the next exact image of a whole-dialog-unit rectangle:
// first its left edge (moving it), then its right edge, then its top (moving it),
// then its bottom, each a pixel at a time in the direction (+1 right/down, -1
// left/up).
QRect snapToGrid(const QRect &pixels, BaseUnits units, int direction);

} // namespace tarvelo
