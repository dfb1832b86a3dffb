// The dialog that chooses the memories of a copy.
#include "memory/memory_copy_dialog.h"

#include "tmclient/memory_location.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvelo::gui {

MemoryCopyDialog::MemoryCopyDialog(const QString &from, QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("memoryCopyDialog"));
  setWindowTitle(tr("Copy Translation Memory"));
  m_from = locationBox(isServerLocation(from) ? from : QDir::toNativeSeparators(from));
  m_to = locationBox(QString());
  m_from->setObjectName(QStringLiteral("copyFrom"));
  m_to->setObjectName(QStringLiteral("copyTo"));
  auto *fields = new QGridLayout;
  fields->addWidget(new QLabel(tr("Copy from:"), this), 0, 0);
  fields->addWidget(m_from, 0, 1);
  fields->addWidget(browseButton(m_from), 0, 2);
  fields->addWidget(new QLabel(tr("Copy to:"), this), 1, 0);
  fields->addWidget(m_to, 1, 1);
  fields->addWidget(browseButton(m_to), 1, 2);
  auto *note = new QLabel(tr("A memory is a folder, or the address of a team memory on a "
                             "PostgreSQL server (postgresql://...). Every language pair is "
                             "copied; a pair the destination holds already adds its counts."),
                          this);
  note->setWordWrap(true);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setText(tr("Copy"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(note);
  layout->addWidget(buttons);
  m_from->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
  updateOk();
}

QLineEdit *MemoryCopyDialog::locationBox(const QString &text) {
  auto *box = new QLineEdit(text, this);
  connect(box, &QLineEdit::textChanged, this, &MemoryCopyDialog::updateOk);
  return box;
}

QToolButton *MemoryCopyDialog::browseButton(QLineEdit *box) {
  auto *button = new QToolButton(this);
  button->setText(QStringLiteral("..."));
  button->setToolTip(tr("Choose a folder"));
  connect(button, &QToolButton::clicked, this, [this, box] {
    const QString start = isServerLocation(box->text()) ? QString() : box->text();
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Translation Memory Folder"),
                                                             QDir::fromNativeSeparators(start));
    if (!folder.isEmpty())
      box->setText(QDir::toNativeSeparators(folder));
  });
  return button;
}

QString MemoryCopyDialog::from() const {
  const QString text = m_from->text().trimmed();
  return isServerLocation(text) ? text : QDir::fromNativeSeparators(text);
}

QString MemoryCopyDialog::to() const {
  const QString text = m_to->text().trimmed();
  return isServerLocation(text) ? text : QDir::fromNativeSeparators(text);
}

void MemoryCopyDialog::updateOk() {
  if (!m_ok || !m_from || !m_to)
    return;
  m_ok->setEnabled(!from().isEmpty() && !to().isEmpty() && from() != to());
}

} // namespace tarvelo::gui
