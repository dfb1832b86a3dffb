// "Open More Tasks": the language pair of the project whose tasks open together.
#include "project/open_more_tasks_dialog.h"

#include "project/project_edits.h"
#include "text/locale_table.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

void fill(QComboBox *combo, const QList<int> &languages, int preset) {
  combo->clear();
  for (const int language : languages)
    combo->addItem(language == 0 ? OpenMoreTasksDialog::tr("Neutral")
                                 : localizedLanguageName(language),
                   language);
  // A language not listed leaves the first entry chosen.
  combo->setCurrentIndex(std::max(0, combo->findData(preset)));
}

} // namespace

OpenMoreTasksDialog::OpenMoreTasksDialog(const QList<Task> &tasks, const Task &preset,
                                         QWidget *parent)
    : QDialog(parent), m_tasks(tasks), m_source(new QComboBox(this)),
      m_target(new QComboBox(this)) {
  setWindowTitle(tr("Open More Tasks"));
  auto *layout = new QVBoxLayout(this);
  auto *text =
      new QLabel(tr("Open all tasks from project with following languages together as one task."));
  text->setWordWrap(true);
  layout->addWidget(text);
  auto *form = new QFormLayout;
  form->addRow(tr("Source language:"), m_source);
  form->addRow(tr("Target language:"), m_target);
  layout->addLayout(form);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  fill(m_source, sourceLanguagesOf(m_tasks), preset.sourceLanguage);
  fillTargets(preset.targetLanguage);
  connect(m_source, &QComboBox::currentIndexChanged, this,
          [this] { fillTargets(targetLanguage()); });
}

void OpenMoreTasksDialog::fillTargets(int preset) {
  fill(m_target, targetLanguagesOf(m_tasks, sourceLanguage()), preset);
}

int OpenMoreTasksDialog::sourceLanguage() const {
  return m_source->currentData().toInt();
}

int OpenMoreTasksDialog::targetLanguage() const {
  return m_target->currentData().toInt();
}

} // namespace tarvelo::gui
