// MulDiv, conversions between dialog units and pixels, and snapping.
#include "dialogs/dialog_units.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
  struct Case {
    int number, numerator, denominator, result;
  };
  const Case cases[] = {
      {7, 6, 4, 11},
      {5, 6, 4, 8},
      {1, 1, 2, 1},
      {-1, 1, 2, -1},
      {-7, 6, 4, -11},
      {3, 13, 8, 5},
      {9, 96, 72, 12},
      {8, 96, 72, 11},
      {1, 1, 0, -1},
      {2, 3, -4, -2},
      {INT_MAX, INT_MAX, 1, -1},
  };
  for (const Case &c : cases)
    EXPECT_EQ(mulDiv(c.number, c.numerator, c.denominator), c.result)
        << c.number << "*" << c.numerator << "/" << c.denominator;
}

TEST(DialogUnits, PositionAndSizeConvertApart) {
  const BaseUnits units{6, 13};
  struct Case {
    QRect dialogUnits, pixels;
  };
  const Case cases[] = {
      {QRect(7, 0, 50, 14), QRect(11, 0, 75, 23)},
      // The same width a unit further right keeps its pixel width.
      {QRect(8, 0, 50, 14), QRect(12, 0, 75, 23)},
      {QRect(0, 0, 0, 0), QRect(0, 0, 0, 0)},
      {QRect(-4, -8, 4, 8), QRect(-6, -13, 6, 13)},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(toPixels(c.dialogUnits, units), c.pixels);
    EXPECT_EQ(toDialogUnits(c.pixels, units), c.dialogUnits);
  }
  EXPECT_EQ(gridUnits(units), units);
  EXPECT_EQ(baseUnitsFromLetters(323, 13), units);
  EXPECT_EQ(fontHeightForPoints(8, 96), -11);
  EXPECT_EQ(toDialogUnits(QRect(5, 5, 5, 5), BaseUnits{0, 0}), QRect(0, 0, 0, 0));
}

TEST(DialogUnits, SnappingReachesAnExactImageInTheDirection) {
  const BaseUnits units{8, 16}; // two pixels a unit each way
  struct Case {
    QRect pixels;
    int direction;
    QRect snapped;
  };
  const Case cases[] = {
      {QRect(11, 0, 20, 20), 1, QRect(12, 0, 20, 20)},
      {QRect(11, 0, 20, 20), -1, QRect(10, 0, 20, 20)},
      {QRect(10, 0, 21, 20), 1, QRect(10, 0, 22, 20)},
      {QRect(10, 3, 20, 21), -1, QRect(10, 2, 20, 20)},
      {QRect(10, 2, 20, 20), 1, QRect(10, 2, 20, 20)},
  };
  for (const Case &c : cases) {
    const QRect snapped = snapToGrid(c.pixels, units, c.direction);
    EXPECT_EQ(snapped, c.snapped) << c.pixels.x() << "," << c.pixels.y() << " " << c.direction;
    EXPECT_EQ(toPixels(toDialogUnits(snapped, units), units), snapped);
  }
  // Windows' own units: every snapped rectangle is an image of whole units.
  for (int x = 0; x < 40; ++x) {
    const QRect snapped = snapToGrid(QRect(x, x, x + 3, x + 5), BaseUnits{6, 13}, 1);
    EXPECT_EQ(toPixels(toDialogUnits(snapped, {6, 13}), {6, 13}), snapped) << x;
    EXPECT_GE(snapped.x(), x);
  }
}

} // namespace
} // namespace tarvelo
