// Measuring a control's text in the room the control gives it, as the control draws it.
#include "dialogs/text_fit.h"

#include "dialogs/control_item.h"
#include "dialogs/text_measure.h"

namespace tarvelo {

namespace {

// Static types that show a picture, a rectangle or a frame: their text is no text.
bool isPictureStatic(quint32 type) {
  return (type >= 3 && type <= 10) || type == 13 || type == 14 || type == 15 || type >= 0x10;
}

// Button types drawn with a box beside the text.
bool hasBox(quint32 type) {
  return (type >= 2 && type <= 6) || type == 9;
}
constexpr quint32 kGroupBox = 7;
// Where a group box's title starts; it may run on to the box's right edge.
constexpr int kTitleIndent = 8;

// One line: too long when wider than the room. With word breaks: too long when the
// block is higher or wider.
void measureIn(TextFit &fit, const QString &text, const MeasuringFont &font, bool wrap,
               bool prefix) {
  fit.measured = true;
  fit.wrapped = wrap;
  if (wrap) {
    fit.needed = font.wrappedSize(text, fit.room.width(), prefix);
    fit.tooLong = fit.needed.height() > fit.room.height() || fit.needed.width() > fit.room.width();
  } else {
    fit.needed = font.lineSize(text, prefix);
    fit.tooLong = fit.needed.width() > fit.room.width();
  }
}

} // namespace

bool drawsAccessKey(const DynControlItem &item) {
  // A link control draws its "&" as it is.
  return item.kind != KindSysLink && !(item.kind == KindStatic && (item.style & style::NoPrefix));
}

bool wrapsText(const DynControlItem &item) {
  if (item.kind == KindStatic) {
    const quint32 type = item.staticType();
    // Centred images and ellipses draw their text on one line.
    return type != style::StaticSimple && type != style::StaticNoWordWrap &&
           !(item.style & (style::CenterImage | style::EllipsisMask));
  }
  return item.kind == KindButton && (item.style & style::Multiline);
}

QRect textRoom(const DynControlItem &item, const QRect &client, int boxIndent) {
  if (item.kind == KindButton) {
    const quint32 type = item.buttonType();
    if (hasBox(type))
      return client.adjusted(boxIndent, 0, 0, 0);
    if (type == kGroupBox)
      return client.adjusted(kTitleIndent, 0, 0, 0);
    // Push buttons and the other plain buttons draw inside their frame.
    return item.style & style::Multiline ? client.adjusted(4, 2, -4, -2)
                                         : client.adjusted(2, 2, -2, -2);
  }
  // A static draws inside its border or edge.
  const int inset = item.exStyleNames.contains(QLatin1String("WS_EX_CLIENTEDGE")) ? 2
                    : item.styleNames.contains(QLatin1String("WS_BORDER")) ||
                            item.styleNames.contains(QLatin1String("SS_SUNKEN")) ||
                            item.exStyleNames.contains(QLatin1String("WS_EX_STATICEDGE"))
                        ? 1
                        : 0;
  return client.adjusted(inset, inset, -inset, -inset);
}

TextFit fitText(const DynControlItem &item, const QSize &controlPixels, const MeasuringFont &font,
                int boxIndent) {
  TextFit fit;
  if (item.text.isEmpty())
    return fit;
  if (item.kind == KindStatic) {
    if (isPictureStatic(item.staticType()))
      return fit;
  } else if (item.kind == KindButton) {
    if (item.style & (style::ButtonIcon | style::ButtonBitmap))
      return fit;
  } else if (item.kind != KindSysLink) {
    return fit;
  }
  fit.room = textRoom(item, QRect(QPoint(0, 0), controlPixels), boxIndent).size();
  measureIn(fit, item.kind == KindSysLink ? linkDisplayText(item.text) : item.text, font,
            item.kind == KindSysLink || wrapsText(item), drawsAccessKey(item));
  return fit;
}

} // namespace tarvelo
