// Resources with check boxes, grouped by kind under the root "Resources".
#include "task/resource_choice_tree.h"

#include <QHeaderView>
#include <QMap>

namespace tarvelo::gui {

ResourceChoiceTree::ResourceChoiceTree(QWidget *parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setUniformRowHeights(true);
  setMinimumHeight(fontMetrics().height() * 10);
}

void ResourceChoiceTree::setChoices(const QList<ResourceChoice> &choices) {
  clear();
  m_choices = choices;
  m_items.clear();
  auto *root = new QTreeWidgetItem(this, {tr("Resources")});
  root->setFlags(root->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
  root->setCheckState(0, Qt::Checked);

  // QMap keeps the groups sorted; resources stay in the order given.
  QMap<QString, QTreeWidgetItem *> groups;
  for (const ResourceChoice &choice : choices)
    if (!groups.contains(choice.group))
      groups.insert(choice.group, nullptr);
  for (auto it = groups.begin(); it != groups.end(); ++it) {
    auto *group = new QTreeWidgetItem(root, {it.key()});
    group->setFlags(group->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    it.value() = group;
  }
  for (const ResourceChoice &choice : choices) {
    auto *item = new QTreeWidgetItem(groups.value(choice.group), {choice.identifier});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, choice.checked ? Qt::Checked : Qt::Unchecked);
    m_items.append(item);
  }
  // An empty tree: a bare root would look checked and mean nothing.
  if (choices.isEmpty())
    root->setData(0, Qt::CheckStateRole, QVariant());
  root->setExpanded(true);
}

QList<ResourceChoice> ResourceChoiceTree::choices() const {
  QList<ResourceChoice> result = m_choices;
  for (qsizetype i = 0; i < result.size(); ++i)
    result[i].checked = m_items[i]->checkState(0) == Qt::Checked;
  return result;
}

QTreeWidgetItem *ResourceChoiceTree::itemFor(const QString &group,
                                             const QString &identifier) const {
  for (qsizetype i = 0; i < m_choices.size(); ++i)
    if (m_choices[i].group == group && m_choices[i].identifier == identifier)
      return m_items[i];
  return nullptr;
}

} // namespace tarvelo::gui
