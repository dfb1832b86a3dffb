// The main window's Tools and Help menus: the filter, machine translation, the report,
// the analysis, the memory, the dictionary and the options.
#include "files/file_messages.h"
#include "options/help.h"
#include "project/project_pane.h"
#include "report/report_frame.h"
#include "seam/prompter.h"
#include "workbench/external_dictionary.h"
#include "workbench/item_list_model.h"
#include "workbench/main_frame.h"
#include "workbench/pseudo_translate_dialog.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"

namespace tarvelo::gui {

void MainFrame::registerToolCommands() {
  const auto open = [this] { return m_session.isOpen(); };
  m_registry.add(
      CmdFilter,
      [this] {
        if (m_board == Board::Filter) {
          showBoard(Board::Items);
          return;
        }
        m_filteredModel->rebuild();
        showBoard(Board::Filter);
        if (m_session.currentEntry())
          m_filteredList->showEntry(m_session.currentEntry());
      },
      open, [this] { return m_board == Board::Filter; });
  m_registry.add(
      CmdFilterSetup,
      [this] {
        if (m_services.filterSetup) {
          m_services.filterSetup(this);
          m_filteredModel->rebuild();
        }
      },
      [this] {
        return m_session.isOpen() && m_board == Board::Filter && bool(m_services.filterSetup);
      });
  m_registry.add(
      CmdMachineTranslate, [this] { runService(m_services.machineTranslate, true); },
      [this] {
        return m_session.isOpen() && m_session.machineTranslationAvailable() &&
               bool(m_services.machineTranslate);
      });
  m_registry.add(
      CmdDialogsReport, [this] { showDialogsReport(); }, open);
  // The analysis needs the memory's fuzzy matches, and a task or a project's tasks.
  m_registry.add(
      CmdAnalysis, [this] { runService(m_services.analysis, true); },
      [this] {
        return bool(m_services.analysis) && m_services.items.memoryBound &&
               m_services.items.memoryBound() &&
               (m_session.isOpen() || (m_project && !m_project->project().tasks.isEmpty()));
      });
  m_registry.add(
      CmdPseudoTranslate,
      [this] {
        m_splitEdit->commit();
        m_splitEdit->release();
        runPseudoTranslation(m_session, this);
        m_splitEdit->showEntry(m_session.currentEntry());
      },
      open);
  m_registry.add(
      CmdOpenDictionary,
      [this] {
        if (!m_dictionary->open())
          m_session.prompter().error(
              cannotOpenMessage(m_dictionary->path(), m_dictionary->failure()));
      },
      [this] { return m_dictionary->hasPath(); });
  m_registry.add(CmdDictionaryPath, [this] { m_dictionary->choosePath(this); });
  m_registry.add(
      CmdOptions,
      [this] {
        if (m_services.options) {
          m_services.options(this);
          m_dictionary->reload();
          refreshInspectionDisplay();
        }
      },
      [this] { return bool(m_services.options); });
  registerMemoryCommands();
  registerHelpCommands();
}

// The memory's commands are offered while a memory is bound.
void MainFrame::registerMemoryCommands() {
  const auto bound = [this] {
    return m_services.items.memoryBound && m_services.items.memoryBound();
  };
  m_registry.add(
      CmdLearnTexts,
      [this] {
        m_splitEdit->commit();
        if (m_services.learnTexts)
          m_services.learnTexts();
      },
      [this, bound] { return m_session.isOpen() && bound() && bool(m_services.learnTexts); });
  using Service = std::function<void(QWidget *)> FrameServices::*;
  for (const auto &[id, service] :
       {std::pair<CommandId, Service>{CmdImportGlossary, &FrameServices::importGlossary},
        {CmdImportTmx, &FrameServices::importTmx},
        {CmdExportTmx, &FrameServices::exportTmx},
        {CmdCopyMemory, &FrameServices::copyMemory}})
    m_registry.add(
        id, [this, service] { runService(m_services.*service, false); },
        [this, bound, service] { return bound() && bool(m_services.*service); });
  m_registry.add(
      CmdSearchMemory, [this] { runService(m_services.toggleMemorySearch, false); },
      [this, bound] { return bound() && bool(m_services.toggleMemorySearch); },
      [this] { return m_services.memorySearchVisible && m_services.memorySearchVisible(); });
}

void MainFrame::registerHelpCommands() {
  m_registry.add(CmdHelpIndex, [this] { showHelp(this); });
  m_registry.add(
      CmdAbout, [this] { runService(m_services.about, false); },
      [this] { return bool(m_services.about); });
}

ReportFrame *MainFrame::dialogsReport() const {
  return m_report;
}

// Made on first use; brought back when it was hidden or minimised.
void MainFrame::showDialogsReport() {
  if (!m_report) {
    m_report = new ReportFrame(m_session, this);
    connect(m_report, &ReportFrame::dialogChosen, this, &MainFrame::openResource);
  }
  m_report->rebuild();
  m_report->setWindowState(m_report->windowState() & ~Qt::WindowMinimized);
  m_report->show();
  m_report->raise();
  m_report->activateWindow();
}

} // namespace tarvelo::gui
