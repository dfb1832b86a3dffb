// Check boxes, radio buttons, links, tab strips and list views as the preview paints them.
#include "dialogs/common_controls.h"

#include "dialogs/classic_look.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/static_control.h"
#include "dialogs/text_fit.h"
#include "dialogs/text_measure.h"

#include <QPainter>

namespace tarvelo::gui {

namespace {

constexpr int kBox = 13;
constexpr quint32 kLeftText = 0x20;
constexpr quint32 kRadio = 4, kAutoRadio = 9;
constexpr quint32 kAlignMask = 0x300, kAlignLeft = 0x100, kAlignRight = 0x200;
constexpr quint32 kExClientEdge = 0x200;
constexpr quint32 kListReport = 0x1, kListTypeMask = 0x3, kListNoHeader = 0x4000;
constexpr QColor kLinkColour{0, 0, 255};

// Two-colour edge lines: top and left, then bottom and right.
void edge(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

void sunkenBox(QPainter &painter, const QRect &box) {
  painter.fillRect(box, classic::window);
  edge(painter, box, classic::shadow, classic::highlight);
  edge(painter, box.adjusted(1, 1, -1, -1), classic::darkShadow, classic::face);
}

void raised(QPainter &painter, const QRect &r) {
  painter.fillRect(r, classic::face);
  edge(painter, r, classic::highlight, classic::darkShadow);
  edge(painter, r.adjusted(1, 1, -1, -1), classic::face, classic::shadow);
}

// A number written as the style word (decimal or hexadecimal), or nothing.
std::optional<quint32> numberOf(const QString &word) {
  bool ok = false;
  const quint32 value = word.toUInt(&ok, 0);
  return ok ? std::optional<quint32>(value) : std::nullopt;
}

} // namespace

BoxButtonControl::BoxButtonControl(const DynControlItem &item,
                                   std::shared_ptr<const ControlText> rule, QWidget *parent)
    : QAbstractButton(parent), m_item(item), m_rule(std::move(rule)),
      m_radio(item.buttonType() == kRadio || item.buttonType() == kAutoRadio) {}

bool BoxButtonControl::textTooLong() const {
  DynControlItem item = m_item;
  item.text = text();
  return m_rule->tooLong(item, size());
}

void BoxButtonControl::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const bool boxRight = m_item.style & kLeftText;
  const int top = (height() - kBox) / 2;
  const QRect box(boxRight ? width() - kBox : 0, top, kBox, kBox);
  if (m_radio) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(classic::shadow);
    painter.setBrush(classic::window);
    painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -1.5, -1.5));
    painter.setRenderHint(QPainter::Antialiasing, false);
  } else {
    sunkenBox(painter, box);
  }
  QRect area = rect().adjusted(m_rule->boxIndent(), 0, 0, 0);
  if (boxRight)
    area = rect().adjusted(0, 0, -m_rule->boxIndent(), 0);
  const quint32 align = m_item.style & kAlignMask;
  const Qt::Alignment horizontal = align == kAlignRight                  ? Qt::AlignRight
                                   : align == (kAlignLeft | kAlignRight) ? Qt::AlignHCenter
                                                                         : Qt::AlignLeft;
  painter.setPen(textTooLong() ? tooLongTextColour : classic::text);
  m_rule->draw(painter, area, text(), wrapsText(m_item), true, horizontal, true);
}

LinkControl::LinkControl(const DynControlItem &item, std::shared_ptr<const ControlText> rule,
                         QWidget *parent)
    : QWidget(parent), m_item(item), m_rule(std::move(rule)) {}

void LinkControl::setText(const QString &text) {
  if (text == m_text)
    return;
  m_text = text;
  update();
}

QString LinkControl::shownText() const {
  return linkDisplayText(m_text);
}

bool LinkControl::textTooLong() const {
  DynControlItem item = m_item;
  item.text = m_text;
  return m_rule->tooLong(item, size());
}

void LinkControl::paintEvent(QPaintEvent *) {
  std::vector<bool> linked;
  const QString shown = linkDisplayText(m_text, &linked);
  QPainter painter(this);
  painter.setClipRect(rect());
  const MeasuringFont &measure = m_rule->font();
  GdiTextFlags flags;
  flags.prefix = false;
  flags.wrap = true;
  flags.width = std::max(1, width());
  const int lineHeight = measure.pixelHeight();
  QFont plain = font(), underlined = font();
  underlined.setUnderline(true);
  int y = 0;
  for (const GdiLine &line : measure.lines(shown, flags)) {
    int x = 0;
    for (qsizetype i = line.start; i < line.start + line.length; ++i) {
      const QString character = shown.mid(i, 1);
      painter.setFont(linked[size_t(i)] ? underlined : plain);
      painter.setPen(linked[size_t(i)] ? kLinkColour : classic::text);
      painter.drawText(QRect(x, y, lineHeight * 2, lineHeight),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, character);
      x += measure.advance(character);
    }
    y += lineHeight;
  }
}

TabControl::TabControl(int fontHeight, QWidget *parent)
    : QWidget(parent), m_fontHeight(fontHeight) {}

QRect TabControl::firstTab() const {
  // A tab is as high as its text and padding; an empty one is three lines wide.
  const int tabHeight = m_fontHeight + 7;
  return QRect(2, 0, 3 * m_fontHeight, tabHeight);
}

void TabControl::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const QRect tab = firstTab();
  const QRect page = rect().adjusted(0, tab.height() - 2, 0, 0);
  if (page.height() > 1)
    raised(painter, page);
  // The chosen tab stands on the page with no line between them.
  painter.fillRect(tab.adjusted(0, 0, 0, 1), classic::face);
  painter.setPen(classic::highlight);
  painter.drawLine(tab.left(), tab.top() + 2, tab.left(), tab.bottom() + 1);
  painter.drawLine(tab.left() + 2, tab.top(), tab.right() - 2, tab.top());
  painter.drawPoint(tab.left() + 1, tab.top() + 1);
  painter.setPen(classic::darkShadow);
  painter.drawLine(tab.right(), tab.top() + 2, tab.right(), tab.bottom());
  painter.drawPoint(tab.right() - 1, tab.top() + 1);
  painter.setPen(classic::shadow);
  painter.drawLine(tab.right() - 1, tab.top() + 2, tab.right() - 1, tab.bottom());
}

bool showsListHeader(const DynControlItem &item) {
  quint32 bits = 0;
  for (const QString &word : item.styleNames) {
    if (word == QLatin1String("LVS_REPORT"))
      bits |= kListReport;
    else if (word == QLatin1String("LVS_NOCOLUMNHEADER"))
      bits |= kListNoHeader;
    else if (const auto number = numberOf(word))
      bits |= *number;
  }
  return (bits & kListTypeMask) == kListReport && !(bits & kListNoHeader);
}

ListViewControl::ListViewControl(const DynControlItem &item, int fontHeight, QWidget *parent)
    : QWidget(parent), m_edge(item.exStyle & (style::ExStaticEdge | kExClientEdge)),
      m_header(showsListHeader(item)), m_fontHeight(fontHeight) {}

QRect ListViewControl::headerRect() const {
  if (!m_header)
    return QRect();
  const int inset = m_edge ? 1 : 0;
  return QRect(inset, inset, std::max(0, width() - 2 * inset), m_fontHeight + 7);
}

void ListViewControl::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), classic::window);
  if (m_header)
    raised(painter, headerRect().intersected(rect()));
  if (m_edge)
    drawStaticEdge(painter, rect());
}

} // namespace tarvelo::gui
