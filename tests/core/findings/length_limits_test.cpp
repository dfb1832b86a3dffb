// Limits files: comments and blank lines, bad lines named by number, the first matching
// wildcard, and characters counted as a program shows them.
#include "findings/length_limits.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct LimitsCase {
  const char *name;
  const char *file;
  const char *kind, *identifier;
  int maximum; // -1: no pattern matches; -2: the file is refused
  int line;    // of the match, or of the bad line
};

class LengthLimitsTest : public ::testing::TestWithParam<LimitsCase> {};

TEST_P(LengthLimitsTest, ParsesAndMatches) {
  const LimitsCase &c = GetParam();
  LengthLimits limits;
  QString error;
  const bool read = limits.parse(QString::fromUtf8(c.file), QStringLiteral("limits.txt"), &error);
  if (c.maximum == -2) {
    ASSERT_FALSE(read);
    EXPECT_TRUE(error.startsWith(QStringLiteral("limits.txt line %1: ").arg(c.line)))
        << error.toStdString();
    EXPECT_TRUE(limits.isEmpty());
    return;
  }
  ASSERT_TRUE(read) << error.toStdString();
  const LengthLimit *limit =
      limits.match(QString::fromUtf8(c.kind), QString::fromUtf8(c.identifier));
  if (c.maximum == -1) {
    EXPECT_EQ(limit, nullptr);
    return;
  }
  ASSERT_NE(limit, nullptr);
  EXPECT_EQ(limit->maximum, c.maximum);
  EXPECT_EQ(limit->line, c.line);
}

const LimitsCase kLimitsCases[] = {
    {"CommentsAndBlankLinesKeepLineNumbers", "# lengths\n\n  \nSTRINGTABLE:IDS_*\t40\n",
     "STRINGTABLE", "IDS_READY", 40, 4},
    {"SpacesOrTabSeparate", "MENU:*   30\r\n", "MENU", "ID_FILE_OPEN", 30, 1},
    {"FirstMatchWins", "STRINGTABLE:IDS_STATUS_* 20\nSTRINGTABLE:* 80\n", "STRINGTABLE",
     "IDS_STATUS_READY", 20, 1},
    {"LaterLineWhenFirstMisses", "STRINGTABLE:IDS_STATUS_* 20\nSTRINGTABLE:* 80\n", "STRINGTABLE",
     "IDS_TITLE", 80, 2},
    {"AnyCase", "stringtable:ids_status_* 20\n", "STRINGTABLE", "IDS_STATUS_READY", 20, 1},
    {"QuestionMarkIsOneCharacter", "MENU:ID_?  5\n", "MENU", "ID_AB", -1, 0},
    {"QuestionMarkMatches", "MENU:ID_??  5\n", "MENU", "ID_AB", 5, 1},
    {"WholeNameOnly", "MENU:ID 5\n", "MENU", "ID_FILE", -1, 0},
    {"KindTakesPart", "MENU:* 5\n", "STRINGTABLE", "IDS_A", -1, 0},
    {"BracketsAreLiteral", "DIALOG:[A] 7\n", "DIALOG", "[A]", 7, 1},
    {"NoMaximum", "# header\nMENU:*\n", "", "", -2, 2},
    {"WordForMaximum", "MENU:* thirty\n", "", "", -2, 1},
    {"ThreeFields", "\n\nMENU:* 30 40\n", "", "", -2, 3},
    {"NegativeMaximum", "MENU:* -3\n", "", "", -2, 1},
    {"HugeMaximum", "MENU:* 99999999999\n", "", "", -2, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, LengthLimitsTest, ::testing::ValuesIn(kLimitsCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LengthLimitsFile, ErrorsNameTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("limits.txt"));
  LengthLimits limits;
  QString error;
  EXPECT_FALSE(limits.load(path, &error));
  EXPECT_TRUE(error.startsWith(path + QStringLiteral(": cannot be read"))) << error.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("MENU:* 30\nbad\n");
  file.close();
  EXPECT_FALSE(limits.load(path, &error));
  EXPECT_TRUE(error.startsWith(path + QStringLiteral(" line 2: \"bad\""))) << error.toStdString();
}

TEST(ShownLength, CountsCharactersAsShown) {
  const struct {
    const char *text;
    int length;
  } cases[] = {
      {"", 0},        {"Open", 4},      {"&Open", 4},          {"O&pen", 4},        {"A && B", 5},
      {"&&&Bild", 5}, {"Tab\\tKey", 7}, {"Say \"\"hi\"\"", 8}, {"\u00c4nd&ern", 6}, {"Ende&", 4},
  };
  for (const auto &c : cases)
    EXPECT_EQ(shownLength(QString::fromUtf8(c.text)), c.length) << c.text;
}

} // namespace
} // namespace tarvelo
