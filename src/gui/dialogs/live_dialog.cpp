// A dialog's controls as live windows, with the entries that carry their texts.
#include "dialogs/live_dialog.h"

#include "dialogs/classic_look.h"
#include "dialogs/control_factory.h"
#include "dialogs/control_text.h"
#include "dialogs/text_measure.h"
#include "dialogs/window_rects.h"
#include "script/text_entry.h"

#include <algorithm>

namespace tarvelo::gui {

namespace {

// The system keeps window coordinates in 16 bits.
constexpr int kCoordinateLimit = 32767;

int bounded(int value) {
  return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

int boundedSize(int value) {
  return std::clamp(value, 0, kCoordinateLimit);
}

QString textOf(const TextEntry *entry, DialogSide side) {
  if (!entry)
    return QString();
  return side == DialogSide::Original ? entry->sourceText : entry->targetText;
}

// The text a control shows: its escapes decoded; buttons with an image show none.
QString displayText(const DynControlItem &item, const QString &text) {
  if (item.kind == KindButton && (item.style & (style::ButtonIcon | style::ButtonBitmap)))
    return QString();
  return controlDisplayText(text);
}

} // namespace

QString controlLabel(const LiveControl &control) {
  const ControlLayout *layout = control.item.layout;
  if (!layout)
    return control.item.scriptIdentifier;
  const bool isControl =
      layout->keyword.compare(QLatin1String("CONTROL"), Qt::CaseInsensitive) == 0;
  return QStringLiteral("%1 (%2)").arg(layout->identifier,
                                       isControl ? layout->className : layout->keyword);
}

LiveDialog::LiveDialog(const ShownDialog &dialog, DialogSide side, const TextMeasure &measure,
                       QWidget *parent)
    : QWidget(parent), m_font(gui::dialogFont(dialog, measure)), m_side(side),
      m_entry(dialog.entry), m_layout(dialog.layout), m_caption(dialog.caption),
      m_text(std::make_shared<const ControlText>(m_font.measuring, measure.boxTextIndent())) {
  setFont(m_font.font);
  // The dialog's face whatever the view around it shows.
  setBackgroundRole(QPalette::Window);
  setForegroundRole(QPalette::WindowText);
  setAutoFillBackground(true);
  m_controls.reserve(dialog.controls.size());
  for (const ShownControl &shown : dialog.controls) {
    if (!shown.layout)
      continue;
    LiveControl control;
    control.item = makeItem(*shown.layout, shown.rect, shown.text);
    control.item.text = displayText(control.item, shown.text);
    control.entry = shown.entry;
    control.widget = createControlWidget(control.item, this, m_text);
    setControlText(control.widget, control.item);
    control.widget->setGeometry(windowFor(control.item, control.item.rect));
    m_index.insert(control.widget, int(m_controls.size()));
    m_controls.push_back(std::move(control));
  }
  placeBuddies();
  applyClassicLook(this);
  resize(clientSize(dialog.rect));
}

const LiveControl *LiveDialog::controlOf(const QWidget *widget) const {
  const auto it = m_index.constFind(widget);
  return it == m_index.constEnd() ? nullptr : &m_controls[size_t(it.value())];
}

QRect LiveDialog::placement(const QRect &dialogUnits) const {
  const QRect pixels = snapToGrid(toPixels(dialogUnits, m_font.units), m_font.units, 1);
  return QRect(bounded(pixels.x()), bounded(pixels.y()), boundedSize(pixels.width()),
               boundedSize(pixels.height()));
}

QSize LiveDialog::clientSize(const QRect &dialogUnits) const {
  const QRect pixels =
      toPixels(QRect(0, 0, dialogUnits.width(), dialogUnits.height()), m_font.units);
  return QSize(boundedSize(pixels.width()), boundedSize(pixels.height()));
}

QRect LiveDialog::windowFor(const DynControlItem &item, const QRect &dialogUnits) const {
  return ownWindow(item, placement(dialogUnits), m_font.pixelHeight);
}

void LiveDialog::placeControl(size_t index, const QRect &dialogUnits, const QRect &pixels) {
  if (index >= m_controls.size())
    return;
  LiveControl &control = m_controls[index];
  control.item.rect = dialogUnits;
  control.widget->setGeometry(pixels);
  placeBuddies();
}

void LiveDialog::placeBuddies() {
  for (size_t i = 1; i < m_controls.size(); ++i) {
    const DynControlItem &item = m_controls[i].item;
    const DynControlItem &buddyItem = m_controls[i - 1].item;
    QRect self = windowFor(item, item.rect);
    QRect buddy = windowFor(buddyItem, buddyItem.rect);
    if (!besideBuddy(item, self, buddy))
      continue;
    m_controls[i].widget->setGeometry(self);
    m_controls[i - 1].widget->setGeometry(buddy);
  }
}

bool LiveDialog::refreshTexts() {
  bool changed = false;
  if (m_entry) {
    const QString caption = textOf(m_entry, m_side);
    changed = caption != m_caption;
    m_caption = caption;
  }
  for (LiveControl &control : m_controls) {
    if (!control.entry)
      continue;
    const QString text = displayText(control.item, textOf(control.entry, m_side));
    if (text == control.item.text)
      continue;
    control.item.text = text;
    setControlText(control.widget, control.item);
    changed = true;
  }
  return changed;
}

} // namespace tarvelo::gui
