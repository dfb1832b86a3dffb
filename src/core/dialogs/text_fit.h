// How a control's text fits the room the control gives it, in pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace tarvelo {

class MeasuringFont;
struct DynControlItem;

// How a control's text fits: the room the control gives it and the size the text
// needs there, both in pixels.
struct TextFit {
  bool measured = false; // the control shows a text that can overflow
  bool wrapped = false;  // measured with word breaks in the room's width
  QSize room;
  QSize needed;
  bool tooLong = false;
};

// Measures the item's text in a control of that pixel size the way the control draws
// it: statics by their type, check boxes and radio buttons beside their box (boxIndent
// pixels from the left), group boxes inside their frame, push buttons (owner-drawn)
// inside theirs, links as their text. The preview and the report both decide by it.
TextFit fitText(const DynControlItem &item, const QSize &controlPixels, const MeasuringFont &font,
                int boxIndent);
// Where in a control's client area its text is drawn, by the same rule.
QRect textRoom(const DynControlItem &item, const QRect &client, int boxIndent);
// Whether the control breaks its text into lines in its width.
bool wrapsText(const DynControlItem &item);
// Whether "&" marks an access key in the control's text (not with SS_NOPREFIX).
bool drawsAccessKey(const DynControlItem &item);

} // namespace tarvelo
