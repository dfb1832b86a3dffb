// "Fuzzy Items": a translation chosen for each fuzzy row among the target's texts.
#include "task/fuzzy_items_dialog.h"

#include "task/task_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvelo::gui {

FuzzyItemsDialog::FuzzyItemsDialog(FuzzyItemsRequest &request, QWidget *parent)
    : QDialog(parent), m_request(request) {
  setWindowTitle(request.caption);
  auto *text = new QLabel(request.text, this);
  text->setWordWrap(true);
  text->setTextFormat(Qt::PlainText);
  m_table = new QTableWidget(int(request.rows.size()), 2, this);
  m_table->setObjectName(QStringLiteral("fuzzyItems"));
  m_table->setHorizontalHeaderLabels({tr(" Original Text"), tr(" Translated Text")});
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_table->verticalHeader()->hide();
  m_table->setSelectionMode(QAbstractItemView::NoSelection);
  // The drop-downs take the focus; the table itself has nothing to select.
  m_table->setFocusPolicy(Qt::NoFocus);
  m_table->setMinimumWidth(fontMetrics().averageCharWidth() * 70);
  auto *label = new QLabel(tr("&Fuzzy Items:"), this);
  label->setBuddy(m_table);

  for (int row = 0; row < m_table->rowCount(); ++row) {
    const FuzzyItemsRequest::Row &item = request.rows[row];
    auto *original = new QTableWidgetItem(item.original);
    original->setFlags(Qt::ItemIsEnabled);
    original->setToolTip(item.original);
    m_table->setItem(row, 0, original);

    auto *choice = new QComboBox(m_table);
    choice->addItems(request.choices);
    // The text the row holds now stays choosable even when it is no alternative.
    int current = int(request.choices.indexOf(item.translated));
    if (current < 0) {
      choice->addItem(item.translated);
      current = choice->count() - 1;
    }
    choice->setCurrentIndex(current);
    connect(choice, &QComboBox::currentTextChanged, this,
            [this, row](const QString &text) { m_request.rows[row].translated = text; });
    m_table->setCellWidget(row, 1, choice);
  }
  // Every row as tall as its drop-down, whatever the row's text.
  if (const QComboBox *first = choiceBox(0))
    m_table->verticalHeader()->setDefaultSectionSize(first->sizeHint().height());
  for (int row = 0; row < m_table->rowCount(); ++row)
    m_table->setRowHeight(row, m_table->verticalHeader()->defaultSectionSize());

  m_clear = new QCheckBox(tr("&Clear Fuzzy Flag"), this);
  m_clear->setChecked(request.clearFuzzyFlag);
  auto *buttons = new QDialogButtonBox(this);
  QPushButton *close = buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(label);
  layout->addWidget(m_table, 1);
  auto *bottom = new QHBoxLayout;
  bottom->addWidget(m_clear);
  bottom->addStretch(1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
}

QComboBox *FuzzyItemsDialog::choiceBox(int row) const {
  return qobject_cast<QComboBox *>(m_table->cellWidget(row, 1));
}

void FuzzyItemsDialog::done(int result) {
  // However the dialog is closed, the box counts: the choices were taken at once.
  m_request.clearFuzzyFlag = m_clear->isChecked();
  QDialog::done(result);
}

void execFuzzyItemsDialog(QWidget *parent, FuzzyItemsRequest &request) {
  FuzzyItemsDialog dialog(request, parent);
  dialog.exec();
}

} // namespace tarvelo::gui
