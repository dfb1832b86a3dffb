#pragma once

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
// it: statics by their type, check boxes, radio buttons and group boxes beside their
// box, push buttons (owner-drawn) inside their frame.
TextFit fitText(const DynControlItem &item, const QSize &controlPixels, const MeasuringFont &font,
                int smallIconWidth);

} // namespace tarvelo
