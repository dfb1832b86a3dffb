// How the preview's controls lay out and judge their texts: with the dialog's
// measuring font and the rule of the dialogs report, so both agree on what fits.
#pragma once

#include "dialogs/control_item.h"

#include <QRect>
#include <QString>
#include <memory>

class QPainter;

namespace tarvelo {
class MeasuringFont;
}

namespace tarvelo::gui {

class ControlText {
public:
  ControlText(std::shared_ptr<const MeasuringFont> font, int boxIndent);

  const MeasuringFont &font() const { return *m_font; }
  int boxIndent() const { return m_boxIndent; }
  // Whether the item's text does not fit a control of that size, as the report says.
  bool tooLong(const DynControlItem &item, const QSize &size) const;
  // Draws a text as the measurement lays it out (lines, breaks, access keys) in area,
  // aligned by horizontal, from the top or centred vertically; clipped to area.
  void draw(QPainter &painter, const QRect &area, const QString &text, bool wrap, bool prefix,
            Qt::Alignment horizontal, bool centreVertically) const;

private:
  std::shared_ptr<const MeasuringFont> m_font;
  int m_boxIndent;
};

} // namespace tarvelo::gui
