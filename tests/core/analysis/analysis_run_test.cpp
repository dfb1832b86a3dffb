// Analysis runs: which band each text item of a task goes to, and the band limits.
#include "analysis/analysis_run.h"
#include "script/entry_list.h"

#include <gtest/gtest.h>

#include <QHash>

namespace tarvelo {
namespace {

struct Item {
  QString source;
  QString target;
  int matchState = NotFound;
};

void fill(EntryList &entries, const QList<Item> &items) {
  for (const Item &item : items) {
    auto entry = std::make_unique<StringEntry>();
    entry->kind = QStringLiteral("STRINGTABLE");
    entry->identifier = QString::number(entries.size() + 1);
    entry->sourceText = item.source;
    entry->targetText = item.target;
    entry->matchState = item.matchState;
    entries.append(std::move(entry));
  }
}

// A memory answering from a table of best scores, counting the questions.
struct FakeMemory {
  QHash<QString, int> scores;
  QStringList asked;
  QString failure;

  ScoreLookup lookup() {
    return [this](const QString &text) {
      asked.append(text);
      return MemoryScore{scores.value(text), failure};
    };
  }
};

// Segments per band, in band order.
std::vector<int> segments(const std::vector<BandCount> &bands) {
  std::vector<int> out;
  for (const BandCount &band : bands)
    out.push_back(band.segments);
  return out;
}

TEST(AnalysisRunTest, PutsEachItemInItsBand) {
  EntryList entries(false);
  fill(entries, {{"Open", "Öffnen", Matched},          // context match
                 {"Close", "", Matched},               // matched but empty: asked
                 {"Print", "Drucken", SourceModified}, // a changed source is no context match
                 {"Exact", "", NotFound},
                 {"Near", "", NotFound},
                 {"Ninety-five", "", NotFound},
                 {"Eighty-five", "", NotFound},
                 {"Seventy-five", "", NotFound},
                 {"Fifty", "", NotFound},
                 {"Nothing", "", NotFound},
                 {"", "", NotFound}}); // no text: not an item
  FakeMemory memory;
  memory.scores = {{"Close", 0},         {"Print", 74},       {"Exact", 100},
                   {"Near", 99},         {"Ninety-five", 95}, {"Eighty-five", 85},
                   {"Seventy-five", 84}, {"Fifty", 50},       {"Nothing", 0}};
  AnalysisRun run(BandLimits(), CountingRule::Characters);
  ASSERT_TRUE(run.addTask("t", entries, 1033, 1031, memory.lookup()));
  // Context, repetition, 100, 95-99, 85-94, 75-84, 50-74, none.
  EXPECT_EQ(segments(run.tasks().first().bands), (std::vector<int>{1, 0, 1, 2, 1, 1, 2, 2}));
  EXPECT_FALSE(memory.asked.contains("Open"));
}

TEST(AnalysisRunTest, RepetitionsUnlessTheMemoryHoldsThemWhole) {
  EntryList entries(false);
  fill(entries, {{"Save", "", NotFound},
                 {"Save", "", NotFound},
                 {"Save", "", NotFound},
                 {"Known", "", NotFound},
                 {"Known", "", NotFound},
                 {"Save all files", "Alles sichern", Matched},
                 {"Save all files", "", NotFound}});
  FakeMemory memory;
  memory.scores = {{"Save", 80}, {"Known", 100}};
  AnalysisRun run(BandLimits(), CountingRule::Characters);
  ASSERT_TRUE(run.addTask("t", entries, 1033, 1031, memory.lookup()));
  const std::vector<BandCount> &bands = run.tasks().first().bands;
  EXPECT_EQ(segments(bands), (std::vector<int>{1, 3, 2, 0, 0, 1, 0, 0}));
  // The words of the repeated items: two "Save" and one "Save all files".
  EXPECT_EQ(bands[1].words, 2 + 3);
  EXPECT_EQ(bands[1].characters, 2 * 4 + 12);
  // Each text is asked once.
  EXPECT_EQ(memory.asked.count("Save"), 1);
  EXPECT_EQ(memory.asked.count("Known"), 1);
}

TEST(AnalysisRunTest, RepetitionsCarryOverToLaterTasksOfTheSameLanguages) {
  EntryList first(false), second(false), third(false);
  fill(first, {{"Cancel", "", NotFound}});
  fill(second, {{"Cancel", "", NotFound}});
  fill(third, {{"Cancel", "", NotFound}});
  FakeMemory memory;
  AnalysisRun run(BandLimits(), CountingRule::Characters);
  ASSERT_TRUE(run.addTask("a", first, 1033, 1031, memory.lookup()));
  ASSERT_TRUE(run.addTask("b", second, 1033, 1031, memory.lookup()));
  ASSERT_TRUE(run.addTask("c", third, 1033, 1036, memory.lookup()));
  EXPECT_EQ(run.tasks()[0].bands[7].segments, 1);
  EXPECT_EQ(run.tasks()[1].bands[BandLimits::kRepetition].segments, 1);
  // Another target language is another translation.
  EXPECT_EQ(run.tasks()[2].bands[7].segments, 1);
  EXPECT_EQ(segments(run.total()), (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 2}));
}

TEST(AnalysisRunTest, AMemoryThatCannotBeReadFailsTheTaskOnly) {
  EntryList entries(false);
  fill(entries, {{"Open", "", NotFound}});
  FakeMemory memory;
  memory.failure = "locked";
  AnalysisRun run(BandLimits(), CountingRule::Characters);
  EXPECT_FALSE(run.addTask("t", entries, 1033, 1031, memory.lookup()));
  ASSERT_EQ(run.tasks().size(), 1);
  EXPECT_EQ(run.tasks().first().error, "locked");
  EXPECT_EQ(segments(run.total()), (std::vector<int>(8, 0)));
}

TEST(AnalysisRunTest, GmxVWeighsByTheSourceLanguage) {
  EntryList entries(false);
  fill(entries, {{QStringLiteral(u"ファイルを開く"), "", NotFound}});
  FakeMemory memory;
  AnalysisRun run(BandLimits(), CountingRule::GmxV);
  ASSERT_TRUE(run.addTask("t", entries, 0x411, 1033, memory.lookup()));
  // Five kana and one kanji, all at Japanese's 3.0 for a Japanese source.
  EXPECT_DOUBLE_EQ(run.total()[7].words, 7 / 3.0);
  EXPECT_EQ(run.total()[7].characters, 7);
}

struct LimitsCase {
  const char *name;
  const char *text;
  bool valid;
  const char *labels; // every band's label, "|" between them
};

class BandLimitsTest : public testing::TestWithParam<LimitsCase> {};

TEST_P(BandLimitsTest, ReadsLimitsAndNamesTheBands) {
  const LimitsCase &c = GetParam();
  BandLimits limits;
  QString error;
  ASSERT_EQ(BandLimits::parse(QString::fromLatin1(c.text), limits, &error), c.valid) << c.text;
  if (!c.valid) {
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(limits.lowest, BandLimits().lowest); // left as it was
    return;
  }
  QStringList labels;
  for (int i = 0; i < limits.count(); ++i)
    labels.append(limits.label(i));
  EXPECT_EQ(labels.join(u'|'), QString::fromLatin1(c.labels));
}

const LimitsCase kLimits[] = {
    {"Default", "100,95,85,75,50", true,
     "Context match|Repetition|100%|95-99%|85-94%|75-84%|50-74%|No match"},
    {"Spaces", " 100 , 70 ", true, "Context match|Repetition|100%|70-99%|No match"},
    {"NoExactBand", "90,60", true, "Context match|Repetition|90-100%|60-89%|No match"},
    {"Rising", "50,75", false, ""},
    {"Repeated", "100,100", false, ""},
    {"Zero", "100,0", false, ""},
    {"AboveHundred", "101", false, ""},
    {"NotANumber", "100,high", false, ""},
    {"Empty", "", false, ""},
};

INSTANTIATE_TEST_SUITE_P(Limits, BandLimitsTest, testing::ValuesIn(kLimits),
                         [](const testing::TestParamInfo<LimitsCase> &info) {
                           return std::string(info.param.name);
                         });

TEST(BandScoreTest, ScoresFallIntoTheirBands) {
  const BandLimits limits;
  EXPECT_EQ(limits.bandOfScore(100), 2);
  EXPECT_EQ(limits.bandOfScore(99), 3);
  EXPECT_EQ(limits.bandOfScore(95), 3);
  EXPECT_EQ(limits.bandOfScore(94), 4);
  EXPECT_EQ(limits.bandOfScore(50), 6);
  EXPECT_EQ(limits.bandOfScore(49), limits.noMatch());
  EXPECT_EQ(limits.bandOfScore(0), limits.noMatch());
}

} // namespace
} // namespace tarvelo
