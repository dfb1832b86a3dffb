// The program's main window: its panes, the board views shown and the entries selected.
#include "workbench/main_frame.h"
#include "project/project_pane.h"

#include "dialogs/dialog_board.h"
#include "dialogs/layout_editor.h"
#include "report/report_frame.h"
#include "script/task.h"
#include "script/text_entry.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "spelling/spell_service.h"
#include "workbench/external_dictionary.h"
#include "workbench/find_dialog.h"
#include "workbench/item_icons.h"
#include "workbench/item_list_model.h"
#include "workbench/menu_view.h"
#include "workbench/occurrences_view.h"
#include "workbench/plain_text_view.h"
#include "workbench/resource_tree_model.h"
#include "workbench/resource_tree_view.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

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

  updateCommands();

  if (QScreen *screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    resize(area.width() * 9 / 10, std::max(area.height() - 100, 480));
  }
}

MainFrame::~MainFrame() {
  qApp->removeEventFilter(this);
  // The panes going away move the focus and hide the board: no command follows them.
  disconnect(qApp, nullptr, this, nullptr);
  disconnect(m_dialogBoard, nullptr, this, nullptr);
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
  updateCommands();
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
  // After the views above have followed the change (entriesReset and textsChanged
  // update the commands from rebuildAll and onTextsChanged).
  connect(&m_session, &Session::currentEntryChanged, this, &MainFrame::updateCommands);
  connect(&m_session, &Session::titleChanged, this, &MainFrame::updateCommands);
  connect(&m_session, &Session::modifiedChanged, this, &MainFrame::updateCommands);
}

void MainFrame::connectCommands() {
  registerFileCommands();
  registerEditCommands();
  registerDialogCommands();
  registerToolCommands();
  for (QAction *action : m_commands.actions())
    connect(action, &QAction::triggered, this,
            [this, action] { runCommand(CommandId(action->data().toInt())); });
  // The commands' states follow what they read: the session's signals (connected in
  // connectSession), the board shown, the focus, the dialog view and its editor.
  connect(qApp, &QApplication::focusChanged, this, &MainFrame::updateCommands);
  connect(m_dialogBoard, &DialogBoard::commandStateChanged, this, &MainFrame::updateCommands);
}

void MainFrame::runCommand(CommandId id) {
  m_registry.run(id);
  updateCommands();
}

void MainFrame::updateCommands() {
  m_registry.refresh();
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
