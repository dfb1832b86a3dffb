// The open dialog of "Import glossary...": the file, its languages and delimiters.
#include "memory/glossary_import_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

namespace tarvelo::gui {

GlossaryImportDialog::GlossaryImportDialog(int targetLanguage, int delimiterBits, QWidget *parent)
    : LanguageFileDialog(1033, targetLanguage, parent) {
  setObjectName(QStringLiteral("glossaryImportDialog"));
  setWindowTitle(tr("Import glossary"));
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFile);
  setNameFilter(tr("Glossary (*.csv)"));
  setDefaultSuffix(QStringLiteral("csv"));

  auto *delimiters = new QGroupBox(tr("Delimiters:"), this);
  auto *delimiterLayout = new QHBoxLayout(delimiters);
  const QString names[] = {tr("Tab"), tr("Semicolon"), tr("Comma")};
  for (int i = 0; i < 3; ++i) {
    m_delimiters[i] = new QCheckBox(names[i], delimiters);
    m_delimiters[i]->setChecked(delimiterBits & (1 << i));
    delimiterLayout->addWidget(m_delimiters[i]);
  }
  panel()->addWidget(delimiters, 0, 2, 2, 1);
}

int GlossaryImportDialog::delimiterBits() const {
  int bits = 0;
  for (int i = 0; i < 3; ++i)
    if (m_delimiters[i]->isChecked())
      bits |= 1 << i;
  return bits;
}

} // namespace tarvelo::gui
