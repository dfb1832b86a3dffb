// The save dialog of a target script, with its write language and resources.
#include "task/save_to_file_dialog.h"

#include "task/language_combo.h"
#include "task/resource_choice_tree.h"
#include "task/task_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

// The file type of each form a target is written in, and the extension it takes.
QString kindFilter(TargetKind kind) {
  switch (kind) {
  case TargetKind::Script:
    return SaveToFileDialog::tr("Resource files (*.rc *.rc2)");
  case TargetKind::CompiledResources:
    return SaveToFileDialog::tr("Compiled resources (*.res)");
  case TargetKind::LanguageDll:
    return SaveToFileDialog::tr("Resource-only language DLL (*.dll *.mui)");
  case TargetKind::ProgramCopy:
    return SaveToFileDialog::tr("Copy of the program, signature removed (*.exe *.dll *.ocx *.cpl)");
  }
  return QString();
}

QString kindSuffix(TargetKind kind, const QString &programSuffix) {
  switch (kind) {
  case TargetKind::Script:
    return QStringLiteral("rc");
  case TargetKind::CompiledResources:
    return QStringLiteral("res");
  case TargetKind::LanguageDll:
    return QStringLiteral("dll");
  case TargetKind::ProgramCopy:
    return programSuffix;
  }
  return QString();
}

} // namespace

SaveToFileDialog::SaveToFileDialog(SaveFileRequest &request, QWidget *parent)
    : QDialog(parent), m_request(request) {
  setWindowTitle(request.title);
  // A program copy keeps the program's own extension.
  const QString suffix = QFileInfo(request.path).suffix().toLower();
  if (targetKindFor(request.path) == TargetKind::ProgramCopy && !suffix.isEmpty())
    m_programSuffix = suffix;
  // The file dialog lives inside this one: its Save and Cancel end both.
  m_files = new QFileDialog(this);
  m_files->setWindowFlags(Qt::Widget);
  m_files->setOption(QFileDialog::DontUseNativeDialog);
  m_files->setAcceptMode(QFileDialog::AcceptSave);
  m_files->setFileMode(QFileDialog::AnyFile);
  setUpKinds();
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

// One file type per form the target may take; choosing one gives the name its extension.
void SaveToFileDialog::setUpKinds() {
  QStringList filters;
  for (const TargetKind kind : std::as_const(m_request.kinds))
    filters << kindFilter(kind);
  m_files->setNameFilters(filters);
  const qsizetype chosen = qMax<qsizetype>(m_request.kinds.indexOf(m_request.kind), 0);
  m_files->selectNameFilter(filters.value(chosen));
  m_files->setDefaultSuffix(kindSuffix(m_request.kinds.value(chosen), m_programSuffix));
  connect(m_files, &QFileDialog::filterSelected, this, [this](const QString &filter) {
    const TargetKind kind = kindOfFilter(filter);
    const QString suffix = kindSuffix(kind, m_programSuffix);
    m_files->setDefaultSuffix(suffix);
    // The name typed so far takes the form's extension.
    auto *name = m_files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (name && !name->text().isEmpty())
      name->setText(QFileInfo(name->text()).completeBaseName() + u'.' + suffix);
  });
}

TargetKind SaveToFileDialog::kindOfFilter(const QString &filter) const {
  for (const TargetKind kind : std::as_const(m_request.kinds))
    if (kindFilter(kind) == filter)
      return kind;
  return TargetKind::Script;
}

void SaveToFileDialog::fileDialogFinished(int result) {
  const QStringList files = m_files->selectedFiles();
  if (result != QDialog::Accepted || files.isEmpty()) {
    reject();
    return;
  }
  m_request.path = files.constFirst();
  m_request.kind = kindOfFilter(m_files->selectedNameFilter());
  m_request.writeLanguage = m_language->language();
  m_request.resources = m_resources->choices();
  accept();
}

bool execSaveToFileDialog(QWidget *parent, SaveFileRequest &request) {
  SaveToFileDialog dialog(request, parent);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace tarvelo::gui
