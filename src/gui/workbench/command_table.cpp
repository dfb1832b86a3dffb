#include "workbench/command_table.h"

#include "workbench/item_icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace tarvelo::gui {

namespace {

QString tr(const char *text) {
  return QCoreApplication::translate("MainFrame", text);
}

} // namespace

QList<Command> CommandTable::commands() {
  using K = QKeySequence;
  return {
      {CmdOpen, tr("&Open..."), {K(Qt::CTRL | Qt::Key_O)}, QStringLiteral("open")},
      {CmdInverseOpen, tr("&Inverse Open"), {}, {}},
      {CmdClose, tr("&Close"), {}, {}},
      {CmdSave, tr("&Save"), {K(Qt::CTRL | Qt::Key_S)}, QStringLiteral("save")},
      {CmdSaveAs, tr("Save &As..."), {}, {}},
      {CmdSaveToSource, tr("Save &To Source File..."), {K(Qt::CTRL | Qt::ALT | Qt::Key_S)}, {}},
      {CmdNewProject, tr("&New Project"), {}, {}},
      {CmdOpenProject, tr("O&pen Project..."), {}, {}},
      {CmdSaveProject, tr("Sa&ve Project"), {}, {}},
      {CmdImport, tr("I&mport..."), {}, {}},
      {CmdExport, tr("&Export..."), {}, {}},
      {CmdSendTo, tr("Send &To..."), {}, QStringLiteral("send")},
      {CmdPrintSetup, tr("P&rint Setup..."), {}, {}},
      {CmdPrintPreview, tr("Print Pre&view..."), {}, {}},
      {CmdPrint, tr("&Print..."), {K(Qt::CTRL | Qt::Key_P)}, {}},
      {CmdExit, tr("E&xit"), {}, {}},
      {CmdUndo, tr("&Undo"), {K(Qt::CTRL | Qt::Key_Z)}, QStringLiteral("undo")},
      {CmdRedo, tr("&Redo"), {K(Qt::CTRL | Qt::Key_Y)}, QStringLiteral("redo")},
      {CmdCut,
       tr("Cu&t"),
       {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
       QStringLiteral("cut")},
      {CmdCopy,
       tr("&Copy"),
       {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
       QStringLiteral("copy")},
      {CmdPaste,
       tr("&Paste"),
       {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
       QStringLiteral("paste")},
      {CmdPasteSource, tr("Paste source text"), {K(Qt::CTRL | Qt::Key_T)}, {}},
      {CmdRefresh, tr("Refresh"), {K(Qt::Key_F5)}, {}},
      {CmdFind, tr("Find..."), {K(Qt::CTRL | Qt::Key_F)}, {}},
      {CmdFilter, tr("Filter"), {}, QStringLiteral("filter")},
      {CmdFilterSetup, tr("Filter setup..."), {}, {}},
      {CmdMachineTranslate,
       tr("&Google Translate..."),
       {K(Qt::CTRL | Qt::Key_G)},
       QStringLiteral("translate")},
      {CmdDialogsReport, tr("Dialogs &Report..."), {}, QStringLiteral("report")},
      {CmdLearnTexts, tr("Learn actual texts"), {}, {}},
      {CmdImportGlossary, tr("Import glossary..."), {}, {}},
      {CmdOpenDictionary, tr("Open External &Dictionary"), {}, QStringLiteral("dictionary")},
      {CmdOptions, tr("&Options..."), {}, {}},
      {CmdHelpIndex, tr("Index..."), {}, QStringLiteral("help")},
      {CmdAbout, tr("&About Tarvelo..."), {}, {}},
      {CmdSearchMemory, tr("Search Translation Memory"), {}, QStringLiteral("search_tm")},
      {CmdDictionaryPath, tr("Sets path to the external lexicon"), {}, {}},
      {CmdNextItem, tr("Next item"), {K(Qt::CTRL | Qt::Key_Down)}, {}},
      {CmdPreviousItem, tr("Previous item"), {K(Qt::CTRL | Qt::Key_Up)}, {}},
      {CmdNextControl, tr("Next control"), {}, {}},
      {CmdPreviousControl, tr("Previous control"), {}, {}},
      {CmdSelectAll, tr("Select all"), {K(Qt::CTRL | Qt::Key_A)}, {}},
  };
}

void CommandTable::create(QMainWindow *window) {
  for (const Command &command : commands()) {
    auto *action = new QAction(command.text, window);
    action->setData(int(command.id));
    if (!command.keys.isEmpty())
      action->setShortcuts(command.keys);
    // Editing keys belong to the focused text box unless it declines them.
    action->setShortcutContext(Qt::WindowShortcut);
    if (!command.icon.isEmpty())
      action->setIcon(toolbarIcon(command.icon));
    QString tip = command.text;
    tip.remove(u'&');
    if (tip.endsWith(QLatin1String("...")))
      tip.chop(3);
    action->setToolTip(tip);
    window->addAction(action);
    m_actions.insert(command.id, action);
  }
  m_actions.value(CmdFilter)->setCheckable(true);
}

void CommandTable::buildMenus(QMainWindow *window) {
  QMenuBar *bar = window->menuBar();
  const auto add = [this](QMenu *menu, std::initializer_list<int> ids) {
    for (int id : ids) {
      if (id == 0)
        menu->addSeparator();
      else
        menu->addAction(m_actions.value(id));
    }
  };
  QMenu *file = bar->addMenu(tr("&File"));
  add(file, {CmdOpen, CmdInverseOpen, CmdClose, CmdSave, CmdSaveAs, CmdSaveToSource, 0});
  QMenu *project = file->addMenu(tr("Project"));
  add(project, {CmdNewProject, CmdOpenProject, CmdSaveProject});
  add(file, {0, CmdImport, CmdExport, 0, CmdSendTo, 0, CmdPrintSetup, CmdPrintPreview, CmdPrint, 0,
             CmdExit});
  QMenu *edit = bar->addMenu(tr("&Edit"));
  add(edit,
      {CmdUndo, CmdRedo, 0, CmdCut, CmdCopy, CmdPaste, 0, CmdPasteSource, CmdRefresh, 0, CmdFind});
  QMenu *tools = bar->addMenu(tr("&Tools"));
  add(tools, {CmdFilter, CmdFilterSetup, 0, CmdMachineTranslate, CmdDialogsReport});
  QMenu *memory = tools->addMenu(tr("Translation Memory"));
  add(memory, {CmdLearnTexts, CmdImportGlossary});
  add(tools, {0, CmdOpenDictionary, CmdOptions});
  QMenu *help = bar->addMenu(tr("&Help"));
  add(help, {CmdHelpIndex, 0, CmdAbout});
}

QToolBar *CommandTable::buildToolBar(QMainWindow *window) {
  QToolBar *bar = window->addToolBar(tr("Standard"));
  bar->setObjectName(QStringLiteral("mainToolBar"));
  bar->setIconSize(QSize(24, 24));
  bar->setMovable(false);
  const std::initializer_list<int> layout = {CmdOpen,
                                             CmdSave,
                                             0,
                                             CmdSendTo,
                                             0,
                                             CmdCut,
                                             CmdCopy,
                                             CmdPaste,
                                             0,
                                             CmdUndo,
                                             CmdRedo,
                                             0,
                                             CmdSearchMemory,
                                             CmdMachineTranslate,
                                             0,
                                             CmdDialogsReport,
                                             0,
                                             CmdFilter,
                                             0,
                                             CmdOpenDictionary,
                                             0,
                                             CmdHelpIndex};
  for (int id : layout) {
    if (id == 0)
      bar->addSeparator();
    else
      bar->addAction(m_actions.value(id));
  }
  return bar;
}

} // namespace tarvelo::gui
