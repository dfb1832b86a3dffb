// What the resource compiler accepts is read: keywords in any case, numbers in any
// base, identifiers that are expressions, wide strings, adjacent literals, optional
// commas, and comments anywhere in a block.
#include "script/after_read.h"
#include "script/companion_file.h"
#include "support/script_harness.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct SyntaxCase {
  const char *name;
  const char *script;
  const char *expected; // the dump of the English source
};

const SyntaxCase kCases[] = {
    {"LowerCaseKeywordsEndTheirBlocks",
     "language 9, 1\n1 menu\nbegin\n popup \"&File\"\n begin\n  menuitem \"&Open\", 2\n end\nend\n"
     "stringtable\nbegin\n 3 \"Three\"\nend\n",
     "MENU|1|\nMENU|POPUP|&File\nMENU|2|&Open\nSTRINGTABLE|3|Three\n"},
    {"HexadecimalLanguage",
     "LANGUAGE 0x07, 0x01\nSTRINGTABLE { 1 \"Eins\" }\nLANGUAGE 0x09, 0x01\n"
     "STRINGTABLE { 1 \"One\" }\nLANGUAGE 011, 01\nSTRINGTABLE { 2 \"Octal nine\" }\n",
     "STRINGTABLE|1|One\nSTRINGTABLE|2|Octal nine\n"},
    {"ExpressionIdentifiers",
     "STRINGTABLE\nBEGIN\n IDS_BASE + 1 \"a\"\n (IDS_BASE + 2) \"b\"\n IDS_BASE+3, \"c\"\n"
     " IDS_BASE -4 \"d\"\n IDS_X|0x100 \"e\"\nEND\n",
     "STRINGTABLE|IDS_BASE+1|a\nSTRINGTABLE|(IDS_BASE+2)|b\nSTRINGTABLE|IDS_BASE+3|c\n"
     "STRINGTABLE|IDS_BASE-4|d\nSTRINGTABLE|IDS_X|0x100|e\n"},
    {"WideStringsAndAdjacentLiterals",
     "STRINGTABLE\nBEGIN\n 1 L\"wide\"\n 2 \"one \" \"two\"\n 3 \"split \"\n   L\"line\"\n"
     " 4 \"a\"\"b\" \"\"\"c\"\nEND\n",
     "STRINGTABLE|1|wide\nSTRINGTABLE|2|one two\nSTRINGTABLE|3|split line\n"
     "STRINGTABLE|4|a\"b\"c\n"},
    {"OptionalCommas",
     "1 MENU\nBEGIN\n MENUITEM \"&Stats...\"     IDM_STATS\n MENUITEM \"&About\", IDM_ABOUT\nEND\n"
     "2 DIALOGEX 0, 0, 50, 50\nBEGIN\n CONTROL "
     "\"Tab\"IDC_TAB,\"Button\",BS_AUTOCHECKBOX,7,7,50,10\n"
     " LTEXT \"Name\" IDC_NAME, 7, 20, 50, 8\nEND\n",
     "MENU|1|\nMENU|IDM_STATS|&Stats...\nMENU|IDM_ABOUT|&About\nDIALOG|2|\nDIALOG|IDC_TAB|Tab\n"
     "DIALOG|IDC_NAME|Name\n"},
    {"CommentsInBlocks",
     "STRINGTABLE\nBEGIN\n// 1 \"old\"\n 1 \"one\" // \"x\n/* 2 \"old\"\n*/ 2 /* \" */ \"two\"\n"
     " 3 \"// kept\"\nEND\n"
     "1 MENU\nBEGIN\n // MENUITEM \"Old\", 4\n MENUITEM \"New\", 4 /* MENUITEM \"Gone\", 5\n"
     " MENUITEM \"Gone\", 6 */\nEND\n"
     "2 DIALOG 0, 0, 9, 9 // the \"main\" box\nBEGIN\n LTEXT \"a\", 7, 0, 0, 9, 9 /* LTEXT \"b\",\n"
     " 8, 0, 0, 9, 9 */\n// LTEXT \"c\", 9, 0, 0, 9, 9\nEND\n"
     "3 DLGINIT\nBEGIN\n // 7, 0x403, 4, 0, 0x6e4f, 0x0065,\n 7, 0x403, 4, 0\n 0x6e4f, 0x0065,\n "
     "0\n"
     "END\n",
     "STRINGTABLE|1|one\nSTRINGTABLE|2|two\nSTRINGTABLE|3|// kept\nMENU|1|\nMENU|4|New\n"
     "DIALOG|2|\nDIALOG|7|a\nDLGINIT|3|\nDLGINIT|7|One\n"},
    {"ResourceTypesInAnyCase",
     "IDR_X accelerators\nbegin\n \"N\", 1, VIRTKEY, CONTROL\nend\nIDI_Y icon \"y.ico\"\n",
     "ACCELERATORS|IDR_X|\nICON|IDI_Y|\n"},
    {"BlocksEndAtTheirOwnEnd",
     "IDR_X RCDATA\nBEGIN\n \"END } {\", /* END\n } */ 1, // END\n L\"BEGIN\" \"a\"\n"
     "#ifdef X_END\n { \"x\" }, NOEND, (END_X)\n#endif\nEND\nSTRINGTABLE { 1 \"after\" }\n",
     "RCDATA|IDR_X|\nSTRINGTABLE|1|after\n"},
    {"CommaAfterControlKeyword",
     "2 DIALOGEX 0, 0, 50, 50\nBEGIN\n LTEXT, \"Hue:\", IDC_HUE_LABEL, 7, 7, 20, 8\n"
     " EDITTEXT, COLOR_HUE, 216, 124, 19, 12, WS_GROUP | WS_TABSTOP\n"
     " CONTROL, \"On\", IDC_ON, \"Button\", BS_AUTOCHECKBOX, 7, 30, 40, 10\nEND\n",
     "DIALOG|2|\nDIALOG|IDC_HUE_LABEL|Hue:\nDIALOG|IDC_ON|On\n"},
    {"NumbersOfDlgInitInAnyBase", "1 DLGINIT\nBEGIN\n 7, 1027, 0x4, 0\n 0x6e4f, 0x0065,\n 0\nEND\n",
     "DLGINIT|1|\nDLGINIT|7|One\n"},
};

class CompilerSyntax : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(CompilerSyntax, ReadsWhatTheCompilerAccepts) {
  for (const test::Encoding encoding : {test::Encoding::Ansi, test::Encoding::Utf16}) {
    SCOPED_TRACE(test::encodingName(encoding));
    test::Workspace ws;
    ASSERT_EQ(ws.readSource(test::encode(QString::fromUtf8(GetParam().script), encoding), 0x0409),
              ScriptResult::Ok)
        << ws.prompter.messages.join(u'\n').toStdString();
    EXPECT_EQ(ws.dump().toStdString(), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CompilerSyntax, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A statement whose identifier stands on a line of its own keeps that line in its
// block, so that the block written again still names the resource.
TEST(CompilerSyntax, BlockStartsAtTheLineOfTheIdentifier) {
  test::Workspace ws;
  ASSERT_EQ(ws.readSource("IDD_X\nDIALOGEX 0, 0, 9, 9\nBEGIN\nEND\n", 0x0409), ScriptResult::Ok);
  ASSERT_EQ(ws.entries.size(), 1);
  EXPECT_EQ(ws.entries.at(0)->sourceBlock->text(), "IDD_X\nDIALOGEX 0, 0, 9, 9\nBEGIN\nEND\n");
}

// Texts of the target land on the items whose identifiers are written differently
// but mean the same expression, and on items of a lower-case target.
TEST(CompilerSyntax, TargetTextsMatchAcrossSpellings) {
  test::Workspace ws;
  ASSERT_EQ(
      ws.readSource("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n (IDS_BASE + 1) \"One\"\n"
                    " IDS_BASE+2 \"Two\"\nEND\n1 MENU\nBEGIN\n MENUITEM \"&Open\", ID_A\nEND\n",
                    0x0409),
      ScriptResult::Ok);
  ASSERT_EQ(ws.readTarget(
                "language 0x07, 0x01\nstringtable\nbegin\n (IDS_BASE+1) \"Eins\"\n"
                " IDS_BASE + 2, L\"Zw\" \"ei\"\nend\n1 menu\nbegin\n menuitem \"&Öffnen\" ID_A\n"
                "end\n",
                0x0407),
            ScriptResult::Ok);
  EXPECT_EQ(ws.dump(true).toStdString(),
            "STRINGTABLE|(IDS_BASE+1)|One|Eins|3\nSTRINGTABLE|IDS_BASE+2|Two|Zwei|3\n"
            "MENU|1|||3\nMENU|ID_A|&Open|&\xc3\x96"
            "ffnen|3\n");
}

// Identifiers that are expressions keep their marks and comments in the companion
// files: parentheses and bars are part of them there.
TEST(CompilerSyntax, CompanionFilesKeepExpressionIdentifiers) {
  QTemporaryDir dir;
  test::Workspace ws;
  const QByteArray script = "STRINGTABLE\nBEGIN\n (IDS_BASE + 1) \"One\"\n IDS_X|0x100 \"Two\"\n"
                            " IDS_Y \"Three\"\nEND\n";
  ASSERT_EQ(ws.readSource(script, 0x0409), ScriptResult::Ok);
  ASSERT_EQ(ws.readTarget(script, 0x0409), ScriptResult::Ok);
  Task *task = ws.tasks.head();
  task->sourceLanguage = 0x0409;
  for (const auto &entry : ws.entries) {
    entry->verified = true;
    entry->setTargetComment(u"about "_qs + entry->identifier);
  }
  const QString path = dir.filePath("target.rc");
  ASSERT_TRUE(writeCompanion(ws.entries, task, path, 0x0407, false));
  for (const auto &entry : ws.entries) {
    entry->verified = false;
    entry->setTargetComment(QString());
  }
  readCompanion(ws.entries, task, path, 0x0407, false);
  for (const auto &entry : ws.entries) {
    EXPECT_TRUE(entry->verified) << entry->identifier.toStdString();
    EXPECT_EQ(entry->targetComment(), u"about "_qs + entry->identifier);
  }
}

} // namespace
} // namespace tarvelo
