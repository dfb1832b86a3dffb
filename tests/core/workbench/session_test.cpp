// The session: opening, editing, saving, closing, included scripts and failures.
#include "script/verification.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/memory_port.h"
#include "workbench/session.h"

#include "seam/progress.h"
#include "seam/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tarvelo {
namespace {

using Answer = Prompter::Answer;

const char kSource[] = "#include \"resource.h\"\n"
                       "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                       "IDR_M MENU\nBEGIN\n    POPUP \"&File\"\n    BEGIN\n"
                       "        MENUITEM \"&Open\",                ID_OPEN\n    END\nEND\n"
                       "STRINGTABLE\nBEGIN\n"
                       "    IDS_A                   \"Open\"\n"
                       "    IDS_B                   \"Open\"\n"
                       "    IDS_C                   \"Open\"\n"
                       "    IDS_D                   \"Close\"\n"
                       "END\n";

class SessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    sourcePath = dir.filePath("app.rc");
    targetPath = dir.filePath("app_de.rc");
    write(sourcePath, kSource);
  }
  static void write(const QString &path, const QByteArray &data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  static QByteArray read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  OpenRequest request(bool specifyLater = false) const {
    return {sourcePath, 1033, specifyLater, targetPath, 1031};
  }
  TextEntry *find(const QString &identifier) {
    for (const auto &entry : session.entries())
      if (entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }

  QTemporaryDir dir;
  QString sourcePath, targetPath;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
};

TEST_F(SessionTest, TheRoadOfOneTask) {
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  EXPECT_TRUE(session.isModified()); // a freshly opened task counts as modified
  EXPECT_EQ(session.summary(),
            "0 of 4 items verified (0 matched, 0 fuzzy, 4 not found, 0 source modified, 0 filled)");

  // One change over three checked occurrences, undone and redone in one step each.
  TextEntry *a = find("IDS_A");
  session.selectEntry(a);
  EXPECT_EQ(session.occurrences().title(), "Occurrences (3 items)");
  EXPECT_EQ(session.changeTargetText(a, "\u00d6ffnen"), 0); // one row, one text
  for (const char *id : {"IDS_A", "IDS_B", "IDS_C"})
    EXPECT_EQ(find(id)->targetText, "\u00d6ffnen") << id;
  ASSERT_TRUE(session.undo());
  for (const char *id : {"IDS_A", "IDS_B", "IDS_C"})
    EXPECT_EQ(find(id)->targetText, "") << id;
  ASSERT_TRUE(session.redo());
  EXPECT_EQ(find("IDS_C")->targetText, "\u00d6ffnen");

  // Unchecking an occurrence keeps it out of the next change.
  session.selectEntry(find("IDS_A"));
  session.occurrences().setData(session.occurrences().index(2), Qt::Unchecked, Qt::CheckStateRole);
  EXPECT_EQ(session.occurrences().overallState(), Qt::PartiallyChecked);
  EXPECT_EQ(session.changeTargetText(find("IDS_A"), "Auf"), 2); // the rows split
  EXPECT_EQ(find("IDS_B")->targetText, "Auf");
  EXPECT_EQ(find("IDS_C")->targetText, "\u00d6ffnen");

  session.changeComment(find("IDS_D"), "keep it \"short\"", 0);
  session.changeComment(find("IDS_D"), "a source note", 1);
  session.changeTargetText(find("IDS_D"), "Schlie\u00dfen");
  session.setVerified(find("IDS_D"), true);

  ASSERT_TRUE(session.save());
  EXPECT_FALSE(session.isModified());
  EXPECT_TRUE(read(targetPath)
                  .contains("IDS_D                   \"Schlie\xdf"
                            "en\""));
  EXPECT_TRUE(read(targetPath).contains("LANGUAGE 7, 1"));
  EXPECT_TRUE(session.close());
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
  EXPECT_TRUE(session.entries().isEmpty());

  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  EXPECT_EQ(find("IDS_A")->targetText, "Auf");
  EXPECT_EQ(find("IDS_C")->targetText, "\u00d6ffnen");
  TextEntry *d = find("IDS_D");
  EXPECT_EQ(d->targetText, "Schlie\u00dfen");
  EXPECT_EQ(d->targetComment(), "keep it \"short\"");
  EXPECT_EQ(d->sourceComment(), "a source note");
  EXPECT_TRUE(d->verified);
  EXPECT_EQ(d->matchState, Matched);
}

TEST_F(SessionTest, ClosingAfterOpenAsksToSave) {
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(session.close());
  EXPECT_EQ(prompter.messages, QStringList{"Do you want to save resource file?"});
  prompter.answers = {Answer::No};
  EXPECT_TRUE(session.close());
  EXPECT_FALSE(QFile::exists(targetPath));
}

TEST_F(SessionTest, FailuresSayWhatWentWrong) {
  struct Case {
    const char *name;
    QByteArray source;
    QByteArray target; // empty: no target file
    QList<Answer> answers;
    Session::OpenResult result;
    QStringList messages;
  } cases[] = {
      {"not a script",
       "STRINGTABLE\nBEGIN\n 1 \"a\" , ,\nEND\n",
       {},
       {},
       Session::OpenResult::StayInDialog,
       {QStringLiteral("Unexpected string at line: 3 of the file '%1': found ', ,'; expected an "
                       "identifier and its quoted text for each string of the STRINGTABLE that "
                       "begins at line 1.")
            .arg(QDir::toNativeSeparators(sourcePath)),
        "Invalid source file"}},
      {"no resource in the language",
       "LANGUAGE 7, 1\nSTRINGTABLE { 1 \"a\" }\n",
       {},
       {Answer::No},
       Session::OpenResult::StayInDialog,
       {"No English resource item found. Continue?"}},
      {"target not a script",
       kSource,
       "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1\nEND\n",
       {Answer::No},
       Session::OpenResult::StayInDialog,
       {QStringLiteral("Unexpected string at line: 5 of the file '%1': found 'END'; expected an "
                       "identifier and its quoted text for each string of the STRINGTABLE that "
                       "begins at line 2."),
        QStringLiteral("File '%1' is not valid resource file. Continue?")}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    prompter.messages.clear();
    prompter.answers = c.answers;
    write(sourcePath, c.source);
    QFile::remove(targetPath);
    if (!c.target.isEmpty())
      write(targetPath, c.target);
    EXPECT_EQ(session.open(request()), c.result);
    QStringList expected;
    for (const QString &message : c.messages)
      expected << (message.contains("%1") ? message.arg(targetPath) : message);
    EXPECT_EQ(prompter.messages, expected);
  }
  // Neutral has its own name.
  write(sourcePath, "LANGUAGE 7, 1\n");
  prompter.messages.clear();
  prompter.answers = {Answer::No};
  session.open({sourcePath, 0, true, QString(), 1031});
  EXPECT_EQ(prompter.messages, QStringList{"No Neutral resource item found. Continue?"});
}

TEST_F(SessionTest, ANewTargetWithoutAPathIsSavedWhereTheDialogSays) {
  ASSERT_EQ(session.open(request(true)), Session::OpenResult::Opened);
  prompter.savePaths = {dir.filePath("chosen.txt")};
  ASSERT_TRUE(session.save());
  ASSERT_EQ(prompter.saveRequests.size(), 1);
  EXPECT_EQ(prompter.saveRequests[0].title, "Save As - app.rc");
  EXPECT_EQ(prompter.saveRequests[0].writeLanguage, 1031);
  // The extension rule made the name a script.
  EXPECT_TRUE(QFile::exists(dir.filePath("chosen.txt.rc")));
  EXPECT_TRUE(QFile::exists(dir.filePath("chosen.txt.rc.1031")));
  EXPECT_TRUE(QFile::exists(sourcePath + ".1033"));
  EXPECT_TRUE(prompter.messages.isEmpty());
  // The next save goes there without asking.
  ASSERT_TRUE(session.save());
  EXPECT_EQ(prompter.saveRequests.size(), 1);
}

TEST_F(SessionTest, SaveAsWritesTheChosenResources) {
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  prompter.savePaths = {dir.filePath("copy.rc")};
  prompter.dropIdentifiers = {"IDR_M"};
  ASSERT_TRUE(session.saveAs());
  const QByteArray copy = read(dir.filePath("copy.rc"));
  EXPECT_FALSE(copy.contains("MENU"));
  EXPECT_TRUE(copy.contains("STRINGTABLE"));
  // Cancelling the dialog saves nothing.
  EXPECT_FALSE(session.saveAs());
}

TEST_F(SessionTest, SaveAsMovesTheTaskButSaveToSourceDoesNot) {
  write(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n    IDS_D \"Zu\"\nEND\n");
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  const QByteArray original = read(targetPath);
  QStringList titles;
  QObject::connect(&session, &Session::titleChanged, [&](const QString &t) { titles << t; });
  const QString moved = dir.filePath("moved_de.rc");
  prompter.savePaths = {moved};
  prompter.saveLanguage = 1031;
  ASSERT_TRUE(session.saveAs());
  EXPECT_EQ(session.targetPath(), moved);
  EXPECT_EQ(titles, QStringList{moved});
  EXPECT_EQ(settings.text("TargetPath"), moved);
  EXPECT_FALSE(session.isModified());
  // The next Save goes to the new file, not the old one, and asks nothing.
  session.changeTargetText(find("IDS_D"), "Schlie\u00dfen");
  ASSERT_TRUE(session.save());
  EXPECT_EQ(prompter.saveRequests.size(), 1);
  EXPECT_TRUE(read(moved).contains("Schlie\xdf"
                                   "en")); // code page 1252
  EXPECT_EQ(read(targetPath), original);

  // A copy written over the source leaves the task where it is.
  prompter.savePaths = {dir.filePath("source_copy.rc")};
  ASSERT_TRUE(session.saveToSourceFile());
  EXPECT_EQ(session.targetPath(), moved);
}

TEST_F(SessionTest, LearningOnCloseEvenWhenNotSaving) {
  struct Memory : MemoryPort {
    bool isBound() const override { return true; }
    void connect(int, int) override { ++connects; }
    void fillEmptyTargets(bool fill) override { fills += fill ? 1 : 0; }
    void learnTranslations(int language) override { learnt.append(language); }
    int connects = 0, fills = 0;
    QList<int> learnt;
  } memory;
  session.setMemory(&memory);
  settings.setInteger("SaveTM", 1);
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  EXPECT_EQ(memory.connects, 1);
  EXPECT_EQ(memory.fills, 1);
  prompter.answers = {Answer::No};
  EXPECT_TRUE(session.close());
  EXPECT_EQ(memory.learnt, QList<int>{1031});
}

TEST_F(SessionTest, InverseOpenSwapsTheScripts) {
  write(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Auf\"\n IDS_D \"Zu\"\nEND\n");
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  prompter.answers = {Answer::No};
  ASSERT_TRUE(session.inverseOpen());
  EXPECT_EQ(session.sourceLanguage(), 1031);
  EXPECT_EQ(session.targetLanguage(), 1033);
  EXPECT_EQ(session.sourcePath(), targetPath);
  EXPECT_EQ(find("IDS_D")->sourceText, "Zu");
  EXPECT_EQ(find("IDS_D")->targetText, "Close");
}

TEST_F(SessionTest, IncludedScriptsArePairedAndSaved) {
  write(sourcePath, QByteArray(kSource) + "#include \"part.rc\"\n");
  write(dir.filePath("part.rc"), "LANGUAGE 9, 1\nSTRINGTABLE { IDS_P \"Part\" }\n");
  prompter.pairTargets = {dir.filePath("part_de.rc")};
  prompter.pairLanguage = 1031;
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  ASSERT_EQ(prompter.pairingRequests.size(), 1);
  EXPECT_EQ(prompter.pairingRequests[0].pairs[0].sourcePath, dir.filePath("part.rc"));
  ASSERT_EQ(session.tasks().size(), 2);
  EXPECT_NE(find("IDS_P"), nullptr);
  session.changeTargetText(find("IDS_P"), "Teil");
  ASSERT_TRUE(session.save());
  EXPECT_TRUE(read(dir.filePath("part_de.rc")).contains("\"Teil\""));
}

// A target that includes the source's own .rc2 (as a copied target does) proposes no
// target for it; one that includes its own counterpart proposes that. Opening writes
// no companion file for a script nothing was written to, and a script is never
// paired with itself.
TEST_F(SessionTest, AnIncludedScriptIsProposedOnlyAnotherFileAsTarget) {
  const QString part = dir.filePath("part.rc2"), partDe = dir.filePath("part_de.rc2");
  const QByteArray partScript = "LANGUAGE 9, 1\nSTRINGTABLE { IDS_P \"Part\" }\n";
  write(sourcePath, QByteArray(kSource) + "#include \"part.rc2\"\n");
  write(part, partScript);
  write(partDe, "LANGUAGE 7, 1\nSTRINGTABLE { IDS_P \"Teil\" }\n");
  const struct {
    const char *name;
    QByteArray targetInclude;
    QStringList typed; // what the translator types as the pair's target
    QString proposed, paired;
  } cases[] = {
      {"the source's own", "part.rc2", {}, QString(), QString()},
      {"its counterpart", "part_de.rc2", {}, partDe, partDe},
      {"typed as its own target", "part_de.rc2", {part}, partDe, QString()},
  };
  for (const auto &c : cases) {
    write(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Auf\"\nEND\n#include \"" +
                          c.targetInclude + "\"\n");
    prompter.pairingRequests.clear();
    prompter.pairTargets = c.typed;
    prompter.pairLanguage = 1031;
    ASSERT_EQ(session.open(request()), Session::OpenResult::Opened) << c.name;
    ASSERT_EQ(prompter.pairingRequests.size(), 1) << c.name;
    EXPECT_EQ(prompter.pairingRequests[0].pairs[0].targetPath, c.proposed) << c.name;
    ASSERT_EQ(session.tasks().size(), 2) << c.name;
    EXPECT_EQ(session.tasks().at(1)->targetPath, c.paired) << c.name;
    EXPECT_EQ(find("IDS_P")->targetText, c.paired.isEmpty() ? QString() : QStringLiteral("Teil"))
        << c.name;
    for (const QString &script : {part, partDe})
      for (const int language : {1031, 1033})
        EXPECT_FALSE(QFileInfo::exists(script + u'.' + QString::number(language)))
            << c.name << " " << script.toStdString() << " " << language;
    prompter.answers = {Answer::No};
    session.close();
    EXPECT_EQ(read(part), partScript) << c.name;
  }
}

// Companion files that exist are brought up to date when an included script is read.
TEST_F(SessionTest, AnIncludedScriptsExistingCompanionIsRewritten) {
  const QString part = dir.filePath("part.rc2");
  write(sourcePath, QByteArray(kSource) + "#include \"part.rc2\"\n");
  write(part, "LANGUAGE 9, 1\nSTRINGTABLE { IDS_P \"Part\" }\n");
  write(part + ".1033", "");
  ASSERT_EQ(session.open(request(true)), Session::OpenResult::Opened);
  EXPECT_GT(read(part + ".1033").size(), 2);
}

// A file that is there and no script is refused as the target with a message, and no
// new target is started beside it; a script under another name is still taken.
TEST_F(SessionTest, ATargetThatIsNoScriptIsRefused) {
  const QString picture = dir.filePath("picture.png");
  write(picture, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  const QString notes = dir.filePath("notes.txt");
  write(notes, "These are notes, not a script.\n");
  const QString renamed = dir.filePath("app_de.txt");
  write(renamed, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n IDS_A \"Auf\"\nEND\n");
  const struct {
    QString target;
    QString reason; // empty: taken
  } cases[] = {
      {picture, QStringLiteral("it holds binary data, not text")},
      {notes, QStringLiteral("its line 1 is no statement of a script")},
      {renamed, QString()},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.target.toStdString());
    prompter.messages.clear();
    prompter.answers = {Answer::No};
    const Session::OpenResult result = session.open({sourcePath, 1033, false, c.target, 1031});
    if (c.reason.isEmpty()) {
      // The extension rule makes it a new target beside it, as the Part says.
      EXPECT_EQ(result, Session::OpenResult::Opened);
      EXPECT_EQ(session.targetPath(), c.target + ".rc");
      continue;
    }
    EXPECT_EQ(result, Session::OpenResult::StayInDialog);
    EXPECT_EQ(prompter.messages,
              QStringList{QStringLiteral("'%1' cannot be the target, it is not a resource "
                                         "script: %2. Choose a script (.rc, .rc2) or a new file.")
                              .arg(QDir::toNativeSeparators(c.target), c.reason)});
    EXPECT_FALSE(QFileInfo::exists(c.target + ".rc"));
  }
}

// A source that cannot be read says why before "Invalid source file".
TEST_F(SessionTest, ASourceThatCannotBeReadSaysWhy) {
  const QString missing = dir.filePath("gone/app.rc");
  EXPECT_EQ(session.open({missing, 1033, true, QString(), 1031}),
            Session::OpenResult::StayInDialog);
  EXPECT_EQ(prompter.messages,
            (QStringList{QStringLiteral("It is not possible open file '%1': the folder '%2' does "
                                        "not exist.")
                             .arg(QDir::toNativeSeparators(missing),
                                  QDir::toNativeSeparators(dir.filePath("gone"))),
                         "Invalid source file"}));
}

TEST_F(SessionTest, ATargetThatCannotBeReadKeepsTheDialogOpen) {
  // A folder where the target should be: it exists, but no file can be read from it.
  ASSERT_TRUE(QDir(dir.path()).mkdir("app_de.rc"));
  EXPECT_EQ(session.open({sourcePath, 1033, false, targetPath, 1031}),
            Session::OpenResult::StayInDialog);
  EXPECT_EQ(prompter.messages,
            QStringList{QStringLiteral("It is not possible open file '%1': it is a folder.")
                            .arg(QDir::toNativeSeparators(targetPath))});
  EXPECT_FALSE(session.isOpen());
}

TEST_F(SessionTest, ATargetThatIsNoLongerAScriptIsReplacedOnlyWhenAsked) {
  write(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n    IDS_A \"Offen\"\nEND\n");
  ASSERT_EQ(session.open({sourcePath, 1033, false, targetPath, 1031}), Session::OpenResult::Opened);
  // Someone broke the file meanwhile.
  write(targetPath, "STRINGTABLE\nBEGIN\n 1 \"a\" , ,\nEND\n");
  const QString changed = QStringLiteral("The file '%1' was changed by another program since it "
                                         "was opened. Do you want to replace it?")
                              .arg(targetPath);
  const QString question =
      QStringLiteral("File 'app_de.rc' is not regular resource file! Do you want replace it?");
  prompter.answers = {Answer::Yes, Answer::No};
  EXPECT_FALSE(session.save());
  EXPECT_EQ(prompter.messages.mid(0, 2), (QStringList{changed, question}));
  QFile kept(targetPath);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("STRINGTABLE\nBEGIN\n 1 \"a\" , ,\nEND\n"));

  prompter.messages.clear();
  prompter.answers = {Answer::Yes, Answer::Yes};
  EXPECT_TRUE(session.save());
  EXPECT_EQ(prompter.messages, (QStringList{changed, question}));
  // Written by this session, it is replaced without asking from now on.
  prompter.messages.clear();
  session.changeTargetText(find("IDS_A"), "Auf");
  EXPECT_TRUE(session.save());
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SessionTest, ATargetAnotherProgramChangedIsReplacedOnlyWhenAsked) {
  write(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n    IDS_A \"Offen\"\nEND\n");
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  const QByteArray theirs = "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n    IDS_A \"Ge\xc3\xb6"
                            "ffnet\"\nEND\n";
  write(targetPath, theirs);
  session.changeTargetText(find("IDS_A"), "Auf");
  prompter.answers = {Answer::No};
  EXPECT_FALSE(session.save());
  EXPECT_EQ(read(targetPath), theirs);
  EXPECT_TRUE(session.isModified());
  EXPECT_TRUE(
      prompter.messages.value(0).contains(QStringLiteral("was changed by another program")));
}

TEST_F(SessionTest, ACancelledSaveDialogAsksWhetherTheNextTaskGoesOn) {
  write(sourcePath, QByteArray(kSource) + "#include \"part.rc\"\n");
  write(dir.filePath("part.rc"), "LANGUAGE 9, 1\nSTRINGTABLE { IDS_P \"Part\" }\n");
  prompter.pairTargets = {dir.filePath("part_de.rc")};
  prompter.pairLanguage = 1031;
  ASSERT_EQ(session.open({sourcePath, 1033, true, QString(), 1031}), Session::OpenResult::Opened);
  ASSERT_EQ(session.tasks().size(), 2);
  const QString question =
      QStringLiteral("Operation was canceled by user. Do you want to continue next task?");

  // No: nothing more is saved.
  prompter.answers = {Answer::No};
  EXPECT_FALSE(session.saveAs());
  EXPECT_EQ(prompter.messages, QStringList{question});
  EXPECT_FALSE(QFile::exists(dir.filePath("part_de.rc")));

  // Yes: the further task is saved to its own target.
  prompter.messages.clear();
  prompter.answers = {Answer::Yes};
  session.saveAs();
  EXPECT_EQ(prompter.messages.value(0), question);
}

TEST_F(SessionTest, SavingOffersWhatOnlyTheTargetHoldsByGroup) {
  write(targetPath, "LANGUAGE 7, 1\n"
                    "IDR_TB TOOLBAR 16, 15\nBEGIN\n    BUTTON ID_X\nEND\n"
                    "STRINGTABLE\nBEGIN\n    IDS_A \"Offen\"\n    IDS_OLD \"Alt\"\nEND\n");
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  prompter.dropIdentifiers = {"IDS_OLD"};
  ASSERT_TRUE(session.save());
  ASSERT_EQ(prompter.savingRequests.size(), 1);
  const SavingResourcesRequest &asked = prompter.savingRequests[0];
  EXPECT_EQ(asked.title, QStringLiteral("Saving resources - app_de.rc"));
  QStringList offered;
  for (const ResourceChoice &item : asked.items)
    offered << item.group + u'/' + item.identifier;
  EXPECT_EQ(offered, (QStringList{"String Table/IDS_OLD", "Toolbar/IDR_TB"}));
  const QByteArray written = read(targetPath);
  EXPECT_TRUE(written.contains("IDR_TB TOOLBAR"));
  EXPECT_FALSE(written.contains("IDS_OLD"));
}

TEST_F(SessionTest, ACompanionFileThatCannotBeWrittenLeavesEveryFileAsItWas) {
  const QString sourceCompanion = sourcePath + ".1033";
  const QString targetCompanion = targetPath + ".1031";
  const auto notWritten = [](const QString &path) {
    return QStringLiteral("The file '%1' could not be written: it is not a regular file. The "
                          "files on the disk were left as they were.")
        .arg(path);
  };
  struct Case {
    const char *name;
    QStringList folders; // standing where the companion files go
    QString failed;      // the one named
  } cases[] = {
      {"the target's", {targetCompanion}, targetCompanion},
      {"the source's", {sourceCompanion}, sourceCompanion},
      {"both", {sourceCompanion, targetCompanion}, sourceCompanion},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    for (const QString &path : {sourceCompanion, targetCompanion})
      QFile::remove(path);
    write(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n    IDS_D \"Auf\"\nEND\n");
    const QByteArray before = read(targetPath);
    for (const QString &folder : c.folders)
      ASSERT_TRUE(QDir().mkdir(folder));
    prompter.messages.clear();
    ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
    session.changeTargetText(find("IDS_D"), "Zu");
    EXPECT_FALSE(session.save());
    EXPECT_EQ(prompter.messages, QStringList{notWritten(c.failed)});
    EXPECT_EQ(read(targetPath), before);
    EXPECT_TRUE(session.isModified());

    // Once the way is clear, saving again writes them all.
    for (const QString &folder : c.folders)
      ASSERT_TRUE(QDir().rmdir(folder));
    prompter.messages.clear();
    EXPECT_TRUE(session.save());
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(session.isModified());
    EXPECT_TRUE(read(targetPath).contains("\"Zu\""));
    EXPECT_TRUE(QFileInfo(sourceCompanion).isFile());
    EXPECT_TRUE(QFileInfo(targetCompanion).isFile());
  }
}

TEST_F(SessionTest, AFifoGivenAsAScriptIsRefusedInsteadOfWaitingForAWriter) {
#ifdef _WIN32
  GTEST_SKIP() << "FIFOs are made here with mkfifo";
#else
  const QString fifo = dir.filePath("pipe.rc");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString notOpened =
      QStringLiteral("It is not possible open file '%1': it is not a regular file.").arg(fifo);
  struct Case {
    const char *name;
    OpenRequest request;
    QStringList messages;
  } cases[] = {
      {"source", {fifo, 1033, false, targetPath, 1031}, {notOpened, "Invalid source file"}},
      {"target", {sourcePath, 1033, false, fifo, 1031}, {notOpened}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    prompter.messages.clear();
    EXPECT_EQ(session.open(c.request), Session::OpenResult::StayInDialog);
    EXPECT_EQ(prompter.messages, c.messages);
  }
  // Saved as the FIFO: refused too, and the FIFO stays.
  ASSERT_EQ(session.open(request()), Session::OpenResult::Opened);
  prompter.messages.clear();
  prompter.savePaths = {fifo};
  EXPECT_FALSE(session.saveAs());
  EXPECT_EQ(prompter.messages, QStringList{notOpened});
  EXPECT_FALSE(QFileInfo(fifo).isFile());
#endif
}

} // namespace
} // namespace tarvelo
