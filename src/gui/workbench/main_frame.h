// The program's main window: its panes, the board views and the commands on them.
#pragma once

#include "dialogs/layout_editor.h"
#include "workbench/command_registry.h"
#include "workbench/command_table.h"
#include "workbench/item_list_view.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMimeData;
class QStackedWidget;
class QTabWidget;
class QPrinter;

namespace tarvelo {
class SpellService;
class ItemListModel;
class ResourceTreeModel;
class Session;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

class DialogBoard;
class ExternalDictionary;
class FindDialog;
class MenuView;
class OccurrencesView;
class PlainTextView;
class ReportFrame;
class ResourceTreeView;
class ProjectPane;
class SplitEdit;

// What the frame asks of the rest of the program; each may be left empty, and the
// commands that need it are then disabled.
struct FrameServices {
  ItemListServices items;
  // Completes typing in the target editor from the memory.
  std::function<bool(TextEntry *, const QString &, int, QString &, int &)> complete;
  std::function<void()> learnTexts;
  std::function<void(QWidget *)> options;
  std::function<void(QWidget *)> about;
  std::function<void(QWidget *)> filterSetup;
  std::function<bool(const TextEntry &)> filterTest;
  std::function<bool()> showInspection;      // "AutoInspect"
  std::function<void(QWidget *)> openDialog; // the Open Resources dialog
  // Export and Import of the task's translations, "Import glossary..." into the memory,
  // and the window "Search Translation Memory" shown or hidden (the command is checked
  // while it is visible).
  std::function<void(QWidget *)> exportTexts;
  std::function<void(QWidget *)> importTexts;
  std::function<void(QWidget *)> importGlossary;
  // TMX import and export of the memory, and the copy of a whole memory.
  std::function<void(QWidget *)> importTmx;
  std::function<void(QWidget *)> exportTmx;
  std::function<void(QWidget *)> copyMemory;
  std::function<void(QWidget *)> toggleMemorySearch;
  std::function<bool()> memorySearchVisible;
  // The spelling of the target language: underlines in the target editor, the
  // filter's "Misspelt words".
  SpellService *spelling = nullptr;
  // "Machine Translation..." (its dialog) and Send To (the mail of the target).
  std::function<void(QWidget *)> machineTranslate;
  std::function<void(QWidget *)> sendTo;
  // "Analysis...": the window of the open task's or project's counts by match band.
  std::function<void(QWidget *)> analysis;
};

// The program's one top-level window: the resource tree, the board (item list and
// the other board views), the split edit and the occurrences, with the menus,
// toolbar and status bar. It assembles the panes; the work is the session's.
class MainFrame : public QMainWindow {
  Q_OBJECT
public:
  enum class Board { Items, DlgInit, Dialog, Menu, Text, Filter };

  explicit MainFrame(Session &session, QWidget *parent = nullptr);
  ~MainFrame() override;

  void setServices(FrameServices services);
  Session &session() { return m_session; }
  ProjectPane *projectPane() const { return m_project; }
  // Shows the project pane and opens the project file in it.
  bool openProject(const QString &path);
  // What a drop on the window opens: the first project file among the dropped files.
  bool openDropped(const QMimeData &data);

  // The dispatcher every pane uses to make an entry current.
  void selectEntry(TextEntry *entry);
  // Shows a resource from the tree on its board and makes its entry current.
  void openResource(TextEntry *resource);
  // A text for the entry's target from a menu or a dialog: the editors let go of the
  // entry around the change so their pending text does not overwrite it.
  void applyTargetText(TextEntry *entry, const QString &text);
  Board board() const { return m_board; }
  void showBoard(Board board);
  // Enables and checks every command as the state says; the frame calls it whenever
  // that state changes.
  void updateCommands();
  // Whether a command has its handler (every command of the table has one).
  bool handlesCommand(CommandId id) const { return m_registry.contains(id); }
  QAction *command(CommandId id) const { return m_commands.action(id); }
  void runCommand(CommandId id);

  ItemListView *itemList() const { return m_itemList; }
  SplitEdit *splitEdit() const { return m_splitEdit; }
  ResourceTreeView *resourceTree() const { return m_tree; }
  OccurrencesView *occurrencesView() const { return m_occurrences; }
  MenuView *menuView() const { return m_menuView; }
  DialogBoard *dialogBoard() const { return m_dialogBoard; }
  PlainTextView *plainTextView() const { return m_textView; }
  QString statusMessage() const;
  // The dialogs report window, once the report has been asked for.
  ReportFrame *dialogsReport() const;
  // Redraws the state icons after the inspection settings changed.
  void refreshInspectionDisplay();

Q_SIGNALS:
  // The window was closed (Exit, or the window's own close) with every other window of
  // the program: the program ends.
  void closed();

protected:
  void closeEvent(QCloseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void createPanes();
  void connectSession();
  void connectCommands();
  void rebuildAll();
  void onCurrentEntryChanged(TextEntry *entry);
  void onTextsChanged(const QList<TextEntry *> &entries, bool rebuild);
  void refreshTitle();
  void findNext();
  void print(bool preview);
  ItemListView *visibleList() const;
  void moveItem(int step);
  static std::optional<LayoutEditor::Command> layoutCommand(CommandId id);
  // The dialog view shows a dialog and the translator works in it: undo, redo and
  // the selecting commands are its layout editor's.
  bool dialogViewActive() const;
  void loadDialogLayout(bool fromSource);
  void showDialogsReport();
  // Each area of the menus registers its commands with the registry.
  void registerFileCommands();
  void registerProjectCommands();
  void registerPrintCommands();
  void registerEditCommands();
  void registerClipboardCommands();
  void registerDialogCommands();
  void registerLayoutCommands();
  void registerToolCommands();
  void registerMemoryCommands();
  void registerHelpCommands();
  // Runs a project command on the project pane, shown first.
  void runProjectCommand(CommandId id);
  // A service of the frame, run when it was given: the editors store their text first
  // when `commit` is set.
  void runService(const std::function<void(QWidget *)> &service, bool commit);

  Session &m_session;
  FrameServices m_services;
  CommandTable m_commands;
  CommandRegistry m_registry{m_commands};
  std::unique_ptr<ItemListModel> m_itemModel;
  std::unique_ptr<ItemListModel> m_dlgInitModel;
  std::unique_ptr<ItemListModel> m_filteredModel;
  std::unique_ptr<ResourceTreeModel> m_treeModel;
  std::unique_ptr<ExternalDictionary> m_dictionary;
  std::unique_ptr<QPrinter> m_printer;
  QTabWidget *m_tabs = nullptr;
  ResourceTreeView *m_tree = nullptr;
  ProjectPane *m_project = nullptr;
  QStackedWidget *m_boardStack = nullptr;
  ItemListView *m_itemList = nullptr;
  ItemListView *m_dlgInitList = nullptr;
  ItemListView *m_filteredList = nullptr;
  DialogBoard *m_dialogBoard = nullptr;
  MenuView *m_menuView = nullptr;
  PlainTextView *m_textView = nullptr;
  SplitEdit *m_splitEdit = nullptr;
  OccurrencesView *m_occurrences = nullptr;
  QLabel *m_message = nullptr;
  QLabel *m_indicators[3] = {};
  bool m_locks[3] = {false, false, false};
  QPointer<FindDialog> m_find;
  QPointer<ReportFrame> m_report;
  Board m_board = Board::Items;
  bool m_filterShowing = false;
  TextEntry *m_dlgInitHead = nullptr;
  bool m_selecting = false;
};

} // namespace tarvelo::gui
