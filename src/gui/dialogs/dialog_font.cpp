// The font a dialog is shown in, as the text measurement maps its FONT statement.
#include "dialogs/dialog_font.h"

#include "dialogs/shown_dialog.h"
#include "dialogs/text_measure.h"
#include "measure/qt_text_measure.h"

namespace tarvelo::gui {

DialogFont dialogFont(const ShownDialog &dialog, const TextMeasure &measure) {
  DialogFont result;
  result.measuring =
      measure.font(dialog.fontFace, dialog.fontPoints, dialog.fontWeight, dialog.fontItalic);
  result.units = result.measuring->baseUnits();
  result.pixelHeight = result.measuring->pixelHeight();
  result.fallback = result.measuring->isFallback();
  result.font = qtFontOf(*result.measuring);
  return result;
}

QString DialogFont::notice() const {
  return measuring ? fontNotice(*measuring) : QString();
}

} // namespace tarvelo::gui
