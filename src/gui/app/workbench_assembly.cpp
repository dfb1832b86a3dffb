// The program's parts put together: the session, the memory, the main window and its services.
#include "app/workbench_assembly.h"

#include "analysis/analysis_window.h"
#include "dialogs/control_room.h"
#include "exchange/exchange_commands.h"
#include "exchange/machine_translation_run.h"
#include "exchange/machine_translator.h"
#include "exchange/mail_message.h"
#include "exchange/memory_menu.h"
#include "exchange/memory_transfer.h"
#include "exchange/send_resource.h"
#include "measure/qt_text_measure.h"
#include "memory/glossary_import_dialog.h"
#include "memory/memory_copy_dialog.h"
#include "memory/memory_search_window.h"
#include "memory/tmx_file_dialog.h"
#include "online/machine_translation_dialog.h"
#include "online/send_resource_dialog.h"
#include "options/about_dialog.h"
#include "options/options_dialog.h"
#include "project/project_pane.h"
#include "script/text_entry.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "spelling/spell_service.h"
#include "task/open_resources_dialog.h"
#include "task/task_form.h"
#include "tmclient/memory_client.h"
#include "tmclient/memory_options.h"
#include "tmclient/memory_terms.h"
#include "tmclient/tm_library.h"
#include "workbench/filter.h"
#include "workbench/filter_setup_dialog.h"
#include "workbench/filter_setup_model.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/inspector.h"
#include "workbench/item_checks.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>

namespace tarvelo::gui {

WorkbenchAssembly::WorkbenchAssembly(Settings &settings, Prompter &prompter, Progress &progress,
                                     TmLibrary *library)
    : WorkbenchAssembly(settings, prompter, progress, library,
                        library && library->isLoaded() ? &library->exports() : nullptr) {}

WorkbenchAssembly::WorkbenchAssembly(Settings &settings, Prompter &prompter, Progress &progress,
                                     const TmExports &exports)
    : WorkbenchAssembly(settings, prompter, progress, nullptr, &exports) {}

WorkbenchAssembly::WorkbenchAssembly(Settings &settings, Prompter &prompter, Progress &progress,
                                     TmLibrary *library, const TmExports *exports)
    : m_settings(settings), m_prompter(prompter), m_library(library) {
  m_session = std::make_unique<Session>(settings, prompter, progress);
  // A library that lacks some exports still offers the features of the others.
  if (exports) {
    m_memory = std::make_unique<MemoryClient>(*exports, m_session->entries(), settings, prompter,
                                              progress);
    m_memory->start();
    m_session->setMemory(m_memory.get());
  }
  m_inspector = std::make_unique<Inspector>();
  m_inspector->loadRules(settings);
  m_session->useInspector(m_inspector.get());
  // A limits file that went missing is said when the options are next confirmed.
  m_checks = std::make_unique<ItemChecks>();
  QString limitsProblem;
  m_checks->load(settings, &limitsProblem);
  m_session->useItemChecks(m_checks.get());
  // After every open: "Test" for the pair (a language model: its list of models), waiting
  // no longer than the connect time-out.
  m_session->setTranslationProbe([&settings](int source, int target) {
    return probeMachineTranslation(MtConfig::read(settings), source, target);
  });
  m_rules = std::make_unique<InspectionRulesModel>(*m_inspector, settings);
  m_filter = std::make_unique<Filter>(settings);
  m_spelling = std::make_unique<SpellService>();
  QObject::connect(m_spelling.get(), &SpellService::checkerChanged, [this] {
    if (m_spelling->checker())
      m_filter->setSpellTest(
          [this](const TextEntry &entry) { return m_spelling->misspelt(entry.targetText); });
    else
      m_filter->setSpellTest(nullptr);
  });
  if (m_memory)
    m_filter->setMemoryLookup(
        [this](const TextEntry &entry) { return m_memory->alternatives(entry); });
  m_frame = std::make_unique<MainFrame>(*m_session);
  connectServices();
}

WorkbenchAssembly::~WorkbenchAssembly() {
  for (const QString &folder : m_mailFolders)
    removeMailFolder(folder);
  // The frame's panes refer to the session; they go first.
  m_frame.reset();
  m_session->setMemory(nullptr);
  m_spelling->waitForLoad();
}

MemorySearchWindow *WorkbenchAssembly::memorySearch() const {
  return m_memorySearch.data();
}

AnalysisWindow *WorkbenchAssembly::analysisWindow() const {
  return m_analysis.data();
}

void WorkbenchAssembly::finish() {
  if (m_memory)
    m_memory->finish();
}

void WorkbenchAssembly::connectServices() {
  FrameServices services;
  connectItemServices(services);
  connectWindowServices(services);
  connectExchangeServices(services);
  if (m_memory) {
    connectMemoryServices(services);
    connectMemoryMenu(services);
  }
  m_frame->setServices(std::move(services));
}

// What the item lists and the target editor ask of the memory and the inspection.
void WorkbenchAssembly::connectItemServices(FrameServices &services) {
  services.items.memoryBound = [this] { return m_memory && m_memory->isBound(); };
  services.items.addPairBound = [this] { return m_memory && m_memory->addPairBound(); };
  services.items.memoryTexts = [this](TextEntry *entry) {
    return m_memory ? m_memory->alternatives(entry) : QStringList();
  };
  services.items.memoryMatches = [this](TextEntry *entry) {
    return m_memory ? m_memory->memoryMatches(entry) : QList<MemoryMatch>();
  };
  services.items.addToMemory = [this](TextEntry *entry) {
    if (m_memory)
      m_memory->addToMemory(entry);
  };
  services.items.explain = [this](TextEntry *entry) { return m_session->explainInspection(entry); };
  services.complete = [this](TextEntry *entry, const QString &typed, int caret, QString &completed,
                             int &selectionStart) {
    if (!m_memory)
      return false;
    const std::optional<Completion> completion = m_memory->complete(entry, typed, caret, caret);
    if (!completion)
      return false;
    completed = completion->text;
    selectionStart = completion->selectionStart;
    return true;
  };
  services.learnTexts = [this] { m_session->learnTranslations(); };
  services.showInspection = [this] {
    return m_settings.integer(QStringLiteral("AutoInspect")) != 0;
  };
  services.filterTest = m_filter->test();
  services.spelling = m_spelling.get();
}

// The dialogs of the filter, Open, the options and About.
void WorkbenchAssembly::openResources(QWidget *parent, const QString &sourcePath) {
  OpenResourcesDialog dialog(*m_session, m_memory && m_memory->isBound(), parent);
  if (!sourcePath.isEmpty())
    dialog.form()->sourcePath()->setText(sourcePath);
  dialog.exec();
  // The dialog's "Fill empty items" box is the memory's option too.
  if (m_memory)
    m_memory->applyOptions(MemoryOptions::read(m_settings));
}

void WorkbenchAssembly::connectWindowServices(FrameServices &services) {
  services.filterSetup = [this](QWidget *parent) {
    FilterSetupModel model(*m_filter);
    FilterSetupDialog dialog(model, parent);
    dialog.exec();
  };
  services.openDialog = [this](QWidget *parent) { openResources(parent); };
  services.options = [this](QWidget *parent) {
    OptionsDialog dialog(m_settings, *m_rules, m_memory.get(), parent,
                         QCoreApplication::applicationDirPath());
    dialog.setNotifier([this](const QString &text) { m_prompter.inform(text); });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted) {
      QString problem;
      if (!m_checks->load(m_settings, &problem))
        m_prompter.inform(problem);
      m_inspector->loadCheckLevels(m_settings);
      m_session->recheckAll();
    }
    if (accepted && m_session->isOpen()) {
      // Another service may serve the open task now.
      m_session->reprobeMachineTranslation();
      m_frame->updateCommands();
    }
  };
  services.about = [this](QWidget *parent) {
    const QString version = m_library && m_library->isLoaded() ? m_library->version() : QString();
    AboutDialog dialog(version.isEmpty() ? QStringLiteral("2.5") : version, parent);
    dialog.exec();
  };
}

// Export and Import of the translations, machine translation and Send To.
void WorkbenchAssembly::connectExchangeServices(FrameServices &services) {
  const auto exchangeHooks = [this] {
    ExchangeHooks hooks;
    hooks.filter = m_filter.get();
    // "Filtered items" shows the filtered list, "All items" the whole list again.
    hooks.showFilter = [this](bool show) {
      if ((m_frame->board() == MainFrame::Board::Filter) != show)
        m_frame->runCommand(CmdFilter);
    };
    hooks.setupFilter = [this] { m_frame->runCommand(CmdFilterSetup); };
    return hooks;
  };
  services.exportTexts = [this, exchangeHooks](QWidget *parent) {
    exportTranslations(parent, *m_session, exchangeHooks());
  };
  services.importTexts = [this, exchangeHooks](QWidget *parent) {
    importTranslations(parent, *m_session, exchangeHooks());
  };
  const auto runDialog = [this](QDialog &dialog) {
    return m_runDialog ? m_runDialog(&dialog) : dialog.exec() == QDialog::Accepted;
  };
  const auto translate = [this](MtScope scope) {
    const MachineTranslator translator(MtConfig::read(m_settings), m_session->sourceLanguage(),
                                       m_session->targetLanguage());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A language model is told the memory's terms and measured in the dialogs' fonts.
    const QtTextMeasure measure;
    ControlRoomGauge gauge(measure);
    std::optional<MemoryTerms> terms;
    ModelAids aids;
    aids.fit = [&gauge](TextEntry *control, const QString &text) {
      return gauge.measure(control, text);
    };
    if (m_memory && m_memory->isBound()) {
      terms.emplace(*m_memory);
      aids.terms = [&terms](const QString &text) { return (*terms)(text); };
    }
    // The editors let go of the current item around its change.
    runMachineTranslation(
        *m_session, scope, m_filter->test(), translator,
        [this](TextEntry *entry, const QString &text) { m_frame->applyTargetText(entry, text); },
        aids);
    QApplication::restoreOverrideCursor();
    m_frame->updateCommands();
  };
  services.machineTranslate = [this, exchangeHooks, runDialog, translate](QWidget *parent) {
    const MtConfig config = MtConfig::read(m_settings);
    const auto provider = makeProvider(config);
    MachineTranslationDialog dialog(m_settings,
                                    shownProviderName(config.provider) + QStringLiteral(" (") +
                                        provider->endpoint() + u')',
                                    parent);
    const ExchangeHooks hooks = exchangeHooks();
    dialog.setFilterHooks(hooks.showFilter, hooks.setupFilter);
    if (runDialog(dialog))
      translate(MtScope(dialog.scope()));
  };
  services.items.translate = [this, translate](TextEntry *entry) {
    m_frame->selectEntry(entry);
    translate(MtScope::CurrentItem);
  };
  services.sendTo = [this, runDialog](QWidget *parent) {
    const MailComposer composer;
    if (!composer.available()) {
      m_prompter.error(
          QCoreApplication::translate("Prompter", "Could not log on to an email system."));
      return;
    }
    const QString support = m_settings.text(QStringLiteral("SupportAddress")).trimmed();
    SendResourceDialog dialog(m_prompter,
                              canAttachTarget(m_session->sourcePath(), m_session->targetPath()),
                              support.contains(u'@'), parent);
    if (!runDialog(dialog))
      return;
    TextEntry *current = m_session->currentEntry();
    m_frame->selectEntry(nullptr);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString folder = sendResource(*m_session, dialog.request(), composer, support);
    QApplication::restoreOverrideCursor();
    if (!folder.isEmpty())
      m_mailFolders.append(folder);
    m_frame->selectEntry(current);
  };
}

// The glossary import and the memory search window.
void WorkbenchAssembly::connectMemoryServices(FrameServices &services) {
  services.importGlossary = [this](QWidget *parent) {
    MemoryTransfers transfers(*m_memory, m_settings, m_prompter, m_session->progress());
    const std::optional<MemoryTransfer> result =
        transfers.glossaryCommand([parent](GlossaryChoice &choice) {
          GlossaryImportDialog dialog(choice.targetLanguage, choice.bits, parent);
          if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
            return false;
          choice.path = dialog.chosenPath();
          choice.sourceLanguage = dialog.sourceLanguage();
          choice.targetLanguage = dialog.targetLanguage();
          choice.bits = dialog.delimiterBits();
          return true;
        });
    // A file too large or not well-formed says so; nothing was learnt from it.
    if (result && result->status == MemoryTransfer::Status::Malformed)
      m_prompter.error(result->error);
  };
  services.toggleMemorySearch = [this](QWidget *parent) {
    if (!m_memorySearch) {
      m_memorySearch = new MemorySearchWindow(*m_memory, m_prompter, parent);
      QObject::connect(m_memorySearch, &MemorySearchWindow::visibilityChanged, m_frame.get(),
                       [this] { m_frame->updateCommands(); });
    }
    if (m_memorySearch->isVisible()) {
      m_memorySearch->hide();
      return;
    }
    m_memorySearch->setLanguages(m_session->sourceLanguage(), m_session->targetLanguage());
    m_memorySearch->show();
    m_memorySearch->raise();
  };
  services.memorySearchVisible = [this] { return m_memorySearch && m_memorySearch->isVisible(); };
  services.analysis = [this](QWidget *parent) { showAnalysis(parent); };
}

void WorkbenchAssembly::showAnalysis(QWidget *parent) {
  if (!m_analysis)
    m_analysis = new AnalysisWindow(
        *m_session, *m_memory, m_prompter, m_session->progress(),
        [this] {
          const ProjectPane *pane = m_frame->projectPane();
          return pane ? pane->project().tasks : QList<Task>();
        },
        parent);
  m_analysis->refreshScopes();
  m_analysis->setWindowState(m_analysis->windowState() & ~Qt::WindowMinimized);
  m_analysis->show();
  m_analysis->raise();
  m_analysis->activateWindow();
}

bool WorkbenchAssembly::runDialog(QDialog &dialog) {
  return m_runDialog ? m_runDialog(&dialog) : dialog.exec() == QDialog::Accepted;
}

void WorkbenchAssembly::connectMemoryMenu(FrameServices &services) {
  const auto menu = [this] {
    return MemoryMenu(*m_memory, m_settings, m_prompter, m_session->progress());
  };
  // The file and its languages, in the task's folder when a task is open.
  const auto chooseTmx = [this](QWidget *parent, TmxFileDialog::Mode mode) {
    return [this, parent, mode](TmxChoice &choice) {
      TmxFileDialog dialog(mode, choice.sourceLanguage, choice.targetLanguage, parent);
      if (!m_session->sourcePath().isEmpty())
        dialog.setDirectory(QFileInfo(m_session->sourcePath()).absolutePath());
      if (!runDialog(dialog) || dialog.chosenPath().isEmpty())
        return false;
      choice = {dialog.chosenPath(), dialog.sourceLanguage(), dialog.targetLanguage()};
      return true;
    };
  };
  const TmExports &tm = m_memory->exports();
  if (tm.addPair)
    services.importTmx = [menu, chooseTmx](QWidget *parent) {
      menu().importTmx(chooseTmx(parent, TmxFileDialog::Mode::Import));
    };
  if (tm.listTM && tm.freeTM)
    services.exportTmx = [menu, chooseTmx](QWidget *parent) {
      menu().exportTmx(chooseTmx(parent, TmxFileDialog::Mode::Export));
    };
  if (tm.copyTM)
    services.copyMemory = [this, menu](QWidget *parent) {
      menu().copy([this, parent](MemoryCopyChoice &choice) {
        MemoryCopyDialog dialog(choice.from, parent);
        if (!runDialog(dialog))
          return false;
        choice = {dialog.from(), dialog.to()};
        return true;
      });
    };
}

} // namespace tarvelo::gui
