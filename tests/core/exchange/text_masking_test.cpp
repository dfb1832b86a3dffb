// Masking texts for translation services, and each provider's language codes.
#include "exchange/language_codes.h"
#include "exchange/text_masking.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct MaskCase {
  const char *name;
  const char *source;
  const char *sent;        // what the service sees
  const char *translation; // what it answers
  const char *result;      // the target text
};

class TextMaskingTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(TextMaskingTest, KeepsWhatTheTranslationMustKeep) {
  const MaskCase &c = GetParam();
  const MaskedText masked = maskText(QString::fromUtf8(c.source));
  EXPECT_EQ(masked.sent, QString::fromUtf8(c.sent)) << c.source;
  EXPECT_EQ(unmaskText(masked, QString::fromUtf8(c.translation)), QString::fromUtf8(c.result))
      << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextMaskingTest,
    ::testing::Values(
        // The access key goes before the same letter, else before the first letter.
        MaskCase{"AccessKeyLetterMissing", "&File", "File", "Datei", "&Datei"},
        MaskCase{"AccessKeyOnTheSameLetter", "&Help", "Help", "Hilfe", "&Hilfe"},
        MaskCase{"AccessKeyInsideAWord", "E&xit", "Exit", "Beenden", "&Beenden"},
        MaskCase{"AccessKeyOnTheSecondWord", "Print &All", "Print All", "Alles drucken",
                 "&Alles drucken"},
        MaskCase{"AccessKeyAfterAQuote", "&Open", "Open", "\"Öffnen\"", "\"&Öffnen\""},
        MaskCase{"AccessKeyOnADigit", "&1 item", "1 item", "1 Element", "&1 Element"},
        MaskCase{"DoubledAmpersand", "Fish && Chips", "Fish {0} Chips", "Fisch {0} Pommes",
                 "Fisch && Pommes"},
        MaskCase{"TrailingAmpersand", "Trailing &", "Trailing", "Hinten", "Hinten &"},
        // Format specifications of the inspection and numbered inserts.
        MaskCase{"PrintfInteger", "%d files", "{0} files", "{0} Dateien", "%d Dateien"},
        MaskCase{"PrintfFloatWithFlags", "%-5.2f MB free", "{0} MB free", "{0} MB frei",
                 "%-5.2f MB frei"},
        MaskCase{"NumberedInsertsReordered", "Copy %1 to %2", "Copy {0} to {1}",
                 "{1}: {0} kopieren", "%2: %1 kopieren"},
        MaskCase{"InsertWithItsFormat", "Size %1!d! bytes", "Size {0} bytes", "Größe {0} Bytes",
                 "Größe %1!d! Bytes"},
        MaskCase{"DoubledPercent", "100%% done", "100{0} done", "100{0} fertig", "100%% fertig"},
        MaskCase{"PrintfSizePrefixes", "%ls of %I64u", "{0} of {1}", "{0} von {1}",
                 "%ls von %I64u"},
        MaskCase{"BracesOfTheSource", "Use {0} here", "Use {0} here", "{0} hier", "{0} hier"},
        // Escapes stay escapes; at either end they are kept aside.
        MaskCase{"EscapeInside", "Line\\nNext", "Line{0}Next", "Zeile{0}Weiter", "Zeile\\nWeiter"},
        MaskCase{"EscapeAtTheEnd", "Error:\\n", "Error:", "Fehler:", "Fehler:\\n"},
        MaskCase{"EscapeAndAccessKeyAtTheStart", "\\t&Name:", "Name:", "Name:", "\\t&Name:"},
        MaskCase{"TabEscapeInside", "Name:\\tValue", "Name:{0}Value", "Name:{0}Wert",
                 "Name:\\tWert"},
        MaskCase{"EscapedBackslash", "Path \\\\ here", "Path {0} here", "Pfad {0} hier",
                 "Pfad \\\\ hier"},
        MaskCase{"HexEscape", "Tab\\x09x", "Tab{0}x", "Tab{0}x", "Tab\\x09x"},
        // Spaces of the source are carried over; the service's are not.
        MaskCase{"SurroundingSpaces", "  Padded  ", "Padded", " Gepolstert ", "  Gepolstert  "},
        // A service that spaces out or drops a placeholder.
        MaskCase{"PlaceholderSpacedOut", "%d files", "{0} files", "{ 0 } Dateien", "%d Dateien"},
        MaskCase{"PlaceholderDropped", "%d files", "{0} files", "Dateien", "Dateien%d"},
        // Nothing to translate: no request, the text as it is.
        MaskCase{"OnlyAFormat", "%s", "", "", "%s"}, MaskCase{"OnlyAnEscape", "\\n", "", "", "\\n"},
        MaskCase{"OnlyAnAccessKeyAndAFormat", "&%s", "", "", "&%s"},
        // An empty answer is no translation.
        MaskCase{"EmptyAnswer", "Open", "Open", "  ", ""},
        // An insert's format is short: a far "!" does not make the rest of the text one.
        MaskCase{"FarExclamationMark", "%1! Hello, world!", "{0}! Hello, world!",
                 "{0}! Hallo, Welt!", "%1! Hallo, Welt!"},
        MaskCase{"InsertFormatThenText", "%1!-10ls! x", "{0} x", "{0} y", "%1!-10ls! y"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AnswerRefusalTest, AnAnswerMustNotGrowThePieces) {
  const MaskedText masked = maskText("Copy %1!s! to %2");
  const QString flood = QString("{0}").repeated(100000);
  const struct {
    QString answer;
    const char *refusal; // empty when it is taken
  } cases[] = {
      {"{1}: {0} kopieren", ""},
      {"{0} {0} {1}", "more placeholders"},
      {"{ 0 }{ 1 }{0}", "more placeholders"},
      {flood, "more placeholders"},
      {QString(10 * masked.sent.size() + 100, QChar('x')), ""},
      {QString(10 * masked.sent.size() + 101, QChar('x')), "much longer"},
  };
  for (const auto &c : cases)
    EXPECT_TRUE(c.refusal[0] == 0 ? answerRefusal(masked, c.answer).isEmpty()
                                  : answerRefusal(masked, c.answer).contains(c.refusal))
        << c.answer.left(40).toStdString();
}

struct CodeCase {
  const char *name;
  int language;
  const char *libre;
  const char *deeplSource;
  const char *deeplTarget;
  const char *myMemory;
};

class LanguageCodesTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(LanguageCodesTest, MapToEachProvidersCodes) {
  const CodeCase &c = GetParam();
  EXPECT_EQ(providerLanguageCode(MtProviderKind::LibreTranslate, c.language, true), c.libre);
  EXPECT_EQ(providerLanguageCode(MtProviderKind::DeepL, c.language, false), c.deeplSource);
  EXPECT_EQ(providerLanguageCode(MtProviderKind::DeepL, c.language, true), c.deeplTarget);
  EXPECT_EQ(providerLanguageCode(MtProviderKind::MyMemory, c.language, true), c.myMemory);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageCodesTest,
    ::testing::Values(CodeCase{"EnglishUnitedStates", 1033, "en", "EN", "EN-US", "en"},
                      CodeCase{"EnglishUnitedKingdom", 2057, "en", "EN", "EN-GB", "en"},
                      CodeCase{"German", 1031, "de", "DE", "DE", "de"},
                      CodeCase{"ChinesePrc", 2052, "zh", "ZH", "ZH-HANS", "zh-CN"},
                      CodeCase{"ChineseTaiwan", 1028, "zt", "ZH", "ZH-HANT", "zh-TW"},
                      CodeCase{"ChineseHongKong", 3076, "zt", "ZH", "ZH-HANT", "zh-TW"},
                      CodeCase{"ChineseSingapore", 4100, "zh", "ZH", "ZH-HANS", "zh-CN"},
                      CodeCase{"PortugueseBrazil", 1046, "pb", "PT", "PT-BR", "pt-BR"},
                      CodeCase{"PortuguesePortugal", 2070, "pt", "PT", "PT-PT", "pt-PT"},
                      CodeCase{"Hebrew", 1037, "he", "HE", "HE", "he"},
                      CodeCase{"NorwegianBokmal", 1044, "nb", "NB", "NB", "no"},
                      CodeCase{"Croatian", 1050, "hr", "", "", "hr"},
                      CodeCase{"Hindi", 1081, "hi", "", "", "hi"},
                      // Romansh (primary 23) is not in the table.
                      CodeCase{"Romansh", 1047, "", "", "", ""},
                      CodeCase{"Neutral", 0, "", "", "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MachineLanguageCodeTest, FollowsTheTableByPrimaryLanguage) {
  EXPECT_EQ(machineLanguageCode(1033), "en");
  EXPECT_EQ(machineLanguageCode(0x0c04), "zh-CN");
  EXPECT_EQ(machineLanguageCode(0x0416), "pt-PT");
  EXPECT_EQ(machineLanguageCode(0x040d), "iw");
  EXPECT_EQ(machineLanguageCode(23), "not");
  EXPECT_EQ(machineLanguageCode(0x0461), "ne");
}

} // namespace
} // namespace tarvelo
