// Tests: a dialog read from compiled resources is previewed exactly as the same dialog
// read from its script: the same rectangles, texts and font, the same pixels.
#include "compiled/decompiler.h"
#include "compiled/res_file.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/dialog_report.h"
#include "dialogs/report_settings.h"
#include "measure/qt_text_measure.h"
#include "script/text_entry.h"
#include "support/dialog_reading.h"
#include "support/rc_compiler.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Every kind of control the preview draws, with styles set and cleared, a font of its
// own and a dialog in the System font.
const char kScript[] = R"(#define DS_SETFONT 0x40
#define DS_MODALFRAME 0x80
#define DS_FIXEDSYS 0x8
#define WS_POPUP 0x80000000
#define WS_CAPTION 0xC00000
#define WS_SYSMENU 0x80000
#define WS_GROUP 0x20000
#define WS_TABSTOP 0x10000
#define WS_VSCROLL 0x200000
#define WS_BORDER 0x800000
#define ES_AUTOHSCROLL 0x80
#define CBS_DROPDOWN 0x2
#define CBS_SORT 0x100
#define LBS_SORT 0x2
#define BS_AUTOCHECKBOX 0x3
LANGUAGE 9, 1
100 DIALOGEX 0, 0, 240, 150
STYLE DS_SETFONT | DS_MODALFRAME | DS_FIXEDSYS | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Find and Replace"
FONT 8, "MS Shell Dlg", 400, 0, 0x1
BEGIN
    LTEXT           "Fi&nd what:",-1,7,9,50,8
    EDITTEXT        1001,60,7,120,14,ES_AUTOHSCROLL
    RTEXT           "Replace w&ith:",-1,7,27,50,8
    COMBOBOX        1002,60,25,120,60,CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP
    GROUPBOX        "Direction",-1,7,45,110,40
    AUTORADIOBUTTON "&Up",1003,14,57,40,10,WS_GROUP
    AUTORADIOBUTTON "&Down",1004,14,70,40,10
    AUTOCHECKBOX    "Match &case",1005,125,50,80,10
    CONTROL         "Wrap a&round",1006,"Button",BS_AUTOCHECKBOX | WS_TABSTOP,125,63,80,10
    CTEXT           "Centred text that is a good deal too long for its room",-1,7,90,100,8
    LISTBOX         1007,125,78,100,40,LBS_SORT | WS_VSCROLL | WS_TABSTOP
    DEFPUSHBUTTON   "&Find Next",1,183,7,50,14
    PUSHBUTTON      "Cancel",2,183,25,50,14
    CONTROL         "",1008,"msctls_progress32",WS_BORDER,7,125,160,10
    SCROLLBAR       1009,7,138,160,8
END

101 DIALOG 10, 10, 120, 60
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "About"
BEGIN
    CTEXT "Version 1.0",-1,10,10,100,8
    PUSHBUTTON "OK",1,35,35,50,14
END
)";

struct Previewed {
  std::unique_ptr<test::Workspace> ws;
  DialogsReport report;
};

Previewed read(const QString &path) {
  Previewed out;
  out.ws = test::readAsItsOwnTarget(path, 1033);
  if (out.ws)
    out.report =
        DialogReporter(QtTextMeasure(), kReportAllChecks).reportAll(out.ws->entries, false);
  return out;
}

TEST(CompiledDialogPreview, IsTheScriptsPreviewPixelForPixel) {
  QTemporaryDir dir;
  const QString scriptPath = dir.filePath("find.rc");
  QFile script(scriptPath);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(kScript);
  script.close();
  QString error;
  const QByteArray res = test::compileScript(scriptPath, {}, 1252, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  const ResFileRead compiled = readResFile(res);
  ASSERT_TRUE(compiled.ok()) << compiled.error.toStdString();
  // The compiled resources as the program opens them: the script it reads of them.
  const QString decompiledPath = dir.filePath("find_compiled.rc");
  QFile decompiled(decompiledPath);
  ASSERT_TRUE(decompiled.open(QIODevice::WriteOnly));
  decompiled.write(decompileResources(compiled.resources, "find").text.toUtf8());
  decompiled.close();

  const Previewed fromScript = read(scriptPath);
  const Previewed fromCompiled = read(decompiledPath);
  ASSERT_TRUE(fromScript.ws && fromCompiled.ws);
  ASSERT_EQ(fromScript.report.dialogs.size(), 2u);
  ASSERT_EQ(fromCompiled.report.dialogs.size(), 2u);
  QtTextMeasure measure;
  for (size_t d = 0; d < 2; ++d) {
    SCOPED_TRACE(d);
    const ShownDialog a = shownDialog(*fromScript.report.dialogs[d].entry, DialogSide::Translated);
    const ShownDialog b =
        shownDialog(*fromCompiled.report.dialogs[d].entry, DialogSide::Translated);
    EXPECT_EQ(b.caption, a.caption);
    EXPECT_EQ(b.rect, a.rect);
    EXPECT_EQ(b.hasFont, a.hasFont);
    EXPECT_EQ(b.fontFace, a.fontFace);
    EXPECT_EQ(b.fontPoints, a.fontPoints);
    ASSERT_EQ(b.controls.size(), a.controls.size());
    for (size_t c = 0; c < a.controls.size(); ++c) {
      EXPECT_EQ(b.controls[c].text, a.controls[c].text) << c;
      EXPECT_EQ(b.controls[c].rect, a.controls[c].rect) << c;
    }
    // What the translator sees: the same picture, and the report's same verdicts.
    const QImage scriptImage = DialogPreview(a, DialogSide::Translated, measure).grab().toImage();
    const QImage compiledImage = DialogPreview(b, DialogSide::Translated, measure).grab().toImage();
    EXPECT_FALSE(scriptImage.isNull());
    EXPECT_TRUE(compiledImage == scriptImage);
    const DialogReport &ra = fromScript.report.dialogs[d];
    const DialogReport &rb = fromCompiled.report.dialogs[d];
    EXPECT_EQ(rb.usedFace, ra.usedFace);
    ASSERT_EQ(rb.controls.size(), ra.controls.size());
    for (size_t c = 0; c < ra.controls.size(); ++c) {
      EXPECT_EQ(rb.controls[c].className, ra.controls[c].className) << c;
      EXPECT_EQ(rb.controls[c].pixels, ra.controls[c].pixels) << c;
      EXPECT_EQ(rb.controls[c].tooLong, ra.controls[c].tooLong) << c;
    }
  }
}

} // namespace
} // namespace tarvelo::gui
