// Scoring how alike two texts are: their comparison form and edit distance within a bound.
#include "similarity.h"

#include "store_text.h"
#include "text_folding.h"

#include <algorithm>
#include <vector>

namespace kestrine {

std::u16string comparisonForm(std::u16string_view text) {
  std::u16string folded(splitQuery(text).key);
  for (char16_t &unit : folded)
    unit = foldUnit(unit);
  return folded;
}

std::size_t editDistance(std::u16string_view a, std::u16string_view b, std::size_t limit) {
  if (a.size() < b.size())
    std::swap(a, b); // the row runs over the shorter text
  if (a.size() - b.size() > limit)
    return limit + 1;
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    std::size_t best = row[0];
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t substitute = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({substitute, above + 1, row[j - 1] + 1});
      diagonal = above;
      best = std::min(best, row[j]);
    }
    // No cell of a row is smaller than the smallest of the row before it.
    if (best > limit)
      return limit + 1;
  }
  return std::min(row[b.size()], limit == std::u16string_view::npos ? row[b.size()] : limit + 1);
}

std::int32_t similarityScore(std::u16string_view a, std::u16string_view b) {
  const std::size_t longer = std::max(a.size(), b.size());
  if (longer == 0)
    return 100;
  const std::size_t distance = editDistance(a, b);
  return std::int32_t((longer - distance) * 100 / longer);
}

std::size_t allowedEdits(std::size_t longer, std::int32_t minScore) {
  const std::size_t score = std::size_t(std::clamp(minScore, 0, 100));
  // (longer - d) * 100 / longer >= score, rounded down as the score is.
  return longer - (longer * score + 99) / 100;
}

std::size_t shortestAlike(std::size_t length, std::int32_t minScore) {
  const std::size_t score = std::size_t(std::clamp(minScore, 0, 100));
  // A shorter text m scores at most m * 100 / length.
  return (length * score + 99) / 100;
}

std::size_t longestAlike(std::size_t length, std::int32_t minScore) {
  const std::size_t score = std::size_t(std::clamp(minScore, 1, 100));
  // A longer text m scores at most length * 100 / m.
  return length * 100 / score;
}

} // namespace kestrine
