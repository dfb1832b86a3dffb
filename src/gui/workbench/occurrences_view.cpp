// The occurrences of the current entry's source text, each with its check box.
#include "workbench/occurrences_view.h"

#include "options/help.h"
#include "workbench/occurrences_model.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace tarvelo::gui {

OccurrencesView::OccurrencesView(OccurrencesModel &model, QWidget *parent)
    : QWidget(parent), m_model(model) {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto *head = new QWidget(this);
  head->setAutoFillBackground(true);
  head->setBackgroundRole(QPalette::Button);
  auto *headLayout = new QHBoxLayout(head);
  headLayout->setContentsMargins(4, 2, 4, 2);
  m_all = new QCheckBox(head);
  m_all->setTristate(true);
  m_title = new QLabel(head);
  headLayout->addWidget(m_all);
  headLayout->addWidget(m_title, 1);
  m_list = new QListView(this);
  m_list->setModel(&model);
  m_list->setUniformItemSizes(true);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(head);
  layout->addWidget(m_list, 1);

  // Clicking the box checks every row, or none when all are checked.
  connect(m_all, &QCheckBox::clicked, this, [this] {
    m_model.setAllChecked(m_model.overallState() != Qt::Checked);
    refreshHeader();
  });
  connect(&model, &QAbstractItemModel::dataChanged, this, [this] { refreshHeader(); });
  connect(&model, &QAbstractItemModel::modelReset, this, [this] { refreshHeader(); });
  connect(m_list, &QListView::doubleClicked, this,
          [this](const QModelIndex &index) { Q_EMIT entrySelected(m_model.entryAt(index.row())); });
  refreshHeader();
}

void OccurrencesView::refreshHeader() {
  m_title->setText(m_model.title());
  m_all->setEnabled(m_model.rowCount() > 0);
  m_all->setCheckState(m_model.rowCount() > 0 ? m_model.overallState() : Qt::Unchecked);
}

void OccurrencesView::showEntry(TextEntry *entry) {
  const int row = entry ? m_model.rowOf(entry) : -1;
  if (row >= 0) {
    const QModelIndex index = m_model.index(row);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
  }
  refreshHeader();
}

void OccurrencesView::selectAll() {
  m_list->selectAll();
}

void OccurrencesView::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_F1) {
    showHelp(this, QStringLiteral("occurrences.html"));
    return;
  }
  QWidget::keyPressEvent(event);
}

} // namespace tarvelo::gui
