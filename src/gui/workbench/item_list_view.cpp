// The item list of the board, with its context menu.
#include "workbench/item_list_view.h"

#include "options/help.h"
#include "script/text_entry.h"
#include "workbench/item_icons.h"
#include "workbench/item_list_model.h"
#include "workbench/item_menu.h"
#include "workbench/item_roles.h"
#include "workbench/session.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tarvelo::gui {

namespace {

const QColor kVerifiedBackground(247, 186, 72);
const QColor kBackground(255, 255, 240);

// Draws the state and comment images, the verified colour and right-to-left texts.
class ItemDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    const int column = index.column();
    const bool verified = index.data(VerifiedRole).toBool();
    const bool textColumn =
        column == ItemListModel::SourceColumn || column == ItemListModel::TargetColumn;
    if (!(option.state & QStyle::State_Selected))
      painter->fillRect(option.rect, verified && textColumn ? kVerifiedBackground : kBackground);
    if (column == ItemListModel::StateColumn || column == ItemListModel::CommentColumn) {
      QStyledItemDelegate::paint(painter, option, index);
      const int image =
          index.data(column == ItemListModel::StateColumn ? StateImageRole : CommentImageRole)
              .toInt();
      const QIcon icon = itemListIcon(image);
      if (!icon.isNull()) {
        const QSize size(18, 12);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(option.rect.center());
        if (column == ItemListModel::CommentColumn)
          target.moveLeft(option.rect.left() + 2);
        icon.paint(painter, target);
      }
      return;
    }
    QStyleOptionViewItem copy(option);
    if (index.data(RightToLeftRole).toBool()) {
      copy.direction = Qt::RightToLeft;
      copy.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }
    QStyledItemDelegate::paint(painter, copy, index);
  }

  void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    // Line breaks in a text would make rows of different heights.
    option->text.replace(u'\n', u' ');
    if (index.column() == ItemListModel::CommentColumn && !option->text.isEmpty())
      option->text.prepend(QStringLiteral("     "));
  }
};

TextEntry *entryOf(const QModelIndex &index) {
  return reinterpret_cast<TextEntry *>(index.data(EntryRole).value<quintptr>());
}

void addTextMenu(QMenu &menu, const QString &title, const QList<MenuText> &texts,
                 const std::function<void(const QString &)> &choose) {
  if (texts.isEmpty())
    return;
  QMenu *sub = menu.addMenu(title);
  for (const MenuText &text : texts) {
    const QString chosen = text.text;
    sub->addAction(text.label, [choose, chosen] { choose(chosen); });
  }
}

} // namespace

ItemListView::ItemListView(Session &session, ItemListModel &model, QWidget *parent)
    : QTreeView(parent), m_session(session), m_model(model) {
  setModel(&model);
  setItemDelegate(new ItemDelegate(this));
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setTextElideMode(Qt::ElideRight);
  QHeaderView *head = header();
  head->setSectionsClickable(true);
  head->setSortIndicatorShown(true);
  head->setSortIndicator(model.sortColumn(), model.sortOrder());
  head->setStretchLastSection(true);
  head->setSectionResizeMode(ItemListModel::StateColumn, QHeaderView::Fixed);
  head->resizeSection(ItemListModel::StateColumn, 26);
  head->resizeSection(ItemListModel::SourceColumn, 320);
  head->resizeSection(ItemListModel::TargetColumn, 320);
  // A second click on the same column reverses the direction; the comment column
  // does not sort.
  connect(head, &QHeaderView::sectionClicked, this, [this](int section) {
    if (section > ItemListModel::TargetColumn) {
      header()->setSortIndicator(m_model.sortColumn(), m_model.sortOrder());
      return;
    }
    Qt::SortOrder order = Qt::AscendingOrder;
    if (section == m_model.sortColumn() && m_model.sortOrder() == Qt::AscendingOrder)
      order = Qt::DescendingOrder;
    TextEntry *current = selectedEntry();
    m_model.sort(section, order);
    header()->setSortIndicator(section, order);
    if (current)
      showEntry(current);
  });
  connect(&model, &QAbstractItemModel::modelReset, this,
          [this] { header()->setSortIndicator(m_model.sortColumn(), m_model.sortOrder()); });
}

void ItemListView::showEntry(TextEntry *entry) {
  const int row = m_model.rowOf(entry);
  m_showing = true;
  if (row < 0) {
    clearSelection();
  } else {
    const QModelIndex index = m_model.index(row, ItemListModel::SourceColumn);
    setCurrentIndex(index);
    scrollTo(index);
  }
  m_showing = false;
}

TextEntry *ItemListView::selectedEntry() const {
  return m_model.entryAt(currentIndex().row());
}

void ItemListView::moveSelection(int step) {
  const int rows = m_model.rowCount();
  if (rows == 0)
    return;
  int row = currentIndex().isValid() ? currentIndex().row() + step : 0;
  row = std::clamp(row, 0, rows - 1);
  setCurrentIndex(m_model.index(row, ItemListModel::SourceColumn));
}

void ItemListView::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
  QTreeView::currentChanged(current, previous);
  if (!m_showing && current.isValid() && current.row() != previous.row())
    Q_EMIT entrySelected(m_model.entryAt(current.row()));
}

void ItemListView::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_F1) {
    showHelp(this, m_helpTopic);
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    moveSelection(1);
    return;
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0) > u' ' && !(event->modifiers() & Qt::ControlModifier) &&
      !(event->modifiers() & Qt::AltModifier)) {
    Q_EMIT typingStarted(text);
    return;
  }
  QTreeView::keyPressEvent(event);
}

void ItemListView::mouseDoubleClickEvent(QMouseEvent *event) {
  QTreeView::mouseDoubleClickEvent(event);
  TextEntry *entry = m_model.entryAt(indexAt(event->position().toPoint()).row());
  if (entry && m_services.explain)
    m_services.explain(entry);
}

void ItemListView::contextMenuEvent(QContextMenuEvent *event) {
  const QModelIndex index = indexAt(event->pos());
  TextEntry *entry = index.isValid() ? entryOf(index) : nullptr;
  if (!entry)
    return;
  if (m_session.currentEntry() != entry)
    Q_EMIT entrySelected(entry);
  QMenu menu(this);
  fillContextMenu(menu, entry);
  menu.exec(event->globalPos());
}

void ItemListView::fillContextMenu(QMenu &menu, TextEntry *entry) {
  // Each memory feature follows the export it needs; the remembered texts come
  // without GetTM as none.
  const bool addPair = m_services.addPairBound && m_services.addPairBound();
  const bool translation = m_session.machineTranslationAvailable();
  const ItemMenu contents =
      m_services.memoryMatches
          ? itemMenu(*entry, addPair, translation, m_services.memoryMatches(entry))
          : itemMenu(*entry, addPair, translation,
                     m_services.memoryTexts ? m_services.memoryTexts(entry) : QStringList());
  const auto choose = [this, entry](const QString &text) { Q_EMIT targetTextChosen(entry, text); };

  QAction *verified = menu.addAction(tr("Verified"));
  verified->setCheckable(true);
  verified->setChecked(contents.verified);
  connect(verified, &QAction::triggered, this,
          [this, entry](bool checked) { m_session.setVerified(entry, checked); });
  if (contents.addToMemory)
    menu.addAction(tr("Add to Translation Memory"), this, [this, entry] {
      if (m_services.addToMemory)
        m_services.addToMemory(entry);
    });
  menu.addAction(tr("Copy Source"), this,
                 [entry] { QApplication::clipboard()->setText(entry->sourceText); });
  menu.addAction(tr("Copy Target"), this,
                 [entry] { QApplication::clipboard()->setText(entry->targetText); });
  const QMimeData *clip = QApplication::clipboard()->mimeData();
  if (clip && clip->hasText())
    menu.addAction(tr("Paste Clipboard"), this,
                   [choose] { choose(QApplication::clipboard()->text()); });
  menu.addAction(tr("Paste Source\t(Ctrl+T)"), this,
                 [choose, entry] { choose(entry->sourceText); });
  QAction *translate =
      menu.addAction(tr("Translate using machine translation"), this, [this, entry] {
        if (m_services.translate)
          m_services.translate(entry);
      });
  translate->setEnabled(contents.translate && bool(m_services.translate));
  addTextMenu(menu, tr("Paste Fuzzy"), contents.fuzzy, choose);
  addTextMenu(menu, tr("Paste Another Occurence"), contents.occurrences, choose);
  addTextMenu(menu, tr("Paste Translation Memory"), contents.memory, choose);
}

} // namespace tarvelo::gui
