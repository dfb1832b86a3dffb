// Scoring and ranking fuzzy matches, the same for the file store and the server store.
#include "fuzzy_match.h"

#include "similarity.h"

#include <algorithm>

namespace kestrine {

bool scoreMatch(std::u16string_view query, std::int32_t minScore, FuzzyMatch &match) {
  if (match.target.empty())
    return false;
  const std::u16string form = comparisonForm(match.source);
  if (form.size() < shortestAlike(query.size(), minScore) ||
      form.size() > longestAlike(query.size(), minScore))
    return false;
  match.score = similarityScore(query, form);
  return match.score >= minScore;
}

void rankMatches(std::vector<FuzzyMatch> &matches, std::u16string_view text,
                 std::int32_t maxCount) {
  std::sort(matches.begin(), matches.end(), [](const FuzzyMatch &a, const FuzzyMatch &b) {
    if (a.score != b.score)
      return a.score > b.score;
    if (a.counter != b.counter)
      return a.counter > b.counter;
    return a.rowid < b.rowid;
  });
  if (matches.size() > std::size_t(std::max(maxCount, 0)))
    matches.resize(std::size_t(std::max(maxCount, 0)));
  const std::size_t begin = std::min(text.find_first_not_of(u' '), text.size());
  const std::size_t end = text.find_last_not_of(u' ') + 1;
  if (begin < end && (begin > 0 || end < text.size())) {
    for (FuzzyMatch &match : matches)
      match.target =
          std::u16string(text.substr(0, begin)) + match.target + std::u16string(text.substr(end));
  }
}

} // namespace kestrine
