// A STATIC window as the system draws one, by the type in its style.
#include "dialogs/static_control.h"

#include "dialogs/classic_look.h"
#include "dialogs/control_item.h"
#include "dialogs/control_text.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/text_fit.h"

#include <QFontMetrics>
#include <QPainter>

namespace tarvelo::gui {

namespace {

// Static types and the style bits that change how a text is drawn.
enum : quint32 {
  Left = 0x0,
  Center = 0x1,
  Right = 0x2,
  BlackRect = 0x4,
  GrayRect = 0x5,
  WhiteRect = 0x6,
  BlackFrame = 0x7,
  GrayFrame = 0x8,
  WhiteFrame = 0x9,
  Simple = 0xB,
  LeftNoWordWrap = 0xC,
  EtchedHorz = 0x10,
  EtchedVert = 0x11,
  EtchedFrame = 0x12,
  NoPrefix = 0x80,
  CenterImage = 0x200,
  Sunken = 0x1000,
  EndEllipsis = 0x4000,
  PathEllipsis = 0x8000,
  WordEllipsis = 0xC000,
  EllipsisMask = 0xC000,
};

// The colours of the system's black, grey and white rectangles and frames.
QColor shapeColour(quint32 type) {
  switch (type) {
  case BlackRect:
  case BlackFrame:
    return Qt::black;
  case GrayRect:
  case GrayFrame:
    return classic::shadow;
  default:
    return classic::highlight;
  }
}

} // namespace

void drawStaticEdge(QPainter &painter, const QRect &area) {
  if (area.width() < 1 || area.height() < 1)
    return;
  painter.setPen(classic::shadow);
  painter.drawLine(area.topLeft(), area.topRight());
  painter.drawLine(area.topLeft(), area.bottomLeft());
  painter.setPen(classic::highlight);
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  painter.drawLine(area.topRight(), area.bottomRight());
}

void drawEtchedEdge(QPainter &painter, const QRect &area, EtchedEdge edge) {
  if (area.width() < 1 || area.height() < 1)
    return;
  switch (edge) {
  case EtchedEdge::Top:
    painter.setPen(classic::shadow);
    painter.drawLine(area.left(), area.top(), area.right(), area.top());
    painter.setPen(classic::highlight);
    painter.drawLine(area.left(), area.top() + 1, area.right(), area.top() + 1);
    break;
  case EtchedEdge::Left:
    painter.setPen(classic::shadow);
    painter.drawLine(area.left(), area.top(), area.left(), area.bottom());
    painter.setPen(classic::highlight);
    painter.drawLine(area.left() + 1, area.top(), area.left() + 1, area.bottom());
    break;
  case EtchedEdge::Frame:
    painter.setPen(classic::highlight);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    painter.setPen(classic::shadow);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    break;
  }
}

StaticControl::StaticControl(quint32 style, quint32 exStyle, QWidget *parent,
                             std::shared_ptr<const ControlText> rule)
    : QWidget(parent), m_style(style), m_exStyle(exStyle), m_rule(std::move(rule)) {}

bool StaticControl::textTooLong() const {
  if (!m_rule)
    return false;
  DynControlItem item;
  item.kind = KindStatic;
  item.style = m_style;
  item.text = m_text;
  return m_rule->tooLong(item, size());
}

quint32 StaticControl::staticType() const {
  return m_style & style::StaticTypeMask;
}

void StaticControl::setText(const QString &text) {
  if (text == m_text)
    return;
  m_text = text;
  update();
}

void StaticControl::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  QRect area = rect();
  if ((m_exStyle & style::ExStaticEdge) || (m_style & Sunken)) {
    drawStaticEdge(painter, area);
    area.adjust(1, 1, -1, -1);
  }
  if (m_style & style::StaticEditBorder) {
    painter.setPen(Qt::black);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    area.adjust(1, 1, -1, -1);
  }
  const quint32 type = staticType();
  switch (type) {
  case Left:
  case Center:
  case Right:
  case Simple:
  case LeftNoWordWrap:
    paintText(painter, area);
    break;
  case BlackRect:
  case GrayRect:
  case WhiteRect:
    painter.fillRect(area, shapeColour(type));
    break;
  case BlackFrame:
  case GrayFrame:
  case WhiteFrame:
    painter.setPen(shapeColour(type));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    break;
  case EtchedHorz:
    drawEtchedEdge(painter, area, EtchedEdge::Top);
    break;
  case EtchedVert:
    drawEtchedEdge(painter, area, EtchedEdge::Left);
    break;
  case EtchedFrame:
    drawEtchedEdge(painter, area, EtchedEdge::Frame);
    break;
  default:
    // Icons, bitmaps, metafiles and owner-drawn statics: their images are the
    // program's, so only the extent shows.
    break;
  }
}

void StaticControl::paintText(QPainter &painter, const QRect &area) {
  if (m_text.isEmpty() || area.isEmpty())
    return;
  const quint32 type = staticType();
  int flags = Qt::TextExpandTabs;
  if (!(m_style & NoPrefix))
    flags |= Qt::TextShowMnemonic;
  flags |= type == Center ? Qt::AlignHCenter : type == Right ? Qt::AlignRight : Qt::AlignLeft;
  const bool oneLine = type == Simple || (m_style & (CenterImage | EllipsisMask));
  flags |= (m_style & CenterImage) ? Qt::AlignVCenter : Qt::AlignTop;
  if (oneLine)
    flags |= Qt::TextSingleLine;
  else if (type != LeftNoWordWrap)
    flags |= Qt::TextWordWrap;
  if (m_rule && !(m_style & EllipsisMask)) {
    DynControlItem item;
    item.kind = KindStatic;
    item.style = m_style;
    painter.setPen(textTooLong() ? tooLongTextColour : palette().color(QPalette::WindowText));
    const Qt::Alignment horizontal = type == Center  ? Qt::AlignHCenter
                                     : type == Right ? Qt::AlignRight
                                                     : Qt::AlignLeft;
    m_rule->draw(painter, area, m_text, wrapsText(item), !(m_style & NoPrefix), horizontal,
                 m_style & CenterImage);
    return;
  }
  QString shown = m_text;
  if (const quint32 ellipsis = m_style & EllipsisMask) {
    const Qt::TextElideMode mode = ellipsis == PathEllipsis ? Qt::ElideMiddle : Qt::ElideRight;
    shown = painter.fontMetrics().elidedText(m_text, mode, area.width(), flags);
  }
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(area);
  painter.drawText(area, flags, shown);
}

} // namespace tarvelo::gui
