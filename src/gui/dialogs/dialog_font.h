// The font a dialog is shown in, as the text measurement maps its FONT statement.
#pragma once

#include "dialogs/dialog_units.h"

#include <QFont>
#include <QString>
#include <memory>

namespace tarvelo {
class MeasuringFont;
class TextMeasure;
struct ShownDialog;
} // namespace tarvelo

namespace tarvelo::gui {

// The font a dialog is shown in, as the text measurement maps its FONT statement:
// the same family and pixel height, so that the preview and the dialogs report
// agree on base units and on which texts fit.
struct DialogFont {
  std::shared_ptr<const MeasuringFont> measuring;
  QFont font;
  BaseUnits units;
  int pixelHeight = 0; // the character height the measurement gives
  bool fallback = false;
  // "Segoe UI not installed: measured with Tahoma", or empty.
  QString notice() const;
};

DialogFont dialogFont(const ShownDialog &dialog, const TextMeasure &measure);

} // namespace tarvelo::gui
