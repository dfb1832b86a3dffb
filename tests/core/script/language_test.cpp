// Tests: LANGUAGE names and numbers, code pages and guards of languages.
#include "script/language.h"

#include "text/locale_table.h"

#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct NamesCase {
  const char *primary;
  const char *sub;
  LanguageId expected;
};

TEST(LanguageFromNames, ReadsNamesAndNumbers) {
  const NamesCase cases[] = {
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_US", 0x0409},
      {"LANG_NEUTRAL", "SUBLANG_NEUTRAL", 0},
      {"LANG_NEUTRAL", "SUBLANG_DEFAULT", 0x0400},
      {"LANG_NEUTRAL", "SUBLANG_SYS_DEFAULT", 0x0800},
      // The pair is not checked for consistency.
      {"LANG_GERMAN", "SUBLANG_ENGLISH_UK", 7 | 2 << 10},
      {"9", "1", 0x0409},
      {"25", "0", 25},
      {"7abc", "2x", 7 | 2 << 10},
      // Numbers are read as the resource compiler reads them: hexadecimal and octal.
      {"0x09", "1", 0x0409},
      {"0x09", "0x01", 0x0409},
      {"0X1a", "0x02", 0x1a | 2 << 10},
      {"011", "01", 0x0409},
      {"0x80", "0x01", 0x0480},
      // Names are case-sensitive; anything else without leading digits is 0.
      {"lang_english", "sublang_english_us", 0},
      {"LANG_ENGLISH ", "SUBLANG_ENGLISH_US", 0x0400},
      {"", "", 0},
      {"-9", "+1", 0},
      // Kept to 16 bits.
      {"1023", "63", 0xffff},
      {"0", "64", 0},
      {"65537", "0", 1},
      {"99999999999999999999", "0", 0xffff},
  };
  for (const NamesCase &c : cases)
    EXPECT_EQ(languageFromNames(QString::fromLatin1(c.primary), QString::fromLatin1(c.sub)),
              c.expected)
        << c.primary << ", " << c.sub;
}

TEST(LanguageFromNames, NameTablesHoldEveryNameOnce) {
  int primaryCount = 0;
  int subCount = 0;
  const LanguageName *primary = primaryLanguageNames(&primaryCount);
  const LanguageName *sub = subLanguageNames(&subCount);
  EXPECT_EQ(primaryCount, 71);
  EXPECT_EQ(subCount, 92);

  QSet<QString> seen;
  for (int i = 0; i < primaryCount; ++i) {
    const QString name = QString::fromLatin1(primary[i].name);
    EXPECT_TRUE(name.startsWith(QLatin1String("LANG_"))) << primary[i].name;
    EXPECT_GE(primary[i].value, 0);
    EXPECT_LT(primary[i].value, 0x400) << primary[i].name;
    EXPECT_FALSE(seen.contains(name)) << primary[i].name;
    seen.insert(name);
  }
  for (int i = 0; i < subCount; ++i) {
    const QString name = QString::fromLatin1(sub[i].name);
    EXPECT_TRUE(name.startsWith(QLatin1String("SUBLANG_"))) << sub[i].name;
    EXPECT_GE(sub[i].value, 0);
    EXPECT_LT(sub[i].value, 0x40) << sub[i].name;
    EXPECT_FALSE(seen.contains(name)) << sub[i].name;
    seen.insert(name);
  }
}

struct ValueCase {
  const char *name;
  int value;
};

TEST(LanguageFromNames, KnowsTheHeaderValues) {
  const ValueCase primaries[] = {
      {"LANG_ARABIC", 0x01},   {"LANG_CHINESE", 0x04},    {"LANG_GERMAN", 0x07},
      {"LANG_ENGLISH", 0x09},  {"LANG_SPANISH", 0x0a},    {"LANG_JAPANESE", 0x11},
      {"LANG_KOREAN", 0x12},   {"LANG_POLISH", 0x15},     {"LANG_CROATIAN", 0x1a},
      {"LANG_SERBIAN", 0x1a},  {"LANG_URDU", 0x20},       {"LANG_UKRAINIAN", 0x22},
      {"LANG_FARSI", 0x29},    {"LANG_VIETNAMESE", 0x2a}, {"LANG_AFRIKAANS", 0x36},
      {"LANG_HINDI", 0x39},    {"LANG_KAZAK", 0x3f},      {"LANG_KONKANI", 0x57},
      {"LANG_KASHMIRI", 0x60}, {"LANG_NEPALI", 0x61},
  };
  for (const ValueCase &c : primaries)
    EXPECT_EQ(languageFromNames(QString::fromLatin1(c.name), u"0"), c.value) << c.name;

  // Language-specific sublanguages are checked through their locales below.
  const ValueCase subs[] = {
      {"SUBLANG_NEUTRAL", 0x00},
      {"SUBLANG_DEFAULT", 0x01},
      {"SUBLANG_SYS_DEFAULT", 0x02},
      {"SUBLANG_KASHMIRI_INDIA", 0x02},
  };
  for (const ValueCase &c : subs)
    EXPECT_EQ(languageFromNames(u"0", QString::fromLatin1(c.name)), c.value << 10) << c.name;
}

struct PairCase {
  const char *primary;
  const char *sub;
  const char *tag;
};

// Every language-specific sublanguage with its own language names a locale of the
// table, so the name values and the locale identifiers check each other.
TEST(LanguageFromNames, NamedPairsAreTheirLocales) {
  const PairCase cases[] = {
      {"LANG_ARABIC", "SUBLANG_ARABIC_SAUDI_ARABIA", "ar-SA"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_IRAQ", "ar-IQ"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_EGYPT", "ar-EG"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_LIBYA", "ar-LY"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_ALGERIA", "ar-DZ"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_MOROCCO", "ar-MA"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_TUNISIA", "ar-TN"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_OMAN", "ar-OM"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_YEMEN", "ar-YE"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_SYRIA", "ar-SY"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_JORDAN", "ar-JO"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_LEBANON", "ar-LB"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_KUWAIT", "ar-KW"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_UAE", "ar-AE"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_BAHRAIN", "ar-BH"},
      {"LANG_ARABIC", "SUBLANG_ARABIC_QATAR", "ar-QA"},
      {"LANG_AZERI", "SUBLANG_AZERI_LATIN", "az-Latn-AZ"},
      {"LANG_AZERI", "SUBLANG_AZERI_CYRILLIC", "az-Cyrl-AZ"},
      {"LANG_CHINESE", "SUBLANG_CHINESE_TRADITIONAL", "zh-TW"},
      {"LANG_CHINESE", "SUBLANG_CHINESE_SIMPLIFIED", "zh-CN"},
      {"LANG_CHINESE", "SUBLANG_CHINESE_HONGKONG", "zh-HK"},
      {"LANG_CHINESE", "SUBLANG_CHINESE_SINGAPORE", "zh-SG"},
      {"LANG_CHINESE", "SUBLANG_CHINESE_MACAU", "zh-MO"},
      {"LANG_DUTCH", "SUBLANG_DUTCH", "nl-NL"},
      {"LANG_DUTCH", "SUBLANG_DUTCH_BELGIAN", "nl-BE"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_US", "en-US"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_UK", "en-GB"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_AUS", "en-AU"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_CAN", "en-CA"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_NZ", "en-NZ"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_EIRE", "en-IE"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_SOUTH_AFRICA", "en-ZA"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_JAMAICA", "en-JM"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_CARIBBEAN", "en-029"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_BELIZE", "en-BZ"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_TRINIDAD", "en-TT"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_ZIMBABWE", "en-ZW"},
      {"LANG_ENGLISH", "SUBLANG_ENGLISH_PHILIPPINES", "en-PH"},
      {"LANG_FRENCH", "SUBLANG_FRENCH", "fr-FR"},
      {"LANG_FRENCH", "SUBLANG_FRENCH_BELGIAN", "fr-BE"},
      {"LANG_FRENCH", "SUBLANG_FRENCH_CANADIAN", "fr-CA"},
      {"LANG_FRENCH", "SUBLANG_FRENCH_SWISS", "fr-CH"},
      {"LANG_FRENCH", "SUBLANG_FRENCH_LUXEMBOURG", "fr-LU"},
      {"LANG_FRENCH", "SUBLANG_FRENCH_MONACO", "fr-MC"},
      {"LANG_GERMAN", "SUBLANG_GERMAN", "de-DE"},
      {"LANG_GERMAN", "SUBLANG_GERMAN_SWISS", "de-CH"},
      {"LANG_GERMAN", "SUBLANG_GERMAN_AUSTRIAN", "de-AT"},
      {"LANG_GERMAN", "SUBLANG_GERMAN_LUXEMBOURG", "de-LU"},
      {"LANG_GERMAN", "SUBLANG_GERMAN_LIECHTENSTEIN", "de-LI"},
      {"LANG_ITALIAN", "SUBLANG_ITALIAN", "it-IT"},
      {"LANG_ITALIAN", "SUBLANG_ITALIAN_SWISS", "it-CH"},
      {"LANG_KOREAN", "SUBLANG_KOREAN", "ko-KR"},
      {"LANG_LITHUANIAN", "SUBLANG_LITHUANIAN", "lt-LT"},
      {"LANG_MALAY", "SUBLANG_MALAY_MALAYSIA", "ms-MY"},
      {"LANG_MALAY", "SUBLANG_MALAY_BRUNEI_DARUSSALAM", "ms-BN"},
      {"LANG_NEPALI", "SUBLANG_NEPALI_INDIA", "ne-IN"},
      {"LANG_NORWEGIAN", "SUBLANG_NORWEGIAN_BOKMAL", "nb-NO"},
      {"LANG_NORWEGIAN", "SUBLANG_NORWEGIAN_NYNORSK", "nn-NO"},
      {"LANG_PORTUGUESE", "SUBLANG_PORTUGUESE", "pt-PT"},
      {"LANG_PORTUGUESE", "SUBLANG_PORTUGUESE_BRAZILIAN", "pt-BR"},
      {"LANG_SERBIAN", "SUBLANG_SERBIAN_LATIN", "sr-Latn-CS"},
      {"LANG_SERBIAN", "SUBLANG_SERBIAN_CYRILLIC", "sr-Cyrl-CS"},
      {"LANG_SPANISH", "SUBLANG_SPANISH", "es-ES-u-co-trad"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_MEXICAN", "es-MX"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_MODERN", "es-ES"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_GUATEMALA", "es-GT"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_COSTA_RICA", "es-CR"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_PANAMA", "es-PA"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_DOMINICAN_REPUBLIC", "es-DO"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_VENEZUELA", "es-VE"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_COLOMBIA", "es-CO"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_PERU", "es-PE"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_ARGENTINA", "es-AR"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_ECUADOR", "es-EC"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_CHILE", "es-CL"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_URUGUAY", "es-UY"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_PARAGUAY", "es-PY"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_BOLIVIA", "es-BO"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_EL_SALVADOR", "es-SV"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_HONDURAS", "es-HN"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_NICARAGUA", "es-NI"},
      {"LANG_SPANISH", "SUBLANG_SPANISH_PUERTO_RICO", "es-PR"},
      {"LANG_SWEDISH", "SUBLANG_SWEDISH", "sv-SE"},
      {"LANG_SWEDISH", "SUBLANG_SWEDISH_FINLAND", "sv-FI"},
      {"LANG_URDU", "SUBLANG_URDU_PAKISTAN", "ur-PK"},
      {"LANG_URDU", "SUBLANG_URDU_INDIA", "ur-IN"},
      {"LANG_UZBEK", "SUBLANG_UZBEK_LATIN", "uz-Latn-UZ"},
      {"LANG_UZBEK", "SUBLANG_UZBEK_CYRILLIC", "uz-Cyrl-UZ"},
      {"LANG_RUSSIAN", "SUBLANG_DEFAULT", "ru-RU"},
      {"LANG_JAPANESE", "SUBLANG_DEFAULT", "ja-JP"},
      {"LANG_CROATIAN", "SUBLANG_DEFAULT", "hr-HR"},
      {"LANG_FARSI", "SUBLANG_DEFAULT", "fa-IR"},
      {"LANG_KAZAK", "SUBLANG_DEFAULT", "kk-KZ"},
      {"LANG_FAEROESE", "SUBLANG_DEFAULT", "fo-FO"},
      {"LANG_KONKANI", "SUBLANG_DEFAULT", "kok-IN"},
  };
  for (const PairCase &c : cases) {
    const LanguageId id =
        languageFromNames(QString::fromLatin1(c.primary), QString::fromLatin1(c.sub));
    const LocaleInfo *info = findLocale(id);
    ASSERT_NE(info, nullptr) << c.primary << ", " << c.sub;
    EXPECT_STREQ(info->tag, c.tag) << c.primary << ", " << c.sub;
  }
}

TEST(LanguageId, SplitsAndJoins) {
  const struct {
    LanguageId id;
    int primary;
    int sub;
  } cases[] = {{0x0409, 0x09, 1},     {0x0c0a, 0x0a, 3}, {0x7c04, 0x04, 0x1f},
               {0xffff, 0x3ff, 0x3f}, {0, 0, 0},         {0x0400, 0, 1}};
  for (const auto &c : cases) {
    EXPECT_EQ(primaryLanguage(c.id), c.primary) << c.id;
    EXPECT_EQ(subLanguage(c.id), c.sub) << c.id;
    EXPECT_EQ(makeLanguageId(c.primary, c.sub), c.id) << c.id;
  }
}

struct DerivedCase {
  LanguageId id;
  int codePage;
  const char *abbreviation;
  const char *written;
};

TEST(Language, CodePageAndAbbreviation) {
  const DerivedCase cases[] = {
      {1033, 1252, "ENU", "1252"},
      {2057, 1252, "ENG", "1252"},
      {1031, 1252, "DEU", "1252"},
      {2055, 1252, "DES", "1252"},
      {1036, 1252, "FRA", "1252"},
      {1049, 1251, "RUS", "1251"},
      {1058, 1251, "UKR", "1251"},
      {1045, 1250, "PLK", "1250"},
      {1029, 1250, "CSY", "1250"},
      {1032, 1253, "ELL", "1253"},
      {1055, 1254, "TRK", "1254"},
      {1037, 1255, "HEB", "1255"},
      {1025, 1256, "ARA", "1256"},
      {3073, 1256, "ARE", "1256"},  // ar-EG
      {14337, 1256, "ARU", "1256"}, // ar-AE
      {1061, 1257, "ETI", "1257"},
      {1066, 1258, "VIT", "1258"},
      {1054, 874, "THA", "874"},
      {1041, 932, "JPN", "932"},
      {2052, 936, "CHS", "936"},
      {4100, 936, "ZHI", "936"},
      {1042, 949, "KOR", "949"},
      {1028, 950, "CHT", "950"},
      {3076, 950, "ZHH", "950"},
      {5124, 950, "ZHM", "950"},
      {31748, 950, "CHT", "950"},
      {4, 936, "CHS", "936"},
      {1046, 1252, "PTB", "1252"},
      {2070, 1252, "PTG", "1252"},
      {1034, 1252, "ESP", "1252"},
      {3082, 1252, "ESN", "1252"},
      {1053, 1252, "SVE", "1252"},
      {1044, 1252, "NOR", "1252"},
      {2068, 1252, "NON", "1252"},
      {1152, 1256, "UIG", "1256"},
      {1081, 0, "HIN", "0"},
      {1079, 0, "KAT", "0"},
      {1067, 0, "HYE", "0"},
      {1097, 0, "TAI", "0"},
      // The neutral language writes 1250 although it has no locale of its own.
      {0, 0, "NEU", "1250"},
      // Missing identifiers fall back to the primary language's default locale.
      {0x0009, 1252, "ENU", "1252"},
      {0x1419, 1251, "RUS", "1251"},
      {0x7c07, 1252, "DEU", "1252"},
      // Nothing to fall back to.
      {0x0400, 0, "", "0"},
      {0x0800, 0, "", "0"},
      {0x03ff, 0, "", "0"},
      {-1, 0, "", "0"},
  };
  for (const DerivedCase &c : cases) {
    EXPECT_EQ(defaultCodePage(c.id), c.codePage) << c.id;
    EXPECT_EQ(languageAbbreviation(c.id), QLatin1String(c.abbreviation)) << c.id;
    EXPECT_EQ(writtenCodePageText(c.id), QLatin1String(c.written)) << c.id;
  }
}

TEST(Language, TargetGuardName) {
  EXPECT_EQ(targetGuardName(1033), u"AFX_TARG_ENU");
  EXPECT_EQ(targetGuardName(1031), u"AFX_TARG_DEU");
  EXPECT_EQ(targetGuardName(0), u"AFX_TARG_NEU");
  EXPECT_EQ(targetGuardName(2052), u"AFX_TARG_CHS");
}

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

TEST(LanguageFromNames, LaterSdkNamesReadAsTheCompilerReadsThem) {
  struct Case {
    const char *primary, *sub;
    int expected;
  } cases[] = {
      {"LANG_JAPANESE", "SUBLANG_JAPANESE_JAPAN", 0x0411},
      {"LANG_RUSSIAN", "SUBLANG_RUSSIAN_RUSSIA", 0x0419},
      {"LANG_CHINESE_TRADITIONAL", "SUBLANG_CHINESE_TRADITIONAL", 0x7c04},
      {"LANG_CHINESE_SIMPLIFIED", "SUBLANG_CHINESE_SIMPLIFIED", 0x0804},
      {"LANG_UIGHUR", "SUBLANG_UIGHUR_PRC", 0x0480},
      {"LANG_SERBIAN", "SUBLANG_SERBIAN_SERBIA_LATIN", 0x241a},
  };
  for (const Case &c : cases)
    EXPECT_EQ(languageFromNames(QString::fromLatin1(c.primary), QString::fromLatin1(c.sub)),
              c.expected)
        << c.primary << ", " << c.sub;
}

} // namespace
} // namespace tarvelo
