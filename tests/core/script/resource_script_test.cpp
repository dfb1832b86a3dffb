// Tests: scripts read into entries in every encoding; languages, includes, bad input.
#include "script/language.h"
#include "support/script_harness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::Encoding;

constexpr int kEnglish = 0x0409;
constexpr int kGerman = 0x0407;

class ReadTest : public ::testing::TestWithParam<Encoding> {
protected:
  // Reads the text as a source in the test's encoding and dumps the entries.
  QString read(const QString &text, int language = kEnglish,
               ScriptResult expected = ScriptResult::Ok) {
    const ScriptResult result = ws.readSource(test::encode(text, GetParam()), language);
    EXPECT_EQ(result, expected);
    return ws.dump();
  }
  test::Workspace ws;
};

TEST_P(ReadTest, ScriptWithoutLanguageIsAllWanted) {
  EXPECT_EQ(read("STRINGTABLE\nBEGIN\n  IDS_A \"A\"\nEND\n"
                 "#ifdef APSTUDIO_INVOKED\n1 TEXTINCLUDE\nBEGIN\n \"x\\0\"\nEND\n#endif\n"
                 "STRINGTABLE\nBEGIN\n  IDS_B, \"B\"\nEND\n"),
            "STRINGTABLE|IDS_A|A\nSTRINGTABLE|IDS_B|B\n");
}

TEST_P(ReadTest, OnlyTheWantedLanguageSection) {
  const QString text = "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
                       "STRINGTABLE\nBEGIN\n IDS_A \"Ja\"\nEND\n"
                       "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                       "STRINGTABLE\nBEGIN\n IDS_A \"Yes\"\nEND\n"
                       "LANGUAGE 7, 1\n"
                       "STRINGTABLE\nBEGIN\n IDS_B \"Nein\"\nEND\n";
  EXPECT_EQ(read(text, kEnglish), "STRINGTABLE|IDS_A|Yes\n");
  ws.entries.clear();
  EXPECT_EQ(read(text, kGerman), "STRINGTABLE|IDS_A|Ja\nSTRINGTABLE|IDS_B|Nein\n");
}

TEST_P(ReadTest, ConditionalBlockInsideTheSectionIsExcluded) {
  EXPECT_EQ(read("LANGUAGE 9, 1\n#if 0\nIDD_A DIALOG 0,0,1,1\nBEGIN\n LTEXT \"x\",1,0,0,1,1\nEND\n"
                 "#endif\nIDD_B DIALOG 0,0,1,1\nCAPTION \"B\"\nBEGIN\nEND\n"),
            "DIALOG|IDD_B|B\n");
}

TEST_P(ReadTest, ConditionalBlockOpenedBeforeTheSectionIsRead) {
  EXPECT_EQ(read("#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)\nLANGUAGE 9, 1\n"
                 "STRINGTABLE\nBEGIN\n 1 \"one\"\nEND\n#endif\n"),
            "STRINGTABLE|1|one\n");
}

TEST_P(ReadTest, MissingCommaInLanguageStopsWithTheLine) {
  read("STRINGTABLE\nBEGIN\n 1 \"one\"\nEND\nLANGUAGE 9 1\n", kEnglish, ScriptResult::SyntaxError);
  EXPECT_EQ(ws.prompter.messages,
            QStringList{"Unexpected string at line: 5: found '1'; expected the primary language, "
                        "a comma and the sublanguage of the LANGUAGE statement."});
}

TEST_P(ReadTest, FileResourceMakesOneOtherEntry) {
  EXPECT_EQ(read("IDI_APP ICON \"res\\\\app.ico\"\nIDB_X BITMAP DISCARDABLE \"x.bmp\"\n"),
            "ICON|IDI_APP|\nBITMAP|IDB_X|\n");
  EXPECT_EQ(ws.entries.at(0)->sourceBlock->text(), "IDI_APP ICON \"res\\\\app.ico\"\n");
}

TEST_P(ReadTest, GenericBlockIsKeptVerbatim) {
  const QString block = "IDR_X CUSTOM_TYPE\nBEGIN\n  BEGIN 1, 2 END // nested\n  \"}\"\nEND\n";
  EXPECT_EQ(read(block + "STRINGTABLE { 1 \"a\" }\n"), "CUSTOM_TYPE|IDR_X|\nSTRINGTABLE|1|a\n");
  EXPECT_EQ(ws.entries.at(0)->sourceBlock->text(), block);
}

TEST_P(ReadTest, MenuExIsKeptVerbatim) {
  EXPECT_EQ(read("IDM_X MENUEX\nBEGIN\n POPUP \"&File\", 100\n BEGIN\n  MENUITEM \"E&xit\", 101\n "
                 "END\nEND\n"),
            "MENUEX|IDM_X|\n");
}

TEST_P(ReadTest, ResourceHeaderLanguageAppliesToItsResource) {
  EXPECT_EQ(read("LANGUAGE 9, 1\nIDD_A DIALOGEX 0,0,1,1\nLANGUAGE 7, 1\nCAPTION \"A\"\nBEGIN\nEND\n"
                 "STRINGTABLE\nLANGUAGE 9, 1\nBEGIN\n 1 \"one\"\nEND\n"
                 "STRINGTABLE\nBEGIN\n 2 \"two\"\nEND\n"),
            "STRINGTABLE|1|one\nSTRINGTABLE|2|two\n");
}

TEST_P(ReadTest, StringTables) {
  EXPECT_EQ(read("STRINGTABLE DISCARDABLE\nBEGIN\n"
                 "  IDS_A \"say \"\"hi\"\"\"\n"
                 "  IDS_B,\n      \"tab\\there\"\n"
                 "  0x10 \"hex\"\n"
                 "#ifdef X\n  IDS_C \"c\"\n#endif\n"
                 "END\n"),
            "STRINGTABLE|IDS_A|say \"hi\"\nSTRINGTABLE|IDS_B|tab\\there\nSTRINGTABLE|0x10|hex\n"
            "STRINGTABLE|IDS_C|c\n");
}

TEST_P(ReadTest, StringFollowedByACommaIsASyntaxError) {
  read("STRINGTABLE\nBEGIN\n IDS_A \"a\",\n IDS_B \"b\"\nEND\n", kEnglish,
       ScriptResult::SyntaxError);
  EXPECT_EQ(ws.prompter.messages,
            QStringList{"Unexpected string at line: 3: found ','; expected an identifier and its "
                        "quoted text for each string of the STRINGTABLE that begins at line 1."});
}

TEST_P(ReadTest, Menus) {
  EXPECT_EQ(
      read("IDR_M MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\", ID_OPEN, GRAYED\n"
           "  MENUITEM SEPARATOR\n  POPUP \"&Recent\"\n  BEGIN\n   MENUITEM \"&Clear\",ID_CLEAR\n"
           "  END\n END\n POPUP \"&Help\"\n BEGIN\n  MENUITEM \"&About\"\t, ID_ABOUT\n END\nEND\n"),
      "MENU|IDR_M|\nMENU|POPUP|&File\nMENU|ID_OPEN|&Open\nMENU|POPUP|&Recent\n"
      "MENU|ID_CLEAR|&Clear\nMENU|POPUP|&Help\nMENU|ID_ABOUT|&About\n");
  // All entries share the block; the head stands for it.
  const TextEntry *head = ws.entries.at(0);
  EXPECT_TRUE(head->isHead());
  EXPECT_EQ(ws.entries.at(6)->head(), head);
  EXPECT_TRUE(head->sourceBlock->text().startsWith("IDR_M MENU\n"));
  EXPECT_TRUE(head->sourceBlock->text().endsWith(" END\nEND\n"));
}

TEST_P(ReadTest, MenuItemWithoutCommandIsASyntaxError) {
  read("IDR_M MENU\nBEGIN\n MENUITEM \"&Open\", , ID_OPEN\nEND\n", kEnglish,
       ScriptResult::SyntaxError);
  EXPECT_EQ(ws.prompter.messages,
            QStringList{"Unexpected string at line: 3: found ', ID_OPEN'; expected MENUITEM or "
                        "POPUP with a quoted text for each item of the menu IDR_M that begins at "
                        "line 1."});
}

TEST_P(ReadTest, Dialogs) {
  EXPECT_EQ(read("IDD_A DIALOGEX 0, 0, 100, 50\nSTYLE WS_POPUP | WS_CAPTION\nCAPTION \"About\"\n"
                 "FONT 8, \"MS Shell Dlg\"\nBEGIN\n"
                 "    ICON            IDR_MAIN,IDC_STATIC,7,7,20,20\n"
                 "    LTEXT           \"Name:\",IDC_STATIC,7,30,40,8\n"
                 "    EDITTEXT        IDC_NAME,50,28,40,12\n"
                 "    CONTROL         \"&Check\",IDC_CHECK,\"Button\",\n"
                 "                    BS_AUTOCHECKBOX | WS_TABSTOP,7,40,50,10\n"
                 "    DEFPUSHBUTTON   \"OK\",IDOK,60,40,30,14\n"
                 "END\n"
                 "IDD_B DIALOG 0, 0, 10, 10\nBEGIN\n    PUSHBUTTON \"\",IDC_EMPTY,1,1,1,1\nEND\n"),
            "DIALOG|IDD_A|About\nDIALOG|IDC_STATIC|Name:\nDIALOG|IDC_CHECK|&Check\nDIALOG|IDOK|OK\n"
            "DIALOG|IDD_B|\nDIALOG|IDC_EMPTY|\n");
  EXPECT_EQ(ws.entries.at(0)->entryClass(), TextEntry::Class::Dialog);
  EXPECT_EQ(ws.entries.at(1)->entryClass(), TextEntry::Class::Control);
  EXPECT_EQ(ws.entries.at(4)->entryClass(), TextEntry::Class::Dialog);
}

TEST_P(ReadTest, DlgInitStringsOfComboBoxes) {
  EXPECT_EQ(read("IDD_A DLGINIT\nBEGIN\n"
                 "    IDC_COMBO, 0x403, 7, 0\n0x654d, 0x7274, 0x6369, \"\\000\" \n"
                 "    IDC_COMBO, 0x403, 4, 0\n0x6e4f, 0x0065, \n"
                 "    IDC_OTHER, 0x1234, 2, 0\n0x4142, \n"
                 "    0\nEND\n"),
            "DLGINIT|IDD_A|\nDLGINIT|IDC_COMBO|Metric\nDLGINIT|IDC_COMBO|One\n");
}

TEST_P(ReadTest, EndOfFileInsideABlockIsASyntaxError) {
  read("IDR_M MENU\nBEGIN\n POPUP \"x\"\n BEGIN\n", kEnglish, ScriptResult::SyntaxError);
  EXPECT_EQ(ws.prompter.messages,
            QStringList{"Unexpected string at line: 4: found the end of the file; expected the END "
                        "of the MENU resource IDR_M that begins at line 1."});
}

INSTANTIATE_TEST_SUITE_P(Encodings, ReadTest,
                         ::testing::Values(Encoding::Ansi, Encoding::Utf16, Encoding::Utf8Bom),
                         [](const auto &info) { return test::encodingName(info.param); });

TEST(ResourceScript, DecodesByTheLanguageAndThePragma) {
  test::Workspace ws;
  const QString text = u"LANGUAGE 25, 1\nSTRINGTABLE\nBEGIN\n 1 \"\u0414\u0430\"\nEND\n"
                       u"#pragma code_page(1252)\nSTRINGTABLE\nBEGIN\n 2 \"\u00e4\"\nEND\n"_qs;
  QByteArray data = test::encode(text.left(text.indexOf("#pragma")), Encoding::Ansi, 1251) +
                    test::encode(text.mid(text.indexOf("#pragma")), Encoding::Ansi, 1252);
  ASSERT_EQ(ws.readSource(data, 0x0419), ScriptResult::Ok);
  EXPECT_EQ(ws.dump(), u"STRINGTABLE|1|\u0414\u0430\nSTRINGTABLE|2|\u00e4\n"_qs);
}

TEST(ResourceScript, Utf8MarkReadsAsUtf8WhateverTheLanguage) {
  test::Workspace ws;
  const QString text =
      u"LANGUAGE 7, 1\n#pragma code_page(1252)\nSTRINGTABLE\nBEGIN\n 1 \"\u00fc\u0434\"\nEND\n"_qs;
  ASSERT_EQ(ws.readSource(test::encode(text, Encoding::Utf8Bom), kGerman), ScriptResult::Ok);
  EXPECT_EQ(ws.dump(), u"STRINGTABLE|1|\u00fc\u0434\n"_qs);
}

TEST(ResourceScript, ReadingATargetSaysWhichLineOfHowMany) {
  test::Workspace ws;
  ASSERT_EQ(ws.readSource("STRINGTABLE\nBEGIN\n 1 \"a\"\nEND\n", kEnglish), ScriptResult::Ok);
  ASSERT_EQ(ws.readTarget("STRINGTABLE\nBEGIN\n 1 \"b\"\nEND\n", kGerman, "/none/app_de.rc"),
            ScriptResult::Ok);
  EXPECT_EQ(ws.progress.title, "Reading File - app_de.rc");
  EXPECT_EQ(ws.progress.firstText, "Reading line 1 of 4");
}

TEST(ResourceScript, ContainsLanguage) {
  test::Workspace ws;
  ResourceScript script(ws.context());
  script.openData("STRINGTABLE\nBEGIN\n 1 \"LANGUAGE 7, 1\"\nEND\nLANGUAGE LANG_GERMAN, 1\n");
  EXPECT_TRUE(script.containsLanguage(kGerman));
  EXPECT_FALSE(script.containsLanguage(kEnglish));
  EXPECT_EQ(script.firstLanguage(), kGerman);
}

TEST(ResourceScript, HeaderCollectsTopLevelIncludes) {
  test::Workspace ws;
  ASSERT_EQ(ws.readSource("#include \"resource.h\"\n#ifdef X\n#include \"inner.h\"\n#endif\n"
                          "#include <afxres.h>\n",
                          kEnglish),
            ScriptResult::Ok);
  EXPECT_EQ(ws.tasks.head()->header, "#include \"resource.h\"\n#include <afxres.h>\n");
}

TEST(ResourceScript, IncludedScriptsBecomeFurtherTasks) {
  QTemporaryDir dir;
  QDir(dir.path()).mkdir("res");
  const QString source = dir.filePath("app.rc");
  QFile file(source);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("LANGUAGE 9, 1\n#include \"res\\\\App.RC2\"\n#include \"second.rc\"\n"
             "#include \"header.h\"\n");
  file.close();
  QFile rc2(dir.filePath("res/app.rc2"));
  ASSERT_TRUE(rc2.open(QIODevice::WriteOnly));
  rc2.close();

  test::Workspace ws;
  ASSERT_EQ(ws.readSource({}, kEnglish, source), ScriptResult::Ok);
  ASSERT_EQ(ws.tasks.size(), 3);
  EXPECT_EQ(ws.tasks.at(1)->sourcePath, dir.filePath("res/app.rc2"));
  EXPECT_EQ(ws.tasks.at(2)->sourcePath, dir.filePath("second.rc"));
  EXPECT_EQ(ws.tasks.at(1)->sourceLanguage, -1);

  // The target's includes pair with the source's in order.
  const QString target = dir.filePath("app_de.rc");
  QFile targetFile(target);
  ASSERT_TRUE(targetFile.open(QIODevice::WriteOnly));
  targetFile.write("LANGUAGE 9, 1\n#include \"res/app_de.rc2\"\n");
  targetFile.close();
  ASSERT_EQ(ws.readTarget({}, kEnglish, target), ScriptResult::Ok);
  EXPECT_EQ(ws.tasks.at(1)->targetPath, dir.filePath("res/app_de.rc2"));
  EXPECT_TRUE(ws.tasks.at(2)->targetPath.isEmpty());
}

TEST(ResourceScript, CancelRemovesTheTaskEntries) {
  class CancellingProgress : public NullProgress {
  public:
    bool cancelled() const override { return ++calls > 2; }
    mutable int calls = 0;
  };
  test::Workspace ws;
  CancellingProgress progress;
  ScriptContext context = ws.context();
  context.progress = &progress;
  Task *task = ws.tasks.append();
  ResourceScript script(context);
  script.openData("STRINGTABLE { 1 \"a\" }\nSTRINGTABLE { 2 \"b\" }\nSTRINGTABLE { 3 \"c\" }\n");
  EXPECT_EQ(script.read(true, kEnglish, task), ScriptResult::Cancelled);
  EXPECT_TRUE(ws.entries.isEmpty());
  EXPECT_TRUE(ws.prompter.messages.isEmpty());
}

TEST(ResourceScript, BadInputEndsWithAResult) {
  // Deep nesting, unbalanced blocks and garbage end with a result, never a crash.
  QByteArray nested = "LANGUAGE 9, 1\nIDR_X CUSTOM\n";
  for (int i = 0; i < 20000; ++i)
    nested += "BEGIN\n";
  QByteArray ifs;
  for (int i = 0; i < 20000; ++i)
    ifs += "#if 1\n";
  QByteArray garbage;
  for (int i = 0; i < 4096; ++i)
    garbage += char((i * 7919) & 0xFF);
  const QByteArray longLine = "STRINGTABLE { 1 \"" + QByteArray(4 << 20, 'x') + "\" }\n";
  struct Case {
    QByteArray data;
    ScriptResult result;
  } cases[] = {{nested, ScriptResult::SyntaxError},
               {ifs, ScriptResult::Ok},
               {"STRINGTABLE { 1 \"open", ScriptResult::SyntaxError},
               {"IDR_X", ScriptResult::SyntaxError},
               {longLine, ScriptResult::Ok}};
  for (const Case &c : cases) {
    test::Workspace ws;
    EXPECT_EQ(ws.readSource(c.data, kEnglish), c.result);
  }
  test::Workspace ws;
  const ScriptResult result = ws.readSource(garbage, kEnglish);
  EXPECT_TRUE(result == ScriptResult::Ok || result == ScriptResult::SyntaxError);
}

} // namespace
} // namespace tarvelo
