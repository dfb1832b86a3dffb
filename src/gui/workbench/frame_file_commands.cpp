// The main window's File menu: tasks, projects, exchange, printing and exit.
#include "workbench/item_list_model.h"
#include "workbench/item_list_printer.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"

#include "project/project_pane.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>

namespace tarvelo::gui {

void MainFrame::registerFileCommands() {
  const auto open = [this] { return m_session.isOpen(); };
  m_registry.add(CmdOpen, [this] {
    m_splitEdit->commit();
    if (!m_session.askToSave())
      return;
    showBoard(Board::Items);
    selectEntry(nullptr);
    // The session's reset rebuilds every view when a task opens.
    if (m_services.openDialog)
      m_services.openDialog(this);
  });
  m_registry.add(
      CmdInverseOpen,
      [this] {
        m_splitEdit->commit();
        showBoard(Board::Items);
        m_session.inverseOpen();
      },
      [this] { return !m_session.sourcePath().isEmpty() && !m_session.targetPath().isEmpty(); });
  m_registry.add(
      CmdClose,
      [this] {
        m_splitEdit->commit();
        showBoard(Board::Items);
        m_session.close();
      },
      open);
  m_registry.add(
      CmdSave, [this] { m_session.save(); }, open);
  m_registry.add(
      CmdSaveAs, [this] { m_session.saveAs(); }, open);
  m_registry.add(
      CmdSaveToSource, [this] { m_session.saveToSourceFile(); }, open);
  m_registry.add(
      CmdImport, [this] { runService(m_services.importTexts, true); },
      [this] { return m_session.isOpen() && bool(m_services.importTexts); });
  m_registry.add(
      CmdExport, [this] { runService(m_services.exportTexts, true); },
      [this] { return m_session.isOpen() && bool(m_services.exportTexts); });
  m_registry.add(
      CmdSendTo, [this] { runService(m_services.sendTo, true); },
      [this] { return m_session.isOpen() && bool(m_services.sendTo); });
  m_registry.add(CmdExit, [this] { close(); });
  registerProjectCommands();
  registerPrintCommands();
}

void MainFrame::registerProjectCommands() {
  m_registry.add({CmdNewProject, CmdOpenProject, CmdSaveProject, CmdSaveProjectAs},
                 [this](CommandId id) { runProjectCommand(id); });
}

// The project commands show the project pane, where their result is seen and its
// context menus go on.
void MainFrame::runProjectCommand(CommandId id) {
  m_tabs->setCurrentWidget(m_project);
  switch (id) {
  case CmdNewProject:
    m_project->newProject();
    break;
  case CmdOpenProject:
    m_project->openProjectDialog();
    break;
  case CmdSaveProject:
    m_project->saveProject();
    break;
  default:
    m_project->saveProjectAs();
    break;
  }
}

void MainFrame::runService(const std::function<void(QWidget *)> &service, bool commit) {
  if (commit)
    m_splitEdit->commit();
  if (service)
    service(this);
}

// Printing is of the item list shown.
void MainFrame::registerPrintCommands() {
  const auto listVisible = [this] { return m_board == Board::Items || m_board == Board::Filter; };
  m_registry.add(
      CmdPrintSetup,
      [this] {
        if (!m_printer)
          m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPageSetupDialog dialog(m_printer.get(), this);
        dialog.exec();
      },
      listVisible);
  m_registry.add(
      CmdPrintPreview, [this] { print(true); }, listVisible);
  m_registry.add(
      CmdPrint, [this] { print(false); }, listVisible);
}

void MainFrame::print(bool preview) {
  if (!m_printer)
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  const ItemListModel &model = visibleList()->itemModel();
  if (preview) {
    QPrintPreviewDialog dialog(m_printer.get(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&model](QPrinter *printer) { printItemList(model, *printer); });
    dialog.exec();
    return;
  }
  QPrintDialog dialog(m_printer.get(), this);
  if (dialog.exec() == QDialog::Accepted)
    printItemList(model, *m_printer);
}

} // namespace tarvelo::gui
