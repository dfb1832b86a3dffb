// "Search Translation Memory": the pairs of the memory that hold the words searched.
#include "memory/memory_search_window.h"

#include "exchange/search_words.h"
#include "options/help.h"
#include "seam/prompter.h"
#include "text/locale_table.h"
#include "tmclient/memory_client.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextOption>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

const QColor kLightYellow(255, 255, 240);

// A language reads right to left when its native name holds a right-to-left character.
bool rightToLeft(int language) {
  if (language <= 0)
    return false;
  const LocaleInfo *info = findLocale(language);
  if (!info)
    return false;
  const QString name = QLocale(QString::fromLatin1(info->tag)).nativeLanguageName();
  for (const QChar c : name)
    if (c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
      return true;
  return false;
}

void setDirection(QPlainTextEdit *box, bool rtl) {
  box->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  QTextOption option = box->document()->defaultTextOption();
  option.setAlignment(rtl ? Qt::AlignRight : Qt::AlignLeft);
  option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  box->document()->setDefaultTextOption(option);
}

} // namespace

MemorySearchWindow::MemorySearchWindow(MemoryClient &memory, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_memory(memory), m_prompter(prompter) {
  setObjectName(QStringLiteral("memorySearchWindow"));
  setWindowTitle(tr("Search Translation Memory"));
  setModal(false);

  QPushButton *searchButton = addSearchFields();
  addPairList(parent);
  addPairBoxes();
  arrange(searchButton);
  resize(fontMetrics().averageCharWidth() * 100, fontMetrics().lineSpacing() * 30);
}

// The words, OR and AND, and the button "Search".
QPushButton *MemorySearchWindow::addSearchFields() {
  m_text = new QLineEdit(this);
  m_text->setObjectName(QStringLiteral("searchText"));
  m_or = new QRadioButton(tr("OR"), this);
  m_and = new QRadioButton(tr("AND"), this);
  m_or->setChecked(true);
  auto *searchButton = new QPushButton(tr("Search"), this);
  searchButton->setDefault(true);
  connect(searchButton, &QPushButton::clicked, this, &MemorySearchWindow::search);
  connect(m_text, &QLineEdit::returnPressed, this, &MemorySearchWindow::search);
  return searchButton;
}

void MemorySearchWindow::addPairList(QWidget *parent) {
  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("pairs"));
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setAlternatingRowColors(false);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setHeaderLabels({tr(" Original Text"), tr(" Translated Text")});
  m_list->setStyleSheet(
      QStringLiteral("QTreeView { background: %1; gridline-color: palette(mid); }"
                     "QTreeView::item { border-right: 1px solid palette(midlight);"
                     " border-bottom: 1px solid palette(midlight); color: palette(text); }"
                     "QTreeView::item:selected { background: palette(highlight);"
                     " color: palette(highlighted-text); }")
          .arg(kLightYellow.name()));
  if (parent)
    m_list->setFont(parent->font());
  connect(m_list, &QTreeWidget::itemSelectionChanged, this, &MemorySearchWindow::showSelected);
}

// The texts of the selected pair and the button that removes it.
void MemorySearchWindow::addPairBoxes() {
  m_items = new QLabel(QStringLiteral("0"), this);
  m_items->setObjectName(QStringLiteral("items"));
  m_source = new QPlainTextEdit(this);
  m_target = new QPlainTextEdit(this);
  for (QPlainTextEdit *box : {m_source, m_target}) {
    box->setReadOnly(true);
    box->setMaximumHeight(fontMetrics().lineSpacing() * 4);
  }
  m_delete = new QPushButton(this);
  m_delete->setObjectName(QStringLiteral("deletePair"));
  m_delete->setToolTip(tr("Remove the pair from the Translation Memory"));
  QIcon remove;
  const QIcon trash = style()->standardIcon(QStyle::SP_TrashIcon);
  remove.addPixmap(trash.pixmap(24, 24), QIcon::Normal);
  remove.addPixmap(trash.pixmap(24, 24, QIcon::Disabled), QIcon::Disabled);
  m_delete->setIcon(remove);
  m_delete->setEnabled(false);
  connect(m_delete, &QPushButton::clicked, this, &MemorySearchWindow::deleteSelected);
}

void MemorySearchWindow::arrange(QPushButton *searchButton) {
  auto *top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("Words:"), this));
  top->addWidget(m_text, 1);
  top->addWidget(m_or);
  top->addWidget(m_and);
  top->addWidget(searchButton);

  auto *count = new QHBoxLayout;
  count->addWidget(new QLabel(tr("Items:"), this));
  count->addWidget(m_items);
  count->addStretch(1);

  auto *texts = new QGridLayout;
  texts->addWidget(new QLabel(tr("Original Text:"), this), 0, 0);
  texts->addWidget(m_source, 1, 0);
  texts->addWidget(new QLabel(tr("Translated Text:"), this), 0, 1);
  texts->addWidget(m_target, 1, 1);
  texts->addWidget(m_delete, 1, 2, Qt::AlignTop);

  auto *close = new QPushButton(tr("Close"), this);
  auto *help = new QPushButton(tr("Help"), this);
  close->setAutoDefault(false);
  help->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  connect(help, &QPushButton::clicked, this,
          [this] { showHelp(this, QStringLiteral("searchtm.html")); });
  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  buttons->addWidget(help);

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_list, 1);
  layout->addLayout(count);
  layout->addLayout(texts);
  layout->addLayout(buttons);
}

void MemorySearchWindow::setLanguages(int sourceLanguage, int targetLanguage) {
  m_sourceLanguage = sourceLanguage;
  m_targetLanguage = targetLanguage;
}

QString MemorySearchWindow::itemsText() const {
  return m_items->text();
}

void MemorySearchWindow::search() {
  m_list->clear();
  m_source->clear();
  m_target->clear();
  m_delete->setEnabled(false);
  const bool rtl[2] = {rightToLeft(m_sourceLanguage), rightToLeft(m_targetLanguage)};
  for (int column = 0; column < 2; ++column)
    m_list->headerItem()->setTextAlignment(column, rtl[column] ? Qt::AlignRight : Qt::AlignLeft);
  setDirection(m_source, rtl[0]);
  setDirection(m_target, rtl[1]);

  const QStringList words = searchWords(m_text->text());
  m_text->setText(searchText(words));
  int found = 0;
  if (!words.isEmpty() && m_memory.exports().searchTM) {
    MemoryFailure failure;
    const auto pairs = m_memory.search(words, m_and->isChecked(), &failure);
    if (failure.failed())
      m_prompter.error(QCoreApplication::translate(
                           "Prompter", "The Translation Memory in '%1' cannot be read: %2")
                           .arg(m_memory.location(), failure.reason));
    for (const auto &pair : pairs) {
      auto *row = new QTreeWidgetItem(m_list, {pair.first, pair.second});
      for (int column = 0; column < 2; ++column) {
        row->setTextAlignment(column,
                              (rtl[column] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        row->setToolTip(column, row->text(column));
      }
    }
    found = int(pairs.size());
  }
  m_items->setText(QString::number(found));
  fitColumns();
  if (m_list->topLevelItemCount() > 0) {
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
    m_list->scrollToItem(m_list->topLevelItem(0));
  }
}

void MemorySearchWindow::showSelected() {
  const QTreeWidgetItem *row = m_list->currentItem();
  m_source->setPlainText(row ? row->text(0) : QString());
  m_target->setPlainText(row ? row->text(1) : QString());
  m_delete->setEnabled(row && !row->text(0).isEmpty() && m_memory.exports().deletePair);
}

void MemorySearchWindow::deleteSelected() {
  QTreeWidgetItem *row = m_list->currentItem();
  if (!row || !m_memory.exports().deletePair)
    return;
  const QString source = row->text(0), target = row->text(1);
  const QString question =
      QCoreApplication::translate("Prompter", "Do you realy want to remove translation\nfrom: "
                                              "\"%1\"\nto: \"%2\"?")
          .arg(source, target);
  if (!m_prompter.askYesNo(question))
    return;
  if (!m_memory.exports().deletePair(reinterpret_cast<const char16_t *>(source.utf16()),
                                     reinterpret_cast<const char16_t *>(target.utf16()))) {
    // Only a damaged memory is worth a word: any other failure leaves the row quietly.
    const MemoryFailure failure = lastMemoryFailure(m_memory.exports());
    if (failure.damaged)
      m_prompter.error(QCoreApplication::translate(
                           "Prompter", "The Translation Memory in '%1' cannot be written: %2")
                           .arg(m_memory.location(), failure.reason));
    return;
  }
  const int index = m_list->indexOfTopLevelItem(row);
  delete row;
  m_items->setText(QString::number(m_list->topLevelItemCount()));
  fitColumns();
  // The row that moved up into its place is selected; after the last row there is none.
  if (index >= m_list->topLevelItemCount()) {
    m_list->setCurrentItem(nullptr);
    m_delete->setEnabled(false);
    return;
  }
  m_list->setCurrentItem(m_list->topLevelItem(index));
}

void MemorySearchWindow::fitColumns() {
  const int half = m_list->viewport()->width() / 2;
  m_list->setColumnWidth(0, half);
  m_list->setColumnWidth(1, half);
}

void MemorySearchWindow::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  fitColumns();
  Q_EMIT visibilityChanged(true);
}

void MemorySearchWindow::hideEvent(QHideEvent *event) {
  QDialog::hideEvent(event);
  Q_EMIT visibilityChanged(false);
}

void MemorySearchWindow::resizeEvent(QResizeEvent *event) {
  QDialog::resizeEvent(event);
  fitColumns();
}

} // namespace tarvelo::gui
