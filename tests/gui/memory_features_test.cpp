// Each memory feature of the windows follows the export it needs: "Add to Translation
// Memory" and the options page follow AddPair, learning follows ConnectTM.
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "options/options_dialog.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "tmclient/memory_client.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/inspector.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Exports that record the pairs stored.
struct Recorded {
  static inline QStringList pairs;
  static int32_t addPair(const char16_t *source, const char16_t *target, int32_t count) {
    pairs.append(QString::fromUtf16(source) + u'=' + QString::fromUtf16(target) + u'#' +
                 QString::number(count));
    return 1;
  }
  static int32_t connect(int32_t, int32_t) { return 1; }
};

QAction *findAction(const QMenu &menu, const QString &text) {
  for (QAction *action : menu.actions())
    if (action->text() == text)
      return action;
  return nullptr;
}

TEST(MemoryFeatures, FollowTheExportsTheyNeed) {
  initGuiResources();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString target = dir.filePath(QStringLiteral("example_de.rc"));
  ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target));
  const struct {
    const char *name;
    bool addPair;
    bool connect;
  } cases[] = {
      {"AddPair only", true, false},
      {"ConnectTM only", false, true},
      {"both", true, true},
      {"neither", false, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    TmExports exports;
    exports.addPair = c.addPair ? &Recorded::addPair : nullptr;
    exports.connectTM = c.connect ? &Recorded::connect : nullptr;
    Recorded::pairs.clear();
    MemorySettings settings;
    settings.setInteger(QStringLiteral("InitTM"), 0);
    test::ScriptedPrompter prompter;
    NullProgress progress;
    WorkbenchAssembly workbench(settings, prompter, progress, exports);
    OpenRequest request{exampleFile(QStringLiteral("example.rc")), 1033, false, target, 1031};
    ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);

    // The options page (with the machine-translation and checks pages, which need no memory).
    Inspector inspector;
    InspectionRulesModel rules(inspector, settings);
    OptionsDialog options(settings, rules, workbench.memory());
    EXPECT_EQ(options.tabs()->count(), c.addPair ? 4 : 3);

    // The item menu of a translated entry.
    TextEntry *translated = nullptr;
    for (const auto &entry : workbench.session().entries())
      if (!translated && entry->isTranslatable() && !entry->sourceText.isEmpty() &&
          !entry->targetText.isEmpty())
        translated = entry.get();
    ASSERT_NE(translated, nullptr);
    QMenu menu;
    workbench.frame().itemList()->fillContextMenu(menu, translated);
    QAction *add = findAction(menu, QStringLiteral("Add to Translation Memory"));
    EXPECT_EQ(add != nullptr, c.addPair);
    if (add) {
      add->trigger();
      EXPECT_EQ(Recorded::pairs, QStringList{translated->sourceText + u'=' +
                                             translated->targetText + QStringLiteral("#1")});
    }

    // Learning needs the connection.
    workbench.frame().updateCommands();
    EXPECT_EQ(workbench.frame().command(CmdLearnTexts)->isEnabled(), c.connect);
    prompter.answers = {Prompter::Answer::No};
    workbench.session().close();
  }
}

} // namespace
} // namespace tarvelo::gui
