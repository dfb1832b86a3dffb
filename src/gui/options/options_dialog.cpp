// "Options": the "General", "Checks", "Translation Memory" and "Machine Translation" pages.
#include "options/options_dialog.h"

#include "app/gui_prompter.h"
#include "options/checks_page.h"
#include "options/general_page.h"
#include "options/help.h"
#include "options/machine_translation_page.h"
#include "options/memory_page.h"
#include "tmclient/memory_client.h"
#include "workbench/inspection_rules_model.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvelo::gui {

OptionsDialog::OptionsDialog(Settings &settings, InspectionRulesModel &rules, MemoryClient *memory,
                             QWidget *parent, const QString &programFolder)
    : QDialog(parent) {
  setWindowTitle(tr("Options"));
  // The rules model outlives the sheet: it starts from what is stored, whatever an
  // earlier sheet left in it.
  rules.revert();
  m_tabs = new QTabWidget(this);
  m_general = new GeneralPage(settings, rules, m_tabs, programFolder);
  m_tabs->addTab(m_general, tr("General"));
  if (memory && memory->addPairBound()) {
    m_memory = new MemoryPage(*memory, settings, m_tabs);
    m_tabs->addTab(m_memory, tr("Translation Memory"));
  }
  m_machineTranslation = new MachineTranslationPage(settings, m_tabs);
  m_tabs->addTab(m_machineTranslation, tr("Machine Translation"));
  m_checks = new ChecksPage(settings, m_tabs);
  m_tabs->addTab(m_checks, tr("Checks"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &OptionsDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs, 1);
  layout->addWidget(buttons);

  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, &OptionsDialog::showPageHelp);
  // The memory's problem holds the server's own words: shown as plain text.
  m_notify = [this](const QString &text) { GuiPrompter(this).inform(text); };
}

void OptionsDialog::showPageHelp() {
  const bool memoryShown = m_memory && m_tabs->currentWidget() == m_memory;
  if (m_tabs->currentWidget() == m_machineTranslation)
    showHelp(this, QStringLiteral("Google.html"));
  else
    showHelp(this,
             memoryShown ? QStringLiteral("tmproperties.html") : QStringLiteral("properties.html"));
}

void OptionsDialog::accept() {
  // A memory location that cannot be used keeps the sheet open on its page.
  if (m_memory) {
    const QString problem = m_memory->problem();
    if (!problem.isEmpty()) {
      m_tabs->setCurrentWidget(m_memory);
      m_notify(problem);
      m_memory->path()->setFocus();
      return;
    }
  }
  if (m_general->languageChanged())
    m_notify(tr("Restart the program for the change of the language to take effect!"));
  m_dictionaryChanged = m_general->dictionaryChanged();
  m_general->apply();
  m_checks->apply();
  if (m_memory)
    m_memory->apply();
  m_machineTranslation->apply();
  QDialog::accept();
}

void OptionsDialog::reject() {
  m_general->revert();
  QDialog::reject();
}

} // namespace tarvelo::gui
