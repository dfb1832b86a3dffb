// The main window's commands: their texts, keys and images, the menus and the tool bar.
#include "workbench/command_table.h"

#include "workbench/item_icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace tarvelo::gui {

// The longer line the status bar shows while the pointer is on a command.
QString CommandTable::statusTip(CommandId id) {
  switch (id) {
  case CmdDictionaryPath:
    return QCoreApplication::translate("MainFrame", "Sets path to the external lexicon");
  default:
    return QString();
  }
}

QList<Command> CommandTable::commands() {
  using K = QKeySequence;
  return {
      {CmdOpen,
       QCoreApplication::translate("MainFrame", "&Open..."),
       {K(Qt::CTRL | Qt::Key_O)},
       QStringLiteral("open")},
      {CmdInverseOpen, QCoreApplication::translate("MainFrame", "&Inverse Open"), {}, {}},
      {CmdClose, QCoreApplication::translate("MainFrame", "&Close"), {}, {}},
      {CmdSave,
       QCoreApplication::translate("MainFrame", "&Save"),
       {K(Qt::CTRL | Qt::Key_S)},
       QStringLiteral("save")},
      {CmdSaveAs, QCoreApplication::translate("MainFrame", "Save &As..."), {}, {}},
      {CmdSaveToSource,
       QCoreApplication::translate("MainFrame", "Save &To Source File..."),
       {K(Qt::CTRL | Qt::ALT | Qt::Key_S)},
       {}},
      {CmdNewProject, QCoreApplication::translate("MainFrame", "&New Project"), {}, {}},
      {CmdOpenProject, QCoreApplication::translate("MainFrame", "O&pen Project..."), {}, {}},
      {CmdSaveProject, QCoreApplication::translate("MainFrame", "Sa&ve Project"), {}, {}},
      {CmdSaveProjectAs, QCoreApplication::translate("MainFrame", "Save Project &As..."), {}, {}},
      {CmdImport, QCoreApplication::translate("MainFrame", "I&mport..."), {}, {}},
      {CmdExport, QCoreApplication::translate("MainFrame", "&Export..."), {}, {}},
      {CmdSendTo,
       QCoreApplication::translate("MainFrame", "Send &To..."),
       {},
       QStringLiteral("send")},
      {CmdPrintSetup, QCoreApplication::translate("MainFrame", "P&rint Setup..."), {}, {}},
      {CmdPrintPreview, QCoreApplication::translate("MainFrame", "Print Pre&view..."), {}, {}},
      {CmdPrint,
       QCoreApplication::translate("MainFrame", "&Print..."),
       {K(Qt::CTRL | Qt::Key_P)},
       {}},
      {CmdExit, QCoreApplication::translate("MainFrame", "E&xit"), {K(Qt::CTRL | Qt::Key_Q)}, {}},
      {CmdUndo,
       QCoreApplication::translate("MainFrame", "&Undo"),
       {K(Qt::CTRL | Qt::Key_Z)},
       QStringLiteral("undo")},
      {CmdRedo,
       QCoreApplication::translate("MainFrame", "&Redo"),
       {K(Qt::CTRL | Qt::Key_Y)},
       QStringLiteral("redo")},
      {CmdCut,
       QCoreApplication::translate("MainFrame", "Cu&t"),
       {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
       QStringLiteral("cut")},
      {CmdCopy,
       QCoreApplication::translate("MainFrame", "&Copy"),
       {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
       QStringLiteral("copy")},
      {CmdPaste,
       QCoreApplication::translate("MainFrame", "&Paste"),
       {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
       QStringLiteral("paste")},
      {CmdPasteSource,
       QCoreApplication::translate("MainFrame", "Paste source text"),
       {K(Qt::CTRL | Qt::Key_T)},
       {}},
      {CmdRefresh, QCoreApplication::translate("MainFrame", "Refresh"), {K(Qt::Key_F5)}, {}},
      {CmdFind, QCoreApplication::translate("MainFrame", "Find..."), {K(Qt::CTRL | Qt::Key_F)}, {}},
      {CmdFilter, QCoreApplication::translate("MainFrame", "Filter"), {}, QStringLiteral("filter")},
      {CmdFilterSetup, QCoreApplication::translate("MainFrame", "Filter setup..."), {}, {}},
      {CmdMachineTranslate,
       QCoreApplication::translate("MainFrame", "&Machine Translation..."),
       {K(Qt::CTRL | Qt::Key_G)},
       QStringLiteral("translate")},
      {CmdDialogsReport,
       QCoreApplication::translate("MainFrame", "Dialogs &Report..."),
       {},
       QStringLiteral("report")},
      {CmdAnalysis, QCoreApplication::translate("MainFrame", "&Analysis..."), {}, {}},
      {CmdPseudoTranslate,
       QCoreApplication::translate("MainFrame", "&Pseudo-Translate..."),
       {},
       {}},
      {CmdLearnTexts, QCoreApplication::translate("MainFrame", "Learn actual texts"), {}, {}},
      {CmdImportGlossary, QCoreApplication::translate("MainFrame", "Import glossary..."), {}, {}},
      {CmdImportTmx, QCoreApplication::translate("MainFrame", "Import TMX..."), {}, {}},
      {CmdExportTmx, QCoreApplication::translate("MainFrame", "Export TMX..."), {}, {}},
      {CmdCopyMemory,
       QCoreApplication::translate("MainFrame", "Copy Translation Memory..."),
       {},
       {}},
      {CmdOpenDictionary,
       QCoreApplication::translate("MainFrame", "Open External &Dictionary"),
       {},
       QStringLiteral("dictionary")},
      {CmdOptions, QCoreApplication::translate("MainFrame", "&Options..."), {}, {}},
      {CmdHelpIndex,
       QCoreApplication::translate("MainFrame", "Index..."),
       {},
       QStringLiteral("help")},
      {CmdAbout, QCoreApplication::translate("MainFrame", "&About Tarvelo..."), {}, {}},
      {CmdSearchMemory,
       QCoreApplication::translate("MainFrame", "Search Translation Memory"),
       {},
       QStringLiteral("search_tm")},
      {CmdDictionaryPath,
       QCoreApplication::translate("MainFrame", "Set External Dictionary &Path..."),
       {},
       {}},
      {CmdNextItem,
       QCoreApplication::translate("MainFrame", "Next item"),
       {K(Qt::CTRL | Qt::Key_Down)},
       {}},
      {CmdPreviousItem,
       QCoreApplication::translate("MainFrame", "Previous item"),
       {K(Qt::CTRL | Qt::Key_Up)},
       {}},
      {CmdNextControl, QCoreApplication::translate("MainFrame", "Next control"), {}, {}},
      {CmdPreviousControl, QCoreApplication::translate("MainFrame", "Previous control"), {}, {}},
      {CmdSelectAll,
       QCoreApplication::translate("MainFrame", "Select all"),
       {K(Qt::CTRL | Qt::Key_A)},
       {}},
      {CmdShowOriginal,
       QCoreApplication::translate("MainFrame", "Show original"),
       {},
       QStringLiteral("show_original")},
      {CmdLoadFromSource,
       QCoreApplication::translate("MainFrame", "Load from source"),
       {},
       QStringLiteral("load_source")},
      {CmdLoadFromTarget,
       QCoreApplication::translate("MainFrame", "Load from target"),
       {},
       QStringLiteral("load_target")},
      {CmdSetDefaultFont,
       QCoreApplication::translate("MainFrame", "Set default font"),
       {},
       QStringLiteral("default_font")},
      {CmdDialogControls,
       QCoreApplication::translate("MainFrame", "Dialog controls..."),
       {},
       QStringLiteral("dialog_controls")},
      {CmdFlipDialog,
       QCoreApplication::translate("MainFrame", "Flip dialog"),
       {},
       QStringLiteral("flip_dialog")},
      {CmdAlignLeft,
       QCoreApplication::translate("MainFrame", "Align Left"),
       {},
       QStringLiteral("align_left")},
      {CmdAlignRight,
       QCoreApplication::translate("MainFrame", "Align Right"),
       {},
       QStringLiteral("align_right")},
      {CmdAlignTop,
       QCoreApplication::translate("MainFrame", "Align Top"),
       {},
       QStringLiteral("align_top")},
      {CmdAlignBottom,
       QCoreApplication::translate("MainFrame", "Align Bottom"),
       {},
       QStringLiteral("align_bottom")},
      {CmdSameWidth,
       QCoreApplication::translate("MainFrame", "Make same width"),
       {},
       QStringLiteral("same_width")},
      {CmdSameHeight,
       QCoreApplication::translate("MainFrame", "Make same height"),
       {},
       QStringLiteral("same_height")},
      {CmdSameSize,
       QCoreApplication::translate("MainFrame", "Make same size"),
       {},
       QStringLiteral("same_size")},
      {CmdAdjustToText,
       QCoreApplication::translate("MainFrame", "Adjust size to text"),
       {},
       QStringLiteral("fit_text")},
      {CmdToggleSourceSize,
       QCoreApplication::translate("MainFrame", "&Toggle source/target size"),
       {},
       QStringLiteral("source_size")},
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
    action->setStatusTip(statusTip(command.id));
    window->addAction(action);
    m_actions.insert(command.id, action);
  }
  for (CommandId id : {CmdFilter, CmdSearchMemory, CmdLoadFromSource, CmdLoadFromTarget,
                       CmdSetDefaultFont, CmdDialogControls, CmdToggleSourceSize})
    m_actions.value(id)->setCheckable(true);
}

QList<int> CommandTable::dialogCommands() {
  return {CmdShowOriginal,
          0,
          CmdLoadFromSource,
          CmdLoadFromTarget,
          0,
          CmdSetDefaultFont,
          CmdDialogControls,
          CmdToggleSourceSize,
          CmdFlipDialog,
          0,
          CmdAlignLeft,
          CmdAlignRight,
          CmdAlignTop,
          CmdAlignBottom,
          0,
          CmdSameWidth,
          CmdSameHeight,
          CmdSameSize,
          CmdAdjustToText};
}

QList<QAction *> CommandTable::dialogToolBarActions(QObject *owner) const {
  QList<QAction *> actions;
  for (int id : dialogCommands()) {
    if (id != 0) {
      actions.append(m_actions.value(id));
      continue;
    }
    auto *separator = new QAction(owner);
    separator->setSeparator(true);
    actions.append(separator);
  }
  return actions;
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
  QMenu *file = bar->addMenu(QCoreApplication::translate("MainFrame", "&File"));
  add(file, {CmdOpen, CmdInverseOpen, CmdClose, CmdSave, CmdSaveAs, CmdSaveToSource, 0});
  QMenu *project = file->addMenu(QCoreApplication::translate("MainFrame", "Project"));
  add(project, {CmdNewProject, CmdOpenProject, CmdSaveProject, CmdSaveProjectAs});
  add(file, {0, CmdImport, CmdExport, 0, CmdSendTo, 0, CmdPrintSetup, CmdPrintPreview, CmdPrint, 0,
             CmdExit});
  QMenu *edit = bar->addMenu(QCoreApplication::translate("MainFrame", "&Edit"));
  add(edit,
      {CmdUndo, CmdRedo, 0, CmdCut, CmdCopy, CmdPaste, 0, CmdPasteSource, CmdRefresh, 0, CmdFind});
  QMenu *dialog = bar->addMenu(QCoreApplication::translate("MainFrame", "&Dialog"));
  for (int id : dialogCommands()) {
    if (id == 0)
      dialog->addSeparator();
    else
      dialog->addAction(m_actions.value(id));
  }
  QMenu *tools = bar->addMenu(QCoreApplication::translate("MainFrame", "&Tools"));
  add(tools, {CmdFilter, CmdFilterSetup, 0, CmdMachineTranslate, CmdDialogsReport, CmdAnalysis,
              CmdPseudoTranslate});
  QMenu *memory = tools->addMenu(QCoreApplication::translate("MainFrame", "Translation Memory"));
  add(memory, {CmdLearnTexts, CmdImportGlossary, 0, CmdImportTmx, CmdExportTmx, 0, CmdCopyMemory});
  add(tools, {0, CmdOpenDictionary, CmdDictionaryPath, CmdOptions});
  QMenu *help = bar->addMenu(QCoreApplication::translate("MainFrame", "&Help"));
  add(help, {CmdHelpIndex, 0, CmdAbout});
}

QToolBar *CommandTable::buildToolBar(QMainWindow *window) {
  QToolBar *bar = window->addToolBar(QCoreApplication::translate("MainFrame", "Standard"));
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
