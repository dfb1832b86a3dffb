// Fuzzy matches through the exports on either store: the same scores, order and matches.

#include "fuzzy_samples.h"
#include "store_fixture.h"

namespace kestrine_test {
namespace {

using Texts = std::vector<std::string>;

constexpr int32_t kEnglish = 1033;
constexpr int32_t kGerman = 1031;

TEST_P(SharedMemoryTest, FuzzyFindsTheBestMatchesBestFirstTiesByUsage) {
  ASSERT_TRUE(connect(kEnglish, kGerman));
  add("Open file", "Datei öffnen");
  add("Open files", "Dateien öffnen", 5);
  add("Open filed", "Abgelegt öffnen", 2);
  add("Open a file", "Eine Datei öffnen");
  add("Print", "Drucken");
  add("OK", "OK");
  add("Ok!", "Gut!");
  add("No", "Nein");
  add("&No", "&Nein");
  add("Save as", "Speichern unter");
  add("Größe ändern", "Resize");
  add("Отмена изменений", "Undo changes");
  add("ファイルを開く", "Open the file");
  add("Empty", "   "); // learnt with an empty target, which is never offered
  struct Case {
    const char *text;
    int32_t minScore;
    int32_t maxCount;
    Texts matches;
  };
  const Case cases[] = {
      {"open file",
       80,
       20,
       {"100 Open file=Datei öffnen", "90 Open files=Dateien öffnen",
        "90 Open filed=Abgelegt öffnen", "81 Open a file=Eine Datei öffnen"}},
      {"open file", 85, 2, {"100 Open file=Datei öffnen", "90 Open files=Dateien öffnen"}},
      {"Zoom out", 50, 20, {}},
      {"ok", 60, 20, {"100 OK=OK", "66 Ok!=Gut!"}},
      {"&no", 60, 20, {"100 &No=&Nein", "66 No=Nein"}},
      {"  Save as... ", 70, 20, {"70 Save as=  Speichern unter "}},
      {"GRÖSSE ändern", 80, 20, {"84 Größe ändern=Resize"}},
      {"ОТМЕНА изменения", 80, 20, {"93 Отмена изменений=Undo changes"}},
      {"ファイルを開いて", 70, 20, {"75 ファイルを開く=Open the file"}},
      {"Empty", 50, 20, {}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(fuzzy(c.text, c.minScore, c.maxCount), c.matches) << c.text;
  ASSERT_TRUE(connect(kGerman, kEnglish)); // the other direction searches the other column
  EXPECT_EQ(fuzzy("Datei offnen", 80), Texts{"91 Datei öffnen=Open file"});
  EXPECT_EQ(fuzzy("Open file", 80), Texts{});
}

TEST_P(SharedMemoryTest, FuzzyFollowsLearningDeletingAndCounting) {
  ASSERT_TRUE(connect(kEnglish, kGerman));
  add("Open file", "Datei öffnen");
  add("Open files", "Dateien öffnen");
  EXPECT_EQ(fuzzy("Open filez", 80),
            (Texts{"90 Open file=Datei öffnen", "90 Open files=Dateien öffnen"}));
  add("Open files", "Dateien öffnen", 3); // now the more used
  EXPECT_EQ(fuzzy("Open filez", 80),
            (Texts{"90 Open files=Dateien öffnen", "90 Open file=Datei öffnen"}));
  ASSERT_EQ(remove("Open files", "Dateien öffnen"), 1);
  EXPECT_EQ(fuzzy("Open filez", 80), Texts{"90 Open file=Datei öffnen"});
}

// Both stores must give what reading every pair gives: the index finds the candidates,
// the score and the order are the one of fuzzy_match.h.
TEST_P(SharedMemoryTest, FuzzyMatchesAreWhatAScanFinds) {
  const Pairs pairs = samplePairs(4000, 3);
  ASSERT_TRUE(connect(kEnglish, kGerman));
  ASSERT_EQ(m_library.beginTMBatch(), 1);
  for (const auto &[source, target] : pairs)
    add(source, target);
  ASSERT_EQ(m_library.endTMBatch(), 1);
  std::mt19937 random(9);
  int compared = 0;
  for (int i = 0; i < 120; ++i) {
    const std::string query = varied(pairs[random() % pairs.size()].first, random);
    for (int32_t maxCount : {1, 5}) {
      for (int32_t minScore : {70, 80, 90}) {
        const std::vector<std::string> expected = scan(pairs, query, minScore, maxCount);
        EXPECT_EQ(fuzzy(query, minScore, maxCount), expected)
            << query << " from " << minScore << " for " << maxCount;
        compared += int(expected.size());
      }
    }
  }
  EXPECT_GT(compared, 300); // the sample really has neighbours to find
}

} // namespace
} // namespace kestrine_test
