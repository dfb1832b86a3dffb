// A session with a client on a real memory: filling on open, learning on save.
#include "memory_fixture.h"

#include "script/text_entry.h"
#include "workbench/session.h"

#include <QFile>

namespace tarvelo::test {
namespace {

using Answer = Prompter::Answer;

const char kSource[] = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                       "STRINGTABLE\nBEGIN\n"
                       "    IDS_A                   \"Open\"\n"
                       "    IDS_B                   \"Open\"\n"
                       "    IDS_C                   \"Open\"\n"
                       "    IDS_D                   \"Close\"\n"
                       "END\n";

// A session driven with a client on a real memory, as the program wires them.
class MemorySessionTest : public MemoryFixture {
protected:
  void SetUp() override {
    MemoryFixture::SetUp();
    sourcePath = folder.filePath("app.rc");
    targetPath = folder.filePath("app_de.rc");
    QFile file(sourcePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kSource);
    file.close();
    // The session owns the entry list the client works on.
    client = std::make_unique<MemoryClient>(ExportLog::wrap(library.exports()), session.entries(),
                                            settings, prompter, progress);
    client->start();
    client->setInspector([this](TextEntry *entry) { inspected.append(entry); });
    session.setMemory(client.get());
    ASSERT_TRUE(connect(kEnglish, kGerman));
    remember("Open", "\u00d6ffnen");
  }
  void open() {
    ASSERT_EQ(session.open({sourcePath, kEnglish, false, targetPath, kGerman}),
              Session::OpenResult::Opened);
  }
  TextEntry *find(const QString &identifier) {
    for (const auto &entry : session.entries())
      if (entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }
  // The memory's translations of a text for the session's pair, asked afresh.
  QStringList translations(const QString &identifier) {
    client->fillTargets(false);
    return client->alternatives(find(identifier));
  }

  QString sourcePath, targetPath;
  NullProgress quiet;
  Session session{settings, prompter, quiet};
};

TEST_F(MemorySessionTest, OpeningFillsEmptyTargetsFromTheMemory) {
  open();
  for (const char *id : {"IDS_A", "IDS_B", "IDS_C"}) {
    EXPECT_EQ(find(id)->targetText, "\u00d6ffnen") << id;
    EXPECT_EQ(find(id)->matchState, Filled) << id;
  }
  EXPECT_EQ(find("IDS_D")->targetText, "");
  EXPECT_EQ(inspected.size(), 3);
  EXPECT_EQ(session.summary(),
            "0 of 2 items verified (0 matched, 0 fuzzy, 1 not found, 0 source modified, 1 filled)");
  EXPECT_EQ(progress.titles, QStringList{"Translation Memory Search"});
}

TEST_F(MemorySessionTest, OpeningWithInitTmOffOnlyOffersTheTranslations) {
  settings.setInteger("InitTM", 0);
  open();
  EXPECT_EQ(find("IDS_A")->targetText, "");
  EXPECT_EQ(client->alternatives(find("IDS_B")), QStringList{"\u00d6ffnen"});
}

TEST_F(MemorySessionTest, SavingLearnsWhenSaveTmIsOnSave) {
  settings.setInteger("SaveTM", 0);
  open();
  session.changeTargetText(find("IDS_D"), "Schlie\u00dfen");
  ASSERT_TRUE(session.save());
  EXPECT_EQ(translations("IDS_D"), QStringList{"Schlie\u00dfen"});
  using Pair = std::tuple<QString, QString, int>;
  EXPECT_EQ(ExportLog::added,
            (QList<Pair>{{"Open", "\u00d6ffnen", 3}, {"Close", "Schlie\u00dfen", 1}}));
}

TEST_F(MemorySessionTest, SaveAsLearnsForTheLanguageWrittenIn) {
  settings.setInteger("SaveTM", 0);
  open();
  session.changeTargetText(find("IDS_D"), "Zav\u0159\u00edt");
  prompter.savePaths = {folder.filePath("app_cs.rc")};
  prompter.saveLanguage = kCzech;
  ASSERT_TRUE(session.saveAs());
  // Still connected to the task's own pair, where nothing was learnt for "Close".
  EXPECT_TRUE(translations("IDS_D").isEmpty());
  ASSERT_TRUE(connect(kEnglish, kCzech));
  EXPECT_EQ(translations("IDS_D"), QStringList{"Zav\u0159\u00edt"});
}

TEST_F(MemorySessionTest, ClosingLearnsWhenSaveTmIsOnClose) {
  settings.setInteger("SaveTM", 1);
  open();
  session.changeTargetText(find("IDS_D"), "Schlie\u00dfen");
  ASSERT_TRUE(session.save());
  EXPECT_TRUE(translations("IDS_D").isEmpty());
  session.changeTargetText(find("IDS_D"), "Zu");
  prompter.answers = {Answer::No}; // not saved, learnt all the same
  ASSERT_TRUE(session.close());
  ASSERT_TRUE(connect(kEnglish, kGerman));
  TextEntry *probe = add("Close");
  EXPECT_EQ(client->alternatives(probe), QStringList{"Zu"});
}

TEST_F(MemorySessionTest, OnDemandLearnsOnlyWhenAsked) {
  settings.setInteger("SaveTM", 2);
  open();
  session.changeTargetText(find("IDS_D"), "Schlie\u00dfen");
  ASSERT_TRUE(session.save());
  EXPECT_TRUE(translations("IDS_D").isEmpty());
  session.learnTranslations();
  EXPECT_EQ(translations("IDS_D"), QStringList{"Schlie\u00dfen"});
}

TEST_F(MemorySessionTest, NothingIsLearntWhenTheTargetCannotBeWritten) {
  settings.setInteger("SaveTM", 0);
  // A file stands where the target's folder should be.
  QFile blocker(folder.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  targetPath = folder.filePath("blocker/app_de.rc");
  open();
  session.changeTargetText(find("IDS_D"), "Schlie\u00dfen");
  EXPECT_FALSE(session.save());
  EXPECT_EQ(prompter.messages.value(0),
            QStringLiteral("The file '%1' could not be written: Not a directory. The files on "
                           "the disk were left as they were.")
                .arg(targetPath));
  EXPECT_TRUE(ExportLog::added.isEmpty());
  EXPECT_TRUE(translations("IDS_D").isEmpty());
}

TEST_F(MemorySessionTest, AMemoryThatFailsIsReportedOnOpeningAndOnSaving) {
  settings.setInteger("SaveTM", 0);
  const QString memory = damagedMemory();
  useMemory(memory);
  open();
  session.changeTargetText(find("IDS_D"), "Schlie\u00dfen");
  ASSERT_TRUE(session.save()); // the target is written all the same
  const QString folderName = QDir::toNativeSeparators(memory);
  ASSERT_EQ(prompter.messages.size(), 2);
  EXPECT_EQ(prompter.messages[0],
            QStringLiteral("4 of 4 empty items were not filled: the Translation "
                           "Memory in '%1' cannot be read (its file may be damaged "
                           "or locked by another program).")
                .arg(folderName));
  // Followed by what SQLite said.
  EXPECT_TRUE(prompter.messages[1].startsWith(
      QStringLiteral("The pair was not learnt: the Translation Memory in '%1' cannot be written: ")
          .arg(folderName)))
      << prompter.messages[1].toStdString();
  QFile target(targetPath);
  ASSERT_TRUE(target.open(QIODevice::ReadOnly));
  EXPECT_TRUE(target.readAll().contains("Schlie\xdf"
                                        "en"));
}

} // namespace
} // namespace tarvelo::test
