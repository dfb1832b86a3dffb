// Words and characters of a text as an analysis counts them for pricing.
#pragma once

#include <QString>

namespace tarvelo {

// How the characters of Chinese, Japanese and Korean count as words.
enum class CountingRule {
  Characters, // each Han, Hiragana, Katakana or Hangul character is one word
  GmxV,       // the characters divided by GMX-V's factor of the script's language
};

// GMX-V 2.0's characters per word of the logographic scripts.
inline constexpr double kGmxChineseFactor = 2.8;
inline constexpr double kGmxJapaneseFactor = 3.0;
inline constexpr double kGmxKoreanFactor = 3.3;

// The counts of one text: words of the scripts written with spaces, the logographic
// characters by script, and every character but spaces.
struct TextCount {
  int words = 0;
  int han = 0;
  int kana = 0;
  int hangul = 0;
  int characters = 0;

  int logographic() const { return han + kana + hangul; }
  // The words under the rule; Han characters are weighed as the language of the text
  // (a Windows primary language id) writes them: Japanese, Korean, else Chinese.
  double weightedWords(CountingRule rule, int primaryLanguage) const;
};

// Counts a resource text: the access-key mark, format specifications ("%s", "%1",
// "{0}") and escapes ("\n") are taken out first, "&&" stays as one ampersand. A word
// is a run of letters and digits; a hyphen or apostrophe between two of them joins
// the run.
TextCount countText(const QString &text);

// The rule's name as the results print it.
QString countingRuleName(CountingRule rule);

} // namespace tarvelo
