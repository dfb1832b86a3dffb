// The resource tree: a group per kind and a node per resource, sorted.
#include "workbench/resource_tree_model.h"

#include "script/resource_group.h"
#include "script/script_path.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "workbench/item_roles.h"
#include "workbench/session.h"

#include <QHash>
#include <algorithm>

namespace tarvelo {

namespace {

const char *const kTextGroups[] = {"DLGINIT", "DIALOG", "MENU", "STRINGTABLE"};

int groupImage(const QString &kind) {
  for (int i = 0; i < 4; ++i)
    if (kind == QLatin1String(kTextGroups[i]))
      return i + 1;
  return 5;
}

} // namespace

ResourceTreeModel::ResourceTreeModel(Session &session, QObject *parent)
    : QAbstractItemModel(parent), m_session(session) {
  rebuild();
}

ResourceTreeModel::~ResourceTreeModel() = default;

void ResourceTreeModel::rebuild() {
  beginResetModel();
  m_nodeOfEntry.clear();
  m_root = std::make_unique<Node>();
  m_root->label = tr("Resources");
  QHash<QString, Node *> groups;
  const auto group = [&](const QString &kind) {
    const QString name = resourceGroupName(kind);
    Node *&node = groups[name];
    if (!node) {
      auto made = std::make_unique<Node>();
      made->label = name;
      made->image = groupImage(kind);
      made->parent = m_root.get();
      node = made.get();
      m_root->children.push_back(std::move(made));
    }
    return node;
  };
  const bool severalTasks = m_session.severalTasks();
  for (const auto &owned : m_session.entries()) {
    TextEntry *entry = owned.get();
    const bool isString = entry->entryClass() == TextEntry::Class::String;
    if (!isString && !entry->isHead())
      continue;
    Node *parent = group(entry->kind);
    auto node = std::make_unique<Node>();
    node->label = entry->identifier;
    if (severalTasks && entry->task)
      node->label += QStringLiteral(" (") + fileNameOf(entry->task->sourcePath) + u')';
    node->entry = entry;
    node->image = parent->image;
    node->parent = parent;
    m_nodeOfEntry.insert(entry, node.get());
    parent->children.push_back(std::move(node));
  }
  const auto byLabel = [](const auto &a, const auto &b) { return a->label < b->label; };
  std::stable_sort(m_root->children.begin(), m_root->children.end(), byLabel);
  for (int i = 0; i < int(m_root->children.size()); ++i) {
    Node *groupNode = m_root->children[size_t(i)].get();
    groupNode->row = i;
    std::stable_sort(groupNode->children.begin(), groupNode->children.end(), byLabel);
    for (int j = 0; j < int(groupNode->children.size()); ++j)
      groupNode->children[size_t(j)]->row = j;
  }
  endResetModel();
}

ResourceTreeModel::Node *ResourceTreeModel::nodeOf(const QModelIndex &index) const {
  return index.isValid() ? static_cast<Node *>(index.internalPointer()) : nullptr;
}

TextEntry *ResourceTreeModel::entryAt(const QModelIndex &index) const {
  const Node *node = nodeOf(index);
  return node ? node->entry : nullptr;
}

QModelIndex ResourceTreeModel::indexOf(const TextEntry *entry) const {
  if (!entry)
    return {};
  const TextEntry *wanted = entry->entryClass() == TextEntry::Class::String ? entry : entry->head();
  Node *node = m_nodeOfEntry.value(wanted);
  return node ? createIndex(node->row, 0, node) : QModelIndex();
}

TextEntry *ResourceTreeModel::entryToOpen(TextEntry *resource) {
  if (!resource)
    return nullptr;
  const auto type = resource->entryClass();
  if (type == TextEntry::Class::Menu || type == TextEntry::Class::DlgInit) {
    TextEntry *next = resource->next();
    if (next && next->sourceBlock == resource->sourceBlock)
      return next;
  }
  return resource;
}

void ResourceTreeModel::updateEntry(const TextEntry *entry) {
  const QModelIndex index = indexOf(entry);
  if (index.isValid())
    Q_EMIT dataChanged(index, index);
}

QModelIndex ResourceTreeModel::index(int row, int column, const QModelIndex &parent) const {
  if (column != 0 || row < 0)
    return {};
  if (!parent.isValid())
    return row == 0 ? createIndex(0, 0, m_root.get()) : QModelIndex();
  const Node *node = nodeOf(parent);
  if (!node || row >= int(node->children.size()))
    return {};
  return createIndex(row, 0, node->children[size_t(row)].get());
}

QModelIndex ResourceTreeModel::parent(const QModelIndex &child) const {
  const Node *node = nodeOf(child);
  if (!node || !node->parent)
    return {};
  return createIndex(node->parent->row, 0, node->parent);
}

int ResourceTreeModel::rowCount(const QModelIndex &parent) const {
  if (!parent.isValid())
    return 1;
  if (parent.column() != 0)
    return 0;
  const Node *node = nodeOf(parent);
  return node ? int(node->children.size()) : 0;
}

int ResourceTreeModel::columnCount(const QModelIndex &) const {
  return 1;
}

QVariant ResourceTreeModel::data(const QModelIndex &index, int role) const {
  const Node *node = nodeOf(index);
  if (!node)
    return {};
  switch (role) {
  case Qt::DisplayRole:
    return node->label;
  case TreeImageRole:
    return node->image;
  case EntryRole:
    return QVariant::fromValue(quintptr(node->entry));
  case RemovedRole:
    return node->entry && node->entry->removed;
  default:
    return {};
  }
}

} // namespace tarvelo
