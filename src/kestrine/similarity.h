// How alike two texts are: comparison form, bounded edit distance and score.
#pragma once

// How alike two texts are, the way translation memories score it: one minus the character
// edit distance over the longer length, after trimming spaces and folding case with the
// program's case table. Lengths and edits count UTF-16 code units.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrine {

// The text without surrounding spaces (U+0020), every unit folded to its comparison form.
std::u16string comparisonForm(std::u16string_view text);

// Levenshtein distance of two texts, unit by unit. Stops early once the distance is sure
// to exceed `limit`, returning limit + 1 then.
std::size_t editDistance(std::u16string_view a, std::u16string_view b,
                         std::size_t limit = std::u16string_view::npos);

// 0 to 100, rounded down, so that only equal comparison forms score 100. Both arguments
// are comparison forms. Two empty texts are equal.
std::int32_t similarityScore(std::u16string_view a, std::u16string_view b);

// similarityScore when it is `minScore` (1 to 100) or more, else -1; cheaper, as it stops
// counting edits once there are too many.
std::int32_t similarityScoreFrom(std::u16string_view a, std::u16string_view b,
                                 std::int32_t minScore);

// The most edits a text of `longer` units may differ by and still score `minScore`.
std::size_t allowedEdits(std::size_t longer, std::int32_t minScore);

// The lengths a text may have to score at least `minScore` against one of `length` units.
std::size_t shortestAlike(std::size_t length, std::int32_t minScore);
std::size_t longestAlike(std::size_t length, std::int32_t minScore);

} // namespace kestrine
