// The language chooser: typed tags, numbers and names choose their language, and the
// search offers languages by any part of their name or tag.
#include "task/language_combo.h"

#include <QAbstractItemModel>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Types the text into the chooser as a user does, then leaves the field.
void typeIn(LanguageCombo &combo, const QString &text) {
  combo.lineEdit()->selectAll();
  QTest::keyClicks(combo.lineEdit(), text);
  Q_EMIT combo.lineEdit()->editingFinished();
}

TEST(LanguageCombo, TypedTagsNumbersAndNamesChooseTheirLanguage) {
  const struct {
    const char *typed;
    int language; // what is chosen after German (Germany)
  } cases[] = {
      {"de-AT", 0x0c07},
      {"zh-Hant-TW", 0x0404},
      {"sr-latn", 0x241a},
      {"1036", 0x040c},
      {"0x0411", 0x0411},
      {"german (switzerland)", 0x0807},
      {"no such language", 0x0407},
      {"de-XX", 0x0407},
      {"70000", 0x0407},
  };
  for (const auto &c : cases) {
    LanguageCombo combo;
    combo.show();
    combo.setLanguage(0x0407);
    typeIn(combo, QString::fromLatin1(c.typed));
    EXPECT_EQ(combo.language(), c.language) << c.typed;
    // The field always shows the language chosen.
    EXPECT_EQ(combo.lineEdit()->text(), combo.itemText(combo.currentIndex())) << c.typed;
  }
}

TEST(LanguageCombo, TheSearchFindsAnyPartOfANameOrTag) {
  LanguageCombo combo;
  const struct {
    const char *prefix;
    const char *first; // contained in the first language offered
  } cases[] = {{"austria", "German (Austria)"},
               {"de-CH", "German (Switzerland)"},
               {"sr-latn", "Serbian (Latin"}};
  for (const auto &c : cases) {
    QCompleter *search = combo.completer();
    ASSERT_NE(search, nullptr);
    search->setCompletionPrefix(QString::fromLatin1(c.prefix));
    ASSERT_GT(search->completionCount(), 0) << c.prefix;
    EXPECT_TRUE(search->currentCompletion().contains(QString::fromLatin1(c.first)))
        << c.prefix << ": " << search->currentCompletion().toStdString();
  }
}

} // namespace
} // namespace tarvelo::gui
