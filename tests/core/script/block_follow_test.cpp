// A written resource in the target's own form: cases of statements shared, added,
// dropped and changed, against the exact text expected.
#include "script/block_follow.h"

#include "support/case_names.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct FollowCase {
  const char *name;
  UnitRule rule;
  const char *written, *target, *expected;
};

const FollowCase kCases[] = {
    {"the target's spacing, case and commas stay; a changed text is replaced", UnitRule::Statements,
     "M MENU\nBEGIN\n    MENUITEM \"&Neu\",  ID_NEW\n    MENUITEM \"&Ende\", ID_EXIT\nEND\n",
     "M menu\nbegin\n  menuitem \"&Neu\" ,ID_NEW\n  menuitem \"E&xit\",ID_EXIT\nend\n",
     "M menu\nbegin\n  menuitem \"&Neu\" ,ID_NEW\n  menuitem \"&Ende\",ID_EXIT\nend\n"},
    {"comments and blank lines of the target stay where they stand", UnitRule::Statements,
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\n    MENUITEM \"B\", 2\nEND\n",
     "M MENU\nBEGIN\n    // first\n    MENUITEM \"A\", 1 // one\n\n    MENUITEM \"B\", 2\nEND\n",
     "M MENU\nBEGIN\n    // first\n    MENUITEM \"A\", 1 // one\n\n    MENUITEM \"B\", 2\nEND\n"},
    {"a statement only written goes after the shared one before it", UnitRule::Statements,
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\n    MENUITEM \"N\", 3\n    MENUITEM \"B\", 2\nEND\n",
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\n    // about B\n    MENUITEM \"B\", 2\nEND\n",
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\n    MENUITEM \"N\", 3\n    // about B\n    MENUITEM "
     "\"B\", 2\nEND\n"},
    {"a statement only the target has goes with its line", UnitRule::Statements,
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\nEND\n",
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\n    MENUITEM \"Old\", 9, GRAYED\nEND\n",
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\nEND\n"},
    {"a changed statement takes the place of the target's", UnitRule::Statements,
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1, CHECKED\nEND\n",
     "M MENU\nBEGIN\n    // A\n    MENUITEM \"A\",1\nEND\n",
     "M MENU\nBEGIN\n    // A\n    MENUITEM \"A\", 1, CHECKED\nEND\n"},
    {"numbers compare by value, identifiers on their own line stay there", UnitRule::StringTable,
     "STRINGTABLE\nBEGIN\n    100 \"Bereit\"\n    IDS_B \"Zwei\"\nEND\n",
     "STRINGTABLE\nBEGIN\n    0x64,\"Bereit\"\n    IDS_B\n        \"Eins\"\nEND\n",
     "STRINGTABLE\nBEGIN\n    0x64,\"Bereit\"\n    IDS_B\n        \"Zwei\"\nEND\n"},
    {"a directive among the statements is a statement", UnitRule::StringTable,
     "STRINGTABLE\nBEGIN\n    IDS_A \"A\"\n#ifdef X\n    IDS_X \"X\"\n#endif\nEND\n",
     "STRINGTABLE\nBEGIN\n    IDS_A   \"A\"\n    IDS_X   \"X\"\nEND\n",
     "STRINGTABLE\nBEGIN\n    IDS_A   \"A\"\n#ifdef X\n    IDS_X   \"X\"\n#endif\nEND\n"},
    {"a comment over several lines is never cut: the written block as it is", UnitRule::Statements,
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\nEND\n",
     "M MENU\nBEGIN\n    MENUITEM \"Old\", 2 /* gone\n    MENUITEM \"A\", 1 */\n    MENUITEM "
     "\"A\", "
     "1\nEND\n",
     "M MENU\nBEGIN\n    MENUITEM \"A\", 1\nEND\n"},
    {"DLGINIT records that say the same keep their lines", UnitRule::Records,
     "D DLGINIT\nBEGIN\n    IDC_C, 0x403, 4, 0\n0x6e4f, 0x0065, \n    IDC_C, 0x403, 6, 0\n0x6946, "
     "0x6576, 0x0000, \n    0\nEND\n",
     "D DLGINIT\nBEGIN\n    IDC_C, 0x403, 4, 0\n    0x6e4f,\n    0x0065,\n    IDC_C, 0x403, 5, 0\n"
     "0x7746, 0x006f, \"\\000\"\n    0\nEND\n",
     "D DLGINIT\nBEGIN\n    IDC_C, 0x403, 4, 0\n    0x6e4f,\n    0x0065,\n    IDC_C, 0x403, 6, 0\n"
     "0x6946, 0x6576, 0x0000, \n    0\nEND\n"},
};

class Follow : public ::testing::TestWithParam<FollowCase> {};

TEST_P(Follow, WritesTheTargetsOwnForm) {
  const FollowCase &c = GetParam();
  const QString out =
      followTargetBlock(QString::fromUtf8(c.written), QString::fromUtf8(c.target), c.rule);
  EXPECT_EQ(out.toStdString(), std::string(c.expected)) << c.name;
  // Whatever the target held, the compiler reads what was written.
  EXPECT_EQ(blockSignature(out, c.rule), blockSignature(QString::fromUtf8(c.written), c.rule));
}

INSTANTIATE_TEST_SUITE_P(Cases, Follow, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FollowCase> &info) {
                           return test::caseName(info.param.name);
                         });

TEST(StatementUnits, StatementsStandOnWholeLines) {
  const QString text = QStringLiteral("S MENU\nBEGIN MENUITEM \"A\", 1\n    MENUITEM \"B\",\n"
                                      "        2 END\n");
  const BlockUnits split = splitStatements(text, UnitRule::Statements);
  ASSERT_EQ(split.units.size(), 3u);
  // BEGIN and the first item share a line; the second item's statement runs over two.
  EXPECT_EQ(text.mid(split.units[1].start, split.units[1].end - split.units[1].start),
            QStringLiteral("BEGIN MENUITEM \"A\", 1\n"));
  EXPECT_EQ(split.units[2].end, text.size());
  EXPECT_EQ(split.units[2].strings.size(), 1u);
  EXPECT_TRUE(split.followable);
  EXPECT_FALSE(splitStatements(QStringLiteral("S MENU\nBEGIN\n  MENUITEM \"A, 1\nEND\n"),
                               UnitRule::Statements)
                   .followable);
}

} // namespace
} // namespace tarvelo
