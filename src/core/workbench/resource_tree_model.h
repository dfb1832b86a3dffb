// The resource tree model of the open tasks.
#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace tarvelo {

class Session;
class TextEntry;

// The resources of the open tasks: the root "Resources", a group per kind and a
// node per resource (per string under "String Table"), children sorted.
class ResourceTreeModel : public QAbstractItemModel {
  Q_OBJECT
public:
  explicit ResourceTreeModel(Session &session, QObject *parent = nullptr);
  ~ResourceTreeModel() override;

  void rebuild();
  // The node of an entry's resource (or string), invalid when it has none.
  QModelIndex indexOf(const TextEntry *entry) const;
  TextEntry *entryAt(const QModelIndex &index) const;
  // The entry that opening a node makes current: the resource's first entry, or the
  // one after it for kinds whose first entry carries no text (menus, DLGINIT).
  static TextEntry *entryToOpen(TextEntry *resource);
  // Redraws a node after its removed mark changed.
  void updateEntry(const TextEntry *entry);

  QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex &child) const override;
  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;

private:
  struct Node {
    QString label;
    TextEntry *entry = nullptr;
    int image = 0;
    Node *parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<Node>> children;
  };
  Node *nodeOf(const QModelIndex &index) const;

  Session &m_session;
  std::unique_ptr<Node> m_root;
  QHash<const TextEntry *, Node *> m_nodeOfEntry; // the node of each resource and string
};

} // namespace tarvelo
