// Auto-completion from the memory's alternatives, one table of cases.
#include "support/qt_printers.h"
#include "tmclient/auto_completion.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct CompletionCase {
  const char *name;
  QString text;
  int start, end;
  QStringList alternatives;
  bool completes;
  QString completed;
  int selectionStart, selectionEnd;
};

class AutoCompletionTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(AutoCompletionTest, CompletesFromTheFirstFittingAlternative) {
  const CompletionCase &c = GetParam();
  const auto result = completeFromMemory(c.text, c.start, c.end, c.alternatives);
  ASSERT_EQ(result.has_value(), c.completes);
  if (!result)
    return;
  EXPECT_EQ(result->text, c.completed);
  EXPECT_EQ(result->selectionStart, c.selectionStart);
  EXPECT_EQ(result->selectionEnd, c.selectionEnd);
}

const CompletionCase kCases[] = {
    {"FirstInOrder", "Sa", 2, 2, {"Save", "Save As"}, true, "Save", 2, 4},
    {"SkipsNonMatching", "Sa", 2, 2, {"Open", "Save As"}, true, "Save As", 2, 7},
    {"CaseSensitive", "sa", 2, 2, {"Save", "sample"}, true, "sample", 2, 6},
    {"NoMatch", "Sa", 2, 2, {"Open", "save"}, false, "", 0, 0},
    {"CaretNotAtEnd", "Sa", 1, 1, {"Save"}, false, "", 0, 0},
    {"SelectionNotEmpty", "Sa", 1, 2, {"Save"}, false, "", 0, 0},
    {"CaretBeyondTextIsAtEnd", "Sa", 9, 9, {"Save"}, true, "Save", 2, 4},
    {"EmptyText", "", 0, 0, {"Save"}, false, "", 0, 0},
    {"ShorterAlternativeSkipped", "Sav", 3, 3, {"Sa", "Save"}, true, "Save", 3, 4},
    {"TypedTextIsTheBestAlternative", "Save", 4, 4, {"Save", "Save As"}, false, "", 0, 0},
    {"NoAlternatives", "Sa", 2, 2, {}, false, "", 0, 0},
    {"KeepsLeadingSpaces", "  Sa", 4, 4, {"  Save "}, true, "  Save ", 4, 7},
};

INSTANTIATE_TEST_SUITE_P(Cases, AutoCompletionTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvelo
