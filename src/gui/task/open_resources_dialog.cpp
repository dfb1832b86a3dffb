// "Open Resources": the source and target scripts of a new task.
#include "task/open_resources_dialog.h"

#include "options/help.h"
#include "seam/settings.h"
#include "task/language_combo.h"
#include "task/task_form.h"
#include "workbench/session.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvelo::gui {

bool canOpenTask(const QString &sourcePath, bool specifyLater, const QString &targetPath) {
  const QFileInfo source(sourcePath);
  return !sourcePath.isEmpty() && source.isFile() && (specifyLater || !targetPath.isEmpty());
}

OpenResourcesDialog::OpenResourcesDialog(Session &session, bool memoryBound, QWidget *parent)
    : QDialog(parent), m_session(session), m_form(new TaskForm(false, this)) {
  setWindowTitle(tr("Open Resources"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(m_form);
  layout->addStretch(1);
  layout->addWidget(buttons);

  const Settings &settings = session.settings();
  m_form->sourcePath()->setText(settings.text(QStringLiteral("SourcePath")));
  m_form->targetPath()->setText(settings.text(QStringLiteral("TargetPath")));
  m_form->specifyLater()->setChecked(settings.integer(QStringLiteral("UseTarget")) == 0);
  m_form->sourceLanguage()->setLanguage(settings.integer(QStringLiteral("SourceLanguage")));
  m_form->targetLanguage()->setLanguage(settings.integer(QStringLiteral("TargetLanguage")));
  m_form->fillFromMemory()->setChecked(settings.integer(QStringLiteral("InitTM")) != 0);
  m_form->fillFromMemory()->setEnabled(memoryBound);
  m_form->updateTargetEnabled();
  const Task *open = session.tasks().head();
  m_form->offerSearch(&session.settings(), open ? open->targetPath : QString());

  connect(buttons, &QDialogButtonBox::accepted, this, &OpenResourcesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &OpenResourcesDialog::reject);
  connect(m_form, &TaskForm::changed, this, &OpenResourcesDialog::updateEnabled);
  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("start.html")); });
  updateEnabled();
}

OpenRequest OpenResourcesDialog::request() const {
  OpenRequest request;
  request.sourcePath = m_form->sourcePath()->text().trimmed();
  request.sourceLanguage = m_form->sourceLanguage()->language();
  request.specifyLater = m_form->specifyLater()->isChecked();
  request.targetPath = request.specifyLater ? QString() : m_form->targetPath()->text().trimmed();
  request.targetLanguage = m_form->targetLanguage()->language();
  if (m_form->sourceHeader()->isEnabled())
    request.sourceHeader = m_form->sourceHeader()->text().trimmed();
  return request;
}

void OpenResourcesDialog::updateEnabled() {
  m_ok->setEnabled(canOpenTask(m_form->sourcePath()->text().trimmed(),
                               m_form->specifyLater()->isChecked(),
                               m_form->targetPath()->text().trimmed()));
}

void OpenResourcesDialog::accept() {
  if (!m_ok->isEnabled())
    return;
  // The memory fills empty items while the task opens, so the option counts now.
  if (m_form->fillFromMemory()->isEnabled())
    m_session.settings().setInteger(QStringLiteral("InitTM"),
                                    m_form->fillFromMemory()->isChecked() ? 1 : 0);
  if (m_session.open(request()) == Session::OpenResult::Opened) {
    QDialog::accept();
    return;
  }
  m_form->sourcePath()->setFocus();
}

} // namespace tarvelo::gui
