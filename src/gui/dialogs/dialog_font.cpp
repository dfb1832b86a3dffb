#include "dialogs/dialog_font.h"

#include "dialogs/shown_dialog.h"
#include "dialogs/text_measure.h"

#include <algorithm>

namespace tarvelo::gui {

namespace {
// The range the measurement keeps absurd FONT statements in.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 400;
} // namespace

int dialogPixelSize(int points, int dotsPerInch) {
  const int taken = points <= 0 ? 8 : std::clamp(points, kMinPoints, kMaxPoints);
  return std::max(1, -fontHeightForPoints(taken, dotsPerInch));
}

DialogFont dialogFont(const ShownDialog &dialog, const TextMeasure &measure) {
  const auto measuring =
      measure.font(dialog.fontFace, dialog.fontPoints, dialog.fontWeight, dialog.fontItalic);
  DialogFont result;
  result.units = measuring->baseUnits();
  result.pixelHeight = measuring->pixelHeight();
  result.fallback = measuring->isFallback();
  QFont &font = result.font;
  font.setFamily(measuring->usedFace());
  font.setPixelSize(dialogPixelSize(dialog.fontPoints, measure.dotsPerInch()));
  font.setWeight(dialog.fontWeight >= 600 ? QFont::Bold : QFont::Normal);
  font.setItalic(dialog.fontItalic);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return result;
}

} // namespace tarvelo::gui
