// Controls drawn as the system draws them: group boxes, up-down buttons, edits.
#include "dialogs/control_widgets.h"

#include "dialogs/classic_look.h"
#include "dialogs/control_item.h"
#include "dialogs/control_text.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/static_control.h"
#include "dialogs/text_measure.h"

#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace tarvelo::gui {

namespace {
// Edit styles the preview shows.
constexpr quint32 kEditAlignMask = 0x3;
constexpr quint32 kEditPassword = 0x20;
constexpr quint32 kEditReadOnly = 0x800;
// Where the system starts a group box's title.
constexpr int kTitleIndent = 8;
} // namespace

GroupBoxControl::GroupBoxControl(std::shared_ptr<const ControlText> rule, QWidget *parent)
    : QWidget(parent), m_rule(std::move(rule)) {}

bool GroupBoxControl::textTooLong() const {
  if (!m_rule)
    return false;
  DynControlItem item;
  item.kind = KindButton;
  item.style = 7; // BS_GROUPBOX
  item.text = m_text;
  return m_rule->tooLong(item, size());
}

void GroupBoxControl::setText(const QString &text) {
  if (text == m_text)
    return;
  m_text = text;
  update();
}

void GroupBoxControl::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int lineHeight = metrics.height();
  const QRect frame = rect().adjusted(0, lineHeight / 2, 0, 0);
  drawEtchedEdge(painter, frame, EtchedEdge::Frame);
  if (m_text.isEmpty())
    return;
  constexpr int flags = Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop;
  const int room = std::max(0, width() - 2 * kTitleIndent);
  QRect title = metrics.boundingRect(QRect(kTitleIndent, 0, room, lineHeight), flags, m_text);
  if (m_rule)
    title.setWidth(m_rule->font().lineSize(m_text).width());
  title.setWidth(std::min(title.width(), room));
  title.setHeight(lineHeight);
  // The title stands on the frame's face, hiding the line under it.
  painter.fillRect(title, palette().color(QPalette::Window));
  painter.setPen(textTooLong() ? tooLongTextColour : palette().color(QPalette::WindowText));
  painter.setClipRect(title);
  if (m_rule)
    m_rule->draw(painter, title, m_text, false, true, Qt::AlignLeft, false);
  else
    painter.drawText(title, flags, m_text);
}

UpDownControl::UpDownControl(QWidget *parent) : QWidget(parent) {}

void UpDownControl::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const QRect whole = rect();
  const int half = whole.height() / 2;
  const QRect halves[2] = {
      QRect(whole.left(), whole.top(), whole.width(), half),
      QRect(whole.left(), whole.top() + half, whole.width(), whole.height() - half)};
  const QStyle::PrimitiveElement arrows[2] = {QStyle::PE_IndicatorArrowUp,
                                              QStyle::PE_IndicatorArrowDown};
  for (int i = 0; i < 2; ++i) {
    QStyleOption option;
    option.initFrom(this);
    option.rect = halves[i];
    option.state |= QStyle::State_Raised | QStyle::State_Enabled;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
    option.rect = halves[i].adjusted(2, 1, -2, -1);
    option.palette.setColor(QPalette::ButtonText, classic::text);
    style()->drawPrimitive(arrows[i], &option, &painter, this);
  }
}

EditControl::EditControl(quint32 style, quint32 exStyle, QWidget *parent)
    : QLineEdit(parent), m_staticEdge(exStyle & style::ExStaticEdge) {
  setFrame(false);
  if (m_staticEdge)
    setTextMargins(1, 1, 1, 1);
  const quint32 align = style & kEditAlignMask;
  setAlignment((align == 1   ? Qt::AlignHCenter
                : align == 2 ? Qt::AlignRight
                             : Qt::AlignLeft) |
               Qt::AlignTop);
  if (style & kEditPassword)
    setEchoMode(QLineEdit::Password);
  if (style & kEditReadOnly) {
    setReadOnly(true);
    QPalette shaded = palette();
    shaded.setColor(QPalette::Base, classic::face);
    setPalette(shaded);
  }
}

void EditControl::paintEvent(QPaintEvent *event) {
  QLineEdit::paintEvent(event);
  if (!m_staticEdge)
    return;
  QPainter painter(this);
  drawStaticEdge(painter, rect());
}

} // namespace tarvelo::gui
