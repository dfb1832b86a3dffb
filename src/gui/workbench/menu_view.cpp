#include "workbench/menu_view.h"

#include "options/help.h"
#include "script/text_entry.h"
#include "workbench/menu_structure.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QToolButton>

namespace tarvelo::gui {

namespace {

// Whether the node or one of its descendants is the entry.
bool holds(const MenuNode &node, const TextEntry *entry) {
  if (node.entry == entry)
    return true;
  for (const MenuNode &child : node.children)
    if (holds(child, entry))
      return true;
  return false;
}

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
    TextEntry *entry = node.entry;
    auto *button = new QToolButton(bar);
    QString caption = menuCaption(entry->targetText, node.popup && vertical);
    if (node.popup && vertical)
      caption += QStringLiteral("\u25b8");
    // The caption is shown as written: "&" is part of the translation here.
    button->setText(QString(caption).replace(u'&', QStringLiteral("&&")));
    button->setToolTip(entry->sourceText);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setChecked(holds(node, m_current));
    button->setMinimumWidth(button->fontMetrics().averageCharWidth() * 4);
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
    target = nodes.empty() ? nullptr : nodes.front().entry;
  } else {
    const size_t depth = positions.size() - 1;
    const std::vector<MenuNode> &list = *lists[depth];
    const MenuNode &node = list[size_t(positions[depth])];
    const int along = depth == 0 ? dx : dy;
    const int across = depth == 0 ? dy : dx;
    if (along != 0) {
      const int i = std::clamp(positions[depth] + along, 0, int(list.size()) - 1);
      target = list[size_t(i)].entry;
    } else if (across > 0 && node.popup && !node.children.empty()) {
      target = node.children.front().entry;
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
