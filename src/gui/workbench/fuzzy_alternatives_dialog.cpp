// "Fuzzy Item Translation Alternatives": target texts that could not be placed.
#include "workbench/fuzzy_alternatives_dialog.h"

#include "script/text_entry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo::gui {

QStringList FuzzyAlternativesDialog::alternativesOf(const TextEntry &entry) {
  QStringList texts;
  const TextEntry *head = entry.head();
  if (!head)
    return texts;
  for (const auto &[identifier, text] : head->alternatives())
    if (identifier == entry.identifier && !text.isEmpty() && !texts.contains(text))
      texts.append(text);
  return texts;
}

FuzzyAlternativesDialog::FuzzyAlternativesDialog(const TextEntry &entry, const QFont &listFont,
                                                 QWidget *parent)
    : QDialog(parent) {
  setWindowTitle(tr("Fuzzy Item Translation Alternatives"));
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Original Text:"), this));
  auto *original = new QPlainTextEdit(entry.sourceText, this);
  original->setReadOnly(true);
  original->setMaximumHeight(original->fontMetrics().lineSpacing() * 4);
  layout->addWidget(original);
  layout->addWidget(new QLabel(tr("Translation Alternatives:"), this));
  m_list = new QListWidget(this);
  m_list->setFont(listFont);
  m_list->addItems(alternativesOf(entry));
  layout->addWidget(m_list, 1);
  auto *buttons = new QDialogButtonBox(this);
  m_use = buttons->addButton(tr("Use it!"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  const auto enable = [this] { m_use->setEnabled(m_list->currentItem() != nullptr); };
  connect(m_list, &QListWidget::currentItemChanged, this, enable);
  const QList<QListWidgetItem *> current =
      entry.targetText.isEmpty() ? QList<QListWidgetItem *>()
                                 : m_list->findItems(entry.targetText, Qt::MatchExactly);
  if (!current.isEmpty())
    m_list->setCurrentItem(current.first());
  enable();
  resize(480, 320);
}

QString FuzzyAlternativesDialog::chosenText() const {
  return m_list->currentItem() ? m_list->currentItem()->text() : QString();
}

} // namespace tarvelo::gui
