// Fuzzy matches: the scores, and the index that finds the candidates, against a scan.

#include "fuzzy_samples.h"
#include "fuzzy_search.h"
#include "similarity.h"
#include "sqlite_store.h"
#include "test_support.h"
#include "text_folding.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <random>

namespace kestrine {
namespace {

using kestrine_test::scan;
using kestrine_test::TempFolder;
using kestrine_test::toUtf16;
using kestrine_test::toUtf8;
using kestrine_test::varied;

struct ScoreCase {
  const char *a;
  const char *b;
  std::int32_t score;
};

TEST(SimilarityScore, ScoresPairsOfTextsAsTranslationMemoriesDo) {
  const ScoreCase cases[] = {
      {"Open file", "Open file", 100},
      {"Open file", "OPEN FILE", 100},    // case is folded
      {"  Open file ", "Open file", 100}, // spaces around are trimmed
      {"Änderungen", "ÄNDERUNGEN", 100},  // beyond ASCII, through the case table
      {"Open file", "Open fiel", 77},     // a swapped pair: two edits in 9
      {"Open file", "Open fil", 88},      // one missing: 8 / 9
      {"Open file", "Open file.", 90},    // punctuation counts as a character
      {"Open file", "Open file...", 75},  // 9 / 12
      {"Save as", "Save as...", 70},      // 7 / 10
      {"File open", "Open file", 11},     // word order costs dearly
      {"&Open", "Open", 80},              // the access key is a character
      {"Cancel", "OK", 0},                // nothing alike
      {"A", "B", 0},
      {"A", "a", 100},
      {"", "", 100},
      {"Print 12 pages", "Print 120 pages", 93}, // 14 / 15, rounded down
      {"ab", "abc", 66},                         // rounded down, never up
  };
  for (const ScoreCase &c : cases) {
    const std::u16string a = comparisonForm(toUtf16(c.a));
    const std::u16string b = comparisonForm(toUtf16(c.b));
    EXPECT_EQ(similarityScore(a, b), c.score) << c.a << " / " << c.b;
    EXPECT_EQ(similarityScore(b, a), c.score) << "symmetric: " << c.a << " / " << c.b;
  }
}

TEST(SimilarityScore, OnlyEqualTextsScoreAHundredHoweverLong) {
  const std::u16string a(400, u'x');
  std::u16string b = a;
  b[200] = u'y';
  EXPECT_EQ(similarityScore(a, b), 99);
}

TEST(EditDistance, StopsPastTheLimitButCountsExactlyBelowIt) {
  struct Case {
    const char16_t *a;
    const char16_t *b;
    std::size_t limit;
    std::size_t distance;
  };
  const Case cases[] = {
      {u"kitten", u"sitting", std::u16string_view::npos, 3},
      {u"kitten", u"sitting", 3, 3},
      {u"kitten", u"sitting", 2, 3}, // limit + 1
      {u"kitten", u"sitting", 0, 1},
      {u"", u"abc", std::u16string_view::npos, 3},
      {u"abc", u"", 1, 2},
      {u"flaw", u"lawn", std::u16string_view::npos, 2},
  };
  for (const Case &c : cases)
    EXPECT_EQ(editDistance(c.a, c.b, c.limit), c.distance) << toUtf8(c.a) << " / " << toUtf8(c.b);
}

TEST(SimilarityBounds, LengthsAndEditsAgreeWithTheScore) {
  // Every bound is the edge: one step beyond it scores below the minimum.
  for (std::int32_t minScore : {1, 30, 50, 67, 70, 75, 99, 100}) {
    for (std::size_t length = 1; length < 40; ++length) {
      const std::u16string text(length, u'a');
      const std::size_t shortest = shortestAlike(length, minScore);
      const std::size_t longest = longestAlike(length, minScore);
      EXPECT_GE(similarityScore(text, std::u16string(shortest, u'a')), minScore);
      if (shortest > 0) {
        EXPECT_LT(similarityScore(text, std::u16string(shortest - 1, u'a')), minScore);
      }
      EXPECT_GE(similarityScore(text, std::u16string(longest, u'a')), minScore);
      EXPECT_LT(similarityScore(text, std::u16string(longest + 1, u'a')), minScore);
      const std::size_t edits = allowedEdits(length, minScore);
      std::u16string changed = text;
      for (std::size_t i = 0; i < edits; ++i)
        changed[i] = u'b';
      EXPECT_GE(similarityScore(text, changed), minScore) << length << " " << minScore;
      if (edits < length) {
        changed[edits] = u'b';
        EXPECT_LT(similarityScore(text, changed), minScore) << length << " " << minScore;
      }
    }
  }
}

class FuzzyStore : public ::testing::Test {
protected:
  void SetUp() override {
    m_store.setFolder(m_folder.u16());
    ASSERT_TRUE(m_store.connect(1033, 1031));
  }

  void learn(const std::string &source, const std::string &target, std::int32_t count = 1) {
    ASSERT_TRUE(m_store.learn(toUtf16(source), toUtf16(target), count));
  }

  // "score source=target" per match.
  std::vector<std::string> fuzzy(const std::string &text, std::int32_t minScore,
                                 std::int32_t maxCount = 20) {
    const FuzzyResult found = m_store.fuzzy(toUtf16(text), minScore, maxCount);
    EXPECT_TRUE(found.read);
    std::vector<std::string> out;
    for (const FuzzyMatch &match : found.matches)
      out.push_back(std::to_string(match.score) + " " + toUtf8(match.source) + "=" +
                    toUtf8(match.target));
    return out;
  }

  std::string integrity() {
    sqlite3 *db = nullptr;
    sqlite3_open(m_folder.database().c_str(), &db);
    registerTextFunctions(db);
    std::string answer = "ok";
    for (const char *check :
         {"INSERT INTO FuzzyIndex1_7to9 (FuzzyIndex1_7to9) VALUES ('integrity-check')",
          "INSERT INTO FuzzyIndex2_7to9 (FuzzyIndex2_7to9) VALUES ('integrity-check')"}) {
      char *message = nullptr;
      if (sqlite3_exec(db, check, nullptr, nullptr, &message) != SQLITE_OK && answer == "ok")
        answer = message ? message : "failed";
      sqlite3_free(message);
    }
    sqlite3_close(db);
    return answer;
  }

  TempFolder m_folder;
  SqliteStore m_store;
};

TEST_F(FuzzyStore, FindsTheBestMatchesBestFirstTiesByUsage) {
  learn("Open file", "Datei öffnen");
  learn("Open files", "Dateien öffnen", 5);
  learn("Open filed", "Abgelegt öffnen", 2);
  learn("Open a file", "Eine Datei öffnen");
  learn("Print", "Drucken");
  EXPECT_EQ(fuzzy("open file", 80),
            (std::vector<std::string>{"100 Open file=Datei öffnen", "90 Open files=Dateien öffnen",
                                      "90 Open filed=Abgelegt öffnen",
                                      "81 Open a file=Eine Datei öffnen"}));
  EXPECT_EQ(fuzzy("open file", 85, 2), (std::vector<std::string>{"100 Open file=Datei öffnen",
                                                                 "90 Open files=Dateien öffnen"}));
  EXPECT_TRUE(fuzzy("Zoom out", 50).empty());
  EXPECT_TRUE(fuzzy("   ", 50).empty());
}

TEST_F(FuzzyStore, ShortTextsAreFoundThoughTheyHaveNoRunsOfThree) {
  learn("OK", "OK");
  learn("Ok!", "Gut!");
  learn("No", "Nein");
  learn("&No", "&Nein");
  learn("Nothing", "Nichts");
  EXPECT_EQ(fuzzy("ok", 60), (std::vector<std::string>{"100 OK=OK", "66 Ok!=Gut!"}));
  EXPECT_EQ(fuzzy("No.", 60), (std::vector<std::string>{"66 No=Nein"}));
  EXPECT_EQ(fuzzy("&no", 60), (std::vector<std::string>{"100 &No=&Nein", "66 No=Nein"}));
  EXPECT_EQ(fuzzy("Ok!!", 50), (std::vector<std::string>{"75 Ok!=Gut!", "50 OK=OK"}));
}

TEST_F(FuzzyStore, TheSpacesAroundTheTextGoAroundTheTranslations) {
  learn("Save as", "Speichern unter");
  EXPECT_EQ(fuzzy("  Save as... ", 70),
            (std::vector<std::string>{"70 Save as=  Speichern unter "}));
}

TEST_F(FuzzyStore, TheOtherDirectionSearchesTheOtherColumn) {
  learn("Open file", "Datei öffnen");
  ASSERT_TRUE(m_store.connect(1031, 1033));
  EXPECT_EQ(fuzzy("Datei offnen", 80), (std::vector<std::string>{"91 Datei öffnen=Open file"}));
  EXPECT_TRUE(fuzzy("Open file", 80).empty());
}

// The index must find what reading every row finds, with runs shared by many rows (the
// vocabulary is small) and short texts among them.
TEST_F(FuzzyStore, TheIndexFindsWhatAScanFinds) {
  const kestrine_test::Pairs pairs = kestrine_test::samplePairs(4000, 3);
  ASSERT_TRUE(m_store.beginBatch());
  for (const auto &[source, target] : pairs)
    learn(source, target);
  m_store.endBatch();

  std::mt19937 random(9);
  int compared = 0;
  for (int i = 0; i < 150; ++i) {
    const std::string query = varied(pairs[random() % pairs.size()].first, random);
    // One match, as the fill asks, and several, as the item menu does: the first may stop
    // early on the rare runs' rows, and must still give what a scan gives.
    for (std::int32_t maxCount : {1, 5}) {
      for (std::int32_t minScore : {70, 80, 90}) {
        const std::vector<std::string> expected = scan(pairs, query, minScore, maxCount);
        const std::vector<std::string> found = fuzzy(query, minScore, maxCount);
        // Equal scores of equal usage come in learning order on both sides.
        EXPECT_EQ(found, expected) << query << " from " << minScore << " for " << maxCount;
        compared += int(expected.size());
      }
    }
  }
  EXPECT_GT(compared, 400); // the sample really has neighbours to find
}

TEST_F(FuzzyStore, TheIndexFollowsLearningDeletingAndCounting) {
  learn("Open file", "Datei öffnen");
  learn("Open file", "Datei öffnen", 3); // counting changes no text
  learn("Open files", "Dateien öffnen");
  learn("Close", "Schließen");
  ASSERT_TRUE(m_store.deletePair(u"Open files", u"Dateien öffnen"));
  EXPECT_EQ(fuzzy("Open filez", 80), (std::vector<std::string>{"90 Open file=Datei öffnen"}));
  ASSERT_TRUE(m_store.beginBatch());
  learn("Open files", "Dateien öffnen");
  ASSERT_TRUE(m_store.deletePair(u"Close", u"Schließen"));
  m_store.endBatch();
  EXPECT_EQ(fuzzy("Open filez", 80), (std::vector<std::string>{"90 Open file=Datei öffnen",
                                                               "90 Open files=Dateien öffnen"}));
  EXPECT_TRUE(fuzzy("Closed", 50).empty());
  m_store.disconnect();
  EXPECT_EQ(integrity(), "ok");
}

TEST(FuzzyIndex, AMemoryFromBeforeTheIndexGetsItOnConnect) {
  TempFolder folder;
  {
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(folder.database().c_str(), &db), SQLITE_OK);
    registerTextFunctions(db);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE \"7to9\" (Text1 TEXT COLLATE TVCASE, Text2 TEXT COLLATE "
                           "TVCASE, Counter1 INTEGER, Counter2 INTEGER);"
                           "INSERT INTO \"7to9\" VALUES ('Datei öffnen', 'Open file', 0, 2);"
                           "INSERT INTO \"7to9\" VALUES ('Ja', 'Yes', 0, 1);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
  }
  SqliteStore store;
  store.setFolder(folder.u16());
  ASSERT_TRUE(store.connect(1033, 1031));
  const FuzzyResult found = store.fuzzy(u"Open files", 80, 5);
  ASSERT_TRUE(found.read);
  ASSERT_EQ(found.matches.size(), 1u);
  EXPECT_EQ(found.matches[0].target, u"Datei öffnen");
  EXPECT_EQ(found.matches[0].score, 90);
  EXPECT_EQ(store.fuzzy(u"yes!", 75, 5).matches.size(), 1u);
  store.disconnect();
  const std::vector<std::string> objects = kestrine_test::schemaObjects(folder.database());
  for (const std::string &object : fuzzyIndexObjects("7to9"))
    EXPECT_NE(std::find(objects.begin(), objects.end(), object), objects.end()) << object;
}

TEST(FuzzyIndex, NotConnectedReadsNothing) {
  SqliteStore store;
  EXPECT_FALSE(store.fuzzy(u"Open", 50, 5).read);
}

} // namespace
} // namespace kestrine
