// The defaults that depend on the user: the source language follows the user's
// locale, in the settings and in the Open Resources dialog.
#include "app/user_defaults.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "task/language_combo.h"
#include "task/open_resources_dialog.h"
#include "task/task_form.h"
#include "workbench/session.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

TEST(UserDefaults, TheSourceLanguageIsTheLanguageOfTheUsersLocale) {
  const QLocale before;
  const struct {
    QLocale locale;
    int language;
  } cases[] = {
      {QLocale(QLocale::French, QLocale::France), 1036},
      {QLocale(QLocale::German, QLocale::Austria), 3079},
      {QLocale(QLocale::Portuguese, QLocale::Brazil), 1046},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), 2057},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.language);
    QLocale::setDefault(c.locale);
    installUserDefaults();
    MemorySettings settings;
    EXPECT_EQ(settings.integer(QStringLiteral("SourceLanguage")), c.language);
    // The target language keeps its fixed default.
    EXPECT_EQ(settings.integer(QStringLiteral("TargetLanguage")), 1033);
    test::ScriptedPrompter prompter;
    NullProgress progress;
    Session session(settings, prompter, progress);
    OpenResourcesDialog dialog(session, false);
    EXPECT_EQ(dialog.form()->sourceLanguage()->language(), c.language);
  }
  QLocale::setDefault(before);
  installUserDefaults();
}

} // namespace
} // namespace tarvelo::gui
