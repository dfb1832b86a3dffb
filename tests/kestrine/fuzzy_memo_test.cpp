// The faster fuzzy search against plain versions: edit distances against the full table, the
// rows joined in memory against a sorted intersection, and searches that keep what they read
// against searches that ask the index every time, while the memory changes between them.

#include "fuzzy_samples.h"
#include "fuzzy_search.h"
#include "run_rows.h"
#include "similarity.h"
#include "sqlite_store.h"
#include "test_support.h"
#include "text_folding.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <random>
#include <set>

namespace kestrine {
namespace {

using kestrine_test::TempFolder;
using kestrine_test::toUtf16;
using kestrine_test::toUtf8;

// The whole table, row by row, as the distance was counted before.
std::size_t plainDistance(std::u16string_view a, std::u16string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({diagonal + (a[i - 1] == b[j - 1] ? 0 : 1), above + 1, row[j - 1] + 1});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// Texts of every kind the scores meet: from an alphabet of `letters` units (few: repeats),
// CJK, surrogate pairs, and lengths around the 64 units of a word.
std::u16string randomText(std::mt19937 &random, std::size_t length, int kind) {
  static const std::u16string alphabets[] = {u"ab", u"abcdefghij &.", u"日本語文字列検索翻訳",
                                             u"a\xD83D\xDE00\xD83D\xDE01z"};
  const std::u16string &units = alphabets[kind % 4];
  std::u16string text;
  for (std::size_t i = 0; i < length; ++i)
    text += units[random() % units.size()];
  return text;
}

std::u16string nearCopy(std::u16string text, std::mt19937 &random, int edits) {
  for (int i = 0; i < edits; ++i) {
    const std::size_t at = text.empty() ? 0 : random() % text.size();
    switch (random() % 3) {
    case 0:
      text.insert(text.begin() + std::ptrdiff_t(at), u'x');
      break;
    case 1:
      if (!text.empty())
        text.erase(at, 1);
      break;
    default:
      if (!text.empty())
        text[at] = text[(at + 1) % text.size()];
    }
  }
  return text;
}

TEST(BitDistance, CountsWhatTheWholeTableCounts) {
  std::mt19937 random(5);
  const std::size_t lengths[] = {0, 1, 2, 3, 7, 31, 63, 64, 65, 100, 130};
  int compared = 0;
  for (std::size_t length : lengths) {
    for (int kind = 0; kind < 4; ++kind) {
      for (int round = 0; round < 12; ++round) {
        const std::u16string a = randomText(random, length, kind);
        const std::u16string b =
            round % 2 ? nearCopy(a, random, round % 5) : randomText(random, random() % 70, kind);
        const std::size_t exact = plainDistance(a, b);
        ASSERT_EQ(editDistance(a, b), exact) << toUtf8(a) << " / " << toUtf8(b);
        ASSERT_EQ(editDistance(b, a), exact) << toUtf8(b) << " / " << toUtf8(a);
        for (std::size_t limit : {std::size_t(0), std::size_t(1), exact, exact + 1, exact / 2}) {
          ASSERT_EQ(editDistance(a, b, limit), std::min(exact, limit + 1))
              << toUtf8(a) << " / " << toUtf8(b) << " within " << limit;
        }
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 11 * 4 * 12);
}

TEST(BitDistance, ScoresFromAMinimumAgreeWithTheScore) {
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    const std::u16string a = randomText(random, 1 + random() % 80, round % 4);
    const std::u16string b = nearCopy(a, random, int(random() % 8));
    const std::int32_t minScore = std::int32_t(1 + random() % 100);
    const std::int32_t score = similarityScore(a, b);
    const std::size_t longer = std::max(a.size(), b.size());
    ASSERT_EQ(score, std::int32_t((longer - plainDistance(a, b)) * 100 / longer));
    ASSERT_EQ(similarityScoreFrom(a, b, minScore), score >= minScore ? score : -1)
        << toUtf8(a) << " / " << toUtf8(b) << " from " << minScore;
  }
}

TEST(FirstCommonRows, AreTheFirstRowsOfTheSortedIntersection) {
  std::mt19937 random(3);
  for (int round = 0; round < 400; ++round) {
    const std::size_t count = 1 + random() % 4;
    std::vector<std::set<std::int64_t>> sets(count);
    std::vector<RunRows> runs;
    for (std::set<std::int64_t> &set : sets) {
      // Dense sets are kept as bits, sparse ones as lists; both kinds meet.
      const std::int64_t span = random() % 2 ? 5000 : 2000000;
      const std::size_t size = 1 + random() % 3000;
      const std::int64_t first = std::int64_t(random() % 100);
      while (set.size() < size)
        set.insert(first + std::int64_t(random() % std::uint64_t(span)));
      runs.emplace_back(std::vector<std::int64_t>(set.begin(), set.end()));
    }
    std::vector<const RunRows *> pointers;
    for (const RunRows &run : runs)
      pointers.push_back(&run);
    std::vector<std::int64_t> expected(sets[0].begin(), sets[0].end());
    for (std::size_t k = 1; k < count; ++k) {
      std::vector<std::int64_t> both;
      std::set_intersection(expected.begin(), expected.end(), sets[k].begin(), sets[k].end(),
                            std::back_inserter(both));
      expected = both;
    }
    const std::size_t limit = random() % 2 ? 501 : 3;
    if (expected.size() > limit)
      expected.resize(limit);
    ASSERT_EQ(firstCommonRows(pointers, limit), expected) << "round " << round;
    for (std::size_t k = 0; k < count; ++k) {
      ASSERT_EQ(runs[k].size(), sets[k].size());
      for (std::int64_t probe : {std::int64_t(-1), std::int64_t(0), *sets[k].begin(),
                                 *sets[k].rbegin(), *sets[k].rbegin() + 1, std::int64_t(77)})
        ASSERT_EQ(runs[k].contains(probe), sets[k].count(probe) > 0) << probe;
    }
  }
}

// A connection of its own to the store's file, as another program's would be.
struct Connection {
  explicit Connection(const TempFolder &folder) {
    sqlite3_open(folder.database().c_str(), &db);
    registerTextFunctions(db);
  }
  ~Connection() { sqlite3_close(db); }
  sqlite3 *db = nullptr;
};

std::vector<std::string> described(const FuzzyResult &result) {
  std::vector<std::string> out;
  for (const FuzzyMatch &match : result.matches)
    out.push_back(std::to_string(match.score) + " " + toUtf8(match.source) + "=" +
                  toUtf8(match.target) + " " + std::to_string(match.counter) + " #" +
                  std::to_string(match.rowid));
  out.push_back(result.read ? "read" : "not read");
  return out;
}

class FuzzyMemo : public ::testing::TestWithParam<int> {};

TEST_P(FuzzyMemo, SearchesKeepingWhatTheyReadGiveWhatTheIndexGives) {
  TempFolder folder;
  SqliteStore store;
  store.setFolder(folder.u16());
  ASSERT_TRUE(store.connect(1033, 1031));
  // Few words, so that runs are common, stretches are many and runs get read whole.
  kestrine_test::Pairs pairs = kestrine_test::samplePairs(3000, 21);
  for (int i = 0; i < 600; ++i)
    pairs.emplace_back("Filler source text " + std::to_string(i * 7) + " of the memory",
                       "Fülltext " + std::to_string(i));
  ASSERT_TRUE(store.beginBatch());
  for (const auto &[source, target] : pairs)
    ASSERT_TRUE(store.learn(toUtf16(source), toUtf16(target), 1));
  store.endBatch();

  Connection kept(folder);
  const FuzzyTable table{"7to9", false};
  FuzzyRunMemo memo;
  memo.readWholeAfter = GetParam();
  std::mt19937 random(4);
  int found = 0;
  const auto compare = [&](const std::string &query, std::int32_t minScore, std::int32_t count) {
    const std::u16string text = toUtf16(query);
    const std::vector<std::string> expected =
        described(fuzzySearch(kept.db, table, text, minScore, count, nullptr));
    ASSERT_EQ(described(fuzzySearch(kept.db, table, text, minScore, count, &memo)), expected)
        << query << " from " << minScore << " for " << count;
    found += int(expected.size()) - 1;
  };
  for (int round = 0; round < 6; ++round) {
    for (int i = 0; i < 120; ++i) {
      const std::string query = kestrine_test::varied(pairs[random() % pairs.size()].first, random);
      compare(query, 50, 1);
      compare(query, 75, 5);
    }
    // The memory changes under the kept rows: through another connection, through this
    // one, and a change this one rolls back.
    const std::string changed = pairs[random() % pairs.size()].first;
    switch (round % 3) {
    case 0:
      ASSERT_TRUE(store.learn(toUtf16(changed + " now"), u"Neu", 9));
      ASSERT_TRUE(store.deletePair(toUtf16(pairs[round].first), toUtf16(pairs[round].second)));
      break;
    case 1:
      ASSERT_EQ(sqlite3_exec(kept.db,
                             ("INSERT INTO \"7to9\" VALUES ('Eigen', '" + changed +
                              " here', 0, 4); UPDATE \"7to9\" SET Counter2 = 50 WHERE rowid = 9")
                                 .c_str(),
                             nullptr, nullptr, nullptr),
                SQLITE_OK);
      break;
    default:
      ASSERT_EQ(sqlite3_exec(kept.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
      ASSERT_EQ(sqlite3_exec(kept.db, "DELETE FROM \"7to9\" WHERE rowid % 3 = 0", nullptr, nullptr,
                             nullptr),
                SQLITE_OK);
      compare(changed, 50, 1);
      compare(changed, 70, 3);
      ASSERT_EQ(sqlite3_exec(kept.db, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    compare(changed, 50, 3);
    compare(changed + " now", 80, 2);
    compare(changed + " here", 80, 2);
  }
  EXPECT_GT(found, 1500);          // the searches really find neighbours
  EXPECT_FALSE(memo.rows.empty()); // and the kept rows were used
  EXPECT_FALSE(memo.pairs.empty());
  if (GetParam() == 1) {
    EXPECT_FALSE(memo.wholeRuns.empty());
  }
  if (GetParam() > 1000) {
    EXPECT_TRUE(memo.wholeRuns.empty());
  }
}

// Runs read whole at once, after the usual number of stretches, and never.
INSTANTIATE_TEST_SUITE_P(ReadWhole, FuzzyMemo, ::testing::Values(1, 64, 1000000));

} // namespace
} // namespace kestrine
