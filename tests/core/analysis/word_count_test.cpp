// The words and characters an analysis counts in a resource text.
#include "analysis/word_count.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct CountCase {
  const char *name;
  const char16_t *text;
  int words;
  int logographic;
  int characters;
};

class WordCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(WordCountTest, CountsWordsLogographsAndCharacters) {
  const CountCase &c = GetParam();
  const TextCount count = countText(QString::fromUtf16(c.text));
  EXPECT_EQ(count.words, c.words);
  EXPECT_EQ(count.logographic(), c.logographic);
  EXPECT_EQ(count.characters, c.characters);
}

const CountCase kCases[] = {
    {"Empty", u"", 0, 0, 0},
    {"OnlySpaces", u"   ", 0, 0, 0},
    {"PlainWords", u"Open the file", 3, 0, 11},
    {"AccessKeyMarkGoes", u"&Open File", 2, 0, 8},
    {"AccessKeyInsideAWord", u"Sa&ve As...", 2, 0, 9},
    {"DoubledAmpersandIsOneCharacter", u"Fish && Chips", 2, 0, 10},
    {"AmpersandBetweenWords", u"R&&D", 2, 0, 3},
    {"AccessKeyInBracketsGoesWhole", u"文件(&F)", 0, 2, 2},
    {"PrintfSpecifications", u"Copied %d of %s files", 3, 0, 13},
    {"PrintfWithWidth", u"%5.2f%% done", 1, 0, 5},
    {"NumberedInserts", u"%1 is not a valid %2!s! name", 5, 0, 15},
    {"BracedPlaceholders", u"Delete {0} items from {1}?", 3, 0, 16},
    {"EscapesPartWords", u"First line\\nSecond\\tline", 4, 0, 19},
    {"HexEscape", u"Tab\\x09here", 2, 0, 7},
    {"HyphenatedWordOnce", u"Read-only file", 2, 0, 13},
    {"ApostropheWordOnce", u"Don't save", 2, 0, 9},
    {"TypographicApostrophe", u"It\u2019s done", 2, 0, 8},
    {"DashBetweenSpacesIsNoWord", u"Yes - No", 2, 0, 6},
    {"TrailingHyphen", u"pre- and post-", 3, 0, 12},
    {"Punctuation", u"Name: (optional)...", 2, 0, 18},
    {"DecimalNumberIsOneWord", u"Version 2.10 build 7", 4, 0, 17},
    {"ThousandsSeparator", u"1,000 items", 2, 0, 10},
    {"FullStopAfterNumberEndsIt", u"Step 2.Next", 3, 0, 10},
    {"PercentWithoutSpecification", u"100% ready", 2, 0, 9},
    {"Chinese", u"打开文件", 0, 4, 4},
    {"JapaneseKanaAndKanji", u"ファイルを開く", 0, 7, 7},
    {"Korean", u"파일 열기", 0, 4, 4},
    {"MixedScripts", u"打开 README 文件(&O)", 1, 4, 10},
    {"ChineseWithSpecification", u"已复制 %d 个文件", 0, 6, 6},
    {"HanOutsideTheBasicPlane", u"\U00020000\U00020001", 0, 2, 2},
    {"AccentedWord", u"Caf\u00e9 ouvert", 2, 0, 10},
    {"CombiningMarkStaysInWord", u"Cafe\u0301 ouvert", 2, 0, 11},
};

INSTANTIATE_TEST_SUITE_P(Texts, WordCountTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CountCase> &info) {
                           return std::string(info.param.name);
                         });

TEST(WordCountWeightsTest, CharacterRuleCountsEachLogographAsAWord) {
  const TextCount count = countText(QStringLiteral(u"打开 README 文件"));
  EXPECT_DOUBLE_EQ(count.weightedWords(CountingRule::Characters, 0x04), 5);
}

TEST(WordCountWeightsTest, GmxVDividesEachScriptByItsFactor) {
  // Han weighs as the language of the text writes it.
  const TextCount han = countText(QStringLiteral(u"打开文件"));
  EXPECT_DOUBLE_EQ(han.weightedWords(CountingRule::GmxV, 0x04), 4 / 2.8);
  EXPECT_DOUBLE_EQ(han.weightedWords(CountingRule::GmxV, 0x11), 4 / 3.0);
  EXPECT_DOUBLE_EQ(han.weightedWords(CountingRule::GmxV, 0x12), 4 / 3.3);
  const TextCount kana = countText(QStringLiteral(u"ファイル OK"));
  EXPECT_DOUBLE_EQ(kana.weightedWords(CountingRule::GmxV, 0x04), 1 + 4 / 3.0);
  const TextCount hangul = countText(QStringLiteral(u"파일 열기"));
  EXPECT_DOUBLE_EQ(hangul.weightedWords(CountingRule::GmxV, 0x09), 4 / 3.3);
}

} // namespace
} // namespace tarvelo
