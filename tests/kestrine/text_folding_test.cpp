// The text comparison behind the memory's equality, indexes and LIKE.

#include "text_folding.h"

#include <gtest/gtest.h>

#include <random>

namespace kestrine {
namespace {

int sign(int value) {
  return (value > 0) - (value < 0);
}

struct Comparison {
  const char *a;
  const char *b;
  int expected;
};

TEST(CompareFolded, IgnoresCaseOnlyAsTheCaseTableSays) {
  const Comparison cases[] = {
      {"", "", 0},
      {"abc", "ABC", 0},
      {"да", "ДА", 0},
      {"Ärger", "äRGER", 0},
      {"ǅ", "Ǆ", 0},
      {"İ", "i", 0},  // capital I with dot lowers to i
      {"ı", "I", 1},  // but dotless i has no lower form of its own: ı > i
      {"ς", "Σ", -1}, // Σ lowers to σ, which sorts after the final ς
      {"ß", "SS", 1}, // no expansions
      {"a", "b", -1},
      {"B", "a", 1}, // folded first, so not by the upper-case code
      {"ab", "a", 1},
      {"a", "ab", -1},
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", 0}, // beyond the BMP: a surrogate pair
      {"\xF0\x9F\x98\x80", "\xEF\xBF\xBF", -1},    // ... which sorts below U+FFFF
      {"\xFF", "\xFE", 0},                         // malformed bytes are both U+FFFD
      {"\xC3", "\xEF\xBF\xBD", 0},                 // a cut sequence too
      {"\xED\xA0\x80", "\xED\xA0\x81", -1},        // encoded lone surrogates keep their value
  };
  for (const Comparison &c : cases) {
    EXPECT_EQ(sign(compareFolded(c.a, c.b)), c.expected) << c.a << " / " << c.b;
    EXPECT_EQ(sign(compareFolded(c.b, c.a)), -c.expected) << c.b << " / " << c.a;
  }
}

// An index stays usable only if the collation is a consistent order: it must agree with
// comparing the folded forms, for any bytes at all.
TEST(CompareFolded, AgreesWithTheFoldedFormsForArbitraryBytes) {
  std::mt19937 random(7);
  const std::string alphabet[] = {"a",        "A",        "z",        "\xC3\xA4",
                                  "\xC3\x84", "\xD0\x94", "\xD0\xB4", "\xF0\x9F\x98\x80",
                                  "\xFF",     "\xE2\x82", " "};
  for (int round = 0; round < 20000; ++round) {
    std::string texts[2];
    for (std::string &text : texts) {
      const int length = int(random() % 5);
      for (int i = 0; i < length; ++i)
        text += alphabet[random() % std::size(alphabet)];
    }
    std::u16string folded[2];
    appendFolded(texts[0], folded[0]);
    appendFolded(texts[1], folded[1]);
    const int expected = folded[0] < folded[1] ? -1 : (folded[1] < folded[0] ? 1 : 0);
    ASSERT_EQ(sign(compareFolded(texts[0], texts[1])), expected) << texts[0] << " / " << texts[1];
  }
}

struct LikeCase {
  const char *pattern;
  const char *text;
  bool matches;
};

TEST(LikePattern, MatchesWildcardsWithoutRegardToCase) {
  const LikeCase cases[] = {
      {"%file%", "Open File", true},
      {"%FILE%", "open file", true},
      {"%file%", "Open Fil", false},
      {"file", "File", true},
      {"file", "Files", false},
      {"f_le", "file", true},
      {"f_le", "fle", false},
      {"f__e", "file", true},
      {"", "", true},
      {"", "a", false},
      {"%", "", true},
      {"%%", "anything", true},
      {"%_%", "", false},
      {"%_%", "x", true},
      {"a%", "abc", true},
      {"a%", "cba", false},
      {"%c", "abc", true},
      {"%c", "abcd", false},
      {"a%c", "ac", true},
      {"a%c", "abbbc", true},
      {"a%a", "a", false}, // the ends may not share a character
      {"a%b%c", "a_b_c", true},
      {"a%b%c", "acb", false},
      {"%ab%ab%", "abab", true},
      {"%ab%ab%", "aba", false},
      {"%aab%", "aaab", true},
      {"%a_c%", "xabcx", true},
      {"%a_c%", "xacx", false},
      {"%'%", "Don't", true},
      {"%да%", "ДАННЫЕ", true},
      {"%ё%", "Е", false},
      {"_", "\xF0\x9F\x98\x80", false}, // "_" is one UTF-16 unit, as in Jet
      {"__", "\xF0\x9F\x98\x80", true},
      {"%[a]%", "[a]", true}, // brackets are no class: the memory has no such syntax
      {"%[a]%", "a", false},
  };
  for (const LikeCase &c : cases) {
    LikePattern pattern(c.pattern);
    EXPECT_EQ(pattern.matches(c.text), c.matches) << c.pattern << " ~ " << c.text;
    EXPECT_EQ(pattern.matches(c.text), c.matches) << "again: " << c.pattern << " ~ " << c.text;
  }
}

} // namespace
} // namespace kestrine
