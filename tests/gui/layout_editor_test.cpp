// The layout editor on the DIALOG board, driven with the mouse and the keys: the
// selection and its rules, moving and resizing within the dialog, the arrow keys on the
// dialog-unit grid, the layout commands, undo through the workbench, the properties
// window, and what reaches the target script. Dialogs it cannot write back are refused.
#include "app/gui_resources.h"
#include "dialogs/alignment_properties.h"
#include "dialogs/controls_properties.h"
#include "dialogs/dialog_board.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/dialog_report.h"
#include "dialogs/layout_editor.h"
#include "dialogs/live_dialog.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/report_settings.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

using Editor = LayoutEditor;

// A dialog with a group box drawn over the text inside it, two push buttons, a combo
// box and a short label; MS Shell Dlg, where a dialog unit is 1.5 pixels across and
// 1.625 down.
const char *const kEditDialog = R"(IDD_EDIT DIALOGEX 0, 0, 200, 100
STYLE DS_SETFONT | WS_POPUP | WS_CAPTION
CAPTION "%1"
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT           "%2",IDC_INSIDE,30,30,40,8
    GROUPBOX        "%3",IDC_GROUP,10,10,100,60
    PUSHBUTTON      "OK",IDOK,140,10,50,14,WS_TABSTOP
    PUSHBUTTON      "%4",IDCANCEL,140,30,50,14,WS_TABSTOP
    COMBOBOX        IDC_COMBO,140,50,50,60,CBS_DROPDOWNLIST | WS_VSCROLL
    LTEXT           "%5",IDC_NAME,120,75,20,8
END
)";
enum { kInside, kGroup, kOk, kCancel, kCombo, kName };

// MS Shell Dlg at 11 points has the base units 8 x 18: a dialog unit is 2 pixels
// across.
constexpr int kTwoPixelPoints = 11;

const char *const kAlignDialog = R"(IDD_ALIGN DIALOGEX 0, 0, 200, 120
FONT 8, "MS Shell Dlg"
BEGIN
    PUSHBUTTON      "%1",IDC_ONE,60,10,50,14
    PUSHBUTTON      "%2",IDC_TWO,90,40,70,14
    PUSHBUTTON      "%3",IDC_THREE,20,70,40,20
END
)";

// 134 dialog units are 201 pixels.
const char *const kFlipDialog = R"(IDD_FLIP DIALOGEX 0, 0, 134, 40
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT           "%1",IDC_A,10,10,20,8
    LTEXT           "%2",IDC_B,50,20,40,8
END
)";

const char *const kFitDialog = R"(IDD_FIT DIALOGEX 0, 0, 220, 80
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT           "%1",IDC_LABEL,10,10,40,8
    PUSHBUTTON      "%2",IDCANCEL,10,50,50,14
END
)";

const char *const kTahomaDialog = R"(IDD_TAHOMA DIALOGEX 0, 0, 100, 40
FONT 8, "Tahoma", 400, 0, 0x1
BEGIN
    LTEXT           "%1",IDC_T,10,10,40,8
END
)";

QString filled(const char *dialog, const QStringList &texts) {
  QString text = QString::fromUtf8(dialog);
  for (const QString &t : texts)
    text = text.arg(t);
  return text;
}

class LayoutEditorTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    frame.resize(1280, 800);
    frame.show();
  }

  // Opens a source and a German target holding these dialogs.
  void open(const QString &sourceDialogs, const QString &targetDialogs) {
    sourcePath = dir.filePath(QStringLiteral("dialogs.rc"));
    targetPath = dir.filePath(QStringLiteral("dialogs_de.rc"));
    write(sourcePath, QStringLiteral("LANGUAGE 9, 1\r\n") + sourceDialogs);
    write(targetPath, QStringLiteral("LANGUAGE 7, 1\r\n") + targetDialogs);
    OpenRequest request{sourcePath, 1033, false, targetPath, 1031};
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    // A task counts as modified when it is opened; the tests see what the editor marks.
    session.setModified(false);
    QApplication::processEvents();
  }

  static void write(const QString &path, const QString &text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toLatin1());
  }

  QString targetScript() {
    QFile file(targetPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromLatin1(file.readAll());
  }

  DialogEntry *dialog(const char *identifier) {
    for (const auto &entry : session.entries())
      if (entry->isHead() && entry->kind == QLatin1String("DIALOG") &&
          entry->identifier == QLatin1String(identifier))
        return static_cast<DialogEntry *>(entry.get());
    return nullptr;
  }

  // Shows the dialog on the board.
  void show(const char *identifier) {
    DialogEntry *entry = dialog(identifier);
    ASSERT_NE(entry, nullptr) << identifier;
    frame.openResource(entry);
    QApplication::processEvents();
    ASSERT_EQ(frame.dialogBoard()->shownDialog(), entry);
  }

  Editor &editor() { return *frame.dialogBoard()->editor(); }
  QWidget *canvas() { return frame.dialogBoard()->canvas(); }
  const ControlLayout &target(int item) {
    return frame.dialogBoard()->shownDialog()->pairs[size_t(item)].target;
  }
  QRect units(int item) {
    const ControlLayout &c = target(item);
    return QRect(c.x, c.y, c.width, c.height);
  }

  // A point on the canvas: in an item's window, or in the client area.
  QPoint inWindow(int item, QPoint offset) {
    return editor().clientOrigin() + editor().windowOf(item).topLeft() + offset;
  }
  QPoint middleOf(int item) {
    const QRect window = editor().windowOf(item);
    return inWindow(item, QPoint(window.width() / 2, window.height() / 2));
  }
  QPoint inClient(QPoint point) { return editor().clientOrigin() + point; }

  void click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(canvas(), Qt::LeftButton, modifiers, at);
    QApplication::processEvents();
  }
  void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(canvas(), Qt::LeftButton, modifiers, from);
    QTest::mouseMove(canvas(), from + (to - from) / 2);
    QTest::mouseMove(canvas(), to);
    QTest::mouseRelease(canvas(), Qt::LeftButton, modifiers, to);
    QApplication::processEvents();
  }
  void key(int k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(canvas(), Qt::Key(k), modifiers);
    QApplication::processEvents();
  }
  void run(CommandId id) {
    frame.updateCommands();
    ASSERT_TRUE(frame.command(id)->isEnabled()) << int(id);
    frame.command(id)->trigger();
    QApplication::processEvents();
  }
  std::vector<int> selection() {
    std::vector<int> items = editor().selection();
    std::sort(items.begin(), items.end());
    return items;
  }

  QTemporaryDir dir;
  QString sourcePath, targetPath;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  MainFrame frame{session};
};

const QStringList kEditEnglish{"Edit", "Inside", "Group", "Cancel", "Name:"};
const QStringList kEditGerman{"Bearbeiten", "Innen", "Gruppe", "Abbrechen", "Name:"};

TEST_F(LayoutEditorTest, ClicksSelectTheControlUnderThePointer) {
  open(filled(kEditDialog, kEditEnglish), filled(kEditDialog, kEditGerman));
  show("IDD_EDIT");
  EXPECT_TRUE(editor().selection().empty());
  // The text inside the group box, though the group box lies over it.
  click(middleOf(kInside));
  EXPECT_EQ(selection(), std::vector<int>{kInside});
  EXPECT_EQ(editor().reference(), kInside);
  EXPECT_EQ(frame.dialogBoard()->controlsList()->currentRow(), kInside);
  EXPECT_EQ(session.currentEntry(), target(kInside).textEntry);
  // The group box's middle is the dialog's: the dialog is selected.
  const QRect group = editor().windowOf(kGroup);
  click(inClient(QPoint(group.right() - 20, group.bottom() - 10)));
  EXPECT_EQ(selection(), std::vector<int>{Editor::kDialog});
  // Its border is the group box's.
  click(inWindow(kGroup, QPoint(2, group.height() / 2)));
  EXPECT_EQ(selection(), std::vector<int>{kGroup});
  EXPECT_EQ(session.currentEntry(), target(kGroup).textEntry);
  // The tool bar shows the reference's place in dialog units.
  EXPECT_EQ(frame.dialogBoard()->positionField()->text(), QStringLiteral("10,10"));
  EXPECT_EQ(frame.dialogBoard()->sizeField()->text(), QStringLiteral("100,60"));
}

TEST_F(LayoutEditorTest, CtrlShiftRubberBandAndAClickWithoutMovement) {
  open(filled(kEditDialog, kEditEnglish), filled(kEditDialog, kEditGerman));
  show("IDD_EDIT");
  click(middleOf(kOk));
  click(middleOf(kCancel), Qt::ControlModifier);
  click(middleOf(kName), Qt::ShiftModifier);
  EXPECT_EQ(selection(), (std::vector<int>{kOk, kCancel, kName}));
  EXPECT_EQ(editor().reference(), kName);
  // Ctrl on a selected control makes it the reference.
  click(middleOf(kOk), Qt::ControlModifier);
  EXPECT_EQ(editor().reference(), kOk);
  EXPECT_EQ(selection().size(), 3u);
  // Shift on one takes it out; the reference goes to another.
  click(middleOf(kOk), Qt::ShiftModifier);
  EXPECT_EQ(selection(), (std::vector<int>{kCancel, kName}));
  EXPECT_NE(editor().reference(), kOk);
  EXPECT_TRUE(editor().isSelected(editor().reference()));
  // A click without movement on one of several takes it alone.
  click(middleOf(kCancel));
  EXPECT_EQ(selection(), std::vector<int>{kCancel});
  // A rubber band from the background takes the controls wholly inside it; the last
  // in the dialog's order becomes the reference.
  const QRect ok = editor().windowOf(kOk), combo = editor().windowOf(kCombo);
  drag(inClient(ok.topLeft() - QPoint(4, 4)), inClient(combo.bottomRight() + QPoint(4, 4)));
  EXPECT_EQ(selection(), (std::vector<int>{kOk, kCancel, kCombo}));
  EXPECT_EQ(editor().reference(), kCombo);
  // A band around nothing selects the dialog.
  drag(inClient(QPoint(2, 150)), inClient(QPoint(10, 158)));
  EXPECT_EQ(selection(), std::vector<int>{Editor::kDialog});
  EXPECT_EQ(frame.dialogBoard()->sizeField()->text(), QStringLiteral("200,100"));
}

TEST_F(LayoutEditorTest, DraggingPastTheRightEdgeStopsAtTheEdge) {
  open(filled(kEditDialog, kEditEnglish), filled(kEditDialog, kEditGerman));
  show("IDD_EDIT");
  EXPECT_FALSE(session.isModified());
  const QPoint from = middleOf(kOk);
  const int clientWidth = editor().windowOf(Editor::kDialog).width();
  ASSERT_EQ(clientWidth, 300);
  QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
  QTest::mouseMove(canvas(), from + QPoint(200, 0));
  QTest::mouseMove(canvas(), from + QPoint(400, 0));
  // While dragging, the frame stands at the client area's edge.
  EXPECT_EQ(rightOf(editor().frameOf(kOk)), clientWidth);
  EXPECT_EQ(editor().windowOf(kOk).x(), 210); // placed only when released
  QTest::mouseRelease(canvas(), Qt::LeftButton, {}, from + QPoint(400, 0));
  QApplication::processEvents();
  // The window is placed inside its frame: 300 - 3 - 75 pixels, 148 dialog units.
  EXPECT_EQ(editor().windowOf(kOk), QRect(222, 16, 75, 23));
  EXPECT_EQ(units(kOk), QRect(148, 10, 50, 14));
  EXPECT_TRUE(session.isModified());
}

TEST_F(LayoutEditorTest, HandlesResizeOneItemAndTheDialogKeepsItsControls) {
  open(filled(kEditDialog, kEditEnglish), filled(kEditDialog, kEditGerman));
  show("IDD_EDIT");
  click(middleOf(kName));
  // The left handle dragged far right: the frame keeps 6 pixels.
  const QRect nameFrame = editor().frameOf(kName);
  const QPoint left =
      editor().clientOrigin() + QPoint(nameFrame.x(), nameFrame.y() + nameFrame.height() / 2);
  drag(left, left + QPoint(200, 0));
  EXPECT_EQ(editor().windowOf(kName).width(), 0);
  EXPECT_EQ(target(kName).width, 0);
  // The dialog, selected by a click on its background, shrinks by its right handle
  // no further than its controls reach.
  click(inClient(QPoint(5, 150)));
  ASSERT_EQ(selection(), std::vector<int>{Editor::kDialog});
  const QRect dialogFrame = editor().frameOf(Editor::kDialog);
  const QPoint right = editor().clientOrigin() +
                       QPoint(rightOf(dialogFrame) - 2, dialogFrame.y() + dialogFrame.height() / 2);
  drag(right, right - QPoint(250, 0));
  int extent = 0;
  for (int i = 0; i < editor().controlCount(); ++i)
    extent = std::max(extent, rightOf(editor().windowOf(i)));
  const int width = editor().windowOf(Editor::kDialog).width();
  EXPECT_GE(width, extent);
  EXPECT_LT(width, extent + 4);
  EXPECT_EQ(dialog("IDD_EDIT")->targetLayout.width, xToDialogUnits(width, {6, 13}));
  EXPECT_EQ(frame.dialogBoard()->preview()->width(), width + 2 * DialogPreview::kBorder);
}

TEST_F(LayoutEditorTest, ArrowKeysMoveByADialogUnit) {
  // A font in which a dialog unit is two pixels across.
  const QString dialogs = QStringLiteral(R"(IDD_BIG DIALOGEX 0, 0, 100, 60
FONT %1, "MS Shell Dlg"
BEGIN
    LTEXT           "Text",IDC_T,20,20,30,8
END
)")
                              .arg(kTwoPixelPoints);
  open(dialogs, dialogs);
  show("IDD_BIG");
  ASSERT_EQ(frame.dialogBoard()->preview()->liveDialog()->baseUnits().x, 8);
  click(middleOf(0));
  const QRect before = editor().windowOf(0);
  key(Qt::Key_Right);
  EXPECT_EQ(editor().windowOf(0), before.translated(2, 0));
  EXPECT_EQ(units(0), QRect(21, 20, 30, 8));
  key(Qt::Key_Left);
  key(Qt::Key_Left);
  EXPECT_EQ(units(0), QRect(19, 20, 30, 8));
  key(Qt::Key_Down);
  EXPECT_EQ(units(0).y(), 21);
  // With Shift the size changes.
  key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(units(0), QRect(19, 21, 31, 8));
  EXPECT_EQ(editor().windowOf(0).width(), before.width() + 2);
  key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(units(0).height(), 7);
  // One undo takes the run of keys on the control back.
  run(CmdUndo);
  EXPECT_EQ(units(0), QRect(20, 20, 30, 8));
  EXPECT_EQ(editor().windowOf(0), before);
}

const QStringList kAlignTexts{"One", "Two", "Three"};

TEST_F(LayoutEditorTest, AlignLeftAndMakeSameSizeCopyFromTheLastClicked) {
  open(filled(kAlignDialog, kAlignTexts), filled(kAlignDialog, {"Eins", "Zwei", "Drei"}));
  show("IDD_ALIGN");
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdAlignLeft)->isEnabled());
  click(middleOf(0));
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdAlignLeft)->isEnabled());
  click(middleOf(1), Qt::ControlModifier);
  click(middleOf(2), Qt::ControlModifier);
  ASSERT_EQ(editor().reference(), 2);
  ASSERT_EQ(units(2).x(), 20);
  run(CmdAlignLeft);
  EXPECT_EQ(units(0), QRect(20, 10, 50, 14));
  EXPECT_EQ(units(1), QRect(20, 40, 70, 14));
  EXPECT_EQ(units(2), QRect(20, 70, 40, 20));
  EXPECT_EQ(editor().windowOf(0).x(), editor().windowOf(2).x());
  run(CmdSameSize);
  EXPECT_EQ(units(0), QRect(20, 10, 40, 20));
  EXPECT_EQ(units(1), QRect(20, 40, 40, 20));
  EXPECT_EQ(editor().windowOf(0).size(), editor().windowOf(2).size());
  // The two commands are two steps of undo.
  run(CmdUndo);
  EXPECT_EQ(units(0), QRect(20, 10, 50, 14));
  run(CmdUndo);
  EXPECT_EQ(units(0), QRect(60, 10, 50, 14));
  EXPECT_EQ(units(1), QRect(90, 40, 70, 14));
}

TEST_F(LayoutEditorTest, AMoveOfSeveralControlsIsOneStepOfUndoAndRedo) {
  open(filled(kAlignDialog, kAlignTexts), filled(kAlignDialog, {"Eins", "Zwei", "Drei"}));
  show("IDD_ALIGN");
  click(middleOf(0));
  click(middleOf(1), Qt::ControlModifier);
  // 30 pixels across are 20 dialog units, 13 down are 8.
  drag(middleOf(0), middleOf(0) + QPoint(30, 13));
  EXPECT_EQ(units(0), QRect(80, 18, 50, 14));
  EXPECT_EQ(units(1), QRect(110, 48, 70, 14));
  EXPECT_TRUE(session.isModified());
  frame.updateCommands();
  EXPECT_TRUE(frame.command(CmdUndo)->isEnabled());
  EXPECT_FALSE(frame.command(CmdRedo)->isEnabled());
  run(CmdUndo);
  EXPECT_EQ(units(0), QRect(60, 10, 50, 14));
  EXPECT_EQ(units(1), QRect(90, 40, 70, 14));
  EXPECT_EQ(editor().windowOf(0).topLeft(), QPoint(90, 16));
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdUndo)->isEnabled());
  run(CmdRedo);
  EXPECT_EQ(units(0), QRect(80, 18, 50, 14));
  EXPECT_EQ(units(1), QRect(110, 48, 70, 14));
  EXPECT_EQ(editor().windowOf(0).topLeft(), QPoint(120, 29));
  // Undo goes to the translations again once the translator works there.
  frame.selectEntry(target(0).textEntry);
  typeTranslation(frame, QStringLiteral("Eins!"));
  ASSERT_EQ(target(0).textEntry->targetText, QStringLiteral("Eins!"));
  run(CmdUndo);
  EXPECT_EQ(target(0).textEntry->targetText, QStringLiteral("Eins"));
  EXPECT_EQ(units(0), QRect(80, 18, 50, 14));
}

TEST_F(LayoutEditorTest, FlippingA201PixelDialogMirrorsOn200) {
  open(filled(kFlipDialog, {"Left", "Wide"}), filled(kFlipDialog, {"Links", "Breit"}));
  show("IDD_FLIP");
  ASSERT_EQ(editor().windowOf(Editor::kDialog).width(), 201);
  const QRect a = editor().windowOf(0), b = editor().windowOf(1);
  run(CmdFlipDialog);
  EXPECT_EQ(editor().windowOf(0), QRect(200 - rightOf(a), a.y(), a.width(), a.height()));
  EXPECT_EQ(editor().windowOf(1), QRect(200 - rightOf(b), b.y(), b.width(), b.height()));
  EXPECT_EQ(units(0), QRect(103, 10, 20, 8));
  EXPECT_EQ(units(1), QRect(43, 20, 40, 8));
  EXPECT_TRUE(session.isModified());
  run(CmdUndo);
  EXPECT_EQ(units(0), QRect(10, 10, 20, 8));
  EXPECT_EQ(units(1), QRect(50, 20, 40, 8));
}

TEST_F(LayoutEditorTest, AdjustSizeToTextFitsAClippedLabelAndButton) {
  open(filled(kFitDialog, {"Name:", "Cancel"}),
       filled(kFitDialog, {"Benutzername eingeben:", "Vorgang abbrechen"}));
  show("IDD_FIT");
  QtTextMeasure measure;
  const auto tooLong = [&] {
    DialogReporter reporter(measure, ReportTooLong | ReportOverlaps | ReportOutside);
    QStringList found;
    for (const ControlReport &control : reporter.report(*dialog("IDD_FIT")).controls)
      if (control.reported())
        found.append(control.identifier);
    return found;
  };
  ASSERT_EQ(tooLong(), (QStringList{"IDC_LABEL", "IDCANCEL"}));
  click(middleOf(0));
  frame.updateCommands();
  EXPECT_TRUE(frame.command(CmdAdjustToText)->isEnabled());
  click(middleOf(1), Qt::ControlModifier);
  const QRect label = units(0), button = units(1);
  run(CmdAdjustToText);
  EXPECT_GT(units(0).width(), label.width());
  EXPECT_EQ(units(0).height(), label.height());
  EXPECT_GT(units(1).width(), button.width());
  EXPECT_EQ(units(1).height(), button.height());
  EXPECT_EQ(units(0).topLeft(), label.topLeft());
  EXPECT_FALSE(static_cast<OwnerDrawnButton *>(
                   frame.dialogBoard()->preview()->liveDialog()->controls()[1].widget)
                   ->textTooLong());
  EXPECT_EQ(tooLong(), QStringList());
  // Fitted once, it fits: again changes nothing.
  const QRect fitted = units(0);
  run(CmdAdjustToText);
  EXPECT_EQ(units(0), fitted);
}

TEST_F(LayoutEditorTest, AComboBoxResizedKeepsItsParsedHeightInTheScript) {
  open(filled(kEditDialog, kEditEnglish), filled(kEditDialog, kEditGerman));
  show("IDD_EDIT");
  click(middleOf(kCombo));
  QRect frameRect = editor().frameOf(kCombo);
  const QPoint right = editor().clientOrigin() +
                       QPoint(rightOf(frameRect) - 1, frameRect.y() + frameRect.height() / 2);
  drag(right, right + QPoint(30, 0));
  frameRect = editor().frameOf(kCombo);
  const QPoint bottom = editor().clientOrigin() +
                        QPoint(frameRect.x() + frameRect.width() / 2, bottomOf(frameRect) - 1);
  drag(bottom, bottom + QPoint(0, 40));
  // The right edge stopped at the client area's edge: 297 pixels, the frame at 300.
  EXPECT_EQ(rightOf(editor().windowOf(kCombo)), 297);
  EXPECT_EQ(units(kCombo), QRect(140, 50, 58, 60));
  ASSERT_TRUE(session.save());
  const QString script = targetScript();
  EXPECT_TRUE(
      script.contains(QStringLiteral("IDC_COMBO,140,50,58,60,CBS_DROPDOWNLIST | WS_VSCROLL")))
      << script.toStdString();
  EXPECT_FALSE(session.isModified());
}

TEST_F(LayoutEditorTest, SetDefaultFontAsksOnlyForAnotherFace) {
  const QString source = filled(kEditDialog, kEditEnglish) + filled(kTahomaDialog, {"Hello"});
  open(source, filled(kEditDialog, kEditGerman) + filled(kTahomaDialog, {"Hallo"}));
  show("IDD_EDIT");
  frame.updateCommands();
  EXPECT_TRUE(frame.command(CmdSetDefaultFont)->isChecked());
  run(CmdSetDefaultFont);
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_FALSE(session.isModified());

  show("IDD_TAHOMA");
  frame.updateCommands();
  EXPECT_FALSE(frame.command(CmdSetDefaultFont)->isChecked());
  prompter.answers = {Prompter::Answer::No};
  run(CmdSetDefaultFont);
  EXPECT_EQ(prompter.messages,
            QStringList{"Current dialog font is 'Tahoma'.\nDo you want to set it to the system "
                        "dialog font?"});
  EXPECT_EQ(dialog("IDD_TAHOMA")->targetLayout.fontFace, QStringLiteral("Tahoma"));
  prompter.answers = {Prompter::Answer::Yes};
  run(CmdSetDefaultFont);
  EXPECT_EQ(dialog("IDD_TAHOMA")->targetLayout.fontFace, QStringLiteral("MS Shell Dlg"));
  EXPECT_EQ(dialog("IDD_TAHOMA")->targetLayout.fontSize, QStringLiteral("8"));
  EXPECT_TRUE(session.isModified());
  frame.updateCommands();
  EXPECT_TRUE(frame.command(CmdSetDefaultFont)->isChecked());
  ASSERT_TRUE(session.save());
  EXPECT_TRUE(targetScript().contains(QStringLiteral("FONT 8, \"MS Shell Dlg\", 400, 0, 0x1")));
}

TEST_F(LayoutEditorTest, ThePropertiesWindowFollowsAndChangesTheSelection) {
  open(filled(kEditDialog, kEditEnglish), filled(kEditDialog, kEditGerman));
  show("IDD_EDIT");
  run(CmdDialogControls);
  ControlsPropertiesWindow *window = frame.dialogBoard()->properties();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  frame.updateCommands();
  EXPECT_TRUE(frame.command(CmdDialogControls)->isChecked());
  QListWidget *list = window->controlsList();
  ASSERT_EQ(list->count(), 6);
  EXPECT_EQ(list->item(kCombo)->text(), QStringLiteral("IDC_COMBO (COMBOBOX)"));
  // The view's selection shows in the list, and the list's in the view.
  click(middleOf(kOk));
  EXPECT_TRUE(list->item(kOk)->isSelected());
  EXPECT_EQ(list->selectedItems().size(), 1);
  list->item(kCancel)->setSelected(true);
  EXPECT_EQ(selection(), (std::vector<int>{kOk, kCancel}));

  // Size and position: X and Height given, Y empty, Width no number.
  window->tabs()->setCurrentIndex(0);
  window->field(0)->setText(QStringLiteral("150"));
  window->field(1)->clear();
  window->field(2)->setText(QStringLiteral("abc"));
  window->field(3)->setText(QStringLiteral("20"));
  QTest::mouseClick(window->applyButton(), Qt::LeftButton);
  EXPECT_EQ(units(kOk), QRect(150, 10, 50, 20));
  EXPECT_EQ(units(kCancel), QRect(150, 30, 50, 20));
  EXPECT_EQ(editor().windowOf(kOk), QRect(225, 16, 75, 33));

  // Alignment: both push buttons to the left, read right-to-left.
  window->tabs()->setCurrentIndex(1);
  EXPECT_EQ(window->horizontalList()->currentIndex(), 2);
  EXPECT_TRUE(window->horizontalList()->isEnabled());
  EXPECT_FALSE(window->flagBox(int(AlignmentFlag::LeftScrollbar))->isEnabled());
  window->horizontalList()->setCurrentIndex(0);
  Q_EMIT window->horizontalList()->activated(0);
  QTest::mouseClick(window->flagBox(int(AlignmentFlag::RtlReading)), Qt::LeftButton);
  for (int item : {kOk, kCancel}) {
    EXPECT_EQ(target(item).styles, (QStringList{"WS_TABSTOP", "BS_LEFT"})) << item;
    EXPECT_EQ(target(item).exStyles, QStringList{"WS_EX_RTLREADING"}) << item;
  }
  EXPECT_EQ(window->horizontalList()->currentIndex(), 0);
  EXPECT_TRUE(window->flagBox(int(AlignmentFlag::RtlReading))->isChecked());
  // The preview was built again from the words; the selection stayed.
  EXPECT_EQ(selection(), (std::vector<int>{kOk, kCancel}));
  // A combo box offers the left scroll bar, and no horizontal alignment.
  click(middleOf(kCombo));
  EXPECT_TRUE(list->item(kCombo)->isSelected());
  EXPECT_FALSE(window->horizontalList()->isEnabled());
  EXPECT_TRUE(window->flagBox(int(AlignmentFlag::LeftScrollbar))->isEnabled());

  // Styles: a word taken out of the list leaves every selected control.
  list->clearSelection();
  list->item(kOk)->setSelected(true);
  list->item(kCancel)->setSelected(true);
  window->tabs()->setCurrentIndex(2);
  QListWidget *styles = window->stylesList();
  QStringList words;
  for (int i = 0; i < styles->count(); ++i)
    words.append(styles->item(i)->text());
  EXPECT_EQ(words, (QStringList{"WS_TABSTOP", "BS_LEFT", "WS_EX_RTLREADING"}));
  styles->item(0)->setSelected(true);
  QTest::mouseClick(window->removeButton(), Qt::LeftButton);
  EXPECT_EQ(target(kOk).styles, QStringList{"BS_LEFT"});
  EXPECT_EQ(target(kCancel).styles, QStringList{"BS_LEFT"});
  EXPECT_TRUE(session.isModified());

  // No row selected: the dialog, whose size the fields set.
  list->clearSelection();
  EXPECT_EQ(selection(), std::vector<int>{Editor::kDialog});
  window->tabs()->setCurrentIndex(0);
  EXPECT_FALSE(window->field(0)->isEnabled());
  window->field(2)->setText(QStringLiteral("220"));
  window->field(3)->setText(QStringLiteral("110"));
  QTest::mouseClick(window->applyButton(), Qt::LeftButton);
  EXPECT_EQ(dialog("IDD_EDIT")->targetLayout.width, 220);
  EXPECT_EQ(dialog("IDD_EDIT")->targetLayout.height, 110);
  EXPECT_EQ(editor().windowOf(Editor::kDialog).size(), QSize(330, 179));

  ASSERT_TRUE(session.save());
  const QString script = targetScript();
  EXPECT_TRUE(script.contains(QStringLiteral("IDD_EDIT DIALOGEX 0, 0, 220, 110")));
  EXPECT_TRUE(script.contains(QStringLiteral("IDOK,150,10,50,20,BS_LEFT,WS_EX_RTLREADING")))
      << script.toStdString();
  run(CmdDialogControls);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(LayoutEditorTest, TabSelectAllAndLoadingTheSourceLayout) {
  open(filled(kAlignDialog, kAlignTexts), filled(kAlignDialog, {"Eins", "Zwei", "Drei"}));
  show("IDD_ALIGN");
  click(middleOf(1));
  key(Qt::Key_Tab);
  EXPECT_EQ(selection(), std::vector<int>{2});
  key(Qt::Key_Tab);
  EXPECT_EQ(selection(), std::vector<int>{Editor::kDialog});
  key(Qt::Key_Tab);
  EXPECT_EQ(selection(), std::vector<int>{0});
  key(Qt::Key_Backtab);
  EXPECT_EQ(selection(), std::vector<int>{Editor::kDialog});
  run(CmdPreviousControl);
  EXPECT_EQ(selection(), std::vector<int>{2});
  run(CmdSelectAll);
  EXPECT_EQ(selection(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(editor().reference(), 0);

  // The source's layout is shown, and not changed, while it is loaded.
  frame.updateCommands();
  EXPECT_TRUE(frame.command(CmdLoadFromTarget)->isChecked());
  EXPECT_FALSE(frame.command(CmdLoadFromTarget)->isEnabled());
  click(middleOf(0));
  const QRect sourceWindow = editor().windowOf(0);
  key(Qt::Key_Right);
  ASSERT_EQ(units(0).x(), 61);
  // The source's sizes drawn over the dialog show where the control came from.
  run(CmdToggleSourceSize);
  EXPECT_TRUE(frame.command(CmdToggleSourceSize)->isChecked());
  ASSERT_TRUE(editor().showsSourceSizes());
  EXPECT_EQ(editor().sourceWindows()[0], sourceWindow);
  EXPECT_EQ(editor().sourceClientRect(), editor().windowOf(Editor::kDialog));
  run(CmdToggleSourceSize);
  EXPECT_FALSE(editor().showsSourceSizes());
  run(CmdLoadFromSource);
  DialogEntry *align = dialog("IDD_ALIGN");
  EXPECT_TRUE(align->useSourceLayout);
  EXPECT_TRUE(frame.command(CmdLoadFromSource)->isChecked());
  EXPECT_EQ(frame.dialogBoard()->preview()->liveDialog()->controls()[0].item.rect.x(), 60);
  click(middleOf(0));
  key(Qt::Key_Right);
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("Load from target")));
  EXPECT_EQ(align->pairs[0].source.x, 60);
  EXPECT_EQ(units(0).x(), 61);
  run(CmdLoadFromTarget);
  EXPECT_FALSE(align->useSourceLayout);
  EXPECT_EQ(frame.dialogBoard()->preview()->liveDialog()->controls()[0].item.rect.x(), 61);
}

TEST_F(LayoutEditorTest, ADialogWrittenInPlaceIsNotChanged) {
  const QString source = QStringLiteral(R"(IDD_MACRO DIALOGEX 0, 0, 100, 50
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT           "Text",IDC_T,10,10,40,8
END
)");
  QString german = source;
  german.replace(QStringLiteral("\"Text\",IDC_T,10"), QStringLiteral("\"Texte\",IDC_T,MARGIN"));
  open(source, QStringLiteral("#define MARGIN 10\r\n") + german);
  ASSERT_FALSE(dialog("IDD_MACRO")->canRegenerate());
  show("IDD_MACRO");
  click(middleOf(0));
  EXPECT_EQ(selection(), std::vector<int>{0});
  const QRect before = editor().windowOf(0);
  key(Qt::Key_Right);
  drag(middleOf(0), middleOf(0) + QPoint(30, 0));
  run(CmdFlipDialog);
  ASSERT_EQ(prompter.messages.size(), 3);
  EXPECT_EQ(prompter.messages[0],
            QStringLiteral("The layout of the dialog IDD_MACRO cannot be changed here: the "
                           "dialog holds macros or statements that are written to the target only "
                           "as they stand. Change its layout in the script."));
  EXPECT_EQ(editor().windowOf(0), before);
  EXPECT_FALSE(editor().canUndo());
  EXPECT_FALSE(session.isModified());
  ASSERT_TRUE(session.save());
  EXPECT_TRUE(targetScript().contains(QStringLiteral("IDC_T,MARGIN,10,40,8")));
}

TEST_F(LayoutEditorTest, DialogsWithoutControlsOrWithManyAreEdited) {
  QString many = QStringLiteral("IDD_MANY DIALOGEX 0, 0, 400, 300\r\nFONT 8, \"MS Shell Dlg\"\r\n"
                                "BEGIN\r\n");
  for (int i = 0; i < 300; ++i)
    many += QStringLiteral("    LTEXT \"T%1\",IDC_T%1,%2,%3,20,8\r\n")
                .arg(i)
                .arg(i % 15 * 25)
                .arg(i / 15 * 12);
  many += QStringLiteral("END\r\n");
  const QString empty = QStringLiteral("IDD_EMPTY DIALOGEX 0, 0, 100, 50\r\nBEGIN\r\nEND\r\n");
  open(empty + many, empty + many);

  show("IDD_EMPTY");
  run(CmdSelectAll);
  EXPECT_TRUE(editor().selection().empty());
  click(inClient(QPoint(10, 10)));
  EXPECT_EQ(selection(), std::vector<int>{Editor::kDialog});
  key(Qt::Key_Tab);
  key(Qt::Key_Left);
  key(Qt::Key_Right);
  key(Qt::Key_Down);
  run(CmdFlipDialog);
  frame.updateCommands();
  for (CommandId id : {CmdAlignLeft, CmdSameSize, CmdAdjustToText})
    EXPECT_FALSE(frame.command(id)->isEnabled());
  run(CmdUndo);
  EXPECT_EQ(dialog("IDD_EMPTY")->targetLayout.width, 100);

  show("IDD_MANY");
  ASSERT_EQ(editor().controlCount(), 300);
  click(inClient(QPoint(599, 449)));
  run(CmdSelectAll);
  EXPECT_EQ(editor().selection().size(), 300u);
  run(CmdAlignLeft);
  for (int i = 0; i < 300; i += 37)
    EXPECT_EQ(units(i).x(), 0) << i;
  run(CmdFlipDialog);
  key(Qt::Key_Down);
  run(CmdUndo);
  run(CmdUndo);
  run(CmdUndo);
  EXPECT_EQ(units(299), QRect(14 * 25, 19 * 12, 20, 8));
}

} // namespace
} // namespace tarvelo::gui
