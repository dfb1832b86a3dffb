#include "memory/glossary_import_dialog.h"

#include "task/language_combo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace tarvelo::gui {

GlossaryImportDialog::GlossaryImportDialog(int targetLanguage, int delimiterBits, QWidget *parent)
    : QFileDialog(parent) {
  setObjectName(QStringLiteral("glossaryImportDialog"));
  setOption(QFileDialog::DontUseNativeDialog);
  setWindowTitle(tr("Import glossary"));
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFile);
  setNameFilter(tr("Glossary (*.csv)"));
  setDefaultSuffix(QStringLiteral("csv"));

  m_source = new LanguageCombo(this);
  m_target = new LanguageCombo(this);
  m_source->setObjectName(QStringLiteral("sourceLanguage"));
  m_target->setObjectName(QStringLiteral("targetLanguage"));
  m_source->setLanguage(1033);
  m_target->setLanguage(targetLanguage);
  auto *delimiters = new QGroupBox(tr("Delimiters:"), this);
  auto *delimiterLayout = new QHBoxLayout(delimiters);
  const QString names[] = {tr("Tab"), tr("Semicolon"), tr("Comma")};
  for (int i = 0; i < 3; ++i) {
    m_delimiters[i] = new QCheckBox(names[i], delimiters);
    m_delimiters[i]->setChecked(delimiterBits & (1 << i));
    delimiterLayout->addWidget(m_delimiters[i]);
  }
  auto *panel = new QGridLayout;
  panel->addWidget(new QLabel(tr("Source language:"), this), 0, 0);
  panel->addWidget(m_source, 0, 1);
  panel->addWidget(new QLabel(tr("Target language:"), this), 1, 0);
  panel->addWidget(m_target, 1, 1);
  panel->addWidget(delimiters, 0, 2, 2, 1);
  if (auto *grid = qobject_cast<QGridLayout *>(layout()))
    grid->addLayout(panel, grid->rowCount(), 0, 1, grid->columnCount());
}

int GlossaryImportDialog::sourceLanguage() const {
  return m_source->language();
}

int GlossaryImportDialog::targetLanguage() const {
  return m_target->language();
}

int GlossaryImportDialog::delimiterBits() const {
  int bits = 0;
  for (int i = 0; i < 3; ++i)
    if (m_delimiters[i]->isChecked())
      bits |= 1 << i;
  return bits;
}

QString GlossaryImportDialog::chosenPath() const {
  const QStringList files = selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

void GlossaryImportDialog::accept() {
  if (delimiterBits() == 0 || sourceLanguage() <= 0 || targetLanguage() <= 0)
    return;
  QFileDialog::accept();
}

} // namespace tarvelo::gui
