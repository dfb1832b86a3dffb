// The longest common subsequence against a plain dynamic-programming count.
#include "script/sequence_match.h"

#include <gtest/gtest.h>
#include <random>

namespace tarvelo {
namespace {

int lcsLength(const std::vector<std::uint64_t> &a, const std::vector<std::uint64_t> &b) {
  std::vector<std::vector<int>> table(a.size() + 1, std::vector<int>(b.size() + 1, 0));
  for (size_t i = 1; i <= a.size(); ++i)
    for (size_t j = 1; j <= b.size(); ++j)
      table[i][j] = a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1
                                         : std::max(table[i - 1][j], table[i][j - 1]);
  return table[a.size()][b.size()];
}

TEST(SequenceMatch, FindsALongestCommonSubsequence) {
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    // Few symbols make many repeats, as the lines "END" and "BEGIN" do.
    const int symbols = 2 + round % 6;
    std::vector<std::uint64_t> a(random() % 40), b(random() % 40);
    for (auto &x : a)
      x = random() % symbols;
    // Mostly an edited copy, sometimes something else altogether.
    b = round % 3 ? a : b;
    for (auto &y : b)
      if (random() % 5 == 0)
        y = random() % symbols;
    if (round % 4 == 0 && !b.empty())
      b.erase(b.begin() + long(random() % b.size()));
    const auto pairs =
        matchSequences(a, b, [&](int i, int j) { return a[size_t(i)] == b[size_t(j)]; });
    EXPECT_EQ(int(pairs.size()), lcsLength(a, b)) << "round " << round;
    for (size_t k = 0; k < pairs.size(); ++k) {
      EXPECT_EQ(a[size_t(pairs[k].first)], b[size_t(pairs[k].second)]);
      if (k > 0) {
        EXPECT_LT(pairs[k - 1].first, pairs[k].first);
        EXPECT_LT(pairs[k - 1].second, pairs[k].second);
      }
    }
  }
}

TEST(SequenceMatch, EqualHashesAreConfirmedBeforeTheyPair) {
  const std::vector<std::uint64_t> a{1, 1, 1}, b{1, 1, 1};
  // Only the middle elements are really equal.
  const auto pairs = matchSequences(a, b, [](int i, int j) { return i == 1 && j == 1; });
  EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 1}}));
}

TEST(SequenceMatch, BeyondTheLimitOnlyTheCommonEndsPair) {
  std::vector<std::uint64_t> a{9}, b{9};
  for (std::uint64_t i = 0; i < 50; ++i) {
    a.push_back(100 + i);
    b.push_back(200 + i);
  }
  a.push_back(7);
  b.push_back(7);
  const auto equal = [&](int i, int j) { return a[size_t(i)] == b[size_t(j)]; };
  EXPECT_EQ(matchSequences(a, b, equal, 10), (std::vector<std::pair<int, int>>{{0, 0}, {51, 51}}));
}

} // namespace
} // namespace tarvelo
