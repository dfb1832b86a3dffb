// "Directives #import": a target script and language for every script a source includes.
#include "task/directives_import_dialog.h"

#include "options/help.h"
#include "task/language_combo.h"
#include "task/task_dialogs.h"
#include "task/task_form.h"
#include "workbench/path_rules.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvelo::gui {

DirectivesImportDialog::DirectivesImportDialog(ScriptPairingRequest &request, QWidget *parent)
    : QDialog(parent), m_request(request) {
  setWindowTitle(tr("Directives #import"));
  auto *text = new QLabel(tr("Import of the following resource scripts was found. Make a "
                             "pairs, if you want to localize them."),
                          this);
  text->setWordWrap(true);

  auto *pairs = new QWidget;
  auto *grid = new QGridLayout(pairs);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 2);
  auto bold = [](QLabel *label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
  };
  grid->addWidget(bold(new QLabel(tr("Included script"))), 0, 0);
  grid->addWidget(bold(new QLabel(tr("Target script"))), 0, 1, 1, 2);
  grid->addWidget(bold(new QLabel(tr("Target language"))), 0, 3);
  for (int i = 0; i < request.pairs.size(); ++i) {
    const ScriptPairingRequest::Pair &pair = request.pairs[i];
    const int row = i + 1;
    auto *source = new QLabel(QFileInfo(pair.sourcePath).fileName());
    source->setToolTip(QDir::toNativeSeparators(pair.sourcePath));
    auto *path = new QLineEdit(pair.targetPath);
    path->setPlaceholderText(tr("Specify later"));
    path->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    auto *browse = new QPushButton(tr("..."));
    browse->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    browse->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
    auto *language = new LanguageCombo;
    language->setLanguage(pair.targetLanguage);
    source->setBuddy(path);
    grid->addWidget(source, row, 0);
    grid->addWidget(path, row, 1);
    grid->addWidget(browse, row, 2);
    grid->addWidget(language, row, 3);
    connect(browse, &QPushButton::clicked, this, [this, path] {
      const QString chosen = browseForScript(this, tr("Target Script"), path->text(), false);
      if (!chosen.isEmpty())
        path->setText(chosen);
    });
    m_rows.append({path, language});
    connect(path, &QLineEdit::textChanged, this, &DirectivesImportDialog::check);
  }
  grid->setRowStretch(int(request.pairs.size()) + 1, 1);

  auto *scroll = new QScrollArea(this);
  scroll->setWidget(pairs);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Up to six pairs show without scrolling; longer lists scroll.
  const int rowHeight = m_rows.isEmpty() ? 0 : m_rows.constFirst().path->sizeHint().height();
  const int visibleRows = int(qMin(request.pairs.size(), qsizetype(6))) + 1;
  scroll->setMinimumHeight(
      qMin(pairs->sizeHint().height(), visibleRows * (rowHeight + grid->verticalSpacing())));
  scroll->setMinimumWidth(pairs->sizeHint().width());
  m_problem = new QLabel(this);
  m_problem->setWordWrap(true);
  m_problem->hide();
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &DirectivesImportDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &DirectivesImportDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(scroll, 1);
  layout->addWidget(m_problem);
  layout->addWidget(buttons);
  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("Directiveimport.html")); });
  check();
}

void DirectivesImportDialog::check() {
  QString own;
  for (int i = 0; i < m_rows.size() && own.isEmpty(); ++i) {
    const QString path = m_rows[i].path->text().trimmed();
    if (!path.isEmpty() && sameFile(absolutePath(path), m_request.pairs[i].sourcePath))
      own = QFileInfo(m_request.pairs[i].sourcePath).fileName();
  }
  m_problem->setText(own.isEmpty() ? QString()
                                   : tr("'%1' cannot be its own target: saving would write over "
                                        "it. Choose another file, or leave the target empty to "
                                        "specify it later.")
                                         .arg(own));
  m_problem->setVisible(!own.isEmpty());
  m_ok->setEnabled(own.isEmpty());
}

void DirectivesImportDialog::accept() {
  if (!m_ok->isEnabled())
    return;
  for (int i = 0; i < m_rows.size(); ++i) {
    ScriptPairingRequest::Pair &pair = m_request.pairs[i];
    const QString path = m_rows[i].path->text().trimmed();
    pair.targetPath = path.isEmpty() ? QString() : absolutePath(path);
    pair.targetLanguage = m_rows[i].language->language();
  }
  QDialog::accept();
}

bool execDirectivesImportDialog(QWidget *parent, ScriptPairingRequest &request) {
  DirectivesImportDialog dialog(request, parent);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace tarvelo::gui
