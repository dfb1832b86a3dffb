// The report's measurements with the dialogs' real fonts.
#include "dialogs/dialog_report.h"
#include "dialogs/report_settings.h"
#include "measure/qt_text_measure.h"
#include "script/after_read.h"
#include "support/script_harness.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// A push button 50 dialog units wide is 75 pixels in MS Shell Dlg 8; its text has
// those less 2 on each side.
TEST(ReportMeasure, APushButtonOfFiftyUnitsHoldsSeventyOnePixelsOfText) {
  const QString texts[] = {
      QStringLiteral("OK"),
      QStringLiteral("&Abbrechen"),
      QStringLiteral("&Durchsuchen..."),
      QStringLiteral("&Weiter >"),
      QStringLiteral("Einstellungen &speichern"),
      QStringLiteral("Alle Dateien anzeigen"),
      QStringLiteral("&Zuruecksetzen"),
  };
  QtTextMeasure measure;
  const auto font = measure.font(QStringLiteral("MS Shell Dlg"), 8);
  ASSERT_EQ(font->baseUnits(), (BaseUnits{6, 13}));
  QString source = QStringLiteral("LANGUAGE 9, 1\nIDD_B DIALOGEX 0, 0, 400, 200\n"
                                  "FONT 8, \"MS Shell Dlg\"\nBEGIN\n");
  QString target = QStringLiteral("LANGUAGE 7, 1\nIDD_B DIALOGEX 0, 0, 400, 200\n"
                                  "FONT 8, \"MS Shell Dlg\"\nBEGIN\n");
  for (int i = 0; i < int(std::size(texts)); ++i) {
    source += QStringLiteral("    PUSHBUTTON \"B\",IDC_%1,10,%2,50,14\n").arg(i).arg(10 + 16 * i);
    target += QStringLiteral("    PUSHBUTTON \"%1\",IDC_%2,10,%3,50,14\n")
                  .arg(texts[i])
                  .arg(i)
                  .arg(10 + 16 * i);
  }
  test::Workspace work;
  ASSERT_EQ(work.readSource((source + "END\n").toUtf8(), 1033), ScriptResult::Ok);
  ASSERT_EQ(work.readTarget((target + "END\n").toUtf8(), 1031), ScriptResult::Ok);
  bool clearFuzzy = false;
  AfterReadContext context{&work.entries, &work.prompter, QString(), &clearFuzzy};
  afterTargetRead(work.tasks.head(), context);
  DialogReporter reporter(measure, ReportTooLong);
  const DialogsReport report = reporter.reportAll(work.entries, false);
  ASSERT_EQ(report.dialogs.size(), 1u);
  const auto &controls = report.dialogs[0].controls;
  ASSERT_EQ(controls.size(), std::size(texts));
  int fitting = 0, tooLong = 0;
  for (size_t i = 0; i < controls.size(); ++i) {
    const int needed = font->lineSize(texts[i]).width();
    EXPECT_EQ(controls[i].room, QSize(71, 19));
    EXPECT_EQ(controls[i].textSize.width(), needed) << texts[i].toStdString();
    EXPECT_EQ(controls[i].tooLong, needed > 71) << texts[i].toStdString() << " " << needed;
    (needed > 71 ? tooLong : fitting) += 1;
  }
  // Both sides of the edge are in the list.
  EXPECT_GE(fitting, 2);
  EXPECT_GE(tooLong, 2);
}

} // namespace
} // namespace tarvelo
