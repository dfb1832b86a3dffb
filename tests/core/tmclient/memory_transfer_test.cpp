// Glossaries and TMX files into and out of a real memory: the glossary import with its
// cancel and resume, the same-text guard, and TMX round trips that keep the counters.
#include "exchange/memory_transfer.h"
#include "exchange/tmx_file.h"
#include "memory_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tarvelo::test {
namespace {

class MemoryTransferTest : public MemoryFixture {
protected:
  void SetUp() override {
    MemoryFixture::SetUp();
    ASSERT_TRUE(connect());
  }
  QString path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
  void write(const char *name, const QByteArray &bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  // A glossary of the lines "Word i;Wort i", numbered from 1.
  void glossary(const char *name, int lines) {
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
      text += QStringLiteral("Word %1;;Wort %1\r\n").arg(i).toLatin1();
    write(name, text);
  }
  QStringList lookup(const QString &text) {
    TmTextList list = {};
    library.exports().getTM(reinterpret_cast<const char16_t *>(text.utf16()), &list);
    return takeTmTexts(library.exports(), list);
  }
  MemoryTransfers transfers() { return MemoryTransfers(*client, settings, prompter, progress); }
};

TEST_F(MemoryTransferTest, TheProgramsOwnGlossaryIsLearntWithoutItsHeader) {
  QString text = QStringLiteral("\"Tarvelo Export - Source File: 'a.rc'\"\t\t\t\r\n\r\n");
  text += QStringLiteral(
      "\"Open\"\t\"\"\t\"Offen\"\t\"\"\r\n\"Say \"\"hi\"\"\"\t\"\"\t\"Sag \"\"hi\"\"\"\t\"\"\r\n");
  QByteArray bytes("\xff\xfe", 2);
  bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
  write("own.csv", bytes);
  const MemoryTransfer result =
      transfers().importGlossary(path("own.csv"), 0, kEnglish, kGerman, 1);
  EXPECT_EQ(result.status, MemoryTransfer::Status::Finished);
  EXPECT_EQ(result.pairs, 2);
  EXPECT_EQ(ExportLog::added.size(), 2);
  EXPECT_EQ(lookup(QStringLiteral("Say \"hi\"")), QStringList{QStringLiteral("Sag \"hi\"")});
  EXPECT_EQ(progress.titles, QStringList{QStringLiteral("Translation Memory Import")});
  EXPECT_EQ(progress.texts.first(), QStringLiteral("Importing record 1 of 4"));
}

TEST_F(MemoryTransferTest, ACancelledImportResumesAfterItsLastLine) {
  glossary("g.csv", 100);
  progress.cancelAfter = 40;
  MemoryTransfer result = transfers().importGlossary(path("g.csv"), 0, kEnglish, kGerman, 2);
  EXPECT_EQ(result.status, MemoryTransfer::Status::Cancelled);
  EXPECT_EQ(result.pairs, 40);
  const QString state = settings.text(QStringLiteral("ImportState"));
  EXPECT_EQ(state, QStringLiteral("40|1033|1031|%1|2").arg(path("g.csv")));

  const std::optional<ImportState> resume = ImportState::parse(state);
  ASSERT_TRUE(resume);
  progress = RecordingProgress();
  result = transfers().importGlossary(resume->path, resume->lastLine, resume->sourceLanguage,
                                      resume->targetLanguage, resume->bits);
  EXPECT_EQ(result.status, MemoryTransfer::Status::Finished);
  EXPECT_EQ(result.pairs, 60);
  EXPECT_EQ(progress.texts.first(), QStringLiteral("Importing record 41 of 100"));
  EXPECT_EQ(settings.text(QStringLiteral("ImportState")), QString());
  EXPECT_EQ(lookup(QStringLiteral("Word 41")), QStringList{QStringLiteral("Wort 41")});
  EXPECT_EQ(lookup(QStringLiteral("Word 40")), QStringList{QStringLiteral("Wort 40")});
}

TEST_F(MemoryTransferTest, TheCommandOffersToResumeWhileTheFileExists) {
  glossary("g.csv", 50);
  settings.setText(QStringLiteral("ImportState"),
                   QStringLiteral("40|1033|1031|%1|2").arg(path("g.csv")));
  int chosen = 0;
  const auto choose = [&](GlossaryChoice &choice) {
    ++chosen;
    EXPECT_EQ(choice.targetLanguage, kGerman);
    choice.path = path("g.csv");
    choice.sourceLanguage = kEnglish;
    choice.targetLanguage = kGerman;
    choice.bits = 2;
    return true;
  };
  // Yes resumes after line 40.
  std::optional<MemoryTransfer> result = transfers().glossaryCommand(choose);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->pairs, 10);
  EXPECT_EQ(chosen, 0);
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_EQ(prompter.messages[0],
            QStringLiteral("Previous import was canceled.\nFile: %1\nSource Language: English "
                           "(United States)\nTarget Language: German (Germany)\nRecord: 40\n"
                           "Do you want to continue?")
                .arg(path("g.csv")));
  // No: the open dialog, and the import from the start.
  settings.setText(QStringLiteral("ImportState"),
                   QStringLiteral("40|1033|1031|%1|2").arg(path("g.csv")));
  prompter.answers = {Prompter::Answer::No};
  result = transfers().glossaryCommand(choose);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->pairs, 50);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(settings.integer(QStringLiteral("ImportFlag")), 2);
  // A record whose file went is not offered.
  prompter.messages.clear();
  settings.setText(QStringLiteral("ImportState"),
                   QStringLiteral("40|1033|1031|%1|2").arg(path("gone.csv")));
  EXPECT_FALSE(transfers().glossaryCommand([](GlossaryChoice &) { return false; }));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(MemoryTransferTest, AResumedFileThatChangedOrWentIsReadAsItIsNow) {
  glossary("g.csv", 10);
  // Shorter than the line to resume after: nothing left to learn, and nothing pending.
  settings.setText(QStringLiteral("ImportState"), QStringLiteral("x"));
  MemoryTransfer result = transfers().importGlossary(path("g.csv"), 40, kEnglish, kGerman, 2);
  EXPECT_EQ(result.status, MemoryTransfer::Status::Finished);
  EXPECT_EQ(result.pairs, 0);
  EXPECT_EQ(settings.text(QStringLiteral("ImportState")), QString());
  QFile::remove(path("g.csv"));
  result = transfers().importGlossary(path("g.csv"), 4, kEnglish, kGerman, 2);
  EXPECT_EQ(result.status, MemoryTransfer::Status::NotRead);
}

TEST_F(MemoryTransferTest, ImportStateRecords) {
  const struct {
    const char *text;
    bool valid;
    int line, bits;
  } cases[] = {
      {"40|1033|1031|/tmp/g.csv|4", true, 40, 4},
      {"40|1033|1031|/tmp/g.csv|8", true, 40, 3},
      {"40|1033|1031|/tmp/g.csv", true, 40, 3},
      {"40|1033|1031||1", false, 0, 0},
      {"", false, 0, 0},
      {"garbage", false, 0, 0},
  };
  for (const auto &c : cases) {
    const std::optional<ImportState> state = ImportState::parse(QString::fromLatin1(c.text));
    ASSERT_EQ(bool(state), c.valid) << c.text;
    if (state) {
      EXPECT_EQ(state->lastLine, c.line) << c.text;
      EXPECT_EQ(state->bits, c.bits) << c.text;
      EXPECT_EQ(state->sourceLanguage, 1033);
    }
  }
}

TEST_F(MemoryTransferTest, TextsTheSameInBothLanguagesAreAskedAbout) {
  write("g.csv", "OK;;ok\r\nFile;;Datei\r\n");
  prompter.sameTextAnswers = {Prompter::Answer::No};
  const MemoryTransfer result = transfers().importGlossary(path("g.csv"), 0, kEnglish, kGerman, 2);
  EXPECT_EQ(prompter.sameTextRequests, QStringList{QStringLiteral("OK")});
  EXPECT_EQ(result.pairs, 1);
  EXPECT_EQ(lookup(QStringLiteral("OK")), QStringList());
}

TEST_F(MemoryTransferTest, ImportingForTheTasksPairMakesItsEntriesAskTheMemoryAgain) {
  TextEntry *entry = add(QStringLiteral("Word 1"));
  link();
  EXPECT_EQ(client->alternatives(entry), QStringList());
  glossary("g.csv", 3);
  transfers().importGlossary(path("g.csv"), 0, kEnglish, kGerman, 2);
  EXPECT_EQ(client->alternatives(entry), QStringList{QStringLiteral("Wort 1")});
  // Another pair's import leaves the task connected to its own.
  transfers().importGlossary(path("g.csv"), 0, kEnglish, kCzech, 2);
  EXPECT_EQ(client->sourceLanguage(), kEnglish);
  EXPECT_EQ(client->targetLanguage(), kGerman);
  EXPECT_EQ(lookup(QStringLiteral("Word 2")), QStringList{QStringLiteral("Wort 2")});
}

TEST_F(MemoryTransferTest, ListTMReadsEveryPairASliceAtATime) {
  const TmExports &tm = library.exports();
  ASSERT_NE(tm.listTM, nullptr);
  for (int i = 0; i < 5; ++i)
    remember(QStringLiteral("Word %1").arg(i), QStringLiteral("Wort %1").arg(i), i + 1);
  int64_t position = 0;
  int32_t counters[2] = {};
  QStringList read;
  for (int slice = 0; slice < 4; ++slice) {
    TmTextList sources = {}, targets = {};
    const int32_t count = tm.listTM(&position, 2, &sources, &targets, counters);
    const QStringList s = takeTmTexts(tm, sources), t = takeTmTexts(tm, targets);
    EXPECT_EQ(count, slice < 2 ? 2 : slice == 2 ? 1 : 0) << slice;
    for (int i = 0; i < count; ++i)
      read.append(QStringLiteral("%1=%2#%3").arg(s[i], t[i]).arg(counters[i]));
  }
  EXPECT_EQ(read, QStringList({"Word 0=Wort 0#1", "Word 1=Wort 1#2", "Word 2=Wort 2#3",
                               "Word 3=Wort 3#4", "Word 4=Wort 4#5"}));
  // Seen from the other direction, the counters are those of that direction.
  ASSERT_TRUE(connect(kGerman, kEnglish));
  position = 0;
  TmTextList sources = {}, targets = {};
  EXPECT_EQ(tm.listTM(&position, 2, &sources, &targets, counters), 2);
  EXPECT_EQ(takeTmTexts(tm, sources).value(0), QStringLiteral("Wort 0"));
  takeTmTexts(tm, targets);
  EXPECT_EQ(counters[0], 0);
  // Not connected: a failure, not an empty memory.
  tm.disconnectTM();
  position = 0;
  EXPECT_EQ(tm.listTM(&position, 2, &sources, &targets, counters), -1);
}

TEST_F(MemoryTransferTest, TmxKeepsTheMostUsedFirst) {
  remember(QStringLiteral("Open"), QStringLiteral("Offen"), 1);
  remember(QStringLiteral("Open"), QStringLiteral("Aufmachen"), 5);
  remember(QStringLiteral("Say <\"hi\"> & go"), QString::fromUtf8("\xd9\x85\xd9\x86 \xe4\xb8\xad"),
           2);
  MemoryTransfer result = transfers().exportTmx(path("m.tmx"), kEnglish, kGerman);
  ASSERT_EQ(result.status, MemoryTransfer::Status::Finished);
  EXPECT_EQ(result.pairs, 3);

  useMemory(folder.filePath(QStringLiteral("Other")));
  result = transfers().importTmx(path("m.tmx"), kEnglish, kGerman);
  EXPECT_EQ(result.status, MemoryTransfer::Status::Finished);
  EXPECT_EQ(result.pairs, 3);
  EXPECT_EQ(lookup(QStringLiteral("Open")),
            QStringList({QStringLiteral("Aufmachen"), QStringLiteral("Offen")}));
  EXPECT_EQ(lookup(QStringLiteral("Say <\"hi\"> & go")),
            QStringList{QString::fromUtf8("\xd9\x85\xd9\x86 \xe4\xb8\xad")});
}

TEST_F(MemoryTransferTest, TmxVariantsAreChosenByPrimaryLanguage) {
  write("m.tmx", "<?xml version=\"1.0\"?>\n<!DOCTYPE tmx SYSTEM \"tmx14.dtd\">\n"
                 "<tmx version=\"1.4\"><header srclang=\"en\"/><body>"
                 "<tu><tuv xml:lang=\"fr-FR\"><seg>Ouvrir</seg></tuv>"
                 "<tuv xml:lang=\"DE-at\"><seg>Öffnen</seg></tuv>"
                 "<tuv xml:lang=\"en\"><seg>Open</seg></tuv></tu>"
                 "<tu><tuv xml:lang=\"en-GB\"><seg>Close</seg></tuv></tu>"
                 "</body></tmx>");
  const MemoryTransfer result = transfers().importTmx(path("m.tmx"), kEnglish, kGerman);
  EXPECT_EQ(result.status, MemoryTransfer::Status::Finished) << result.error.toStdString();
  EXPECT_EQ(result.pairs, 1);
  EXPECT_EQ(lookup(QStringLiteral("Open")), QStringList{QString::fromUtf8("Öffnen")});
}

} // namespace
} // namespace tarvelo::test
