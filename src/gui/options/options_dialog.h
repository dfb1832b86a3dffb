// "Options": the "General", "Checks", "Translation Memory" and "Machine Translation" pages.
#pragma once

#include <QDialog>
#include <functional>

class QTabWidget;

namespace tarvelo {
class InspectionRulesModel;
class MemoryClient;
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

class ChecksPage;
class GeneralPage;
class MemoryPage;
class MachineTranslationPage;

// "Options": the "General" page and, while the memory library's AddPair is bound,
// the "Translation Memory" page; OK and Cancel, no Apply.
class OptionsDialog : public QDialog {
  Q_OBJECT
public:
  // memory may be null: the memory library is not loaded.
  OptionsDialog(Settings &settings, InspectionRulesModel &rules, MemoryClient *memory,
                QWidget *parent = nullptr, const QString &programFolder = QString());

  QTabWidget *tabs() const { return m_tabs; }
  GeneralPage *generalPage() const { return m_general; }
  ChecksPage *checksPage() const { return m_checks; }
  MemoryPage *memoryPage() const { return m_memory; }
  MachineTranslationPage *machineTranslationPage() const { return m_machineTranslation; }

  // Set by OK: the external dictionary is to be started anew next time.
  bool dictionaryChanged() const { return m_dictionaryChanged; }
  // How OK tells the user to restart, or why the memory's location cannot be used; a
  // message box unless replaced.
  void setNotifier(std::function<void(const QString &)> notify) { m_notify = std::move(notify); }

  void accept() override;
  // Cancel, Esc and closing the window: nothing the sheet changed is kept.
  void reject() override;

private:
  void showPageHelp();

  QTabWidget *m_tabs;
  GeneralPage *m_general;
  ChecksPage *m_checks;
  MemoryPage *m_memory = nullptr;
  MachineTranslationPage *m_machineTranslation = nullptr;
  bool m_dictionaryChanged = false;
  std::function<void(const QString &)> m_notify;
};

} // namespace tarvelo::gui
