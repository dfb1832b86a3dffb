// The controls shared by the Open Resources and Task Properties dialogs.
#include "task/task_form.h"

#include "compiled/target_kind.h"

#include "project/script_search_dialog.h"
#include "seam/settings.h"
#include "task/language_combo.h"
#include "workbench/path_rules.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvelo::gui {

QString browseForScript(QWidget *parent, const QString &caption, const QString &current,
                        bool mustExist, bool *searchAsked) {
  // The result of the "Search dialog..." button.
  constexpr int SearchDialog = 30;
  QFileDialog dialog(parent, caption);
  if (searchAsked) {
    *searchAsked = false;
    // Only Qt's own dialog takes another button.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto *box = dialog.findChild<QDialogButtonBox *>()) {
      QPushButton *search =
          box->addButton(TaskForm::tr("Search dialog..."), QDialogButtonBox::ActionRole);
      search->setObjectName(QStringLiteral("searchDialog"));
      QObject::connect(search, &QPushButton::clicked, &dialog,
                       [&dialog] { static_cast<QDialog &>(dialog).done(SearchDialog); });
    }
  }
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // A target may be a script that does not exist yet: it is built from the source.
  dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  QStringList filters{TaskForm::tr("Resource files (*.rc *.rc2)")};
  // A source or a target may also be a built program or a compiled resource file.
  filters << TaskForm::tr("Programs and compiled resources (*.exe *.dll *.ocx *.cpl *.mui *.res)");
  filters << TaskForm::tr("All files (*)");
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QStringLiteral("rc"));
  if (!current.isEmpty()) {
    const QFileInfo info(current);
    dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }
  const int result = dialog.exec();
  if (searchAsked && result == SearchDialog)
    *searchAsked = true;
  if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return absolutePath(dialog.selectedFiles().constFirst());
}

TaskForm::TaskForm(bool withTaskName, QWidget *parent) : QWidget(parent) {
  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);
  int row = 0;
  auto addLabel = [&](const QString &text, QWidget *buddy) {
    auto *label = new QLabel(text, this);
    label->setBuddy(buddy);
    grid->addWidget(label, row, 0);
  };
  auto makeBrowse = [this](const char *name) {
    auto *button = new QPushButton(tr("..."), this);
    button->setObjectName(QLatin1String(name));
    // A narrow button, as wide as its text needs.
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    return button;
  };

  // What each file is, and how a target is written, in a quieter line below its path.
  auto makeKindLabel = [this](const char *name) {
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
  };

  if (withTaskName) {
    m_taskName = new QLineEdit(this);
    m_taskName->setObjectName(QStringLiteral("taskName"));
    addLabel(tr("Task &name:"), m_taskName);
    grid->addWidget(m_taskName, row++, 1, 1, 2);
  }

  m_sourcePath = new QLineEdit(this);
  m_sourcePath->setObjectName(QStringLiteral("sourcePath"));
  m_sourcePath->setMinimumWidth(m_sourcePath->fontMetrics().averageCharWidth() * 48);
  m_sourceBrowse = makeBrowse("sourceBrowse");
  addLabel(tr("&Source file:"), m_sourcePath);
  grid->addWidget(m_sourcePath, row, 1);
  grid->addWidget(m_sourceBrowse, row++, 2);
  m_sourceKind = makeKindLabel("sourceKind");
  grid->addWidget(m_sourceKind, row++, 1, 1, 2);

  // A program's own header names its numbers as its scripts do.
  m_sourceHeader = new QLineEdit(this);
  m_sourceHeader->setObjectName(QStringLiteral("sourceHeader"));
  m_sourceHeader->setPlaceholderText(tr("resource.h of the program, for its names (optional)"));
  m_headerBrowse = makeBrowse("headerBrowse");
  addLabel(tr("&Header:"), m_sourceHeader);
  grid->addWidget(m_sourceHeader, row, 1);
  grid->addWidget(m_headerBrowse, row++, 2);

  m_sourceLanguage = new LanguageCombo(this);
  m_sourceLanguage->setObjectName(QStringLiteral("sourceLanguage"));
  addLabel(tr("Source &language:"), m_sourceLanguage);
  grid->addWidget(m_sourceLanguage, row++, 1, 1, 2);

  grid->setRowMinimumHeight(row++, fontMetrics().height() / 2);

  m_targetPath = new QLineEdit(this);
  m_targetPath->setObjectName(QStringLiteral("targetPath"));
  m_targetBrowse = makeBrowse("targetBrowse");
  addLabel(tr("&Target file:"), m_targetPath);
  grid->addWidget(m_targetPath, row, 1);
  grid->addWidget(m_targetBrowse, row++, 2);
  m_targetKind = makeKindLabel("targetKind");
  grid->addWidget(m_targetKind, row++, 1, 1, 2);

  m_specifyLater = new QCheckBox(tr("Specify &later"), this);
  m_specifyLater->setObjectName(QStringLiteral("specifyLater"));
  grid->addWidget(m_specifyLater, row++, 1, 1, 2);

  m_targetLanguage = new LanguageCombo(this);
  m_targetLanguage->setObjectName(QStringLiteral("targetLanguage"));
  addLabel(tr("Tar&get language:"), m_targetLanguage);
  grid->addWidget(m_targetLanguage, row++, 1, 1, 2);

  grid->setRowMinimumHeight(row++, fontMetrics().height() / 2);

  m_fillFromMemory = new QCheckBox(tr("Fill empty items from  Translation Memory"), this);
  m_fillFromMemory->setObjectName(QStringLiteral("fillFromMemory"));
  grid->addWidget(m_fillFromMemory, row++, 0, 1, 3);

  connectControls();
  updateTargetEnabled();
  showKinds();
}

void TaskForm::connectControls() {
  connect(m_sourcePath, &QLineEdit::textChanged, this, &TaskForm::changed);
  connect(m_targetPath, &QLineEdit::textChanged, this, &TaskForm::changed);
  connect(m_sourcePath, &QLineEdit::textChanged, this, &TaskForm::showKinds);
  connect(m_targetPath, &QLineEdit::textChanged, this, &TaskForm::showKinds);
  connect(m_specifyLater, &QCheckBox::stateChanged, this, [this] {
    updateTargetEnabled();
    Q_EMIT changed();
  });
  connect(m_sourceBrowse, &QPushButton::clicked, this,
          [this] { browse(m_sourcePath, /*mustExist=*/true); });
  connect(m_targetBrowse, &QPushButton::clicked, this,
          [this] { browse(m_targetPath, /*mustExist=*/false); });
  connect(m_headerBrowse, &QPushButton::clicked, this, [this] {
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Header of the Program"), m_sourceHeader->text(),
                                     tr("Header files (*.h *.hh *.hpp);;All files (*)"), nullptr,
                                     QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
      m_sourceHeader->setText(QDir::toNativeSeparators(path));
  });
}

void TaskForm::showKinds() {
  const QString source = m_sourcePath->text().trimmed();
  const FileKind sourceKind = fileKindOf(source);
  m_sourceKind->setText(
      source.isEmpty() || sourceKind == FileKind::Missing ? QString() : fileKindName(sourceKind));
  // Only a compiled file is read with a header's names.
  const bool compiled = sourceKind != FileKind::Script && sourceKind != FileKind::Missing;
  m_sourceHeader->setEnabled(compiled);
  m_headerBrowse->setEnabled(compiled);
  const QString target = m_targetPath->text().trimmed();
  const FileKind targetKind = fileKindOf(target);
  if (target.isEmpty())
    m_targetKind->clear();
  else if (targetKind == FileKind::Missing)
    m_targetKind->setText(
        tr("New file, written as: %1").arg(targetKindName(targetKindFor(target))));
  else
    m_targetKind->setText(fileKindName(targetKind));
}

void TaskForm::updateTargetEnabled() {
  const bool enabled = m_specifyLater->checkState() != Qt::Checked;
  m_targetPath->setEnabled(enabled);
  m_targetBrowse->setEnabled(enabled);
}

void TaskForm::offerSearch(Settings *settings, const QString &openTargetPath) {
  m_settings = settings;
  m_openTargetPath = openTargetPath;
}

void TaskForm::setTarget(const QString &path) {
  m_specifyLater->setChecked(false);
  m_targetPath->setText(path);
}

void TaskForm::browse(QLineEdit *edit, bool mustExist) {
  const QString caption = mustExist ? tr("Open Source File") : tr("Open Target File");
  if (!m_settings) {
    const QString path = browseForScript(this, caption, edit->text(), mustExist);
    if (!path.isEmpty())
      edit->setText(path);
    return;
  }
  // Either dialog leads to the other; the one used last is the next one's kind.
  bool useSearch = m_settings->integer(QStringLiteral("UseSearch")) == 1;
  for (;;) {
    if (useSearch) {
      ScriptSearchDialog search(*m_settings, edit->text().trimmed(), m_openTargetPath, this);
      connect(&search, &ScriptSearchDialog::sourceChosen, m_sourcePath, &QLineEdit::setText);
      connect(&search, &ScriptSearchDialog::targetChosen, this, &TaskForm::setTarget);
      if (search.exec() == ScriptSearchDialog::SimpleDialog) {
        useSearch = false;
        continue;
      }
      break;
    }
    bool searchAsked = false;
    const QString path = browseForScript(this, caption, edit->text(), mustExist, &searchAsked);
    if (searchAsked) {
      useSearch = true;
      continue;
    }
    if (!path.isEmpty())
      edit->setText(path);
    break;
  }
  m_settings->setInteger(QStringLiteral("UseSearch"), useSearch ? 1 : 0);
}

} // namespace tarvelo::gui
