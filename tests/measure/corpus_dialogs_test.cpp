// The dialogs of every corpus script as the report measures them: every control
// statement is read, so no control gets a rectangle of zeros for a statement the
// reader lost; and the real dialogs the review named come out as Windows shows them.
#include "dialogs/dialog_report.h"
#include "dialogs/report_settings.h"
#include "measure/qt_text_measure.h"
#include "script/text_entry.h"
#include "support/corpus.h"
#include "support/dialog_reading.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

class CorpusDialogs : public ::testing::Test {
protected:
  void SetUp() override {
    if (test::corpusDir().isEmpty())
      GTEST_SKIP() << "the corpus of real scripts is not here";
  }
  static QString path(const QString &file) { return test::corpusDir() + u'/' + file; }

  // The report of a script read alone, with the workspace its entries live in.
  struct Reported {
    std::unique_ptr<test::Workspace> ws;
    DialogsReport report;
    const ControlReport *control(const QString &dialog, const QString &identifier) const {
      for (const DialogReport &d : report.dialogs)
        for (const ControlReport &c : d.controls)
          if (d.identifier == dialog && c.identifier == identifier)
            return &c;
      return nullptr;
    }
  };
  Reported reported(const QString &file, int language) {
    Reported out;
    out.ws = test::readAsItsOwnTarget(path(file), language);
    if (out.ws)
      out.report = DialogReporter(m_measure, kReportAllChecks).reportAll(out.ws->entries, false);
    return out;
  }

  QtTextMeasure m_measure;
};

TEST_F(CorpusDialogs, EveryControlStatementOfEveryScriptIsRead) {
  int scripts = 0, controls = 0;
  QStringList lost;
  for (const QStringList &row : test::corpusTable(QStringLiteral("MANIFEST.tsv"))) {
    const QString file = row.value(0);
    if (!file.endsWith(QLatin1String(".rc"), Qt::CaseInsensitive) &&
        !file.endsWith(QLatin1String(".rc2"), Qt::CaseInsensitive))
      continue;
    for (const int language : test::scriptLanguages(path(file))) {
      const Reported r = reported(file, language);
      if (!r.ws)
        continue;
      ++scripts;
      for (const DialogReport &dialog : r.report.dialogs)
        for (size_t i = 0; i < dialog.controls.size(); ++i) {
          ++controls;
          const ControlLayout &layout = dialog.entry->pairs[i].target;
          // A statement is lost only where no macro in it hides what the compiler
          // sees (7-Zip's class macro MY_CHECKBOX also holds the style).
          if (!layout.parsed && layout.literal)
            lost << QStringLiteral("%1 %2 %3: %4")
                        .arg(file, dialog.identifier, dialog.controls[i].identifier,
                             dialog.controls[i].keyword);
        }
    }
  }
  EXPECT_GT(scripts, 50);
  EXPECT_GT(controls, 10000);
  EXPECT_TRUE(lost.isEmpty()) << lost.join(u'\n').toStdString();
}

// Notepad3's colour dialog writes "EDITTEXT, COLOR_HUE, ...": the control keeps its
// identifier and rectangle.
TEST_F(CorpusDialogs, NotepadsEditsWithACommaAfterTheKeywordKeepTheirPlace) {
  const Reported r =
      reported(QStringLiteral("rizonesoft__Notepad3/language__np3_ja_jp__dialogs_ja_jp.rc"), 1041);
  ASSERT_TRUE(r.ws);
  int found = 0;
  for (const DialogReport &dialog : r.report.dialogs)
    for (const ControlReport &control : dialog.controls)
      if (control.identifier == QLatin1String("COLOR_HUE")) {
        ++found;
        EXPECT_EQ(control.rect, QRect(216, 124, 19, 12));
        // Segoe UI 9 stands in as Tahoma 9: 7 x 14.
        EXPECT_EQ(control.pixels.size(), QSize(33, 21));
        EXPECT_EQ(control.className, QStringLiteral("EDIT"));
      }
  EXPECT_EQ(found, 1);
  // Its links are measured without their marks; the missing face is said.
  const DialogReport &find =
      *std::find_if(r.report.dialogs.begin(), r.report.dialogs.end(), [](const DialogReport &d) {
        return d.identifier == QLatin1String("IDD_MUI_FIND");
      });
  EXPECT_EQ(find.fontNotice, QStringLiteral("Segoe UI not installed: measured with Tahoma"));
  const ControlReport *link =
      r.control(QStringLiteral("IDD_MUI_FIND"), QStringLiteral("IDC_TOGGLEFINDREPLACE"));
  ASSERT_TRUE(link);
  EXPECT_EQ(link->className, QStringLiteral("SysLink"));
  EXPECT_TRUE(link->measured);
  EXPECT_GT(link->textSize.width(), 0);
}

// Sakura's up-down controls stand beside their buddies, as Windows places them.
TEST_F(CorpusDialogs, SakurasUpDownControlsStandBesideTheirBuddies) {
  const Reported r =
      reported(QStringLiteral("sakura-editor__sakura/sakura_lang__sakura_rc_en-US.rc"), 1033);
  ASSERT_TRUE(r.ws);
  int beside = 0;
  for (const DialogReport &dialog : r.report.dialogs)
    for (size_t i = 1; i < dialog.controls.size(); ++i) {
      const ControlReport &upDown = dialog.controls[i];
      if (upDown.className != QLatin1String("msctls_updown32") ||
          !upDown.styles.contains(QLatin1String("UDS_AUTOBUDDY")) ||
          !upDown.styles.contains(QLatin1String("UDS_ALIGNRIGHT")))
        continue;
      const ControlReport &buddy = dialog.controls[i - 1];
      const QRect template_ = toPixels(buddy.rect, dialog.baseUnits);
      EXPECT_EQ(upDown.pixels,
                QRect(template_.right() + 1 - 18, template_.y(), 16, template_.height()))
          << dialog.identifier.toStdString() << " " << upDown.identifier.toStdString();
      EXPECT_EQ(buddy.pixels.width(), template_.width() - 16);
      ++beside;
    }
  EXPECT_GT(beside, 10);
}

} // namespace
} // namespace tarvelo
