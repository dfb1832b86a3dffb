// "Import Microsoft Terminology": the columns that hold the source and target texts.
#include "exchange/terminology_dialog.h"

#include "seam/prompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvelo::gui {

TerminologyDialog::TerminologyDialog(const TerminologyRequest &request, QWidget *parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("terminologyDialog"));
  setWindowTitle(tr("Import Microsoft Terminology"));
  m_source = new QComboBox(this);
  m_target = new QComboBox(this);
  m_source->setObjectName(QStringLiteral("sourceColumn"));
  m_target->setObjectName(QStringLiteral("targetColumn"));
  for (QComboBox *combo : {m_source, m_target})
    combo->addItems(request.fields);
  m_source->setCurrentIndex(request.source);
  m_target->setCurrentIndex(request.target);
  auto *form = new QFormLayout;
  form->addRow(tr("Source language:"), m_source);
  form->addRow(tr("Target language:"), m_target);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Select languages from list:"), this));
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void TerminologyDialog::take(TerminologyRequest &request) const {
  request.source = m_source->currentIndex();
  request.target = m_target->currentIndex();
}

bool execTerminologyDialog(QWidget *parent, TerminologyRequest &request) {
  TerminologyDialog dialog(request, parent);
  if (dialog.exec() != QDialog::Accepted)
    return false;
  dialog.take(request);
  return true;
}

} // namespace tarvelo::gui
