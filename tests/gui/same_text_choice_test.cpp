// "Save texts that are the same in both languages" on the Translation Memory page:
// Ask keeps the question, once a run; Always and Never answer it for good, in this run
// and the next.
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "options/memory_page.h"
#include "options/options_dialog.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"

#include "menu_clicks.h"
#include "widget_test_support.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Exports that count the pairs stored.
struct Stored {
  static inline QStringList pairs;
  static int32_t addPair(const char16_t *source, const char16_t *target, int32_t) {
    pairs.append(QString::fromUtf16(source) + u'=' + QString::fromUtf16(target));
    return 1;
  }
  static int32_t connect(int32_t, int32_t) { return 1; }
};

class SameTextChoiceTest : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    exports.addPair = &Stored::addPair;
    exports.connectTM = &Stored::connect;
    settings.setInteger(QStringLiteral("InitTM"), 0);
    Stored::pairs.clear();
  }
  void TearDown() override {
    if (workbench) {
      prompter.answers = {Prompter::Answer::No};
      workbench->session().close();
    }
    workbench.reset();
  }

  // A run of the program: the window on the example task, one text the same in both
  // languages.
  void start() {
    if (workbench) {
      prompter.answers = {Prompter::Answer::No};
      workbench->session().close();
    }
    workbench = std::make_unique<WorkbenchAssembly>(settings, prompter, progress, exports);
    workbench->frame().show();
    Session &session = workbench->session();
    ASSERT_EQ(session.open({exampleFile(QStringLiteral("example.rc")), 1033, false,
                            dir.filePath(QStringLiteral("example_de.rc")), 1031}),
              Session::OpenResult::Opened);
    for (const auto &entry : session.entries())
      if (entry->isTranslatable() && !entry->sourceText.isEmpty()) {
        session.changeTargetText(entry.get(), entry->sourceText);
        same = entry->sourceText;
        break;
      }
  }
  // Tools › Options..., the Translation Memory page, the choice by keys, OK.
  void choose(int index) {
    whenShown<OptionsDialog>([index](OptionsDialog *dialog) {
      dialog->tabs()->setCurrentWidget(dialog->memoryPage());
      QComboBox *combo = dialog->memoryPage()->sameText();
      combo->setFocus();
      QTest::keyClick(combo, Qt::Key_Home);
      for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
      QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                        Qt::LeftButton);
    });
    ASSERT_TRUE(clickMenuPath(workbench->frame(), {"&Tools", "&Options..."}));
    QApplication::processEvents();
  }
  // Tools › Translation Memory › Learn actual texts; whether the same text was stored.
  bool learn() {
    Stored::pairs.clear();
    EXPECT_TRUE(
        clickMenuPath(workbench->frame(), {"&Tools", "Translation Memory", "Learn actual texts"}));
    QApplication::processEvents();
    return Stored::pairs.contains(same + u'=' + same);
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  TmExports exports;
  std::unique_ptr<WorkbenchAssembly> workbench;
  QString same;
};

TEST_F(SameTextChoiceTest, TheQuestionIsAskedOnceARunUnlessAnsweredForGood) {
  const struct {
    const char *name;
    int choice; // Ask, Always, Never
    bool asked;
    bool stored;
  } cases[] = {
      {"Ask", 0, true, false},
      {"Always", 1, false, true},
      {"Never", 2, false, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    start();
    choose(c.choice);
    EXPECT_EQ(settings.integer(QStringLiteral("SameText")), c.choice);
    // Two runs of the program, each learning twice; Ask is answered "No to All".
    for (int run = 0; run < 2; ++run) {
      if (run > 0)
        start();
      EXPECT_EQ(workbench->memory()->options().sameText, c.choice);
      prompter.sameTextRequests.clear();
      prompter.sameTextAnswers = {Prompter::Answer::NoToAll};
      EXPECT_EQ(learn(), c.stored);
      EXPECT_EQ(learn(), c.stored);
      EXPECT_EQ(prompter.sameTextRequests, c.asked ? QStringList{same} : QStringList());
    }
  }
  // The page shows the standing choice.
  MemoryPage page(*workbench->memory(), settings);
  EXPECT_EQ(page.sameText()->currentText(), QStringLiteral("Never"));
}

} // namespace
} // namespace tarvelo::gui
