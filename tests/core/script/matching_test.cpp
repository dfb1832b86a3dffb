// Tests: a target's texts placed into the source's entries, repeated identifiers too.
#include "script/after_read.h"
#include "script/companion_file.h"
#include "script/verification.h"
#include "support/script_harness.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tarvelo {
namespace {

class MatchingTest : public ::testing::Test {
protected:
  // Reads source and target texts and runs the after-read step.
  void open(const QByteArray &source, const QByteArray &target) {
    ASSERT_EQ(ws.readSource(source, 0x0409), ScriptResult::Ok);
    ASSERT_EQ(ws.readTarget(target, 0x0407), ScriptResult::Ok);
    afterRead();
  }
  void afterRead() {
    AfterReadContext context{&ws.entries, &ws.prompter, QString(), &clearFuzzy};
    afterTargetRead(ws.tasks.head(), context);
  }
  TextEntry *find(const QString &kind, const QString &identifier, int nth = 0) {
    for (const auto &entry : ws.entries)
      if (entry->kind == kind && entry->identifier == identifier && nth-- == 0)
        return entry.get();
    return nullptr;
  }
  test::Workspace ws;
  bool clearFuzzy = false;
};

const QByteArray kDialog = "LANGUAGE 9, 1\nIDD_A DIALOGEX 0, 0, 100, 50\nCAPTION \"Title\"\nBEGIN\n"
                           "    LTEXT \"Name\",IDC_NAME,7,7,40,8\n"
                           "    PUSHBUTTON \"OK\",IDOK,7,20,40,14\n"
                           "    PUSHBUTTON \"Cancel\",IDCANCEL,50,20,40,14\n"
                           "END\n";

TEST_F(MatchingTest, ControlsInAnotherOrderLandOnTheirIdentifiers) {
  open(kDialog, "LANGUAGE 7, 1\nIDD_A DIALOGEX 0, 0, 100, 50\nCAPTION \"Titel\"\nBEGIN\n"
                "    PUSHBUTTON \"Abbrechen\",IDCANCEL,50,20,40,14\n"
                "    LTEXT \"Name\",IDC_NAME,7,7,40,8\n"
                "    PUSHBUTTON \"OK\",IDOK,7,20,40,14\n"
                "END\n");
  EXPECT_EQ(ws.dump(true), "DIALOG|IDD_A|Title|Titel|3\nDIALOG|IDC_NAME|Name|Name|3\n"
                           "DIALOG|IDOK|OK|OK|3\nDIALOG|IDCANCEL|Cancel|Abbrechen|3\n");
  // Every text found a place: nobody is asked.
  EXPECT_TRUE(ws.prompter.fuzzyRequests.isEmpty());
  auto *dialog = static_cast<DialogEntry *>(find("DIALOG", "IDD_A"));
  EXPECT_TRUE(dialog->layoutDiffers); // the order differs
  ASSERT_EQ(dialog->pairs.size(), 3u);
  EXPECT_EQ(dialog->pairs[2].target.x, 50);
  EXPECT_EQ(dialog->pairs[2].target.textEntry, find("DIALOG", "IDCANCEL"));
}

TEST_F(MatchingTest, SameLayoutDoesNotDiffer) {
  QByteArray target = kDialog;
  target.replace("LANGUAGE 9, 1", "LANGUAGE 7, 1").replace("\"Name\"", "\"Nom\"");
  open(kDialog, target);
  auto *dialog = static_cast<DialogEntry *>(find("DIALOG", "IDD_A"));
  EXPECT_FALSE(dialog->layoutDiffers);
  EXPECT_TRUE(dialog->canRegenerate());
  EXPECT_EQ(find("DIALOG", "IDC_NAME")->targetText, "Nom");
}

TEST_F(MatchingTest, RepeatedIdentifiersAreFuzzy) {
  open("LANGUAGE 9, 1\nIDD_A DIALOG 0,0,1,1\nBEGIN\n LTEXT \"One\",IDC_STATIC,0,0,1,1\n"
       " LTEXT \"Two\",IDC_STATIC,0,0,1,1\nEND\n",
       "LANGUAGE 7, 1\nIDD_A DIALOG 0,0,1,1\nBEGIN\n LTEXT \"Eins\",IDC_STATIC,0,0,1,1\n"
       " LTEXT \"Zwei\",IDC_STATIC,0,0,1,1\nEND\n");
  EXPECT_EQ(find("DIALOG", "IDC_STATIC", 0)->matchState, Fuzzy);
  EXPECT_EQ(find("DIALOG", "IDC_STATIC", 1)->matchState, Fuzzy);
  EXPECT_EQ(find("DIALOG", "IDC_STATIC", 1)->targetText, "Zwei");
}

// In a string table too, every entry with a later repeat in its block is fuzzy; the
// same identifier in another block is no repeat.
TEST_F(MatchingTest, RepeatedStringIdentifiersAreFuzzyWithinTheirBlock) {
  open("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"One\"\n IDS_B \"B\"\n IDS_A \"Two\"\n"
       " IDS_C \"C\"\n IDS_A \"Three\"\nEND\nSTRINGTABLE\nBEGIN\n IDS_C \"Four\"\nEND\n",
       "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Eins\"\n IDS_B \"Be\"\n IDS_A \"Zwei\"\n"
       " IDS_C \"Ce\"\nEND\nSTRINGTABLE\nBEGIN\n IDS_C \"Vier\"\nEND\n");
  EXPECT_EQ(ws.dump(true), "STRINGTABLE|IDS_A|One|Eins|2\n"
                           "STRINGTABLE|IDS_B|B|Be|3\n"
                           "STRINGTABLE|IDS_A|Two|Zwei|2\n"
                           "STRINGTABLE|IDS_C|C|Ce|3\n"
                           "STRINGTABLE|IDS_A|Three||0\n"
                           "STRINGTABLE|IDS_C|Four|Vier|3\n");
}

TEST_F(MatchingTest, UnplacedTextsAskTheFuzzyItemsQuestion) {
  ws.prompter.fuzzyChoices = {"Drei"};
  ws.prompter.fuzzyClear = 1;
  open("LANGUAGE 9, 1\nIDR_M MENU\nBEGIN\n MENUITEM \"One\", ID_A\n MENUITEM \"Two\", ID_B\nEND\n",
       "LANGUAGE 7, 1\nIDR_M MENU\nBEGIN\n MENUITEM \"Eins\", ID_A\n MENUITEM \"Zwei\", ID_B\n"
       " MENUITEM \"Drei\", ID_B\nEND\n");
  ASSERT_EQ(ws.prompter.fuzzyRequests.size(), 1);
  const FuzzyItemsRequest &request = ws.prompter.fuzzyRequests[0];
  EXPECT_EQ(request.caption, "Menu IDR_M");
  EXPECT_EQ(request.text,
            "Count or order of Menu items has changed. Verify translation of fuzzy items.");
  ASSERT_EQ(request.rows.size(), 1);
  EXPECT_EQ(request.rows[0].original, "Two");
  EXPECT_EQ(request.rows[0].translated, "Zwei");
  EXPECT_TRUE(request.choices.contains("Drei"));
  EXPECT_TRUE(request.choices.first().isEmpty());
  // The choice is taken and the fuzzy mark cleared; the box is remembered.
  EXPECT_EQ(find("MENU", "ID_B")->targetText, "Drei");
  EXPECT_EQ(find("MENU", "ID_B")->matchState, Matched);
  EXPECT_TRUE(clearFuzzy);
  EXPECT_FALSE(find("MENU", "IDR_M")->orderChanged);
}

TEST_F(MatchingTest, DlgInitAndDialogCaptions) {
  ws.prompter.fuzzyClear = 0;
  open("LANGUAGE 9, 1\nIDD_A DLGINIT\nBEGIN\n IDC_C, 0x403, 2, 0\n0x0041, \n 0\nEND\n",
       "LANGUAGE 7, 1\nIDD_A DLGINIT\nBEGIN\n IDC_C, 0x403, 2, 0\n0x0042, \n"
       " IDC_C, 0x403, 2, 0\n0x0043, \n 0\nEND\n");
  ASSERT_EQ(ws.prompter.fuzzyRequests.size(), 1);
  EXPECT_EQ(ws.prompter.fuzzyRequests[0].caption, "Dialog controls init IDD_A");
  EXPECT_EQ(ws.prompter.fuzzyRequests[0].text,
            "Count of ListBox items has changed. Verify translation of fuzzy items.");
}

TEST_F(MatchingTest, AStringTheSourceLacksChangesNothing) {
  open("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Apple\"\nEND\n",
       "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Apfel\"\n IDS_Z \"Zebra\"\nEND\n");
  EXPECT_EQ(ws.dump(true), "STRINGTABLE|IDS_A|Apple|Apfel|3\n");
  EXPECT_EQ(verificationSummary(ws.entries),
            "0 of 1 items verified (1 matched, 0 fuzzy, 0 not found, 0 source modified, 0 filled)");
}

TEST_F(MatchingTest, EmptyTargetOfANonEmptySourceIsFoundEmpty) {
  open("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Apple\"\n IDS_B \"Pear\"\nEND\n",
       "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"\"\nEND\n");
  EXPECT_EQ(find("STRINGTABLE", "IDS_A")->matchState, FoundEmpty);
  EXPECT_EQ(find("STRINGTABLE", "IDS_B")->matchState, NotFound);
  EXPECT_EQ(verificationSummary(ws.entries),
            "0 of 2 items verified (0 matched, 0 fuzzy, 2 not found, 0 source modified, 0 filled)");
}

TEST_F(MatchingTest, SummaryCountsEqualPairsOnceAndVerifiedMarksFollowTheChain) {
  open(
      "LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Open\"\n IDS_B \"Open\"\n IDS_C \"Open\"\nEND\n",
      "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Öffnen\"\n IDS_B \"Öffnen\"\n IDS_C "
      "\"Auf\"\nEND\n");
  TextEntry *a = find("STRINGTABLE", "IDS_A");
  TextEntry *b = find("STRINGTABLE", "IDS_B");
  TextEntry *c = find("STRINGTABLE", "IDS_C");
  EXPECT_EQ(a->nextOccurrence, b);
  EXPECT_EQ(c->prevOccurrence, b);
  setVerified(b, true);
  EXPECT_TRUE(a->verified);
  EXPECT_FALSE(c->verified);
  EXPECT_TRUE(isVerified(a));
  EXPECT_EQ(verificationSummary(ws.entries),
            "1 of 2 items verified (2 matched, 0 fuzzy, 0 not found, 0 source modified, 0 filled)");
}

// One source text with more distinct translations than are compared one by one: each
// translation counts once, with its first entry's state, verified through any twin.
TEST_F(MatchingTest, SummaryOfAChainWithManyTranslations) {
  QByteArray source = "LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n";
  QByteArray target = "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n";
  constexpr int kEntries = 90, kTranslations = 30;
  for (int i = 0; i < kEntries; ++i) {
    source += " IDS_" + QByteArray::number(i) + " \"Same\"\n";
    // Entry i carries translation i % 30; entries 0..29 are their first ones.
    if (i != 5)
      target +=
          " IDS_" + QByteArray::number(i) + " \"T" + QByteArray::number(i % kTranslations) + "\"\n";
  }
  source += " IDS_X \"Other\"\nEND\n";
  target += "END\n";
  open(source, target);
  // A verified mark on a later twin counts for the first; one on the untranslated item.
  find("STRINGTABLE", "IDS_" + QString::number(kTranslations * 2 + 7))->verified = true;
  find("STRINGTABLE", "IDS_20")->verified = true;
  find("STRINGTABLE", "IDS_5")->verified = true;
  // Translation 5 is missing on its first entry: that one is an item of its own.
  EXPECT_EQ(verificationSummary(ws.entries),
            "3 of 32 items verified (30 matched, 0 fuzzy, 2 not found, 0 source modified, 0 "
            "filled)");
}

TEST_F(MatchingTest, VerbatimResourcesKeepTheTargetBlockWhenItHasAsManyLines) {
  open("LANGUAGE 9, 1\nIDR_A ACCELERATORS\nBEGIN\n \"A\", 1, VIRTKEY\nEND\n"
       "IDR_T TOOLBAR 16, 15\nBEGIN\n BUTTON 1\nEND\n"
       "IDR_V VERSIONINFO\nBEGIN\n BLOCK \"x\"\nEND\n",
       "LANGUAGE 7, 1\nIDR_A ACCELERATORS\nBEGIN\n \"B\", 1, VIRTKEY\nEND\n"
       "IDR_T TOOLBAR 16, 15\nBEGIN\n BUTTON 2\nEND\n"
       "IDR_V VERSIONINFO\nBEGIN\n BLOCK \"x\"\n BLOCK \"y\"\nEND\n");
  EXPECT_FALSE(static_cast<OtherEntry *>(find("ACCELERATORS", "IDR_A"))->useSourceBlock);
  EXPECT_TRUE(static_cast<OtherEntry *>(find("TOOLBAR", "IDR_T"))->useSourceBlock);
  EXPECT_TRUE(static_cast<OtherEntry *>(find("VERSIONINFO", "IDR_V"))->useSourceBlock);
}

TEST_F(MatchingTest, MissingTargetDialogTakesTheSourceLayout) {
  open(kDialog, "LANGUAGE 7, 1\n");
  auto *dialog = static_cast<DialogEntry *>(find("DIALOG", "IDD_A"));
  EXPECT_TRUE(dialog->layoutDiffers);
  EXPECT_EQ(dialog->targetLayout.width, 100);
  EXPECT_EQ(dialog->pairs.size(), 3u);
}

// A dialog of `controls` controls in which every third shares IDC_STATIC; the texts
// end in `suffix`, the controls are listed backwards when `reversed`.
QByteArray sharedIdentifierDialog(const char *language, int controls, const char *suffix,
                                  bool reversed = false) {
  QByteArray lines;
  for (int i = 0; i < controls; ++i) {
    const QByteArray id = i % 3 == 0 ? "IDC_STATIC" : "IDC_" + QByteArray::number(i);
    const QByteArray line =
        " LTEXT \"Text " + QByteArray::number(i) + suffix + "\"," + id + ",0,0,1,1\n";
    lines = reversed ? line + lines : lines + line;
  }
  return QByteArray("LANGUAGE ") + language + "\nIDD_A DIALOG 0,0,1,1\nBEGIN\n" + lines + "END\n";
}

// Small blocks are walked and large ones indexed: both must give the same places.
TEST(SharedIdentifiers, SmallAndLargeBlocksGiveTheSamePlaces) {
  for (const int controls : {9, 150}) {
    SCOPED_TRACE(controls);
    test::Workspace ws;
    ASSERT_EQ(ws.readSource(sharedIdentifierDialog("9, 1", controls, ""), 0x0409),
              ScriptResult::Ok);
    ASSERT_EQ(ws.readTarget(sharedIdentifierDialog("7, 1", controls, " de"), 0x0407),
              ScriptResult::Ok);
    bool clear = false;
    AfterReadContext context{&ws.entries, &ws.prompter, QString(), &clear};
    afterTargetRead(ws.tasks.head(), context);
    ASSERT_EQ(ws.entries.size(), controls + 1);
    for (int i = 0; i < controls; ++i) {
      TextEntry *entry = ws.entries.at(i + 1);
      EXPECT_EQ(entry->targetText, entry->sourceText + " de");
      EXPECT_EQ(entry->matchState, i % 3 == 0 ? Fuzzy : Matched) << i;
      entry->setTargetComment(QString::number(i));
    }

    // Marks written in one order are read back into a source listed the other way.
    QTemporaryDir dir;
    const QString targetPath = dir.filePath("app_de.rc");
    ASSERT_TRUE(writeCompanion(ws.entries, ws.tasks.head(), targetPath, 1031, false));
    test::Workspace again;
    ASSERT_EQ(again.readSource(sharedIdentifierDialog("9, 1", controls, "", true), 0x0409),
              ScriptResult::Ok);
    ASSERT_EQ(again.readTarget(sharedIdentifierDialog("7, 1", controls, " de", true), 0x0407),
              ScriptResult::Ok);
    readCompanion(again.entries, again.tasks.head(), targetPath, 1031, false);
    QStringList shared;
    for (int i = 1; i <= controls; ++i) {
      const TextEntry *entry = again.entries.at(i);
      if (entry->identifier == "IDC_STATIC")
        shared << entry->targetComment();
      else
        EXPECT_EQ(entry->targetComment(), entry->identifier.mid(4))
            << entry->identifier.toStdString();
    }
    QStringList expected;
    for (int i = 0; i < controls; i += 3)
      expected << QString::number(i);
    std::sort(shared.begin(), shared.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shared, expected);
  }
}

class CompanionTest : public MatchingTest {
protected:
  QTemporaryDir dir;
  QString sourcePath() { return dir.filePath("app.rc"); }
  QString targetPath() { return dir.filePath("app_de.rc"); }
};

TEST_F(CompanionTest, CommentsMarksAndSourceTextsSurviveAWriteAndARead) {
  const QByteArray source =
      "LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Open\"\n 100 \"Close\"\nEND\n";
  const QByteArray target =
      "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Öffnen\"\n 100 \"Zu\"\nEND\n";
  open(source, target);
  TextEntry *a = find("STRINGTABLE", "IDS_A");
  a->setSourceComment("a \"quoted\" note");
  a->setTargetComment("checked by \"Anna\"");
  setVerified(a, true);
  setVerified(find("STRINGTABLE", "100"), true);
  Task *task = ws.tasks.head();
  ASSERT_TRUE(writeCompanion(ws.entries, task, sourcePath(), 1033, true));
  ASSERT_TRUE(writeCompanion(ws.entries, task, targetPath(), 1031, false));
  QFile file(companionPath(targetPath(), 1031));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();
  EXPECT_TRUE(data.startsWith("\xFF\xFE"));
  EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData() + 2),
                               (data.size() - 2) / 2),
            u"{\nSTRINGTABLE IDS_A \"checked by \tAnna\t\" \"\u00d6ffnen\" \"09\"\n"
            u"STRINGTABLE 100 \"\" \"Zu\" \"09\"\n}\n"_qs);

  // Reopen with a changed source text: the entry is source modified and not verified.
  test::Workspace again;
  QByteArray changed = source;
  changed.replace("\"Open\"", "\"Open...\"");
  ASSERT_EQ(again.readSource(changed, 0x0409), ScriptResult::Ok);
  ASSERT_EQ(again.readTarget(target, 0x0407), ScriptResult::Ok);
  bool clear = false;
  AfterReadContext context{&again.entries, &again.prompter, QString(), &clear};
  afterTargetRead(again.tasks.head(), context);
  readCompanion(again.entries, again.tasks.head(), sourcePath(), 1033, true);
  readCompanion(again.entries, again.tasks.head(), targetPath(), 1031, false);
  const TextEntry *reopened = again.entries.at(0);
  EXPECT_EQ(reopened->sourceComment(), "a \"quoted\" note");
  EXPECT_EQ(reopened->targetComment(), "checked by \"Anna\"");
  EXPECT_EQ(reopened->matchState, SourceModified);
  EXPECT_FALSE(reopened->verified);
  // The numeric identifier did not stop the reading.
  EXPECT_TRUE(again.entries.at(1)->verified);
}

// A companion that already says the same is not replaced (a source tree under version
// control keeps its files as they were); one that differs is, same length or not.
TEST_F(CompanionTest, OnlyAChangedCompanionIsWrittenAgain) {
  open("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Open\"\nEND\n",
       "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Auf\"\nEND\n");
  TextEntry *a = find("STRINGTABLE", "IDS_A");
  a->setTargetComment("abc");
  Task *task = ws.tasks.head();
  const QString path = companionPath(targetPath(), 1031);
  const auto inode = [&path] {
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : ino_t(0);
  };
  ASSERT_TRUE(writeCompanion(ws.entries, task, targetPath(), 1031, false));
  const ino_t first = inode();
  ASSERT_NE(first, ino_t(0));
  ASSERT_TRUE(writeCompanion(ws.entries, task, targetPath(), 1031, false));
  EXPECT_EQ(inode(), first);
  a->setTargetComment("abd"); // the same length, other bytes
  ASSERT_TRUE(writeCompanion(ws.entries, task, targetPath(), 1031, false));
  EXPECT_NE(inode(), first);
  test::Workspace again;
  ASSERT_EQ(again.readSource("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Open\"\nEND\n", 0x0409),
            ScriptResult::Ok);
  readCompanion(again.entries, again.tasks.head(), targetPath(), 1031, false);
  EXPECT_EQ(again.entries.at(0)->targetComment(), "abd");
}

TEST_F(CompanionTest, MissingOrMalformedFilesAreNoError) {
  open("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Open\"\n IDS_B \"Close\"\nEND\n",
       "LANGUAGE 7, 1\n");
  readCompanion(ws.entries, ws.tasks.head(), dir.filePath("none.rc"), 1031, false);
  QFile file(companionPath(targetPath(), 1031));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const QString text = "{\nSTRINGTABLE IDS_A \"note\" \"\" \nSTRINGTABLE , oops\n"
                       "STRINGTABLE IDS_B \"never\" \"\"\n}\n";
  file.write("\xFF\xFE", 2);
  file.write(reinterpret_cast<const char *>(text.constData()), text.size() * 2);
  file.close();
  readCompanion(ws.entries, ws.tasks.head(), targetPath(), 1031, false);
  EXPECT_EQ(find("STRINGTABLE", "IDS_A")->targetComment(), "note");
  EXPECT_EQ(find("STRINGTABLE", "IDS_B")->targetComment(), "");
}

} // namespace
} // namespace tarvelo
