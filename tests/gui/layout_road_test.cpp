// The road of a layout fix: the bundled example with its German target, whose cancel
// button is too small for "Vorgang abbrechen", is fixed in the dialog view, saved and
// opened again. The fix is in the target script, the resource compiler takes it, and
// the compiled dialog has the geometry the editor showed.
#include "app/gui_resources.h"
#include "dialogs/dialog_board.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/layout_editor.h"
#include "dialogs/live_dialog.h"
#include "dialogs/owner_drawn_button.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/rc_compiler.h"
#include "support/res_file.h"
#include "support/scripted_prompter.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

struct Shown {
  QRect client; // the dialog's size in dialog units
  std::vector<QRect> controls;
  std::vector<QRect> windows; // pixels
};

// What the editor shows, in dialog units: each window converted back, a combo box with
// the height it was parsed with.
Shown shownBy(LayoutEditor &editor) {
  Shown shown;
  const LiveDialog *live = editor.preview()->liveDialog();
  const BaseUnits units = live->baseUnits();
  shown.client =
      QRect(QPoint(0, 0), toDialogUnits(QRect(QPoint(0, 0), live->size()), units).size());
  for (int i = 0; i < editor.controlCount(); ++i) {
    const DynControlItem &item = live->controls()[size_t(i)].item;
    shown.controls.push_back(
        controlUnits(editor.windowOf(i), item, editor.unitsOf(i).height(), units));
    shown.windows.push_back(editor.windowOf(i));
  }
  return shown;
}

DialogEntry *findDialog(Session &session, const char *identifier) {
  for (const auto &entry : session.entries())
    if (entry->isHead() && entry->kind == QLatin1String("DIALOG") &&
        entry->identifier == QLatin1String(identifier))
      return static_cast<DialogEntry *>(entry.get());
  return nullptr;
}

TEST(LayoutRoad, AFixedGermanDialogIsSavedCompiledAndShownAsEdited) {
  initGuiResources();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString source = dir.filePath(QStringLiteral("example.rc"));
  const QString target = dir.filePath(QStringLiteral("example_de.rc"));
  ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example.rc")), source));
  ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target));
  // What the example includes, as shipped.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("res")));
  for (const char *name : {"resource.h", "afxres.h", "res/Example.ico"})
    ASSERT_TRUE(QFile::copy(exampleFile(QLatin1String(name)), dir.filePath(QLatin1String(name))));

  Shown edited;
  {
    MemorySettings settings;
    test::ScriptedPrompter prompter;
    NullProgress progress;
    Session session(settings, prompter, progress);
    MainFrame frame(session);
    frame.resize(1280, 800);
    frame.show();
    OpenRequest request{source, 1033, false, target, 1031};
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    DialogEntry *options = findDialog(session, "IDD_OPTIONS");
    ASSERT_NE(options, nullptr);
    frame.openResource(options);
    QApplication::processEvents();
    LayoutEditor &editor = *frame.dialogBoard()->editor();
    QWidget *canvas = frame.dialogBoard()->canvas();
    const int cancel = 8;
    ASSERT_EQ(options->pairs[cancel].target.identifier, QStringLiteral("IDCANCEL"));
    auto *button = static_cast<OwnerDrawnButton *>(
        frame.dialogBoard()->preview()->liveDialog()->controls()[cancel].widget);
    ASSERT_TRUE(button->textTooLong());

    // The translator clicks the button and fits it to its text.
    const QRect window = editor.windowOf(cancel);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, editor.clientOrigin() + window.center());
    ASSERT_EQ(editor.selection(), std::vector<int>{cancel});
    frame.updateCommands();
    frame.command(CmdAdjustToText)->trigger();
    EXPECT_FALSE(button->textTooLong());
    EXPECT_GT(editor.windowOf(cancel).width(), window.width());
    // Then makes the dialog wide enough for it, with the arrow keys on the dialog.
    QTest::mouseClick(canvas, Qt::LeftButton, {},
                      editor.clientOrigin() + QPoint(4, editor.windowOf(-1).height() - 4));
    ASSERT_EQ(editor.selection(), std::vector<int>{LayoutEditor::kDialog});
    for (int i = 0; i < 200 && rightOf(trackerFrame(editor.windowOf(cancel))) >
                                   editor.windowOf(LayoutEditor::kDialog).width();
         ++i)
      QTest::keyClick(canvas, Qt::Key_Right);
    EXPECT_LE(rightOf(editor.windowOf(cancel)), editor.windowOf(LayoutEditor::kDialog).width());
    EXPECT_TRUE(session.isModified());
    edited = shownBy(editor);
    EXPECT_GT(edited.client.width(), 260);
    frame.command(CmdSave)->trigger();
    EXPECT_FALSE(session.isModified());
    session.close();
  }

  // The fix is in the script.
  QFile written(target);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QString script = QString::fromLatin1(written.readAll());
  written.close();
  const QRect fixed = edited.controls[8];
  EXPECT_TRUE(script.contains(QStringLiteral("IDD_OPTIONS DIALOGEX 0, 0, %1, %2")
                                  .arg(edited.client.width())
                                  .arg(edited.client.height())))
      << script.toStdString();
  EXPECT_TRUE(script.contains(QStringLiteral("\"Vorgang abbrechen\",IDCANCEL,%1,%2,%3,%4")
                                  .arg(fixed.x())
                                  .arg(fixed.y())
                                  .arg(fixed.width())
                                  .arg(fixed.height())))
      << script.toStdString();

  // Opened again, the dialog is shown where the editor had it.
  {
    MemorySettings settings;
    test::ScriptedPrompter prompter;
    NullProgress progress;
    Session session(settings, prompter, progress);
    MainFrame frame(session);
    frame.resize(1280, 800);
    frame.show();
    OpenRequest request{source, 1033, false, target, 1031};
    ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
    frame.openResource(findDialog(session, "IDD_OPTIONS"));
    QApplication::processEvents();
    const Shown reopened = shownBy(*frame.dialogBoard()->editor());
    EXPECT_EQ(reopened.client, edited.client);
    EXPECT_EQ(reopened.controls, edited.controls);
    EXPECT_EQ(reopened.windows, edited.windows);
    session.close();
  }

  // The compiler takes it, and its dialog is the one shown.
  QString error;
  // From the example's own files alone.
  const QByteArray res = test::compileScript(target, {}, 1252, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  QString geometry;
  for (const test::CompiledResource &resource : test::readResFile(res))
    if (resource.type == QLatin1String("#5") && resource.name == QLatin1String("#101"))
      geometry = test::dialogGeometry(resource.data);
  ASSERT_FALSE(geometry.isEmpty());
  static const QRegularExpression place(QStringLiteral("(-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+)"));
  const QStringList lines = geometry.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + qsizetype(edited.controls.size())) << geometry.toStdString();
  std::vector<QRect> compiled;
  for (const QString &line : lines) {
    const QRegularExpressionMatch m = place.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    compiled.emplace_back(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                          m.captured(4).toInt());
  }
  EXPECT_EQ(compiled[0].size(), edited.client.size()) << geometry.toStdString();
  for (size_t i = 0; i < edited.controls.size(); ++i)
    EXPECT_EQ(compiled[i + 1], edited.controls[i]) << lines[qsizetype(i + 1)].toStdString();
}

} // namespace
} // namespace tarvelo::gui
