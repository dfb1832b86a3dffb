// Real dialogs of the corpus in the preview: the board and the report judge every
// text by one rule, links, tab strips, list views and up-down controls are drawn as
// Windows draws them, and a face that is not installed is said. With
// TARVELO_RENDER_DIR set, every dialog is also saved there as a picture to look at.
#include "dialogs/common_controls.h"
#include "dialogs/control_widgets.h"
#include "dialogs/dialog_board.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/dialog_report.h"
#include "dialogs/live_dialog.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/report_settings.h"
#include "dialogs/static_control.h"
#include "measure/qt_text_measure.h"
#include "script/text_entry.h"
#include "support/corpus.h"
#include "support/dialog_reading.h"
#include "support/scripted_prompter.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Whether the preview's window of a control shows its text as too long; nothing for
// windows that show no measured text.
std::optional<bool> shownTooLong(const QWidget *widget) {
  if (auto *box = qobject_cast<const BoxButtonControl *>(widget))
    return box->textTooLong();
  if (auto *button = qobject_cast<const OwnerDrawnButton *>(widget))
    return button->textTooLong();
  if (auto *group = qobject_cast<const GroupBoxControl *>(widget))
    return group->textTooLong();
  if (auto *link = qobject_cast<const LinkControl *>(widget))
    return link->textTooLong();
  if (auto *label = qobject_cast<const StaticControl *>(widget))
    return label->textTooLong();
  return std::nullopt;
}

class RealDialogs : public ::testing::Test {
protected:
  void SetUp() override {
    if (test::corpusDir().isEmpty())
      GTEST_SKIP() << "the corpus of real scripts is not here";
  }

  // Every dialog of the script in the preview, next to the report of it.
  struct Shown {
    std::unique_ptr<test::Workspace> ws;
    DialogsReport report;
    std::vector<std::unique_ptr<DialogPreview>> previews;
  };
  Shown show(const QString &file, int language) {
    Shown shown;
    shown.ws = test::readAsItsOwnTarget(test::corpusDir() + u'/' + file, language);
    if (!shown.ws)
      return shown;
    shown.report = DialogReporter(m_measure, kReportAllChecks).reportAll(shown.ws->entries, false);
    const QString renderDir = qEnvironmentVariable("TARVELO_RENDER_DIR");
    for (const DialogReport &dialog : shown.report.dialogs) {
      auto preview = std::make_unique<DialogPreview>(
          shownDialog(*dialog.entry, DialogSide::Translated), DialogSide::Translated, m_measure);
      if (!renderDir.isEmpty()) {
        const QString name = QFileInfo(file).completeBaseName() + u'-' + dialog.identifier;
        preview->grab().save(QDir(renderDir).filePath(name + QStringLiteral(".png")));
      }
      shown.previews.push_back(std::move(preview));
    }
    return shown;
  }

  // Board and report say the same of every text; returns how many were compared.
  static int sameVerdicts(const Shown &shown) {
    int compared = 0;
    for (size_t d = 0; d < shown.report.dialogs.size(); ++d) {
      const DialogReport &dialog = shown.report.dialogs[d];
      const LiveDialog &live = *shown.previews[d]->liveDialog();
      for (size_t c = 0; c < dialog.controls.size(); ++c) {
        const ControlReport &control = dialog.controls[c];
        const auto board = shownTooLong(live.controls()[c].widget);
        if (!control.measured || !board)
          continue;
        ++compared;
        EXPECT_EQ(*board, control.tooLong)
            << dialog.identifier.toStdString() << " " << control.identifier.toStdString() << " "
            << control.text.toStdString();
      }
    }
    return compared;
  }

  QtTextMeasure m_measure;
};

TEST_F(RealDialogs, NotepadsJapaneseDialogsShowEveryControlLinkAndVerdict) {
  const Shown shown =
      show(QStringLiteral("rizonesoft__Notepad3/language__np3_ja_jp__dialogs_ja_jp.rc"), 1041);
  ASSERT_TRUE(shown.ws);
  EXPECT_GT(sameVerdicts(shown), 300);
  int hue = 0, links = 0, wildcard = 0;
  for (size_t d = 0; d < shown.report.dialogs.size(); ++d) {
    const LiveDialog &live = *shown.previews[d]->liveDialog();
    EXPECT_EQ(live.dialogFont().notice(),
              QStringLiteral("Segoe UI not installed: measured with Tahoma"));
    for (const LiveControl &control : live.controls()) {
      if (controlLabel(control) == QLatin1String("COLOR_HUE (EDITTEXT)")) {
        ++hue;
        EXPECT_EQ(control.widget->geometry(), QRect(378, 217, 33, 21));
      }
      if (auto *link = qobject_cast<const LinkControl *>(control.widget);
          link && !link->text().isEmpty()) {
        ++links;
        EXPECT_FALSE(link->shownText().contains(u'<')) << link->text().toStdString();
        EXPECT_FALSE(link->shownText().isEmpty());
      }
      // The check box the review found: too long on the board and in the report.
      if (control.item.text == QStringLiteral("ワイルドカード(&I)")) {
        ++wildcard;
        EXPECT_EQ(shownTooLong(control.widget), std::optional<bool>(true));
      }
    }
  }
  EXPECT_EQ(hue, 1);
  EXPECT_GT(links, 10);
  EXPECT_EQ(wildcard, 2);

  // The board says which face stands in for the missing one.
  test::ScriptedPrompter prompter;
  DialogBoard board(prompter);
  board.resize(900, 500);
  board.show();
  board.showEntry(shown.report.dialogs.front().entry);
  EXPECT_FALSE(board.fontNotice()->isHidden());
  EXPECT_EQ(board.fontNotice()->text(),
            QStringLiteral("Segoe UI not installed: measured with Tahoma"));
  const QString renderDir = qEnvironmentVariable("TARVELO_RENDER_DIR");
  if (!renderDir.isEmpty())
    board.grab().save(QDir(renderDir).filePath(QStringLiteral("board-notepad3.png")));
}

TEST_F(RealDialogs, WindirstatsGermanTabsAndDriveListAreDrawn) {
  const Shown shown =
      show(QStringLiteral("windirstat__windirstat/windirstat__res__wdsr0407__windirstat.rc"), 1031);
  ASSERT_TRUE(shown.ws);
  EXPECT_GT(sameVerdicts(shown), 30);
  int tabs = 0, headers = 0;
  for (const auto &preview : shown.previews)
    for (const LiveControl &control : preview->liveDialog()->controls()) {
      if (auto *tab = qobject_cast<const TabControl *>(control.widget)) {
        ++tabs;
        EXPECT_TRUE(control.widget->rect().contains(tab->firstTab()));
      }
      if (auto *list = qobject_cast<const ListViewControl *>(control.widget))
        headers += list->hasHeader() ? 1 : 0;
    }
  EXPECT_GE(tabs, 1);
  EXPECT_GE(headers, 1);
}

TEST_F(RealDialogs, SakurasUpDownControlsStandBesideTheirBuddies) {
  const Shown shown =
      show(QStringLiteral("sakura-editor__sakura/sakura_lang__sakura_rc_en-US.rc"), 1033);
  ASSERT_TRUE(shown.ws);
  EXPECT_GT(sameVerdicts(shown), 300);
  int beside = 0;
  for (const auto &preview : shown.previews) {
    const auto &controls = preview->liveDialog()->controls();
    for (size_t i = 1; i < controls.size(); ++i) {
      if (controls[i].item.kind != KindUpDown ||
          !controls[i].item.styleNames.contains(QLatin1String("UDS_AUTOBUDDY")))
        continue;
      const QRect buddy = controls[i - 1].widget->geometry();
      const QRect upDown = controls[i].widget->geometry();
      EXPECT_EQ(upDown.left(), buddy.right() + 1 - 2);
      EXPECT_EQ(upDown.top(), buddy.top());
      EXPECT_EQ(upDown.height(), buddy.height());
      ++beside;
    }
  }
  EXPECT_GT(beside, 10);
}

// Sakura's Japanese dialogs ask for ＭＳ Ｐゴシック: a Japanese face stands in, says so,
// and board and report still agree on every text.
TEST_F(RealDialogs, SakurasJapaneseDialogsAreDrawnWithAJapaneseFace) {
  const Shown shown = show(QStringLiteral("sakura-editor__sakura/sakura_core__sakura_rc.rc"), 1041);
  ASSERT_TRUE(shown.ws);
  EXPECT_GT(sameVerdicts(shown), 300);
  int standIns = 0;
  for (const auto &preview : shown.previews) {
    const DialogFont &font = preview->liveDialog()->dialogFont();
    if (font.measuring->requestedFace() != QStringLiteral("ＭＳ Ｐゴシック"))
      continue;
    ++standIns;
    EXPECT_EQ(font.notice(),
              QStringLiteral("ＭＳ Ｐゴシック not installed: measured with Noto Sans CJK JP"));
  }
  EXPECT_GT(standIns, 20);
}

} // namespace
} // namespace tarvelo::gui
