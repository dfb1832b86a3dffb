// The resources of the open tasks by kind; opening a node shows its resource.
#include "workbench/resource_tree_view.h"

#include "options/help.h"
#include "script/text_entry.h"
#include "workbench/item_icons.h"
#include "workbench/item_roles.h"
#include "workbench/resource_tree_model.h"
#include "workbench/session.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>

namespace tarvelo::gui {

namespace {

// Adds the images and the colour of removed resources to the tree's nodes.
class TreeLook : public QIdentityProxyModel {
public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex &index, int role) const override {
    if (role == Qt::DecorationRole)
      return resourceTreeIcon(QIdentityProxyModel::data(index, TreeImageRole).toInt());
    if (role == Qt::ForegroundRole && QIdentityProxyModel::data(index, RemovedRole).toBool())
      return QPalette().color(QPalette::Disabled, QPalette::Text);
    if (role == Qt::FontRole && QIdentityProxyModel::data(index, RemovedRole).toBool()) {
      QFont font;
      font.setStrikeOut(true);
      return font;
    }
    return QIdentityProxyModel::data(index, role);
  }
};

} // namespace

ResourceTreeView::ResourceTreeView(Session &session, ResourceTreeModel &model, QWidget *parent)
    : QTreeView(parent), m_session(session), m_model(model) {
  auto *look = new TreeLook(this);
  look->setSourceModel(&model);
  setModel(look);
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setExpandsOnDoubleClick(false);
  connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
    if (m_model.entryAt(static_cast<QIdentityProxyModel *>(this->model())->mapToSource(index)))
      open(index);
    else
      setExpanded(index, !isExpanded(index));
  });
}

void ResourceTreeView::rebuild() {
  m_model.rebuild();
  expand(model()->index(0, 0));
}

void ResourceTreeView::showResource(const TextEntry *resource) {
  const QModelIndex index =
      static_cast<QIdentityProxyModel *>(model())->mapFromSource(m_model.indexOf(resource));
  if (!index.isValid() || index == currentIndex())
    return;
  m_showing = true;
  setCurrentIndex(index);
  m_showing = false;
  scrollTo(index);
}

void ResourceTreeView::open(const QModelIndex &index) {
  auto *look = static_cast<QIdentityProxyModel *>(model());
  if (TextEntry *resource = m_model.entryAt(look->mapToSource(index)))
    Q_EMIT resourceOpened(resource);
}

void ResourceTreeView::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
  QTreeView::currentChanged(current, previous);
  if (current.isValid() && current != previous && !m_showing)
    open(current);
}

void ResourceTreeView::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_F1) {
    showHelp(this, QStringLiteral("restree.html"));
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    open(currentIndex());
    return;
  }
  QTreeView::keyPressEvent(event);
}

void ResourceTreeView::contextMenuEvent(QContextMenuEvent *event) {
  const QModelIndex index = indexAt(event->pos());
  auto *look = static_cast<QIdentityProxyModel *>(model());
  TextEntry *resource = m_model.entryAt(look->mapToSource(index));
  if (!resource)
    return;
  QMenu menu(this);
  menu.addAction(tr("Open"), this, [this, index] { open(index); });
  menu.addSeparator();
  TextEntry *head = resource->head() ? resource->head() : resource;
  if (head->removed)
    menu.addAction(tr("Restore item"), this, [this, head] {
      m_session.setRemoved(head, false);
      m_model.updateEntry(head);
    });
  else
    menu.addAction(tr("Remove item"), this, [this, head] {
      m_session.setRemoved(head, true);
      m_model.updateEntry(head);
    });
  menu.exec(event->globalPos());
}

} // namespace tarvelo::gui
