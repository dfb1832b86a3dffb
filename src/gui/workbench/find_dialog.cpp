// The modeless find dialog of the item list.
#include "workbench/find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tarvelo::gui {

FindDialog::FindDialog(QWidget *parent) : QDialog(parent) {
  setWindowTitle(tr("Find"));
  setModal(false);
  auto *layout = new QGridLayout(this);
  auto *label = new QLabel(tr("Fi&nd what:"), this);
  m_text = new QLineEdit(this);
  label->setBuddy(m_text);
  m_matchCase = new QCheckBox(tr("Match &case"), this);
  auto *direction = new QGroupBox(tr("Direction"), this);
  auto *directionLayout = new QHBoxLayout(direction);
  m_up = new QRadioButton(tr("&Up"), direction);
  m_down = new QRadioButton(tr("&Down"), direction);
  m_down->setChecked(true);
  directionLayout->addWidget(m_up);
  directionLayout->addWidget(m_down);
  auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
  m_find = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
  m_find->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  layout->addWidget(label, 0, 0);
  layout->addWidget(m_text, 0, 1);
  layout->addWidget(m_matchCase, 1, 0, 1, 2);
  layout->addWidget(direction, 2, 1);
  layout->addWidget(buttons, 0, 2, 3, 1);
  connect(m_find, &QPushButton::clicked, this, &FindDialog::findNext);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  connect(m_text, &QLineEdit::textChanged, this,
          [this](const QString &text) { m_find->setEnabled(!text.isEmpty()); });
  m_find->setEnabled(false);
}

QString FindDialog::text() const {
  return m_text->text();
}

bool FindDialog::matchCase() const {
  return m_matchCase->isChecked();
}

bool FindDialog::down() const {
  return m_down->isChecked();
}

void FindDialog::setText(const QString &text) {
  m_text->setText(text);
  m_text->selectAll();
}

} // namespace tarvelo::gui
