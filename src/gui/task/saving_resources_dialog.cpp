// "Saving resources": which resources found only in the target stay in it.
#include "task/saving_resources_dialog.h"

#include "options/help.h"
#include "task/resource_choice_tree.h"
#include "task/task_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvelo::gui {

SavingResourcesDialog::SavingResourcesDialog(SavingResourcesRequest &request, QWidget *parent)
    : QDialog(parent), m_request(request), m_tree(new ResourceChoiceTree(this)) {
  setWindowTitle(request.title);
  auto *text = new QLabel(tr("The target resource file contains following resource items "
                             "missing in the source file. Select items you want to keep in "
                             "the file."),
                          this);
  text->setWordWrap(true);
  // A wrapped label needs a width to wrap at, or the dialog grows very tall.
  text->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
  m_tree->setObjectName(QStringLiteral("resources"));
  m_tree->setChoices(request.items);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SavingResourcesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SavingResourcesDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(m_tree, 1);
  layout->addWidget(buttons);
  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("missing.html")); });
}

void SavingResourcesDialog::accept() {
  m_request.items = m_tree->choices();
  QDialog::accept();
}

bool execSavingResourcesDialog(QWidget *parent, SavingResourcesRequest &request) {
  // Nothing to choose: the dialog ends with OK by itself.
  if (request.items.isEmpty())
    return true;
  SavingResourcesDialog dialog(request, parent);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace tarvelo::gui
