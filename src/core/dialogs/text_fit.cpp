#include "dialogs/text_fit.h"

#include "dialogs/control_item.h"
#include "dialogs/text_measure.h"

namespace tarvelo {

namespace {

// Static types that show a picture, a rectangle or a frame: their text is no text.
bool isPictureStatic(quint32 type) {
  return (type >= 3 && type <= 10) || type == 14 || type == 15;
}

// Button types drawn with a box (or the group's frame) beside the text.
bool hasBoxBesideText(quint32 type) {
  return (type >= 2 && type <= 7) || type == 9;
}

// One line: too long when wider than the room. With word breaks: too long when the
// block is higher or wider.
void measureIn(TextFit &fit, const QString &text, const MeasuringFont &font, bool wrap) {
  fit.measured = true;
  fit.wrapped = wrap;
  if (wrap) {
    fit.needed = font.wrappedSize(text, fit.room.width());
    fit.tooLong = fit.needed.height() > fit.room.height() || fit.needed.width() > fit.room.width();
  } else {
    fit.needed = font.lineSize(text);
    fit.tooLong = fit.needed.width() > fit.room.width();
  }
}

} // namespace

TextFit fitText(const DynControlItem &item, const QSize &controlPixels, const MeasuringFont &font,
                int smallIconWidth) {
  TextFit fit;
  if (item.text.isEmpty())
    return fit;
  const bool multiline = item.style & style::Multiline;
  if (item.kind == KindStatic) {
    const quint32 type = item.staticType();
    if (isPictureStatic(type))
      return fit;
    fit.room = controlPixels;
    measureIn(fit, item.text, font, type != style::StaticSimple);
  } else if (item.kind == KindButton) {
    if (item.style & (style::ButtonIcon | style::ButtonBitmap))
      return fit;
    if (hasBoxBesideText(item.buttonType())) {
      fit.room =
          QSize(controlPixels.width() - smallIconWidth - font.blankWidth(), controlPixels.height());
    } else if (multiline) {
      // Push buttons and the other plain buttons draw inside their frame.
      fit.room = controlPixels - QSize(8, 4);
    } else {
      fit.room = controlPixels - QSize(4, 4);
    }
    measureIn(fit, item.text, font, multiline);
  }
  return fit;
}

} // namespace tarvelo
