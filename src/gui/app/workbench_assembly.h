// The program's parts put together: the session, the memory, the main window and its services.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace tarvelo {
class Filter;
class InspectionRulesModel;
class Inspector;
class ItemChecks;
class MemoryClient;
class Progress;
class Prompter;
class Session;
class Settings;
class SpellService;
class TmLibrary;
struct TmExports;
} // namespace tarvelo

namespace tarvelo::gui {

struct FrameServices;
class AnalysisWindow;
class MainFrame;
class MemorySearchWindow;

// The program's parts put together: the session, the inspector, the filter, the
// memory client (when the library is bound) and the main frame with the services
// that join them. The program makes one; the widget tests make their own.
class WorkbenchAssembly {
public:
  // library may be null or unloaded: the memory features are then absent.
  WorkbenchAssembly(Settings &settings, Prompter &prompter, Progress &progress, TmLibrary *library);
  // The memory's exports as given (tests bind their own); each feature follows the
  // export it needs.
  WorkbenchAssembly(Settings &settings, Prompter &prompter, Progress &progress,
                    const TmExports &exports);
  ~WorkbenchAssembly();

  Session &session() { return *m_session; }
  MainFrame &frame() { return *m_frame; }
  Inspector &inspector() { return *m_inspector; }
  ItemChecks &itemChecks() { return *m_checks; }
  MemoryClient *memory() { return m_memory.get(); }
  SpellService &spelling() { return *m_spelling; }
  // The window "Search Translation Memory", once it was first shown.
  MemorySearchWindow *memorySearch() const;
  // The window "Analysis", once it was first shown.
  AnalysisWindow *analysisWindow() const;

  // The Open Resources dialog, its source filled in when one is given (a script handed to
  // the program by a file manager).
  void openResources(QWidget *parent, const QString &sourcePath = QString());

  // Writes the options kept while running back to the settings.
  void finish();
  // Runs the dialogs of machine translation and Send To in place of exec(); true for
  // OK. Tests drive them with it.
  void setDialogRunner(std::function<bool(QDialog *)> run) { m_runDialog = std::move(run); }

private:
  WorkbenchAssembly(Settings &settings, Prompter &prompter, Progress &progress, TmLibrary *library,
                    const TmExports *exports);
  void connectServices();
  void connectItemServices(FrameServices &services);
  void connectWindowServices(FrameServices &services);
  void connectExchangeServices(FrameServices &services);
  void connectMemoryServices(FrameServices &services);
  // TMX import and export and the copy of a memory, as far as the library offers them.
  void connectMemoryMenu(FrameServices &services);
  // The analysis window, made on first use and brought back afterwards.
  void showAnalysis(QWidget *parent);
  // A dialog run as the tests ask, else modally; true for OK.
  bool runDialog(QDialog &dialog);

  Settings &m_settings;
  Prompter &m_prompter;
  TmLibrary *m_library;
  std::unique_ptr<Session> m_session;
  std::unique_ptr<MemoryClient> m_memory;
  std::unique_ptr<Inspector> m_inspector;
  std::unique_ptr<ItemChecks> m_checks;
  std::unique_ptr<InspectionRulesModel> m_rules;
  std::unique_ptr<SpellService> m_spelling;
  std::unique_ptr<Filter> m_filter;
  std::unique_ptr<MainFrame> m_frame;
  QPointer<MemorySearchWindow> m_memorySearch;
  QPointer<AnalysisWindow> m_analysis;
  std::function<bool(QDialog *)> m_runDialog;
  // The mail's temporary files: the composer may read them until the program ends.
  QStringList m_mailFolders;
};

} // namespace tarvelo::gui
