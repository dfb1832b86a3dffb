// The automatic-inspection group of the options: its rules and check boxes.
#include "options/inspection_group.h"

#include "workbench/inspection_rules_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace tarvelo::gui {

InspectionGroup::InspectionGroup(InspectionRulesModel &model, QWidget *parent)
    : QGroupBox(tr("Automatic Inspection"), parent), m_model(model) {
  m_enable = new QCheckBox(tr("&Enable Automatic Inspection"), this);
  m_enable->setChecked(model.autoInspect());
  m_text = new QLineEdit(this);
  m_text->setObjectName(QStringLiteral("ruleText"));
  m_text->setToolTip(tr("The characters to count, as written in the script (\\n is a "
                        "backslash and n). Press Enter or leave the box to take the text."));
  m_text->installEventFilter(this);
  auto *compare = new QLabel(tr("&Compare the count of characters:"), this);
  compare->setBuddy(m_text);
  m_position = new QComboBox(this);
  m_position->addItems(InspectionRulesModel::positionChoices());
  m_rules = new QTableView(this);
  m_rules->setModel(&model);
  m_rules->setShowGrid(true);
  m_rules->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_rules->setSelectionMode(QAbstractItemView::SingleSelection);
  m_rules->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_rules->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_rules->horizontalHeader()->hide();
  m_rules->verticalHeader()->hide();
  m_rules->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  m_rules->setMinimumHeight(fontMetrics().height() * 10);
  m_remove = new QPushButton(tr("&Remove"), this);
  m_formatOrder = new QCheckBox(tr("Check the &order of Format Specifications"), this);
  m_formatOrder->setChecked(model.formatOrder());

  auto *grid = new QGridLayout(this);
  grid->addWidget(m_enable, 0, 0, 1, 3);
  grid->addWidget(compare, 1, 0, 1, 3);
  grid->addWidget(m_text, 2, 0);
  grid->addWidget(m_position, 2, 1);
  grid->addWidget(m_rules, 3, 0, 1, 2);
  grid->addWidget(m_remove, 3, 2, Qt::AlignTop);
  grid->addWidget(m_formatOrder, 4, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(3, 1);

  connect(m_enable, &QCheckBox::toggled, this, [this](bool on) { m_model.setAutoInspect(on); });
  connect(m_formatOrder, &QCheckBox::toggled, this,
          [this](bool on) { m_model.setFormatOrder(on); });
  connect(m_text, &QLineEdit::textEdited, this,
          [this](const QString &text) { m_model.setText(text); });
  connect(m_position, &QComboBox::activated, this,
          [this](int index) { m_model.setPosition(index); });
  connect(m_remove, &QPushButton::clicked, this, [this] { m_model.removeSelected(); });
  connect(m_rules->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex &current) {
            if (!m_showing && current.isValid() && current.row() != m_model.selectedRow())
              m_model.select(current.row());
          });
  connect(&model, &InspectionRulesModel::editorChanged, this, &InspectionGroup::showEditor);
  connect(&model, &QAbstractItemModel::modelReset, this, [this] {
    // Reverted: the boxes show the flags as they are stored again.
    m_enable->setChecked(m_model.autoInspect());
    m_formatOrder->setChecked(m_model.formatOrder());
    showEditor();
  });
  showEditor();
}

bool InspectionGroup::eventFilter(QObject *watched, QEvent *event) {
  if (watched == m_text) {
    if (event->type() == QEvent::FocusOut) {
      m_model.commitText();
    } else if (event->type() == QEvent::KeyPress) {
      // Enter takes the text instead of closing the options.
      const int key = static_cast<QKeyEvent *>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_model.commitText();
        return true;
      }
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

void InspectionGroup::showEditor() {
  m_showing = true;
  if (m_text->text() != m_model.text())
    m_text->setText(m_model.text());
  m_position->setCurrentIndex(m_model.position());
  m_remove->setEnabled(m_model.removeEnabled());
  const int row = m_model.selectedRow();
  if (row >= 0 && m_rules->currentIndex().row() != row)
    m_rules->setCurrentIndex(m_model.index(row, 0));
  m_showing = false;
}

} // namespace tarvelo::gui
