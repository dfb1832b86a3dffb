// Laying out and judging control texts in the preview by the dialogs report's rule.
#include "dialogs/control_text.h"

#include "dialogs/text_fit.h"
#include "dialogs/text_measure.h"

#include <QPainter>

namespace tarvelo::gui {

ControlText::ControlText(std::shared_ptr<const MeasuringFont> font, int boxIndent)
    : m_font(std::move(font)), m_boxIndent(boxIndent) {}

bool ControlText::tooLong(const DynControlItem &item, const QSize &size) const {
  return fitText(item, size, *m_font, m_boxIndent).tooLong;
}

void ControlText::draw(QPainter &painter, const QRect &area, const QString &text, bool wrap,
                       bool prefix, Qt::Alignment horizontal, bool centreVertically) const {
  if (text.isEmpty() || area.isEmpty())
    return;
  GdiTextFlags flags;
  flags.prefix = prefix;
  flags.wrap = wrap;
  flags.width = std::max(1, area.width());
  const std::vector<GdiLine> lines = m_font->lines(text, flags);
  const int lineHeight = m_font->pixelHeight();
  const int blockHeight = int(lines.size()) * lineHeight;
  int y = centreVertically ? area.top() + (area.height() - blockHeight) / 2 : area.top();
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  int textFlags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignVCenter;
  if (prefix)
    textFlags |= Qt::TextShowMnemonic;
  for (const GdiLine &line : lines) {
    int x = area.left();
    if (horizontal & Qt::AlignHCenter)
      x += (area.width() - line.width) / 2;
    else if (horizontal & Qt::AlignRight)
      x += area.width() - line.width;
    // Room past the measured width, so that a rounding of Qt's own never cuts a letter.
    painter.drawText(QRect(x, y, line.width + lineHeight, lineHeight), textFlags,
                     text.mid(line.start, line.length));
    y += lineHeight;
  }
  painter.restore();
}

} // namespace tarvelo::gui
