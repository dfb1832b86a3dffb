// "Saving resources": which resources found only in the target stay in it.
#pragma once

#include "seam/prompter.h"

#include <QDialog>

namespace tarvelo::gui {

class ResourceChoiceTree;

// "Saving resources": which resources found only in the target stay in it.
class SavingResourcesDialog : public QDialog {
  Q_OBJECT
public:
  SavingResourcesDialog(SavingResourcesRequest &request, QWidget *parent = nullptr);

  ResourceChoiceTree *tree() const { return m_tree; }
  void accept() override;

private:
  SavingResourcesRequest &m_request;
  ResourceChoiceTree *m_tree;
};

} // namespace tarvelo::gui
