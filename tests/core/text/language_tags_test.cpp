// Languages given as tags or numbers: the Windows language each names, and the
// suggestions for one that names none.
#include "text/language_tags.h"
#include "text/locale_table.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(LanguageTags, EachTagNamesItsWindowsLanguage) {
  const struct {
    const char *tag;
    int lcid;
  } cases[] = {
      {"en-US", 0x0409},      {"EN-us", 0x0409},      {"de_AT", 0x0c07},
      {"de", 0x0407},         {"fr", 0x040c},         {"ja", 0x0411},
      {"zh-Hant-TW", 0x0404}, {"zh-hans-cn", 0x0804}, {"zh-Hant", 0x7c04},
      {"zh-TW", 0x0404},      {"zh", 0x0804},         {"sr-Latn", 0x241a},
      {"sr-Latn-CS", 0x081a}, {"sr-Cyrl-RS", 0x281a}, {"sr-RS", 0x281a},
      {"sr-Latn-ME", 0x2c1a}, {"pt", 0x0416},         {"pt-PT", 0x0816},
      {"nb-NO", 0x0414},      {"he", 0x040d},         {"xx", -1},
      {"de-XX", -1},          {"en-US-x-foo", -1},    {"", -1},
      {"Latn", -1},
  };
  for (const auto &c : cases)
    EXPECT_EQ(languageForTag(QString::fromLatin1(c.tag)), c.lcid) << c.tag;
}

TEST(LanguageTags, EveryTagOfTheTableNamesItsOwnLanguage) {
  qsizetype count = 0;
  const LocaleInfo *table = localeTable(&count);
  for (qsizetype i = 0; i < count; ++i)
    EXPECT_EQ(languageForTag(QString::fromLatin1(table[i].tag)), table[i].lcid) << table[i].tag;
}

TEST(LanguageTags, NumbersAndTagsAreParsedAndWrongOnesSuggestTheNearest) {
  const struct {
    const char *text;
    bool ok;
    int language;
    const char *said; // in the error
  } cases[] = {
      {"1031", true, 1031, ""},
      {"0x407", true, 0x407, ""},
      {"-1", true, -1, ""},
      {"0", true, 0, ""},
      {"de-CH", true, 0x0807, ""},
      {"70000", false, 0, "outside -1 to 65535"},
      {"de-XX", false, 0, "nearest: de-"},
      {"en_UK", false, 0, "nearest: en-"},
      {"deu", false, 0, "'deu' is no language tag or number Windows knows"},
  };
  for (const auto &c : cases) {
    int language = -3;
    QString error;
    EXPECT_EQ(parseLanguage(QString::fromLatin1(c.text), language, error), c.ok) << c.text;
    if (c.ok)
      EXPECT_EQ(language, c.language) << c.text;
    else
      EXPECT_TRUE(error.contains(QString::fromLatin1(c.said))) << error.toStdString();
  }
  const QStringList nearest = nearestLanguageTags(QStringLiteral("en-UK"), 3);
  ASSERT_EQ(nearest.size(), 3);
  for (const QString &tag : nearest)
    EXPECT_TRUE(tag.startsWith(QStringLiteral("en-"))) << tag.toStdString();
}

} // namespace
} // namespace tarvelo
