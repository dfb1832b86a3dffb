// Dialog base units and the conversions between dialog units and pixels.
#include "dialogs/dialog_units.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tarvelo {

int mulDiv(int number, int numerator, int denominator) {
  if (denominator == 0)
    return -1;
  const long long product = static_cast<long long>(number) * numerator;
  long long quotient = product / denominator;
  const long long remainder = product % denominator;
  // Half away from zero: twice the remainder reaching the denominator rounds up.
  if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(denominator)))
    quotient += ((product < 0) != (denominator < 0)) ? -1 : 1;
  if (quotient > INT_MAX || quotient < INT_MIN)
    return -1;
  return static_cast<int>(quotient);
}

BaseUnits baseUnitsFromLetters(int lettersWidth, int fontHeight) {
  return {(lettersWidth / 26 + 1) / 2, fontHeight};
}

int fontHeightForPoints(int points, int dotsPerInch) {
  return -mulDiv(points, dotsPerInch, 72);
}

int xToPixels(int x, BaseUnits units) {
  return mulDiv(x, units.x, 4);
}

int yToPixels(int y, BaseUnits units) {
  return mulDiv(y, units.y, 8);
}

int xToDialogUnits(int x, BaseUnits units) {
  return units.x > 0 ? mulDiv(x, 4, units.x) : 0;
}

int yToDialogUnits(int y, BaseUnits units) {
  return units.y > 0 ? mulDiv(y, 8, units.y) : 0;
}

QRect toPixels(const QRect &du, BaseUnits units) {
  return QRect(xToPixels(du.x(), units), yToPixels(du.y(), units), xToPixels(du.width(), units),
               yToPixels(du.height(), units));
}

QRect toDialogUnits(const QRect &px, BaseUnits units) {
  return QRect(xToDialogUnits(px.x(), units), yToDialogUnits(px.y(), units),
               xToDialogUnits(px.width(), units), yToDialogUnits(px.height(), units));
}

BaseUnits gridUnits(BaseUnits units) {
  return {mulDiv(xToPixels(800, units), 4, 800), mulDiv(yToPixels(800, units), 8, 800)};
}

namespace {

// The pixel rectangle a rectangle converts back to after a trip through dialog units.
QRect roundTrip(const QRect &px, BaseUnits units) {
  return toPixels(toDialogUnits(px, units), units);
}

// Each edge reaches its image within the pixels of two dialog units; the bound keeps
// odd base units from looping.
int stepBound(BaseUnits units) {
  return 2 * std::max({units.x, units.y, 1}) + 4;
}

} // namespace

QRect snapToGrid(const QRect &pixels, BaseUnits units, int direction) {
  if (units.x <= 0 || units.y <= 0)
    return pixels;
  const int step = direction < 0 ? -1 : 1;
  const int bound = stepBound(units);
  // Left, moving the rectangle.
  QRect r = pixels;
  for (int i = 0; i < bound && roundTrip(r, units).left() != r.left(); ++i)
    r.translate(step, 0);
  // Right edge: the width follows.
  for (int i = 0; i < bound; ++i) {
    const QRect back = roundTrip(r, units);
    if (back.x() + back.width() == r.x() + r.width())
      break;
    r.setWidth(std::max(0, r.width() + step));
  }
  for (int i = 0; i < bound && roundTrip(r, units).top() != r.top(); ++i)
    r.translate(0, step);
  for (int i = 0; i < bound; ++i) {
    const QRect back = roundTrip(r, units);
    if (back.y() + back.height() == r.y() + r.height())
      break;
    r.setHeight(std::max(0, r.height() + step));
  }
  return r;
}

} // namespace tarvelo
