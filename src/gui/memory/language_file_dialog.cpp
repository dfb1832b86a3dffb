// The memory's file dialogs with the languages of the file's pairs.
#include "memory/language_file_dialog.h"

#include "task/language_combo.h"

#include <QGridLayout>
#include <QLabel>

namespace tarvelo::gui {

LanguageFileDialog::LanguageFileDialog(int sourceLanguage, int targetLanguage, QWidget *parent)
    : QFileDialog(parent), m_source(new LanguageCombo(this)), m_target(new LanguageCombo(this)),
      m_panel(new QGridLayout) {
  setOption(QFileDialog::DontUseNativeDialog); // the platform's own has no room for more
  m_source->setObjectName(QStringLiteral("sourceLanguage"));
  m_target->setObjectName(QStringLiteral("targetLanguage"));
  m_source->setLanguage(sourceLanguage);
  m_target->setLanguage(targetLanguage);
  m_panel->addWidget(new QLabel(tr("Source language:"), this), 0, 0);
  m_panel->addWidget(m_source, 0, 1);
  m_panel->addWidget(new QLabel(tr("Target language:"), this), 1, 0);
  m_panel->addWidget(m_target, 1, 1);
  m_panel->setColumnStretch(1, 1);
  if (auto *grid = qobject_cast<QGridLayout *>(layout()))
    grid->addLayout(m_panel, grid->rowCount(), 0, 1, grid->columnCount());
}

int LanguageFileDialog::sourceLanguage() const {
  return m_source->language();
}

int LanguageFileDialog::targetLanguage() const {
  return m_target->language();
}

QString LanguageFileDialog::chosenPath() const {
  const QStringList files = selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

void LanguageFileDialog::accept() {
  if (sourceLanguage() <= 0 || targetLanguage() <= 0 || !ready())
    return;
  QFileDialog::accept();
}

} // namespace tarvelo::gui
