// A fuzzy match and the one ranking of matches that both stores give.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrine {

struct FuzzyMatch {
  std::u16string source;
  std::u16string target;
  std::int32_t score = 0;
  std::int32_t counter = 0;
  std::int64_t rowid = 0; // the order pairs were first learnt in
};

struct FuzzyResult {
  std::vector<FuzzyMatch> matches; // best first, ties by usage, then first learnt
  bool read = false;               // false when the memory could not be read
};

// Candidates scored exactly, those sharing the most of the text's runs (or trigrams) first.
inline constexpr std::size_t kFuzzyCandidates = 300;
// Texts of at most this many characters are found by their length, not by their runs of
// three: a text of eight characters has only six runs, and two typos can change them all.
inline constexpr std::size_t kShortLength = 8;
// Enough of the short texts of a near length to hold every good match in practice.
inline constexpr int kShortRows = 20000;

// The score of a stored source against the query (its comparison form) when it is
// `minScore` or more, else -1; `form` is room for the source's comparison form.
std::int32_t scoreSource(std::u16string_view query, std::int32_t minScore,
                         std::u16string_view source, std::u16string &form);

// Scores a stored pair against the query (its comparison form); false when it is left out:
// an empty target, or a score below `minScore`.
bool scoreMatch(std::u16string_view query, std::int32_t minScore, FuzzyMatch &match);

// Best first, equal scores most used first, then first learnt; at most `maxCount`; the
// spaces around `text` go around every target, as with exact matches.
void rankMatches(std::vector<FuzzyMatch> &matches, std::u16string_view text, std::int32_t maxCount);

} // namespace kestrine
