// The user-interface language comes from the translation file of the language beside
// the program; without one the built-in English texts stay.
#include "app/gui_resources.h"
#include "app/ui_language.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

QStringList menuTitles(MainFrame &frame) {
  QStringList titles;
  for (QAction *action : frame.menuBar()->actions())
    titles.append(action->text());
  return titles;
}

TEST(UserInterfaceLanguage, MenusComeFromTheTranslationOfTheLanguage) {
  initGuiResources();
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session(settings, prompter, progress);

  const struct {
    int language;
    bool installed;
    QStringList menus;
  } cases[] = {
      {1031, true, {"&Datei", "&Bearbeiten", "D&ialog", "E&xtras", "&Hilfe"}},
      // No file for French: English stays.
      {1036, false, {"&File", "&Edit", "&Dialog", "&Tools", "&Help"}},
      {0, false, {"&File", "&Edit", "&Dialog", "&Tools", "&Help"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.language);
    QTranslator own, qt;
    EXPECT_EQ(installUserInterfaceLanguage(c.language, QStringLiteral(TARVELO_BIN_DIR), own, qt),
              c.installed);
    {
      MainFrame frame(session);
      EXPECT_EQ(menuTitles(frame), c.menus);
      if (c.installed) {
        EXPECT_EQ(frame.command(CmdOpen)->text(), QStringLiteral("Ö&ffnen..."));
      }
    }
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
  }
}

} // namespace
} // namespace tarvelo::gui
