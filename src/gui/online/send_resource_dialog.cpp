// "Send resource": the name the target is sent under and what goes with it.
#include "online/send_resource_dialog.h"

#include "exchange/mail_message.h"
#include "options/help.h"
#include "seam/prompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvelo::gui {

SendResourceDialog::SendResourceDialog(Prompter &prompter, bool targetAttachable,
                                       bool supportAddressKnown, QWidget *parent)
    : QDialog(parent), m_prompter(prompter) {
  setWindowTitle(tr("Send resource"));
  m_name = new QLineEdit(this);
  m_name->setMaxLength(30);
  m_name->setObjectName(QStringLiteral("sendAs"));
  auto *nameLabel = new QLabel(tr("Send &as:"), this);
  nameLabel->setBuddy(m_name);
  m_source = new QCheckBox(tr("Attach &source file"), this);
  m_target = new QCheckBox(tr("Attach &target file"), this);
  m_target->setEnabled(targetAttachable);
  m_support = new QCheckBox(tr("Send to Tarvelo &author"), this);
  m_support->setEnabled(supportAddressKnown);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SendResourceDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *row = new QHBoxLayout;
  row->addWidget(nameLabel);
  row->addWidget(m_name, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(m_source);
  layout->addWidget(m_target);
  layout->addWidget(m_support);
  layout->addWidget(buttons);
  setMinimumWidth(320);

  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("send.html")); });
}

SendRequest SendResourceDialog::request() const {
  SendRequest request;
  request.name = sendFileName(m_name->text());
  request.attachSource = m_source->isChecked();
  request.attachTarget = m_target->isEnabled() && m_target->isChecked();
  request.toSupport = m_support->isEnabled() && m_support->isChecked();
  return request;
}

void SendResourceDialog::accept() {
  const QString problem = sendNameProblem(m_name->text());
  if (!problem.isEmpty()) {
    m_prompter.warn(problem);
    m_name->setFocus();
    return;
  }
  QDialog::accept();
}

} // namespace tarvelo::gui
