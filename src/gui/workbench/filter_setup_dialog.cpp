// "Filter setup": which items the filtered list shows.
#include "workbench/filter_setup_dialog.h"

#include "workbench/filter_setup_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tarvelo::gui {

FilterSetupDialog::FilterSetupDialog(FilterSetupModel &model, QWidget *parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(tr("Filter setup"));
  auto *layout = new QVBoxLayout(this);
  auto *group = new QGroupBox(tr("Show items with:"), this);
  auto *groupLayout = new QVBoxLayout(group);
  // The boxes in the order of the dialog; the text condition has its own row.
  for (int bit : {0, 1, 2, 3, 4, 6, 7, 8, 5}) {
    m_boxes[bit] = new QCheckBox(tr(qPrintable(FilterSetupModel::conditionCaption(bit))), group);
    m_boxes[bit]->setChecked(model.isChecked(bit));
    m_boxes[bit]->setEnabled(model.isEnabled(bit));
    if (bit != 5)
      groupLayout->addWidget(m_boxes[bit]);
  }
  auto *textRow = new QHBoxLayout;
  m_text = new QLineEdit(model.text(), group);
  m_in = new QComboBox(group);
  for (const QString &choice : FilterSetupModel::inChoices())
    m_in->addItem(tr(qPrintable(choice)));
  m_in->setCurrentIndex(model.inIndex());
  textRow->addWidget(m_boxes[5]);
  textRow->addWidget(m_text, 1);
  textRow->addWidget(new QLabel(tr("in"), group));
  textRow->addWidget(m_in);
  groupLayout->addLayout(textRow);
  layout->addWidget(group);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void FilterSetupDialog::accept() {
  for (int bit = 0; bit < FilterSetupModel::kConditionCount; ++bit)
    m_model.setChecked(bit, m_boxes[bit]->isChecked());
  m_model.setText(m_text->text());
  m_model.setInIndex(m_in->currentIndex());
  m_model.accept();
  QDialog::accept();
}

} // namespace tarvelo::gui
