// The main window's Dialog menu: the layout of the current dialog resource and the
// layout editor's commands while the dialog view shows it.
#include "dialogs/dialog_board.h"
#include "dialogs/layout_editor.h"
#include "dialogs/test_display.h"
#include "script/text_entry.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"

namespace tarvelo::gui {

void MainFrame::registerDialogCommands() {
  m_registry.add(
      CmdShowOriginal,
      [this] {
        if (DialogEntry *dialog = dialogOf(m_session.currentEntry())) {
          m_splitEdit->commit();
          showOriginal(*dialog, this);
        }
      },
      [this] { return dialogOf(m_session.currentEntry()) != nullptr; });
  // Checked: the side the dialog's layout is written from.
  const auto dialog = [this] { return dialogOf(m_session.currentEntry()); };
  m_registry.add(
      CmdLoadFromSource, [this] { loadDialogLayout(true); },
      [dialog] { return dialog() && !dialog()->useSourceLayout; },
      [dialog] { return dialog() && dialog()->useSourceLayout; });
  m_registry.add(
      CmdLoadFromTarget, [this] { loadDialogLayout(false); },
      [dialog] { return dialog() && dialog()->useSourceLayout && dialog()->targetBlock; },
      [dialog] { return dialog() && !dialog()->useSourceLayout; });
  m_registry.add(
      CmdDialogControls,
      [this] {
        if (m_board == Board::Dialog)
          m_dialogBoard->setPropertiesVisible(!m_dialogBoard->propertiesVisible());
      },
      [this] { return m_board == Board::Dialog; },
      [this] { return m_dialogBoard->propertiesVisible(); });
  registerLayoutCommands();
}

// The commands on the dialog shown in the dialog view.
void MainFrame::registerLayoutCommands() {
  const auto shown = [this] { return m_board == Board::Dialog && m_dialogBoard->preview(); };
  LayoutEditor *editor = m_dialogBoard->editor();
  m_registry.add(
      CmdSetDefaultFont,
      [this] {
        if (m_board == Board::Dialog)
          m_dialogBoard->setDefaultFont();
      },
      shown,
      [this, shown] {
        return shown() && m_dialogBoard->shownFace().compare(QStringLiteral("MS Shell Dlg"),
                                                             Qt::CaseInsensitive) == 0;
      });
  m_registry.add(
      CmdToggleSourceSize,
      [this, editor] {
        if (m_board == Board::Dialog)
          editor->setShowSourceSizes(!editor->showsSourceSizes());
      },
      shown, [editor] { return editor->showsSourceSizes(); });
  m_registry.add(
      {CmdNextControl, CmdPreviousControl},
      [this, editor](CommandId id) {
        if (m_board == Board::Dialog)
          editor->selectNext(id == CmdNextControl ? 1 : -1);
      },
      shown);
  for (CommandId id : {CmdFlipDialog, CmdAlignLeft, CmdAlignRight, CmdAlignTop, CmdAlignBottom,
                       CmdSameWidth, CmdSameHeight, CmdSameSize, CmdAdjustToText}) {
    const LayoutEditor::Command command = *layoutCommand(id);
    m_registry.add(
        id,
        [this, editor, command] {
          if (m_board == Board::Dialog)
            editor->run(command);
        },
        [shown, editor, command] { return shown() && editor->canRun(command); });
  }
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

} // namespace tarvelo::gui
