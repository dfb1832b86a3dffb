// The locale table: well-formed rows, known locales, code pages and names.
#include "text/locale_table.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QList<const LocaleInfo *> allLocales() {
  qsizetype count = 0;
  const LocaleInfo *table = localeTable(&count);
  QList<const LocaleInfo *> list;
  for (qsizetype i = 0; i < count; ++i)
    list.append(table + i);
  return list;
}

TEST(LocaleTable, RowsAreWellFormed) {
  const QList<const LocaleInfo *> locales = allLocales();
  EXPECT_GE(locales.size(), 200);
  // Language, optional script, optional region (letters or UN M.49 digits), variants,
  // and a Unicode extension.
  const QRegularExpression tagShape(
      QStringLiteral("^[a-z]{2,3}(-[A-Z][a-z]{3})?(-([A-Z]{2}|[0-9]{3}))?(-[a-z0-9]{5,8})*"
                     "(-u(-[a-z0-9]{2,8})+)?$"));
  const QRegularExpression abbreviationShape(QStringLiteral("^[A-Z]{3}$"));
  const QSet<int> codePages = {0,    874,  932,  936,  949,  950,  1250, 1251,
                               1252, 1253, 1254, 1255, 1256, 1257, 1258};
  QSet<QString> tags;
  int previous = -1;
  for (const LocaleInfo *info : locales) {
    const QString tag = QString::fromLatin1(info->tag);
    EXPECT_GT(int(info->lcid), previous) << tag.toStdString(); // ascending, so unique
    previous = info->lcid;
    EXPECT_TRUE(tagShape.match(tag).hasMatch()) << info->tag;
    EXPECT_FALSE(tags.contains(tag)) << info->tag;
    tags.insert(tag);
    EXPECT_TRUE(abbreviationShape.match(QLatin1String(info->abbreviation)).hasMatch()) << info->tag;
    EXPECT_TRUE(codePages.contains(info->ansiCodePage)) << info->tag;
    EXPECT_EQ(findLocale(info->lcid), info) << info->tag;
  }
}

TEST(LocaleTable, FindsOnlyWhatItHolds) {
  for (int lcid : {-1, 0, 0x0009, 0x0400, 0x0800, 0x03ff, 0xffff, 0x10407, 0x8000})
    EXPECT_EQ(findLocale(lcid), nullptr) << lcid;
}

struct Row {
  int lcid;
  const char *tag;
  int codePage;
  const char *abbreviation;
};

TEST(LocaleTable, KnownLocales) {
  // Rows that no language name pair reaches, and the ones most often written.
  const Row rows[] = {
      {0x0004, "zh-Hans", 936, "CHS"},     {0x7c04, "zh-Hant", 950, "CHT"},
      {0x0409, "en-US", 1252, "ENU"},      {0x0c01, "ar-EG", 1256, "ARE"},
      {0x3801, "ar-AE", 1256, "ARU"},      {0x0480, "ug-CN", 1256, "UIG"},
      {0x040d, "he-IL", 1255, "HEB"},      {0x0422, "uk-UA", 1251, "UKR"},
      {0x042a, "vi-VN", 1258, "VIT"},      {0x041e, "th-TH", 874, "THA"},
      {0x0439, "hi-IN", 0, "HIN"},         {0x0437, "ka-GE", 0, "KAT"},
      {0x241a, "sr-Latn-RS", 1250, "SRM"}, {0x281a, "sr-Cyrl-RS", 1251, "SRO"},
      {0x141a, "bs-Latn-BA", 1250, "BSB"}, {0x0492, "ku-Arab-IQ", 1256, "KUR"},
  };
  for (const Row &row : rows) {
    const LocaleInfo *info = findLocale(row.lcid);
    ASSERT_NE(info, nullptr) << row.tag;
    EXPECT_STREQ(info->tag, row.tag);
    EXPECT_EQ(info->ansiCodePage, row.codePage) << row.tag;
    EXPECT_STREQ(info->abbreviation, row.abbreviation) << row.tag;
  }
}

// A language written in one script has one ANSI code page wherever it is spoken;
// Chinese alone differs between its simplified and traditional regions.
TEST(LocaleTable, OneCodePagePerLanguageAndScript) {
  QHash<QString, const LocaleInfo *> first;
  for (const LocaleInfo *info : allLocales()) {
    const QStringList subtags = QString::fromLatin1(info->tag).split(QLatin1Char('-'));
    if (subtags.first() == QLatin1String("zh"))
      continue;
    QString key = subtags.first();
    if (subtags.size() > 1 && subtags.at(1).size() == 4)
      key += QLatin1Char('-') + subtags.at(1);
    const LocaleInfo *other = first.value(key);
    if (!other) {
      first.insert(key, info);
      continue;
    }
    EXPECT_EQ(info->ansiCodePage, other->ansiCodePage) << info->tag << " vs " << other->tag;
  }
}

TEST(LocaleTable, InstalledLocalesAreTheNamedOnes) {
  const QList<const LocaleInfo *> installed = installedLocales();
  EXPECT_GE(installed.size(), 200);
  const QSet<const LocaleInfo *> installedSet(installed.begin(), installed.end());
  QSet<QString> names;
  int previous = -1;
  for (const LocaleInfo *info : installed) {
    EXPECT_GT(int(info->lcid), previous) << info->tag;
    previous = info->lcid;
    const QString name = localizedLanguageName(info->lcid);
    EXPECT_FALSE(englishLanguageName(info->lcid).isEmpty()) << info->tag;
    EXPECT_FALSE(name.isEmpty()) << info->tag;
    // A chooser must tell every entry apart.
    EXPECT_FALSE(names.contains(name)) << info->tag << ": " << name.toStdString();
    names.insert(name);
  }
  for (const LocaleInfo *info : allLocales()) {
    if (installedSet.contains(info))
      continue;
    EXPECT_TRUE(englishLanguageName(info->lcid).isEmpty()) << info->tag;
    EXPECT_TRUE(localizedLanguageName(info->lcid).isEmpty()) << info->tag;
  }
  for (int lcid : {0x0409, 0x0407, 0x0804, 0x0404, 0x7c04, 0x0419, 0x0411})
    EXPECT_TRUE(installedSet.contains(findLocale(lcid))) << lcid;
}

struct NameCase {
  int lcid;
  const char *english;
  const char *localized;
};

TEST(LocaleTable, LanguageNames) {
  const NameCase cases[] = {
      {0x0409, "English", "English (United States)"},
      {0x0809, "English", "English (United Kingdom)"},
      {0x2409, "English", "English (Caribbean)"},
      {0x0407, "German", "German (Germany)"},
      {0x0807, "German", "German (Switzerland)"},
      {0x0405, "Czech", "Czech (Czechia)"},
      {0x0419, "Russian", "Russian (Russia)"},
      {0x0804, "Chinese", "Chinese (Simplified, China)"},
      {0x0c04, "Chinese", "Chinese (Traditional, Hong Kong)"},
      {0x7c04, "Chinese", "Chinese (Traditional)"},
      {0x0004, "Chinese", "Chinese (Simplified)"},
      {0x241a, "Serbian", "Serbian (Latin, Serbia)"},
      {0x281a, "Serbian", "Serbian (Cyrillic, Serbia)"},
      {0x081a, "Serbian", "Serbian (Latin, Serbia and Montenegro (Former))"},
      {0x040a, "Spanish", "Spanish (Spain, Traditional Sort)"},
      {0x0c0a, "Spanish", "Spanish (Spain)"},
      {0x0803, "Catalan", "Catalan (Spain, Valencian)"},
      {0x103b, "Lule Sami", "Lule Sami (Norway)"},
      {0, "", ""},
      {-1, "", ""},
      {0x0400, "", ""},
  };
  for (const NameCase &c : cases) {
    EXPECT_EQ(englishLanguageName(c.lcid), QLatin1String(c.english)) << c.lcid;
    EXPECT_EQ(localizedLanguageName(c.lcid), QLatin1String(c.localized)) << c.lcid;
  }
}

TEST(LocaleTable, LanguageIdForLocale) {
  const struct {
    const char *locale;
    int lcid;
  } cases[] = {
      {"en_US", 0x0409},
      {"en_GB", 0x0809},
      {"de_DE", 0x0407},
      {"de_CH", 0x0807},
      // A region the table lacks takes the language's default locale.
      {"de_BE", 0x0407},
      {"en_KE", 0x0409},
      // Region and script decide between the Serbian and Chinese locales.
      {"sr_RS", 0x281a},
      {"sr_Latn_RS", 0x241a},
      {"zh_CN", 0x0804},
      {"zh_TW", 0x0404},
      {"zh_HK", 0x0c04},
      // Spain is the modern sort, not the traditional one.
      {"es_ES", 0x0c0a},
      {"ca_ES", 0x0403},
      {"pt_PT", 0x0816},
      {"pt_BR", 0x0416},
      {"nn_NO", 0x0814},
      {"C", 0x0409},
  };
  for (const auto &c : cases)
    EXPECT_EQ(languageIdForLocale(QLocale(QString::fromLatin1(c.locale))), c.lcid) << c.locale;
  EXPECT_NE(findLocale(systemLanguageId()), nullptr);
}

} // namespace
} // namespace tarvelo
