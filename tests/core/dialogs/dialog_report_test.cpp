// The dialogs report: its findings, the setting's bits, names and measured texts.
#include "dialogs/dialog_report.h"
#include "dialogs/layout_checks.h"
#include "dialogs/report_fragment.h"
#include "dialogs/report_settings.h"
#include "fixed_measure.h"
#include "script/after_read.h"
#include "script/text_entry.h"
#include "support/script_harness.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// A dialog of 200 x 100 dialog units unless the header says otherwise.
QString dialog(const QString &body, const QString &size = QStringLiteral("200, 100"),
               const QString &font = QStringLiteral("FONT 8, \"MS Shell Dlg\"\n")) {
  return QStringLiteral("IDD_TEST DIALOGEX 0, 0, %1\n%2BEGIN\n%3END\n").arg(size, font, body);
}

class DialogReportTest : public ::testing::Test {
protected:
  // Reads an English source and a German target of one task.
  void read(const QString &source, const QString &target, const QString &targetPath = QString()) {
    ASSERT_EQ(work.readSource(("LANGUAGE 9, 1\n" + source).toUtf8(), 1033), ScriptResult::Ok);
    ASSERT_EQ(work.readTarget(("LANGUAGE 7, 1\n" + target).toUtf8(), 1031, targetPath),
              ScriptResult::Ok);
    bool clearFuzzy = false;
    AfterReadContext context{&work.entries, &work.prompter, QString(), &clearFuzzy};
    afterTargetRead(work.tasks.head(), context);
  }

  DialogsReport report(int setting, bool severalTasks = false) {
    DialogReporter reporter(measure, setting);
    return reporter.reportAll(work.entries, severalTasks);
  }

  // "control: finding; finding" for each reported control, a line each.
  QString findingsOf(int setting) {
    QStringList lines;
    for (const DialogReport &dialog : report(setting).dialogs)
      for (const ControlReport &control : dialog.controls) {
        QStringList texts;
        for (const ControlFinding &finding : findings(control))
          texts.append(finding.text);
        if (!texts.isEmpty())
          lines.append(control.name + QStringLiteral(": ") + texts.join(QStringLiteral("; ")));
      }
    return lines.join(u'\n');
  }

  test::Workspace work;
  test::FixedMeasure measure;
};

TEST_F(DialogReportTest, NothingToReportSaysSoAndCountsNoDialog) {
  const struct {
    const char *name;
    QString source, target;
  } cases[] = {
      {"no dialog", "STRINGTABLE\nBEGIN\n IDS_A \"Open\"\nEND\n",
       "STRINGTABLE\nBEGIN\n IDS_A \"Offen\"\nEND\n"},
      {"nothing differs", dialog("    PUSHBUTTON \"OK\",IDOK,10,10,50,14,WS_TABSTOP\n"),
       dialog("    PUSHBUTTON \"Gut\",IDOK,10,10,50,14,WS_TABSTOP\n")},
      {"no controls", dialog(""), dialog("")},
  };
  for (const auto &c : cases) {
    work.entries.clear();
    work.tasks.clear();
    read(c.source, c.target);
    const DialogsReport result = report(kReportAllChecks);
    EXPECT_EQ(result.reportedCount(), 0) << c.name;
    const QString html = reportHtml(result);
    EXPECT_TRUE(html.contains(QStringLiteral("<p>There is nothing to report.</p>"))) << c.name;
    EXPECT_FALSE(html.contains(QStringLiteral("<a "))) << c.name;
    EXPECT_EQ(dialogsReportedText(result.reportedCount()), QStringLiteral("0 dialogs reported"));
  }
}

// The Part's combinations: bit 1 the too-long text, bit 2 the alignment words, bit 4
// every other word; the extended styles follow the same split.
TEST_F(DialogReportTest, TheSettingChoosesTheFindings) {
  read(dialog("    PUSHBUTTON \"OK\",IDOK,10,10,50,14,WS_TABSTOP\n"
              "    LTEXT \"a\",IDC_A,10,40,50,8,SS_NOTIFY,WS_EX_STATICEDGE\n"),
       dialog("    PUSHBUTTON \"aaaaaaaaaaaaaaaaaa\",IDOK,10,10,50,14,BS_CENTER\n"
              "    LTEXT \"a\",IDC_A,10,40,50,8,SS_NOTIFY,WS_EX_RTLREADING\n"));
  const char *tooLong = "Text is too long!";
  const char *added = "Added Styles: BS_CENTER";
  const char *removed = "Removed Styles: WS_TABSTOP";
  const char *addedEx = "Added Extended Styles: WS_EX_RTLREADING";
  const char *removedEx = "Removed Extended Styles: WS_EX_STATICEDGE";
  const auto join = [](std::initializer_list<QString> parts) {
    QStringList kept;
    for (const QString &part : parts)
      if (!part.isEmpty())
        kept.append(part);
    return kept;
  };
  for (int setting = 0; setting <= 7; ++setting) {
    const QString okFindings =
        join({setting & 1 ? tooLong : "", setting & 2 ? added : "", setting & 4 ? removed : ""})
            .join(QStringLiteral("; "));
    const QString aFindings =
        join({setting & 2 ? addedEx : "", setting & 4 ? removedEx : ""}).join(QStringLiteral("; "));
    const QString expected = join({okFindings.isEmpty() ? QString() : "IDOK: " + okFindings,
                                   aFindings.isEmpty() ? QString() : "IDC_A: " + aFindings})
                                 .join(u'\n');
    EXPECT_EQ(findingsOf(setting).toStdString(), expected.toStdString()) << "setting " << setting;
    EXPECT_EQ(report(setting).reportedCount(), setting == 0 ? 0 : 1) << "setting " << setting;
  }
}

TEST_F(DialogReportTest, AddedComesBeforeRemovedAndWordsJoinWithCommas) {
  read(dialog("    PUSHBUTTON \"OK\",IDOK,10,10,50,14,WS_TABSTOP | WS_GROUP\n"),
       dialog("    PUSHBUTTON \"OK\",IDOK,10,10,50,14,BS_NOTIFY\n"));
  const DialogsReport result = report(kReportAllChecks);
  ASSERT_EQ(result.reportedCount(), 1);
  const QString html = reportHtml(result);
  EXPECT_TRUE(html.contains(QStringLiteral(
      "DIALOG <a href=\"dialog:0\"><span style=\"font-weight:bold; color:#0000ff; "
      "text-decoration:underline\">IDD_TEST</span></a> <span style=\"color:#969696\"></span> "
      "<br/>\tIDOK\tAdded Styles: BS_NOTIFY Removed Styles: WS_TABSTOP,WS_GROUP </p>")))
      << html.toStdString();
  EXPECT_EQ(result.dialogs[0].entry->identifier, QStringLiteral("IDD_TEST"));
}

TEST_F(DialogReportTest, OnlyDialogsWithFindingsGetALinkNumberedByTheirPlace) {
  read(dialog("    LTEXT \"a\",IDC_A,10,10,50,8\n") +
           dialog("    LTEXT \"a\",IDC_A,10,10,50,8\n").replace("IDD_TEST", "IDD_SECOND"),
       dialog("    LTEXT \"a\",IDC_A,10,10,50,8\n") +
           dialog("    LTEXT \"aaaaaaaaaaaaaaaaaaa\",IDC_A,10,10,50,8\n")
               .replace("IDD_TEST", "IDD_SECOND"),
       QStringLiteral("/work/app/lang/dialogs_de.rc"));
  const DialogsReport one = report(kReportAllChecks);
  ASSERT_EQ(one.dialogs.size(), 2u);
  EXPECT_EQ(one.reportedCount(), 1);
  const QString html = reportHtml(one);
  EXPECT_FALSE(html.contains(QStringLiteral("dialog:0")));
  EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"dialog:1\">"))) << html.toStdString();
  EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color:#969696\"></span>")));
  // Tasks opened together: each dialog names its task's file.
  EXPECT_TRUE(
      reportHtml(report(kReportAllChecks, true))
          .contains(QStringLiteral("<span style=\"color:#969696\">(dialogs_de.rc)</span>")));
  EXPECT_EQ(reportFileName(QStringLiteral("C:\\app\\res\\app_de.rc"), QString()),
            QStringLiteral("app_de.rc"));
  EXPECT_EQ(reportFileName(QString(), QStringLiteral("/src/app.rc")), QStringLiteral("app.rc"));
}

TEST_F(DialogReportTest, TextsAreMeasuredOnlyWhenTranslatedAndWithTheirFont) {
  // The target is measured in its own font; an empty translation is not measured.
  read(dialog("    LTEXT \"a\",IDC_A,10,10,50,8\n    LTEXT \"a\",IDC_B,10,30,50,8\n"),
       dialog("    LTEXT \"aaaaaaaaaaaaaaaaaaa\",IDC_A,10,10,50,8\n"
              "    LTEXT \"\",IDC_B,10,30,50,8\n",
              QStringLiteral("200, 100"), QStringLiteral("FONT 9, \"Tahoma\"\n")));
  const DialogsReport result = report(ReportTooLong);
  ASSERT_EQ(result.dialogs.size(), 1u);
  const DialogReport &dialogReport = result.dialogs[0];
  EXPECT_EQ(dialogReport.requestedFace, QStringLiteral("Tahoma"));
  EXPECT_EQ(dialogReport.points, 9);
  ASSERT_EQ(dialogReport.controls.size(), 2u);
  EXPECT_TRUE(dialogReport.controls[0].tooLong);
  EXPECT_EQ(dialogReport.controls[0].textSize, QSize(114, 13));
  EXPECT_EQ(dialogReport.controls[0].pixels, QRect(15, 16, 75, 13));
  EXPECT_FALSE(dialogReport.controls[1].measured);
  EXPECT_FALSE(dialogReport.controls[1].reported());
}

// The three checks beyond the Part, each with the layouts real dialogs have that must
// not raise them.
TEST_F(DialogReportTest, OverlapsOutsideAndAccessKeysAreFoundWithoutFalseAlarms) {
  const QString buttons = QStringLiteral("    PUSHBUTTON \"A\",IDC_A,10,10,50,14\n"
                                         "    PUSHBUTTON \"B\",IDC_B,%1,%2,50,14\n");
  const QString grouped = QStringLiteral("    GROUPBOX \"G\",IDC_G,5,5,150,60\n"
                                         "    PUSHBUTTON \"B\",IDC_B,%1,%2,50,14\n");
  const QString combo = QStringLiteral("    COMBOBOX IDC_C,10,%1,100,80,CBS_DROPDOWNLIST\n"
                                       "    LTEXT \"L\",IDC_L,10,30,50,8\n");
  const QString spin = QStringLiteral("    EDITTEXT IDC_E,10,10,40,14\n"
                                      "    CONTROL \"\",IDC_S,\"msctls_updown32\","
                                      "UDS_AUTOBUDDY | UDS_ALIGNRIGHT,%1,10,10,14\n");
  const QString keys = QStringLiteral("    LTEXT \"%1\",IDC_STATIC,10,10,50,8\n"
                                      "    EDITTEXT IDC_E,70,10,50,14\n"
                                      "    LTEXT \"%2\",IDC_STATIC,10,30,50,8\n"
                                      "    CONTROL \"%3\",IDC_X,\"%4\",%5,10,50,150,10\n");
  const struct {
    const char *name;
    QString source, target;
    const char *expected;
  } cases[] = {
      {"moved onto another", dialog(buttons.arg(70).arg(10)), dialog(buttons.arg(40).arg(10)),
       "IDC_B: Overlaps IDC_A!"},
      {"overlapping in the source already", dialog(buttons.arg(40).arg(10)),
       dialog(buttons.arg(45).arg(12)), ""},
      {"one pixel of rounding",
       dialog(QStringLiteral("    PUSHBUTTON \"A\",IDC_A,6,10,8,14\n"
                             "    PUSHBUTTON \"B\",IDC_B,14,10,8,14\n")),
       dialog(QStringLiteral("    PUSHBUTTON \"A\",IDC_A,7,10,7,14\n"
                             "    PUSHBUTTON \"B\",IDC_B,14,10,8,14\n")),
       ""},
      {"moved inside its group box", dialog(grouped.arg(10).arg(20)),
       dialog(grouped.arg(30).arg(30)), ""},
      {"moved across the group box's frame", dialog(grouped.arg(10).arg(20)),
       dialog(grouped.arg(130).arg(20)), "IDC_B: Overlaps IDC_G!"},
      {"group boxes side by side grown together",
       dialog(QStringLiteral("    GROUPBOX \"G\",IDC_G,5,5,90,60\n"
                             "    GROUPBOX \"H\",IDC_H,100,5,90,60\n")),
       dialog(QStringLiteral("    GROUPBOX \"G\",IDC_G,5,5,100,60\n"
                             "    GROUPBOX \"H\",IDC_H,100,5,90,60\n")),
       "IDC_H: Overlaps IDC_G!"},
      {"a drop-down list over a label", dialog(combo.arg(10)), dialog(combo.arg(12)), ""},
      {"a closed combo box on a label", dialog(combo.arg(10)), dialog(combo.arg(26)),
       "IDC_L: Overlaps IDC_C!"},
      {"a spin button placed by its buddy", dialog(spin.arg(52)), dialog(spin.arg(45)), ""},
      {"an icon without size",
       dialog(QStringLiteral("    ICON \"APP\",IDC_I,100,10,0,0\n"
                             "    PUSHBUTTON \"B\",IDC_B,10,10,50,14\n")),
       dialog(QStringLiteral("    ICON \"APP\",IDC_I,20,12,0,0\n"
                             "    PUSHBUTTON \"B\",IDC_B,10,10,50,14\n")),
       ""},
      {"widened past the right edge", dialog(buttons.arg(70).arg(10)),
       dialog(buttons.arg(160).arg(10)), "IDC_B: Reaches outside the dialog!"},
      {"outside in the source already", dialog(buttons.arg(170).arg(10)),
       dialog(buttons.arg(175).arg(10)), ""},
      {"the dialog made smaller", dialog(buttons.arg(70).arg(60)),
       dialog(buttons.arg(70).arg(60), QStringLiteral("200, 70")),
       "IDC_B: Reaches outside the dialog!"},
      {"moved above the top", dialog(buttons.arg(70).arg(10)), dialog(buttons.arg(70).arg(-2)),
       "IDC_B: Reaches outside the dialog!"},
      {"a drop-down list below the bottom", dialog(combo.arg(80)), dialog(combo.arg(85)), ""},
      {"a closed combo box below the bottom", dialog(combo.arg(80)), dialog(combo.arg(95)),
       "IDC_C: Reaches outside the dialog!"},
      {"two labels and a check box share a key",
       dialog(keys.arg("&Name:", "&Wert:", "&Show", "Button", "BS_AUTOCHECKBOX")),
       dialog(keys.arg("&Name:", "&Wert:", "&Namen zeigen", "Button", "BS_AUTOCHECKBOX")),
       "IDC_X: Same access key as IDC_STATIC \"&Name:\"!"},
      {"keys compared without case",
       dialog(keys.arg("&Name:", "&Wert:", "&Show", "Button", "BS_AUTOCHECKBOX")),
       dialog(keys.arg("R&&D &x", "&Wert:", "&X-Achse", "Button", "BS_AUTOCHECKBOX")),
       "IDC_X: Same access key as IDC_STATIC \"R&&D &x\"!"},
      {"three controls with one key",
       dialog(keys.arg("&Name:", "&Wert:", "&Show", "Button", "BS_AUTOCHECKBOX")),
       dialog(keys.arg("&Name:", "&Neu:", "&Namen zeigen", "Button", "BS_AUTOCHECKBOX")),
       "IDC_STATIC \"&Neu:\": Same access key as IDC_STATIC \"&Name:\"!\n"
       "IDC_X: Same access key as IDC_STATIC \"&Name:\"!"},
      {"a label with a tab named as written",
       dialog(keys.arg("&Name:", "&Wert:", "&Show", "Button", "BS_AUTOCHECKBOX")),
       dialog(keys.arg("&Name\\tZeile:", "&Wert:", "&Namen zeigen", "Button", "BS_AUTOCHECKBOX")),
       "IDC_X: Same access key as IDC_STATIC \"&Name\\tZeile:\"!"},
      {"an ampersand that is one",
       dialog(keys.arg("&Name:", "&Wert:", "&Show", "Button", "BS_AUTOCHECKBOX")),
       dialog(keys.arg("&&Name:", "&Wert:", "&Namen zeigen", "Button", "BS_AUTOCHECKBOX")), ""},
      {"a static drawn without prefixes",
       dialog(keys.arg("&Name:", "&Wert:", "&Show", "Static", "SS_NOPREFIX")),
       dialog(keys.arg("&Name:", "&Wert:", "&Namen zeigen", "Static", "SS_NOPREFIX")), ""},
      {"an edit's text", dialog(keys.arg("&Name:", "&Wert:", "&Show", "Edit", "ES_LEFT")),
       dialog(keys.arg("&Name:", "&Wert:", "&Namen zeigen", "Edit", "ES_LEFT")), ""},
      {"no key at the end or before a blank",
       dialog(keys.arg("&Name:", "&Wert:", "&Show", "Button", "BS_AUTOCHECKBOX")),
       dialog(keys.arg("Name &", "& Wert:", "Namen & zeigen", "Button", "BS_AUTOCHECKBOX")), ""},
  };
  for (const auto &c : cases) {
    work.entries.clear();
    work.tasks.clear();
    read(c.source, c.target);
    EXPECT_EQ(findingsOf(ReportOverlaps | ReportOutside | ReportAccessKeys),
              QString::fromUtf8(c.expected))
        << c.name;
    // Each check has its own bit.
    EXPECT_EQ(findingsOf(ReportTooLong | ReportAlignmentStyles | ReportOtherStyles), QString())
        << c.name;
  }
}

// Of several controls with one identifier, each finding says which: by its text, and
// by where it stands when the text does not tell them apart.
TEST_F(DialogReportTest, ControlsSharingAnIdentifierAreNamedByTextOrPlace) {
  const QString body = QStringLiteral("    LTEXT \"%1\",IDC_STATIC,10,10,40,8\n"
                                      "    LTEXT \"%2\",IDC_STATIC,10,30,40,8\n"
                                      "    LTEXT \"%3\",IDC_STATIC,30,%4,40,8\n"
                                      "    LTEXT \"Unique\",IDC_ONE,150,10,40,8\n");
  const struct {
    const char *name;
    QString target;
    const char *expected;
  } cases[] = {
      {"by their texts", body.arg("Name:", "Wert:", "Zahl:").arg(32),
       "IDC_STATIC \"Zahl:\": Overlaps IDC_STATIC \"Wert:\"!"},
      {"the same text: by place", body.arg("Name:", "Wert:", "Wert:").arg(32),
       "IDC_STATIC \"Wert:\" at 30, 32: Overlaps IDC_STATIC \"Wert:\" at 10, 30!"},
      {"no text: by place", body.arg("", "", "").arg(32),
       "IDC_STATIC at 30, 32: Overlaps IDC_STATIC at 10, 30!"},
  };
  for (const auto &c : cases) {
    work.entries.clear();
    work.tasks.clear();
    read(dialog(body.arg("a", "b", "c").arg(50)), dialog(c.target));
    EXPECT_EQ(findingsOf(ReportOverlaps), QString::fromUtf8(c.expected)) << c.name;
    // A control whose identifier is its own keeps it alone.
    EXPECT_EQ(report(kReportAllChecks).dialogs[0].controls[3].name, QStringLiteral("IDC_ONE"));
  }
}

TEST_F(DialogReportTest, EachNewCheckFollowsItsOwnBit) {
  read(dialog("    PUSHBUTTON \"&A\",IDC_A,10,10,50,14\n"
              "    PUSHBUTTON \"&B\",IDC_B,70,10,50,14\n"),
       dialog("    PUSHBUTTON \"&A\",IDC_A,10,10,50,14\n"
              "    PUSHBUTTON \"&a\",IDC_B,40,10,200,14\n"));
  EXPECT_EQ(findingsOf(ReportOverlaps), QStringLiteral("IDC_B: Overlaps IDC_A!"));
  EXPECT_EQ(findingsOf(ReportOutside), QStringLiteral("IDC_B: Reaches outside the dialog!"));
  EXPECT_EQ(findingsOf(ReportAccessKeys), QStringLiteral("IDC_B: Same access key as IDC_A!"));
  EXPECT_EQ(findingsOf(ReportOverlaps | ReportOutside | ReportAccessKeys),
            QStringLiteral("IDC_B: Overlaps IDC_A!; Reaches outside the dialog!; Same access key "
                           "as IDC_A!"));
}

// Coordinates that are expressions of the program's own macros are not known here.
TEST_F(DialogReportTest, WhatIsPlacedByExpressionsIsNeitherMeasuredNorPlaced) {
  const QString body = QStringLiteral("    LTEXT \"aaaaaaaaaaaaaaaaaaaa\",IDC_A,m,10,xw,8\n"
                                      "    PUSHBUTTON \"B\",IDC_B,10,10,50,14\n"
                                      "    PUSHBUTTON \"C\",IDC_C,300,10,50,14\n");
  read(dialog(body, QStringLiteral("xs, ys")), dialog(body, QStringLiteral("xs, ys")));
  EXPECT_EQ(findingsOf(ReportTooLong | ReportOverlaps | ReportOutside), QString());
  const DialogsReport result = report(kReportAllChecks);
  ASSERT_EQ(result.dialogs[0].controls.size(), 3u);
  EXPECT_FALSE(result.dialogs[0].controls[0].measured);
  EXPECT_TRUE(result.dialogs[0].controls[1].measured);
}

TEST(AccessKey, TheLetterAfterTheFirstSingleAmpersand) {
  const struct {
    const char *text;
    const char *key;
  } cases[] = {
      {"&File", "f"}, {"Save &As", "a"}, {"&&File", ""}, {"R&&D &x", "x"},          {"a&", ""},
      {"& x", ""},    {"A&&&B", "b"},    {"", ""},       {"&\u00c4rger", "\u00e4"}, {"&1", "1"},
      {"&&&&", ""},   {"x&y&z", "y"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(accessKey(QString::fromUtf8(c.text)), QString::fromUtf8(c.key)) << c.text;
}

// What a broken or absurd script holds is reported, never a crash (fonts of absurd
// sizes and faces no font provides are measured by the command-line tests).
TEST_F(DialogReportTest, AbsurdDialogsAreReportedWithoutFailing) {
  QString many;
  for (int i = 0; i < 300; ++i)
    many += QStringLiteral("    PUSHBUTTON \"&Button %1\",IDC_B%1,%2,%3,50,14\n")
                .arg(i)
                .arg(i % 10 * 20)
                .arg(i / 10 * 7);
  const QString longClass(200, u'K');
  const QString longText(10000, u'w');
  const QString cases[] = {
      dialog(""),
      dialog("    LTEXT \"Text\",IDC_A,10,10,0,0\n    LTEXT \"Text\",IDC_B,-10,-10,-50,-8\n"),
      dialog("    LTEXT \"Text\",IDC_A,2147483647,2147483647,2147483647,2147483647\n"
             "    LTEXT \"Text\",IDC_B,-2147483647,0,2147483647,8\n"),
      dialog(many),
      dialog("    CONTROL \"Text\",IDC_A,\"" + longClass + "\",0,10,10,50,8\n"),
      dialog("    LTEXT \"" + longText + "\",IDC_A,10,10,50,8\n", "0, 0"),
      dialog("    LTEXT \"a\",IDC_A,10,10,50,8\n", "-5, -5"),
      QStringLiteral("IDD_TEST DIALOGEX 0, 0, 100, 100\nCAPTION \"") + longText +
          QStringLiteral("\"\nBEGIN\n    LTEXT \"a\",IDC_A,10,10,50,8\nEND\n"),
  };
  for (const QString &script : cases) {
    work.entries.clear();
    work.tasks.clear();
    read(script, script);
    const DialogsReport result = report(kReportAllChecks);
    ASSERT_EQ(result.dialogs.size(), 1u) << script.left(200).toStdString();
    EXPECT_FALSE(reportHtml(result).isEmpty());
  }
  // 300 buttons with the key "B": each after the first names the first.
  work.entries.clear();
  work.tasks.clear();
  read(dialog(many), dialog(many));
  const DialogsReport result = report(ReportAccessKeys);
  ASSERT_EQ(result.dialogs[0].controls.size(), 300u);
  EXPECT_EQ(result.dialogs[0].controls[299].sameAccessKey, QStringList{"IDC_B0"});
  EXPECT_EQ(result.reportedCount(), 1);
  int reported = 0;
  for (const ControlReport &control : result.dialogs[0].controls)
    reported += control.reported() ? 1 : 0;
  EXPECT_EQ(reported, 299);
}

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

// Every measure of a dialog depends on its face: one that stands in is said beside it.
TEST(DialogReportText, AFaceThatStandsInIsSaidBesideItsDialog) {
  DialogsReport report;
  DialogReport dialog;
  dialog.keyword = QStringLiteral("DIALOG");
  dialog.identifier = QStringLiteral("IDD_FIND");
  dialog.fontNotice = QStringLiteral("Segoe UI not installed: measured with Tahoma");
  ControlReport control;
  control.identifier = QStringLiteral("IDC_WILDCARD");
  control.tooLong = true;
  dialog.controls.push_back(control);
  report.dialogs.push_back(dialog);
  EXPECT_TRUE(reportHtml(report).contains(QStringLiteral(
      "<span style=\"color:#969696\">[Segoe UI not installed: measured with Tahoma]</span>")))
      << reportHtml(report).toStdString();
  report.dialogs[0].fontNotice.clear();
  EXPECT_FALSE(reportHtml(report).contains(u'['));
}

} // namespace
} // namespace tarvelo
