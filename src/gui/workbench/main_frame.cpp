#include "workbench/main_frame.h"
#include "project/project_pane.h"

#include "dialogs/dialog_board.h"
#include "dialogs/layout_editor.h"
#include "dialogs/test_display.h"
#include "files/file_messages.h"
#include "options/help.h"
#include "report/report_frame.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "spelling/spell_service.h"
#include "workbench/external_dictionary.h"
#include "workbench/find.h"
#include "workbench/find_dialog.h"
#include "workbench/item_icons.h"
#include "workbench/item_list_model.h"
#include "workbench/item_list_printer.h"
#include "workbench/menu_view.h"
#include "workbench/occurrences_view.h"
#include "workbench/plain_text_view.h"
#include "workbench/pseudo_translate_dialog.h"
#include "workbench/resource_tree_model.h"
#include "workbench/resource_tree_view.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace tarvelo::gui {

MainFrame::MainFrame(Session &session, QWidget *parent) : QMainWindow(parent), m_session(session) {
  setWindowIcon(applicationIcon());
  m_itemModel = std::make_unique<ItemListModel>(session);
  m_dlgInitModel = std::make_unique<ItemListModel>(session);
  m_filteredModel = std::make_unique<ItemListModel>(session);
  m_treeModel = std::make_unique<ResourceTreeModel>(session);
  m_dictionary = std::make_unique<ExternalDictionary>(session.settings());
  m_dlgInitModel->setFilter(
      [this](const TextEntry &entry) { return m_dlgInitHead && entry.head() == m_dlgInitHead; });
  m_filteredModel->setFilter([](const TextEntry &) { return false; });

  m_commands.create(this);
  m_commands.buildMenus(this);
  m_commands.buildToolBar(this);
  createPanes();
  m_project->reopenLast();

  m_message = new QLabel(this);
  statusBar()->addWidget(m_message, 1);
  static const char *const names[] = {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")};
  for (int i = 0; i < 3; ++i) {
    m_indicators[i] = new QLabel(tr(names[i]), this);
    m_indicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_indicators[i]->setAlignment(Qt::AlignCenter);
    m_indicators[i]->setMinimumWidth(m_indicators[i]->fontMetrics().horizontalAdvance(tr("SCRL")) +
                                     12);
    m_indicators[i]->setEnabled(false);
    statusBar()->addPermanentWidget(m_indicators[i]);
  }
  qApp->installEventFilter(this);

  connectSession();
  connectCommands();
  setAcceptDrops(true);
  refreshTitle();

  // Commands are enabled from the state whenever the program is idle.
  auto *timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, &MainFrame::updateCommands);
  timer->start(200);
  updateCommands();

  if (QScreen *screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    resize(area.width() * 9 / 10, std::max(area.height() - 100, 480));
  }
}

MainFrame::~MainFrame() {
  qApp->removeEventFilter(this);
}

void MainFrame::setServices(FrameServices services) {
  m_services = std::move(services);
  m_itemList->setServices(m_services.items);
  m_dlgInitList->setServices(m_services.items);
  m_filteredList->setServices(m_services.items);
  m_splitEdit->targetEditor()->setCompletion(m_services.complete);
  if (m_services.filterTest)
    m_filteredModel->setFilter(m_services.filterTest);
  if (m_services.spelling) {
    m_splitEdit->targetEditor()->setSpelling(m_services.spelling);
    // "Misspelt words" in the filtered list follows the dictionary.
    connect(m_services.spelling, &SpellService::checkerChanged, this, [this] {
      if (m_board == Board::Filter)
        m_filteredModel->rebuild();
    });
  }
  refreshInspectionDisplay();
}

void MainFrame::createPanes() {
  auto *columns = new QSplitter(Qt::Horizontal, this);
  columns->setChildrenCollapsible(false);

  m_tabs = new QTabWidget(columns);
  m_tabs->setTabPosition(QTabWidget::South);
  m_tree = new ResourceTreeView(m_session, *m_treeModel, m_tabs);
  m_tabs->addTab(m_tree, tr("Resources"));
  m_project = new ProjectPane(m_session, m_tabs);
  m_tabs->addTab(m_project, tr("Project"));
  // The session's reset has rebuilt the views already.
  connect(m_project, &ProjectPane::tasksOpened, this, [this] { showBoard(Board::Items); });

  auto *middle = new QSplitter(Qt::Vertical, columns);
  middle->setChildrenCollapsible(false);
  m_boardStack = new QStackedWidget(middle);
  m_itemList = new ItemListView(m_session, *m_itemModel, m_boardStack);
  m_dlgInitList = new ItemListView(m_session, *m_dlgInitModel, m_boardStack);
  m_dlgInitList->setHelpTopic(QStringLiteral("dlginit.html"));
  m_dialogBoard = new DialogBoard(m_session.prompter(), m_boardStack);
  m_dialogBoard->addCommands(m_commands.dialogToolBarActions(m_dialogBoard));
  m_menuView = new MenuView(m_session.entries(), m_boardStack);
  m_textView = new PlainTextView(m_session, m_boardStack);
  m_filteredList = new ItemListView(m_session, *m_filteredModel, m_boardStack);
  // In the order of the Board enumeration.
  for (QWidget *view : {static_cast<QWidget *>(m_itemList), static_cast<QWidget *>(m_dlgInitList),
                        static_cast<QWidget *>(m_dialogBoard), static_cast<QWidget *>(m_menuView),
                        static_cast<QWidget *>(m_textView), static_cast<QWidget *>(m_filteredList)})
    m_boardStack->addWidget(view);
  m_splitEdit = new SplitEdit(m_session, middle);
  middle->addWidget(m_boardStack);
  middle->addWidget(m_splitEdit);
  middle->setStretchFactor(0, 1);
  middle->setStretchFactor(1, 0);
  middle->setSizes({600, 150});

  m_occurrences = new OccurrencesView(m_session.occurrences(), columns);
  columns->addWidget(m_tabs);
  columns->addWidget(middle);
  columns->addWidget(m_occurrences);
  columns->setStretchFactor(0, 0);
  columns->setStretchFactor(1, 1);
  columns->setStretchFactor(2, 0);
  columns->setSizes({222, 900, 200});
  setCentralWidget(columns);

  for (ItemListView *list : {m_itemList, m_dlgInitList, m_filteredList}) {
    // Deferred, so that the list has finished its own selection work first; the
    // entry is taken from the list then, since the rows may have changed meanwhile.
    connect(list, &ItemListView::entrySelected, this, [this, list](TextEntry *) {
      QTimer::singleShot(0, this, [this, list] {
        if (TextEntry *entry = list->selectedEntry())
          selectEntry(entry);
      });
    });
    connect(list, &ItemListView::targetTextChosen, this, &MainFrame::applyTargetText);
    connect(list, &ItemListView::typingStarted, m_splitEdit, &SplitEdit::startTyping);
  }
  connect(m_tree, &ResourceTreeView::resourceOpened, this, &MainFrame::openResource);
  connect(m_menuView, &MenuView::entrySelected, this, &MainFrame::selectEntry);
  connect(m_dialogBoard, &DialogBoard::entrySelected, this, &MainFrame::selectEntry);
  connect(m_dialogBoard, &DialogBoard::layoutChanged, this, [this] {
    m_session.setModified(true);
    updateCommands();
  });
  connect(m_menuView, &MenuView::typingStarted, m_splitEdit, &SplitEdit::startTyping);
  connect(m_textView, &PlainTextView::blockChoiceChanged, this,
          [this](TextEntry *resource) { m_treeModel->updateEntry(resource); });
  connect(m_occurrences, &OccurrencesView::entrySelected, this, &MainFrame::selectEntry);
  connect(m_splitEdit, &SplitEdit::nextItemRequested, this, [this] { moveItem(1); });
  m_session.setEditorCommit([this] { m_splitEdit->commit(); });
}

void MainFrame::connectSession() {
  connect(&m_session, &Session::entriesReset, this, &MainFrame::rebuildAll);
  // The target language's dictionary is loaded for every task opened.
  connect(&m_session, &Session::entriesReset, this, [this] {
    if (m_services.spelling && m_session.isOpen())
      m_services.spelling->useLanguage(m_session.targetLanguage());
  });
  connect(&m_session, &Session::currentEntryChanged, this, &MainFrame::onCurrentEntryChanged);
  connect(&m_session, &Session::textsChanged, this, &MainFrame::onTextsChanged);
  connect(&m_session, &Session::summaryChanged, m_message, &QLabel::setText);
  connect(&m_session, &Session::titleChanged, this, [this] { refreshTitle(); });
  connect(&m_session, &Session::modifiedChanged, this, [this] { refreshTitle(); });
}

void MainFrame::connectCommands() {
  for (QAction *action : m_commands.actions())
    connect(action, &QAction::triggered, this,
            [this, action] { runCommand(CommandId(action->data().toInt())); });
}

QString MainFrame::statusMessage() const {
  return m_message->text();
}

void MainFrame::refreshTitle() {
  const QString path = m_session.targetPath();
  setWindowTitle(path.isEmpty() ? QStringLiteral("Tarvelo")
                                : QStringLiteral("%1[*] - Tarvelo").arg(path));
  setWindowModified(m_session.isModified());
}

void MainFrame::refreshInspectionDisplay() {
  const bool show = m_services.showInspection ? m_services.showInspection() : true;
  for (ItemListModel *model : {m_itemModel.get(), m_dlgInitModel.get(), m_filteredModel.get()})
    model->setShowInspection(show);
}

void MainFrame::rebuildAll() {
  m_dlgInitHead = nullptr;
  m_itemModel->rebuild();
  m_dlgInitModel->rebuild();
  if (m_filterShowing)
    m_filteredModel->rebuild();
  m_tree->rebuild();
  m_menuView->showMenu(nullptr);
  m_dialogBoard->clear();
  m_textView->showResource(nullptr);
  m_splitEdit->refreshHeaders();
  // An open task's summary follows the reset, from the session.
  if (!m_session.isOpen())
    m_message->clear();
  refreshTitle();
  updateCommands();
}

ItemListView *MainFrame::visibleList() const {
  return m_board == Board::Filter ? m_filteredList : m_itemList;
}

void MainFrame::showBoard(Board board) {
  m_board = board;
  if (board == Board::Items || board == Board::Filter)
    m_filterShowing = board == Board::Filter;
  m_boardStack->setCurrentIndex(int(board));
  // Texts may have changed while the board was hidden.
  if (board == Board::Dialog && !m_dialogBoard->shownDialog())
    m_dialogBoard->showEntry(m_session.currentEntry());
  else if (board == Board::Dialog)
    m_dialogBoard->refreshTexts();
  updateCommands();
}

void MainFrame::selectEntry(TextEntry *entry) {
  if (m_selecting)
    return;
  // The editors store their pending texts before another entry is shown.
  if (entry != m_session.currentEntry())
    m_splitEdit->commit();
  m_session.selectEntry(entry);
}

void MainFrame::onCurrentEntryChanged(TextEntry *entry) {
  m_selecting = true;
  if (!entry || entry->isTranslatable())
    m_textView->showResource(nullptr);
  else
    m_textView->showResource(entry);
  m_splitEdit->showEntry(entry);
  m_occurrences->showEntry(entry);
  m_itemList->showEntry(entry);
  if (m_board == Board::Menu && entry && entry->kind == QLatin1String("MENU"))
    m_menuView->showMenu(entry);
  if (m_board == Board::Dialog)
    m_dialogBoard->showEntry(entry);
  if (m_board == Board::DlgInit)
    m_dlgInitList->showEntry(entry);
  if (m_board == Board::Filter)
    m_filteredList->showEntry(entry);
  m_selecting = false;
}

namespace {

// The resource's first item of the item list: the entry a resource opens at, or the
// first after it with a text when it has none (a dialog without caption).
TextEntry *firstItem(TextEntry *resource) {
  TextEntry *opened = ResourceTreeModel::entryToOpen(resource);
  if (!opened || !opened->isTranslatable())
    return opened;
  for (TextEntry *entry = opened; entry && entry->sourceBlock == opened->sourceBlock;
       entry = entry->next())
    if (!entry->sourceText.isEmpty() || !entry->targetText.isEmpty())
      return entry;
  return opened;
}

} // namespace

void MainFrame::openResource(TextEntry *resource) {
  if (!resource)
    return;
  TextEntry *head = resource->head() ? resource->head() : resource;
  TextEntry *current = firstItem(resource);
  if (dialogOf(resource)) {
    m_dialogBoard->showEntry(current);
    showBoard(Board::Dialog);
  } else if (resource->kind == QLatin1String("MENU")) {
    m_menuView->showMenu(current);
    showBoard(Board::Menu);
  } else if (resource->kind == QLatin1String("DLGINIT")) {
    m_dlgInitHead = head;
    m_dlgInitModel->rebuild();
    showBoard(Board::DlgInit);
  } else if (!resource->isTranslatable()) {
    showBoard(Board::Text);
  } else if (m_board != Board::Filter) {
    showBoard(Board::Items);
  }
  selectEntry(current);
  if (!resource->isTranslatable())
    m_textView->showResource(head);
  // However it was opened (a link of the report, a search), the tree shows it.
  m_tree->showResource(resource);
}

void MainFrame::applyTargetText(TextEntry *entry, const QString &text) {
  if (!entry)
    return;
  m_splitEdit->commit();
  m_splitEdit->release();
  m_session.changeTargetText(entry, text);
  m_splitEdit->showEntry(m_session.currentEntry());
}

void MainFrame::onTextsChanged(const QList<TextEntry *> &entries, bool rebuild) {
  TextEntry *current = m_session.currentEntry();
  if (rebuild) {
    visibleList()->itemModel().rebuild();
    if (visibleList() != m_itemList)
      m_itemModel->rebuild();
  } else {
    m_itemModel->updateEntries(entries);
    m_filteredModel->updateEntries(entries);
  }
  m_dlgInitModel->updateEntries(entries);
  if (m_board == Board::Menu)
    m_menuView->refresh();
  if (m_board == Board::Dialog)
    m_dialogBoard->refreshTexts();
  if (current) {
    m_selecting = true;
    visibleList()->showEntry(current);
    m_selecting = false;
  }
  updateCommands();
}

void MainFrame::moveItem(int step) {
  ItemListView *list = m_board == Board::DlgInit ? m_dlgInitList : visibleList();
  if (m_board != Board::DlgInit && m_board != Board::Filter && m_board != Board::Items)
    list = m_itemList;
  list->moveSelection(step);
}

void MainFrame::findNext() {
  if (!m_find)
    return;
  ItemListView *list = visibleList();
  const int from = list->currentIndex().isValid() ? list->currentIndex().row() : -1;
  const int row =
      findItem(list->itemModel(), m_find->text(), m_find->matchCase(), m_find->down(), from);
  if (row < 0) {
    m_session.prompter().inform(notFoundMessage(m_find->text()));
    return;
  }
  const QModelIndex index = list->itemModel().index(row, ItemListModel::SourceColumn);
  list->setCurrentIndex(index);
  list->scrollTo(index);
  list->setFocus();
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

void MainFrame::runMemoryCommand(CommandId id) {
  const std::function<void(QWidget *)> &service = id == CmdImportTmx   ? m_services.importTmx
                                                  : id == CmdExportTmx ? m_services.exportTmx
                                                                       : m_services.copyMemory;
  if (!service)
    return;
  service(this);
  updateCommands();
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

void MainFrame::runCommand(CommandId id) {
  QWidget *focus = QApplication::focusWidget();
  auto *line = qobject_cast<QLineEdit *>(focus);
  auto *text = qobject_cast<QPlainTextEdit *>(focus);
  switch (id) {
  case CmdNewProject:
  case CmdOpenProject:
  case CmdSaveProject:
  case CmdSaveProjectAs:
    runProjectCommand(id);
    return;
  case CmdOpen:
    m_splitEdit->commit();
    if (!m_session.askToSave())
      return;
    showBoard(Board::Items);
    selectEntry(nullptr);
    // The session's reset rebuilds every view when a task opens.
    if (m_services.openDialog)
      m_services.openDialog(this);
    break;
  case CmdInverseOpen:
    m_splitEdit->commit();
    showBoard(Board::Items);
    m_session.inverseOpen();
    break;
  case CmdClose:
    m_splitEdit->commit();
    showBoard(Board::Items);
    m_session.close();
    break;
  case CmdSave:
    m_session.save();
    break;
  case CmdSaveAs:
    m_session.saveAs();
    break;
  case CmdSaveToSource:
    m_session.saveToSourceFile();
    break;
  case CmdPrintSetup: {
    if (!m_printer)
      m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(m_printer.get(), this);
    dialog.exec();
    break;
  }
  case CmdPrintPreview:
    print(true);
    break;
  case CmdPrint:
    print(false);
    break;
  case CmdExit:
    close();
    break;
  case CmdUndo:
    if (dialogViewActive()) {
      m_dialogBoard->editor()->undo();
      break;
    }
    m_splitEdit->commit();
    m_session.undo();
    break;
  case CmdRedo:
    if (dialogViewActive()) {
      m_dialogBoard->editor()->redo();
      break;
    }
    m_splitEdit->commit();
    m_session.redo();
    break;
  case CmdCut:
    if (line)
      line->cut();
    else if (text)
      text->cut();
    break;
  case CmdCopy:
    if (line)
      line->copy();
    else if (text)
      text->copy();
    break;
  case CmdPaste:
    if (line)
      line->paste();
    else if (text)
      text->paste();
    break;
  case CmdPasteSource:
    m_splitEdit->pasteSource();
    break;
  case CmdRefresh:
    visibleList()->itemModel().rebuild();
    if (m_session.currentEntry())
      visibleList()->showEntry(m_session.currentEntry());
    break;
  case CmdFind:
    if (!m_find) {
      m_find = new FindDialog(this);
      connect(m_find, &FindDialog::findNext, this, &MainFrame::findNext);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
    break;
  case CmdFilter:
    if (m_board == Board::Filter) {
      showBoard(Board::Items);
    } else {
      m_filteredModel->rebuild();
      showBoard(Board::Filter);
      if (m_session.currentEntry())
        m_filteredList->showEntry(m_session.currentEntry());
    }
    break;
  case CmdFilterSetup:
    if (m_services.filterSetup) {
      m_services.filterSetup(this);
      m_filteredModel->rebuild();
    }
    break;
  case CmdLearnTexts:
    m_splitEdit->commit();
    if (m_services.learnTexts)
      m_services.learnTexts();
    break;
  case CmdExport:
    m_splitEdit->commit();
    if (m_services.exportTexts)
      m_services.exportTexts(this);
    break;
  case CmdImport:
    m_splitEdit->commit();
    if (m_services.importTexts)
      m_services.importTexts(this);
    break;
  case CmdImportGlossary:
    if (m_services.importGlossary)
      m_services.importGlossary(this);
    break;
  case CmdImportTmx:
  case CmdExportTmx:
  case CmdCopyMemory:
    runMemoryCommand(id);
    break;
  case CmdSearchMemory:
    if (m_services.toggleMemorySearch)
      m_services.toggleMemorySearch(this);
    break;
  case CmdMachineTranslate:
    m_splitEdit->commit();
    if (m_services.machineTranslate)
      m_services.machineTranslate(this);
    break;
  case CmdSendTo:
    m_splitEdit->commit();
    if (m_services.sendTo)
      m_services.sendTo(this);
    break;
  case CmdOpenDictionary:
    if (!m_dictionary->open())
      m_session.prompter().error(cannotOpenMessage(m_dictionary->path(), m_dictionary->failure()));
    break;
  case CmdDictionaryPath:
    m_dictionary->choosePath(this);
    break;
  case CmdOptions:
    if (m_services.options) {
      m_services.options(this);
      m_dictionary->reload();
      refreshInspectionDisplay();
    }
    break;
  case CmdHelpIndex:
    showHelp(this);
    break;
  case CmdDialogsReport:
    showDialogsReport();
    break;
  case CmdPseudoTranslate:
    m_splitEdit->commit();
    m_splitEdit->release();
    runPseudoTranslation(m_session, this);
    m_splitEdit->showEntry(m_session.currentEntry());
    break;
  case CmdAbout:
    if (m_services.about)
      m_services.about(this);
    break;
  case CmdNextItem:
  case CmdPreviousItem:
    if (dialogViewActive())
      m_dialogBoard->editor()->selectNext(id == CmdNextItem ? 1 : -1);
    else
      moveItem(id == CmdNextItem ? 1 : -1);
    break;
  case CmdNextControl:
  case CmdPreviousControl:
    if (m_board == Board::Dialog)
      m_dialogBoard->editor()->selectNext(id == CmdNextControl ? 1 : -1);
    break;
  case CmdLoadFromSource:
  case CmdLoadFromTarget:
    loadDialogLayout(id == CmdLoadFromSource);
    break;
  case CmdSetDefaultFont:
    if (m_board == Board::Dialog)
      m_dialogBoard->setDefaultFont();
    break;
  case CmdDialogControls:
    if (m_board == Board::Dialog)
      m_dialogBoard->setPropertiesVisible(!m_dialogBoard->propertiesVisible());
    break;
  case CmdToggleSourceSize:
    if (m_board == Board::Dialog)
      m_dialogBoard->editor()->setShowSourceSizes(!m_dialogBoard->editor()->showsSourceSizes());
    break;
  case CmdFlipDialog:
  case CmdAlignLeft:
  case CmdAlignRight:
  case CmdAlignTop:
  case CmdAlignBottom:
  case CmdSameWidth:
  case CmdSameHeight:
  case CmdSameSize:
  case CmdAdjustToText:
    if (m_board == Board::Dialog)
      if (const auto command = layoutCommand(id))
        m_dialogBoard->editor()->run(*command);
    break;
  case CmdShowOriginal:
    if (DialogEntry *dialog = dialogOf(m_session.currentEntry())) {
      m_splitEdit->commit();
      showOriginal(*dialog, this);
    }
    break;
  case CmdSelectAll:
    if (focus == m_occurrences->list())
      m_occurrences->selectAll();
    else if (dialogViewActive() && !line && !text)
      m_dialogBoard->editor()->selectAll();
    else if (line)
      line->selectAll();
    else if (text)
      text->selectAll();
    break;
  default:
    break;
  }
  updateCommands();
}

void MainFrame::updateCommands() {
  const bool open = m_session.isOpen();
  const bool listVisible = m_board == Board::Items || m_board == Board::Filter;
  QWidget *focus = QApplication::focusWidget();
  const bool textFocus = qobject_cast<QLineEdit *>(focus) || qobject_cast<QPlainTextEdit *>(focus);
  const bool bound = m_services.items.memoryBound && m_services.items.memoryBound();
  const auto set = [this](CommandId id, bool enabled) {
    if (QAction *action = m_commands.action(id))
      action->setEnabled(enabled);
  };
  set(CmdInverseOpen, !m_session.sourcePath().isEmpty() && !m_session.targetPath().isEmpty());
  for (CommandId id : {CmdClose, CmdSave, CmdSaveAs, CmdSaveToSource})
    set(id, open);
  set(CmdSendTo, open && bool(m_services.sendTo));
  set(CmdDialogsReport, open);
  set(CmdPseudoTranslate, open);
  set(CmdExport, open && bool(m_services.exportTexts));
  set(CmdImport, open && bool(m_services.importTexts));
  set(CmdImportGlossary, bound && bool(m_services.importGlossary));
  set(CmdImportTmx, bound && bool(m_services.importTmx));
  set(CmdExportTmx, bound && bool(m_services.exportTmx));
  set(CmdCopyMemory, bound && bool(m_services.copyMemory));
  set(CmdSearchMemory, bound && bool(m_services.toggleMemorySearch));
  m_commands.action(CmdSearchMemory)
      ->setChecked(m_services.memorySearchVisible && m_services.memorySearchVisible());
  for (CommandId id : {CmdPrintSetup, CmdPrintPreview, CmdPrint})
    set(id, listVisible);
  const bool layoutUndo = dialogViewActive();
  const LayoutEditor *editor = m_dialogBoard->editor();
  set(CmdUndo, layoutUndo ? editor->canUndo() : m_session.undoStack().canUndo());
  set(CmdRedo, layoutUndo ? editor->canRedo() : m_session.undoStack().canRedo());
  for (CommandId id : {CmdCut, CmdCopy, CmdPaste})
    set(id, textFocus);
  set(CmdPasteSource, m_session.currentEntry() != nullptr);
  set(CmdRefresh, listVisible && open);
  set(CmdFilter, open);
  m_commands.action(CmdFilter)->setChecked(m_board == Board::Filter);
  set(CmdFilterSetup, open && m_board == Board::Filter && bool(m_services.filterSetup));
  set(CmdMachineTranslate,
      open && m_session.machineTranslationAvailable() && bool(m_services.machineTranslate));
  set(CmdLearnTexts, open && bound && bool(m_services.learnTexts));
  set(CmdOpenDictionary, m_dictionary->hasPath());
  set(CmdOptions, bool(m_services.options));
  set(CmdAbout, bool(m_services.about));
  set(CmdShowOriginal, dialogOf(m_session.currentEntry()) != nullptr);
  updateDialogCommands();
}

// The "Dialog" menu: loading a side for the current dialog resource, and the layout
// commands while the dialog view shows it.
void MainFrame::updateDialogCommands() {
  const auto set = [this](CommandId id, bool enabled, std::optional<bool> checked = {}) {
    QAction *action = m_commands.action(id);
    action->setEnabled(enabled);
    action->setChecked(checked.value_or(false));
  };
  const DialogEntry *dialog = dialogOf(m_session.currentEntry());
  set(CmdLoadFromSource, dialog && !dialog->useSourceLayout, dialog && dialog->useSourceLayout);
  set(CmdLoadFromTarget, dialog && dialog->useSourceLayout && dialog->targetBlock,
      dialog && !dialog->useSourceLayout);
  const bool shown = m_board == Board::Dialog && m_dialogBoard->preview();
  const LayoutEditor *editor = m_dialogBoard->editor();
  set(CmdSetDefaultFont, shown,
      shown && m_dialogBoard->shownFace().compare(QStringLiteral("MS Shell Dlg"),
                                                  Qt::CaseInsensitive) == 0);
  set(CmdDialogControls, m_board == Board::Dialog, m_dialogBoard->propertiesVisible());
  set(CmdToggleSourceSize, shown, editor->showsSourceSizes());
  set(CmdNextControl, shown);
  set(CmdPreviousControl, shown);
  for (CommandId id : {CmdFlipDialog, CmdAlignLeft, CmdAlignRight, CmdAlignTop, CmdAlignBottom,
                       CmdSameWidth, CmdSameHeight, CmdSameSize, CmdAdjustToText})
    set(id, shown && editor->canRun(*layoutCommand(id)));
}

std::optional<LayoutEditor::Command> MainFrame::layoutCommand(CommandId id) {
  using C = LayoutEditor::Command;
  switch (id) {
  case CmdFlipDialog:
    return C::Flip;
  case CmdAlignLeft:
    return C::AlignLeft;
  case CmdAlignRight:
    return C::AlignRight;
  case CmdAlignTop:
    return C::AlignTop;
  case CmdAlignBottom:
    return C::AlignBottom;
  case CmdSameWidth:
    return C::SameWidth;
  case CmdSameHeight:
    return C::SameHeight;
  case CmdSameSize:
    return C::SameSize;
  case CmdAdjustToText:
    return C::AdjustToText;
  default:
    return std::nullopt;
  }
}

bool MainFrame::dialogViewActive() const {
  return m_board == Board::Dialog && m_dialogBoard->inUse();
}

// "Load from source" and "Load from target": the dialog is written from the other
// side's layout, and shown again from it.
void MainFrame::loadDialogLayout(bool fromSource) {
  TextEntry *current = m_session.currentEntry();
  DialogEntry *dialog = dialogOf(current);
  if (!dialog || dialog->useSourceLayout == fromSource || (!fromSource && !dialog->targetBlock))
    return;
  m_splitEdit->commit();
  dialog->useSourceLayout = fromSource;
  m_session.setModified(true);
  if (m_dialogBoard->shownDialog() == dialog)
    m_dialogBoard->reload();
  if (m_board != Board::Dialog)
    showBoard(Board::Dialog);
  m_dialogBoard->showEntry(current);
  m_session.selectEntry(current);
}

void MainFrame::closeEvent(QCloseEvent *event) {
  m_splitEdit->commit();
  if (!m_session.close()) {
    event->ignore();
    return;
  }
  event->accept();
  // No window of the program outlives this one (the help has no parent): the process
  // ends with the main window.
  for (QWidget *window : QApplication::topLevelWidgets())
    if (window != this && window->isVisible())
      window->close();
  Q_EMIT closed();
}

void MainFrame::dragEnterEvent(QDragEnterEvent *event) {
  if (event->mimeData()->hasUrls())
    event->acceptProposedAction();
}

bool MainFrame::openProject(const QString &path) {
  m_tabs->setCurrentWidget(m_project);
  return m_project->openProject(path);
}

// Only a project file is opened by dropping; every other dropped file is ignored.
bool MainFrame::openDropped(const QMimeData &data) {
  for (const QUrl &url : data.urls()) {
    const QString path = url.toLocalFile();
    if (path.endsWith(QLatin1String(".tvx"), Qt::CaseInsensitive))
      return openProject(path);
  }
  return false;
}

void MainFrame::dropEvent(QDropEvent *event) {
  event->acceptProposedAction();
  openDropped(*event->mimeData());
}

bool MainFrame::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    const int which = key == Qt::Key_CapsLock     ? 0
                      : key == Qt::Key_NumLock    ? 1
                      : key == Qt::Key_ScrollLock ? 2
                                                  : -1;
    if (which >= 0) {
      m_locks[which] = !m_locks[which];
      m_indicators[which]->setEnabled(m_locks[which]);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

} // namespace tarvelo::gui
