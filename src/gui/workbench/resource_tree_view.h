// The resources of the open tasks by kind; opening a node shows its resource.
#pragma once

#include <QTreeView>

namespace tarvelo {
class ResourceTreeModel;
class Session;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

// The resources of the open tasks by kind; opening a node shows its resource.
class ResourceTreeView : public QTreeView {
  Q_OBJECT
public:
  ResourceTreeView(Session &session, ResourceTreeModel &model, QWidget *parent = nullptr);

  // Rebuilds from the session's entries and expands the root.
  void rebuild();
  // Makes the resource's node current and visible, without opening it again.
  void showResource(const TextEntry *resource);

Q_SIGNALS:
  // The resource of the node (its first entry) is to be shown and made current.
  void resourceOpened(TextEntry *resource);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  // Selecting a resource shows it, as opening it does.
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
  void open(const QModelIndex &index);

  Session &m_session;
  ResourceTreeModel &m_model;
  bool m_showing = false;
};

} // namespace tarvelo::gui
