// Push buttons drawn by the preview, with the mark of a text that does not fit.
#include "dialogs/owner_drawn_button.h"

#include "dialogs/classic_look.h"
#include "dialogs/control_item.h"
#include "dialogs/control_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QStyleOptionButton>
#include <algorithm>

namespace tarvelo::gui {

namespace {
constexpr int kTextFlags = Qt::TextShowMnemonic | Qt::TextExpandTabs;
}

QRect ownerDrawnTextRect(const QRect &client, bool multiline) {
  return multiline ? client.adjusted(4, 2, -4, -2) : client.adjusted(2, 2, -2, -2);
}

bool ownerDrawnTextTooLong(const QFontMetrics &metrics, const QRect &textRect, const QString &text,
                           bool multiline) {
  if (multiline) {
    const QRect block = metrics.boundingRect(QRect(0, 0, std::max(1, textRect.width()), 1 << 20),
                                             kTextFlags | Qt::TextWordWrap, text);
    return block.width() > textRect.width() || block.height() > textRect.height();
  }
  return metrics.size(kTextFlags | Qt::TextSingleLine, text).width() > textRect.width();
}

OwnerDrawnButton::OwnerDrawnButton(quint32 style, QWidget *parent,
                                   std::shared_ptr<const ControlText> rule)
    : QPushButton(parent), m_style(style), m_multiline(style & style::Multiline),
      m_rule(std::move(rule)) {}

bool OwnerDrawnButton::textTooLong() const {
  if (m_rule) {
    DynControlItem item;
    item.kind = KindButton;
    item.style = m_style;
    item.text = text();
    return m_rule->tooLong(item, size());
  }
  return ownerDrawnTextTooLong(fontMetrics(), ownerDrawnTextRect(rect(), m_multiline), text(),
                               m_multiline);
}

void OwnerDrawnButton::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const QRect client = rect();
  painter.fillRect(client, classic::face);
  const QRect textRect = ownerDrawnTextRect(client, m_multiline);
  painter.setPen(textTooLong() ? tooLongTextColour : QColor(Qt::black));
  painter.save();
  painter.setClipRect(textRect);
  if (m_rule) {
    m_rule->draw(painter, textRect, text(), m_multiline, true, Qt::AlignHCenter, true);
  } else if (m_multiline) {
    // The broken block is centred as a whole, each line within it.
    const QRect block = fontMetrics().boundingRect(
        QRect(0, 0, std::max(1, textRect.width()), 1 << 20), kTextFlags | Qt::TextWordWrap, text());
    QRect placed(QPoint(0, 0), block.size());
    placed.moveCenter(textRect.center());
    painter.drawText(placed, kTextFlags | Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop,
                     text());
  } else {
    painter.drawText(textRect, kTextFlags | Qt::TextSingleLine | Qt::AlignCenter, text());
  }
  painter.restore();
  // The frame goes around the text without painting over it.
  painter.setClipRegion(QRegion(client).subtracted(QRegion(client.adjusted(2, 2, -2, -2))));
  QStyleOptionButton option;
  option.initFrom(this);
  option.rect = client;
  option.state |= QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
}

} // namespace tarvelo::gui
