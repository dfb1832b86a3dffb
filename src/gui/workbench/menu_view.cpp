// The "MENU" board view: the current menu resource drawn as a menu bar.
#include "workbench/menu_view.h"

#include "options/help.h"
#include "script/text_entry.h"
#include "workbench/menu_structure.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

namespace tarvelo::gui {

namespace {

// Whether the node or one of its descendants is the entry.
bool holds(const MenuNode &node, const TextEntry *entry) {
  if (entry && node.entry == entry)
    return true;
  for (const MenuNode &child : node.children)
    if (holds(child, entry))
      return true;
  return false;
}

// The first item from `from` on in the direction that is not a separator; -1 when none.
int itemFrom(const std::vector<MenuNode> &list, int from, int direction) {
  for (int i = from; i >= 0 && i < int(list.size()); i += direction)
    if (list[size_t(i)].entry && !list[size_t(i)].separator)
      return i;
  return -1;
}

// One item of a bar drawn as a menu draws it: the letter after "&" underlined, a check
// mark, the keys at the right, an arrow on a popup of a vertical bar, grey when
// grayed. The button's own check state marks the way to the current item.
class MenuItemButton : public QToolButton {
public:
  MenuItemButton(const MenuNode &node, bool vertical, QWidget *parent)
      : QToolButton(parent), m_node(node), m_vertical(vertical),
        m_label(menuItemLabel(node.entry->targetText)) {}

  QSize sizeHint() const override {
    const QFontMetrics metrics = fontMetrics();
    int width = metrics.size(Qt::TextShowMnemonic, m_label.label).width() + 2 * kPad;
    if (m_vertical)
      width += checkColumn() + arrowColumn();
    if (!m_label.keys.isEmpty())
      width += 3 * metrics.averageCharWidth() + metrics.horizontalAdvance(m_label.keys);
    return {std::max(width, metrics.averageCharWidth() * 4), metrics.height() + 2 * kPad};
  }

protected:
  void paintEvent(QPaintEvent *) override {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    QRect room = rect().adjusted(kPad, 0, -kPad, 0);
    if (m_vertical) {
      if (m_node.checked)
        drawCheck(painter, QRect(room.left(), room.top(), checkColumn(), room.height()));
      room.setLeft(room.left() + checkColumn());
      if (m_node.popup) {
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect =
            QRect(room.right() - arrowColumn() + 1, room.top(), arrowColumn(), room.height());
        style()->drawPrimitive(QStyle::PE_IndicatorArrowRight, &arrow, &painter, this);
        room.setRight(room.right() - arrowColumn());
      }
    }
    painter.setPen(palette().color(m_node.grayed ? QPalette::Disabled : QPalette::Active,
                                   QPalette::ButtonText));
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    painter.drawText(room, flags | Qt::AlignLeft, m_label.label);
    if (!m_label.keys.isEmpty())
      painter.drawText(room, flags | Qt::AlignRight, m_label.keys);
  }

private:
  static constexpr int kPad = 4;
  // A tick in the text's colour: the styles' own indicators are faint on a button.
  void drawCheck(QPainter &painter, const QRect &column) const {
    const QRectF box = QRectF(column).adjusted(column.width() * 0.2, column.height() * 0.3,
                                               -column.width() * 0.2, -column.height() * 0.3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1.6));
    painter.drawPolyline(QPolygonF({QPointF(box.left(), box.center().y()),
                                    QPointF(box.left() + box.width() * 0.4, box.bottom()),
                                    QPointF(box.right(), box.top())}));
    painter.restore();
  }
  int checkColumn() const { return fontMetrics().height(); }
  int arrowColumn() const { return m_node.popup ? fontMetrics().height() : 0; }

  MenuNode m_node;
  bool m_vertical;
  MenuItemLabel m_label;
};

} // namespace

MenuView::MenuView(const EntryList &entries, QWidget *parent)
    : QScrollArea(parent), m_entries(entries) {
  m_canvas = new QWidget(this);
  m_canvas->resize(12, 12);
  setWidget(m_canvas);
  setWidgetResizable(false);
  setBackgroundRole(QPalette::Dark);
  setFocusPolicy(Qt::StrongFocus);
}

void MenuView::showMenu(TextEntry *entry) {
  TextEntry *head = entry ? entry->head() : nullptr;
  const bool same = head == m_head && entry == m_current;
  m_head = head;
  m_current = entry && entry != head ? entry : nullptr;
  if (!same)
    refresh();
}

QFrame *MenuView::addBar(const std::vector<MenuNode> &items, Qt::Orientation orientation,
                         const MenuNode *&openPopup, QPoint at, QRect &bounds) {
  auto *bar = new QFrame(m_canvas);
  bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
  bar->setAutoFillBackground(true);
  bar->setBackgroundRole(QPalette::Button);
  auto *layout = new QBoxLayout(
      orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, bar);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(0);
  openPopup = nullptr;
  const bool vertical = orientation == Qt::Vertical;
  for (const MenuNode &node : items) {
    if (node.separator || !node.entry) {
      auto *line = new QFrame(bar);
      line->setFrameStyle((vertical ? QFrame::HLine : QFrame::VLine) | QFrame::Sunken);
      layout->addWidget(line);
      continue;
    }
    TextEntry *entry = node.entry;
    auto *button = new MenuItemButton(node, vertical, bar);
    QString caption = menuCaption(entry->targetText, node.popup && vertical);
    if (node.popup && vertical)
      caption += QStringLiteral("\u25b8");
    // Read aloud and by barCaptions(); doubled so that it takes no shortcut of the window.
    button->setText(QString(caption).replace(u'&', QStringLiteral("&&")));
    button->setToolTip(entry->sourceText);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setChecked(holds(node, m_current));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (node.popup && holds(node, m_current))
      openPopup = &node;
    connect(button, &QToolButton::clicked, this, [this, entry] { Q_EMIT entrySelected(entry); });
    layout->addWidget(button);
  }
  bar->adjustSize();
  bar->move(at);
  bar->show();
  bounds = bounds.united(bar->geometry());
  m_bars.push_back(bar);
  return bar;
}

void MenuView::refresh() {
  for (QFrame *bar : m_bars)
    delete bar;
  m_bars.clear();
  if (!m_head) {
    m_canvas->resize(12, 12);
    return;
  }
  const std::vector<MenuNode> nodes = menuStructure(m_entries, m_head);
  QRect bounds(6, 6, 0, 0);
  const MenuNode *open = nullptr;
  QFrame *bar = addBar(nodes, Qt::Horizontal, open, QPoint(6, 6), bounds);
  // Each popup on the way to the current item opens its bar: below a top-level
  // button, beside a button of a vertical bar.
  bool vertical = false;
  while (open) {
    const std::vector<MenuNode> &children = open->children;
    QToolButton *button = nullptr;
    for (QToolButton *candidate : bar->findChildren<QToolButton *>())
      if (candidate->isChecked())
        button = candidate;
    QPoint at = bar->pos();
    if (button)
      at += vertical ? QPoint(bar->width(), button->y()) : QPoint(button->x(), bar->height());
    const MenuNode *next = nullptr;
    bar = addBar(children, Qt::Vertical, next, at, bounds);
    open = next;
    vertical = true;
  }
  m_canvas->resize(bounds.right() + 12, bounds.bottom() + 12);
}

QStringList MenuView::barCaptions() const {
  QStringList captions;
  for (QFrame *bar : m_bars) {
    QStringList texts;
    for (QToolButton *button : bar->findChildren<QToolButton *>())
      texts.append(button->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
    captions.append(texts.join(u'|'));
  }
  return captions;
}

// The arrow keys move through the items as in a menu.
void MenuView::step(int dx, int dy) {
  if (m_bars.empty())
    return;
  const std::vector<MenuNode> nodes = menuStructure(m_entries, m_head);
  // The chain of lists from the top bar to the one holding the current item.
  std::vector<const std::vector<MenuNode> *> lists{&nodes};
  std::vector<int> positions;
  for (;;) {
    const std::vector<MenuNode> &list = *lists.back();
    int found = -1;
    for (size_t i = 0; i < list.size(); ++i)
      if (holds(list[i], m_current))
        found = int(i);
    if (found < 0)
      break;
    positions.push_back(found);
    if (list[size_t(found)].entry == m_current)
      break;
    lists.push_back(&list[size_t(found)].children);
  }
  TextEntry *target = nullptr;
  if (positions.empty()) {
    const int first = itemFrom(nodes, 0, 1);
    target = first < 0 ? nullptr : nodes[size_t(first)].entry;
  } else {
    const size_t depth = positions.size() - 1;
    const std::vector<MenuNode> &list = *lists[depth];
    const MenuNode &node = list[size_t(positions[depth])];
    const int along = depth == 0 ? dx : dy;
    const int across = depth == 0 ? dy : dx;
    const int firstChild = node.popup ? itemFrom(node.children, 0, 1) : -1;
    if (along != 0) {
      // Separators are passed over; the ends of the list stop the move.
      const int i = itemFrom(list, positions[depth] + along, along);
      target = i < 0 ? node.entry : list[size_t(i)].entry;
    } else if (across > 0 && firstChild >= 0) {
      target = node.children[size_t(firstChild)].entry;
    } else if (across < 0 && depth > 0) {
      target = (*lists[depth - 1])[size_t(positions[depth - 1])].entry;
    }
  }
  if (target)
    Q_EMIT entrySelected(target);
}

void MenuView::focusInEvent(QFocusEvent *event) {
  QScrollArea::focusInEvent(event);
  // Only moving to the board by keys counts: a click chooses its own item, and the
  // window coming back to the front, a closed context menu or the program setting
  // the focus move nothing.
  switch (event->reason()) {
  case Qt::TabFocusReason:
  case Qt::BacktabFocusReason:
  case Qt::ShortcutFocusReason:
    step(0, 1);
    break;
  default:
    break;
  }
}

void MenuView::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_F1:
    showHelp(this, QStringLiteral("menu.html"));
    return;
  case Qt::Key_Left:
    step(-1, 0);
    return;
  case Qt::Key_Right:
    step(1, 0);
    return;
  case Qt::Key_Up:
    step(0, -1);
    return;
  case Qt::Key_Down:
    step(0, 1);
    return;
  default:
    break;
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0) > u' ' && !(event->modifiers() & Qt::ControlModifier)) {
    Q_EMIT typingStarted(text);
    return;
  }
  QScrollArea::keyPressEvent(event);
}

} // namespace tarvelo::gui
