// The save dialog of a target script, with its write language and resources.
#include "task/save_to_file_dialog.h"

#include "task/language_combo.h"
#include "task/resource_choice_tree.h"
#include "task/task_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvelo::gui {

SaveToFileDialog::SaveToFileDialog(SaveFileRequest &request, QWidget *parent)
    : QDialog(parent), m_request(request) {
  setWindowTitle(request.title);
  // The file dialog lives inside this one: its Save and Cancel end both.
  m_files = new QFileDialog(this);
  m_files->setWindowFlags(Qt::Widget);
  m_files->setOption(QFileDialog::DontUseNativeDialog);
  m_files->setAcceptMode(QFileDialog::AcceptSave);
  m_files->setFileMode(QFileDialog::AnyFile);
  m_files->setNameFilters({tr("Resource files (*.rc *.rc2)"), tr("All files (*)")});
  m_files->setDefaultSuffix(QStringLiteral("rc"));
  m_files->setSizeGripEnabled(false);
  // Room for the file list and a readable "Files of type" box.
  m_files->setMinimumSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 26);
  if (!request.path.isEmpty()) {
    const QFileInfo info(request.path);
    m_files->setDirectory(info.absolutePath());
    m_files->selectFile(info.fileName());
  }
  connect(m_files, &QFileDialog::finished, this, &SaveToFileDialog::fileDialogFinished);

  m_language = new LanguageCombo(this);
  m_language->setObjectName(QStringLiteral("writeLanguage"));
  m_language->setLanguage(request.writeLanguage);
  m_language->setEnabled(request.languageEditable);
  auto *languageLabel = new QLabel(tr("Target &language:"), this);
  languageLabel->setBuddy(m_language);
  m_resources = new ResourceChoiceTree(this);
  m_resources->setObjectName(QStringLiteral("resourcesForSave"));
  m_resources->setChoices(request.resources);
  auto *resourcesLabel = new QLabel(tr("&Resources for save:"), this);
  resourcesLabel->setBuddy(m_resources);

  auto *side = new QVBoxLayout;
  side->addWidget(languageLabel);
  side->addWidget(m_language);
  side->addSpacing(fontMetrics().height() / 2);
  side->addWidget(resourcesLabel);
  side->addWidget(m_resources, 1);
  // Leave room below the tree for the file dialog's own buttons row.
  side->addSpacing(fontMetrics().height() * 2);

  auto *layout = new QHBoxLayout(this);
  layout->addWidget(m_files, 3);
  layout->addLayout(side, 1);
}

void SaveToFileDialog::fileDialogFinished(int result) {
  const QStringList files = m_files->selectedFiles();
  if (result != QDialog::Accepted || files.isEmpty()) {
    reject();
    return;
  }
  m_request.path = files.constFirst();
  m_request.writeLanguage = m_language->language();
  m_request.resources = m_resources->choices();
  accept();
}

bool execSaveToFileDialog(QWidget *parent, SaveFileRequest &request) {
  SaveToFileDialog dialog(request, parent);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace tarvelo::gui
