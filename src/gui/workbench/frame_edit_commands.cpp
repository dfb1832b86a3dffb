// The main window's Edit menu: undo, the clipboard, finding and moving between items.
#include "dialogs/dialog_board.h"
#include "dialogs/layout_editor.h"
#include "files/file_messages.h"
#include "seam/prompter.h"
#include "workbench/find.h"
#include "workbench/find_dialog.h"
#include "workbench/item_list_model.h"
#include "workbench/main_frame.h"
#include "workbench/occurrences_view.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>

namespace tarvelo::gui {

void MainFrame::registerEditCommands() {
  // Undo and redo are the layout editor's while the translator works in the dialog view.
  m_registry.add(
      CmdUndo,
      [this] {
        if (dialogViewActive()) {
          m_dialogBoard->editor()->undo();
          return;
        }
        m_splitEdit->commit();
        m_session.undo();
      },
      [this] {
        return dialogViewActive() ? m_dialogBoard->editor()->canUndo()
                                  : m_session.undoStack().canUndo();
      });
  m_registry.add(
      CmdRedo,
      [this] {
        if (dialogViewActive()) {
          m_dialogBoard->editor()->redo();
          return;
        }
        m_splitEdit->commit();
        m_session.redo();
      },
      [this] {
        return dialogViewActive() ? m_dialogBoard->editor()->canRedo()
                                  : m_session.undoStack().canRedo();
      });
  m_registry.add(
      CmdPasteSource, [this] { m_splitEdit->pasteSource(); },
      [this] { return m_session.currentEntry() != nullptr; });
  m_registry.add(
      CmdRefresh,
      [this] {
        visibleList()->itemModel().rebuild();
        if (m_session.currentEntry())
          visibleList()->showEntry(m_session.currentEntry());
      },
      [this] {
        return m_session.isOpen() && (m_board == Board::Items || m_board == Board::Filter);
      });
  m_registry.add(CmdFind, [this] {
    if (!m_find) {
      m_find = new FindDialog(this);
      connect(m_find, &FindDialog::findNext, this, &MainFrame::findNext);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
  });
  m_registry.add({CmdNextItem, CmdPreviousItem}, [this](CommandId id) {
    const int step = id == CmdNextItem ? 1 : -1;
    if (dialogViewActive())
      m_dialogBoard->editor()->selectNext(step);
    else
      moveItem(step);
  });
  registerClipboardCommands();
}

// Cut, copy, paste and select all act on the focused text box; select all also on the
// occurrences and the dialog view.
void MainFrame::registerClipboardCommands() {
  const auto textFocus = [] {
    QWidget *focus = QApplication::focusWidget();
    return qobject_cast<QLineEdit *>(focus) || qobject_cast<QPlainTextEdit *>(focus);
  };
  const auto onText = [](auto onLine, auto onPlain) {
    return [onLine, onPlain] {
      QWidget *focus = QApplication::focusWidget();
      if (auto *line = qobject_cast<QLineEdit *>(focus))
        (line->*onLine)();
      else if (auto *text = qobject_cast<QPlainTextEdit *>(focus))
        (text->*onPlain)();
    };
  };
  m_registry.add(CmdCut, onText(&QLineEdit::cut, &QPlainTextEdit::cut), textFocus);
  m_registry.add(CmdCopy, onText(&QLineEdit::copy, &QPlainTextEdit::copy), textFocus);
  m_registry.add(CmdPaste, onText(&QLineEdit::paste, &QPlainTextEdit::paste), textFocus);
  m_registry.add(
      CmdSelectAll,
      [this, textFocus, selectText = onText(&QLineEdit::selectAll, &QPlainTextEdit::selectAll)] {
        if (QApplication::focusWidget() == m_occurrences->list())
          m_occurrences->selectAll();
        else if (dialogViewActive() && !textFocus())
          m_dialogBoard->editor()->selectAll();
        else
          selectText();
      });
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

} // namespace tarvelo::gui
