// Resources with check boxes, grouped by kind under the root "Resources".
#pragma once

#include "seam/prompter.h"

#include <QTreeWidget>

namespace tarvelo::gui {

// Resources with check boxes under the root "Resources", one node per group
// ("Dialog", "Menu", ...), groups sorted, the root expanded. Checking a group or the
// root checks everything below it.
class ResourceChoiceTree : public QTreeWidget {
  Q_OBJECT
public:
  explicit ResourceChoiceTree(QWidget *parent = nullptr);

  void setChoices(const QList<ResourceChoice> &choices);
  // The choices as given, with the check state the user left.
  QList<ResourceChoice> choices() const;
  bool isEmpty() const { return m_choices.isEmpty(); }

  // The node of a resource, for tests and keyboard users alike.
  QTreeWidgetItem *itemFor(const QString &group, const QString &identifier) const;

private:
  QList<ResourceChoice> m_choices;
  QList<QTreeWidgetItem *> m_items; // parallel to m_choices
};

} // namespace tarvelo::gui
