// learn, tm-search and translate on a memory, healthy, failing, damaged or missing.
#include "cli/cli_run.h"
#include "support/qt_printers.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;
using test::runCli;

QString data(const char *name) {
  return QDir(TARVELO_TEST_DATA "/tmclient").filePath(name);
}

// Commands on a memory in a temporary folder, over the fixture task.
class TmCommandsTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir("TM")); }
  QString tm() const { return dir.filePath("TM"); }
  CliRun learn(const QStringList &extra = {}) {
    return runCli(QStringList{"learn", "--source", data("source.rc"), "--source-language", "1033",
                              "--target", data("target.rc"), "--target-language", "1031", "--tm",
                              tm()} +
                  extra);
  }
  // A memory in the folder `name` of many pairs ("Text number i" -> "Text i"), damaged
  // from its second page to three quarters of its file: it opens, but no lookup and no
  // learning gets through.
  QString damagedMemory(const QString &name) {
    const QString folder = manyPairs(name);
    EXPECT_TRUE(kestrine_test::damagePages(
        std::filesystem::path(folder.toStdString()) / "Kestrine.db", 0, 0.75, 7));
    return folder;
  }
  // A memory in the folder `name` of 3000 pairs ("Text number i" -> "Text i").
  QString manyPairs(const QString &name) {
    QByteArray source = "LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n";
    QByteArray target = "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n";
    for (int i = 0; i < 3000; ++i) {
      source += QStringLiteral("    IDS_%1 \"Text number %1\"\n").arg(i).toLatin1();
      target += QStringLiteral("    IDS_%1 \"Text %1\"\n").arg(i).toLatin1();
    }
    for (auto [file, text] :
         {std::pair{"many.rc", source + "END\n"}, {"many_de.rc", target + "END\n"}}) {
      QFile script(dir.filePath(file));
      EXPECT_TRUE(script.open(QIODevice::WriteOnly));
      script.write(text);
    }
    const QString folder = dir.filePath(name);
    const CliRun run = runCli({"learn", "--source", dir.filePath("many.rc"), "--source-language",
                               "1033", "--target", dir.filePath("many_de.rc"), "--target-language",
                               "1031", "--tm", folder});
    EXPECT_EQ(run.out, "3000 pairs learnt\n") << run.err.toStdString();
    return folder;
  }
  CliRun search(const QStringList &words) {
    return runCli(QStringList{"tm-search", "--tm", tm(), "--source-language", "1033",
                              "--target-language", "1031"} +
                  words);
  }
  QTemporaryDir dir;
};

TEST_F(TmCommandsTest, LearnStoresEachDistinctPairOnce) {
  const CliRun run = learn();
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, "5 pairs learnt\n");
  // The same text is not learnt unless asked for.
  EXPECT_TRUE(run.err.contains("not learning the same text in both languages: OK"));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("TM/Kestrine.db")));
  const CliRun withSame = learn({"--same-text", "yes"});
  ASSERT_EQ(withSame.status, 0) << withSame.err.toStdString();
  EXPECT_EQ(withSame.out, "6 pairs learnt\n");
}

TEST_F(TmCommandsTest, SearchFindsAnyOrAllWordsMostUsedFirst) {
  ASSERT_EQ(learn().status, 0);
  // Pairs used equally often come in no particular order: compared as sets.
  const auto lines = [](const QString &out) {
    QStringList list = out.split('\n', Qt::SkipEmptyParts);
    list.sort();
    return list;
  };
  struct Case {
    QStringList arguments;
    QStringList expected;
  } cases[] = {
      {{"file"},
       {"&File\t&Datei", "Close file\tDatei schlie\u00dfen", "Open file\tDatei \u00f6ffnen",
        "Open file\t\u00d6ffnen"}},
      {{"--all", "OPEN", "file"}, {"Open file\tDatei \u00f6ffnen", "Open file\t\u00d6ffnen"}},
      {{"--all", "open", "close"}, {}},
      {{"exit", "close"}, {"&Exit\t&Beenden", "Close file\tDatei schlie\u00dfen"}},
      {{"nothing"}, {}},
  };
  for (const Case &c : cases) {
    const CliRun run = search(c.arguments);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(lines(run.out), c.expected) << c.arguments.join(' ').toStdString();
  }
  // Learnt three times against once: the most used pair comes first.
  EXPECT_EQ(search({"open"}).out, "Open file\tDatei \u00f6ffnen\nOpen file\t\u00d6ffnen\n");
}

TEST_F(TmCommandsTest, TranslateFillsEmptyTargetsFromTheMemory) {
  ASSERT_EQ(learn().status, 0);
  const QString out = dir.filePath("new.rc");
  const CliRun run =
      runCli({"translate", "--source", data("source.rc"), "--source-language", "1033",
              "--new-target", out, "--target-language", "1031", "--tm", tm()});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("2 not found")) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains("4 filled")) << run.out.toStdString();
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString written = QString::fromLatin1(file.readAll());
  EXPECT_TRUE(written.contains("IDS_OPEN_MORE           \"Datei \u00f6ffnen\""))
      << written.toStdString();
  EXPECT_TRUE(written.contains("IDS_HELP                \"\"")) << written.toStdString();
  EXPECT_TRUE(written.contains("MENUITEM \"Datei \u00f6ffnen\"")) << written.toStdString();
}

TEST_F(TmCommandsTest, FuzzySearchPrintsScoresBestFirst) {
  ASSERT_EQ(learn().status, 0);
  struct Case {
    QStringList arguments;
    QString out;
  } cases[] = {
      // Equal scores: the most used first.
      {{"--fuzzy", "80", "Open files"},
       "90\tOpen file\tDatei \u00f6ffnen\n90\tOpen file\t\u00d6ffnen\n"},
      // The words are one text.
      {{"--fuzzy", "85", "close", "files"}, "90\tClose file\tDatei schlie\u00dfen\n"},
      {{"--fuzzy", "100", "OPEN FILE"},
       "100\tOpen file\tDatei \u00f6ffnen\n100\tOpen file\t\u00d6ffnen\n"},
      {{"--fuzzy", "95", "Open files"}, ""},
  };
  for (const Case &c : cases) {
    const CliRun run = search(c.arguments);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, c.out) << c.arguments.join(' ').toStdString();
  }
  for (const QStringList &bad :
       {QStringList{"--fuzzy", "0", "x"}, QStringList{"--fuzzy", "101", "x"},
        QStringList{"--fuzzy", "many", "x"}, QStringList{"--all", "--fuzzy", "80", "x"}}) {
    const CliRun run = search(bad);
    EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(run.err.startsWith("error: ")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
}

TEST_F(TmCommandsTest, TranslateFillsFuzzyMatchesAndMarksThemFuzzy) {
  ASSERT_EQ(learn().status, 0);
  const QString out = dir.filePath("fuzzy_de.rc");
  // A copy, so that its companion file is written beside it and not among the fixtures.
  const QString source = dir.filePath("fuzzy_source.rc");
  ASSERT_TRUE(QFile::copy(data("fuzzy_source.rc"), source));
  const QStringList translate{"translate", "--source",     source, "--source-language",
                              "1033",      "--new-target", out,    "--target-language",
                              "1031",      "--tm",         tm()};
  const CliRun run = runCli(translate + QStringList{"--fuzzy-fill", "80"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("2 fuzzy, 1 not found, 0 source modified, 1 filled"))
      << run.out.toStdString();
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString written = QString::fromLatin1(file.readAll());
  EXPECT_TRUE(written.contains("IDS_OPEN_FILES          \"Datei \u00f6ffnen\""))
      << written.toStdString();
  EXPECT_TRUE(written.contains("IDS_CLOSE_FILES         \" Datei schlie\u00dfen\""))
      << written.toStdString();
  EXPECT_TRUE(written.contains("IDS_HELP_ME             \"\"")) << written.toStdString();
  // Without the option only the exact match fills.
  const CliRun exact = runCli(translate);
  ASSERT_EQ(exact.status, 0) << exact.err.toStdString();
  EXPECT_TRUE(exact.out.contains("0 fuzzy, 3 not found, 0 source modified, 1 filled"))
      << exact.out.toStdString();
  for (const QStringList &bad :
       {QStringList{"--fuzzy-fill", "49"}, QStringList{"--fuzzy-fill", "100"},
        QStringList{"--fuzzy-fill", "x"}}) {
    const CliRun refused = runCli(translate + bad);
    EXPECT_EQ(refused.status, 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(refused.err.contains("--fuzzy-fill")) << refused.err.toStdString();
  }
  const CliRun withoutTm =
      runCli(QStringList{"translate", "--source", source, "--source-language", "1033",
                         "--new-target", out, "--target-language", "1031", "--fuzzy-fill", "80"});
  EXPECT_EQ(withoutTm.status, 2);
  EXPECT_TRUE(withoutTm.err.contains("--fuzzy-fill needs --tm")) << withoutTm.err.toStdString();
}

TEST_F(TmCommandsTest, BadInputGivesAClearMessage) {
  QDir(dir.path()).mkdir("damaged");
  QFile damaged(dir.filePath("damaged/Kestrine.db"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(4096, 'x'));
  damaged.close();
  const QString source = data("source.rc");
  struct Case {
    const char *name;
    QStringList arguments;
    int status;
    const char *message;
  } cases[] = {
      {"NoMemoryFolder",
       {"learn", "--source", source, "--source-language", "1033", "--target", data("target.rc"),
        "--target-language", "1031"},
       2,
       "--tm are required"},
      {"BadSameText",
       {"learn", "--source", source, "--source-language", "1033", "--target", data("target.rc"),
        "--target-language", "1031", "--tm", tm(), "--same-text", "maybe"},
       2,
       "bad value 'maybe' for --same-text"},
      {"MissingTarget",
       {"learn", "--source", source, "--source-language", "1033", "--target",
        dir.filePath("none.rc"), "--target-language", "1031", "--tm", tm()},
       1,
       "It is not possible open file"},
      {"DamagedMemory",
       {"tm-search", "--tm", dir.filePath("damaged"), "--source-language", "1033",
        "--target-language", "1031", "file"},
       2,
       "cannot be opened for the languages 1033 and 1031: file is not a database"},
      {"NoLanguage",
       {"tm-search", "--tm", tm(), "--source-language", "0", "--target-language", "1031", "file"},
       1,
       "cannot be opened"},
      {"NoMemory",
       {"tm-search", "--tm", dir.filePath("none"), "--source-language", "1033", "--target-language",
        "1031", "file"},
       1,
       "there is no translation memory in"},
      {"NoWords",
       {"tm-search", "--tm", tm(), "--source-language", "1033", "--target-language", "1031"},
       2,
       "at least one word"},
      {"UnknownOption",
       {"tm-search", "--tm", tm(), "--source-language", "1033", "--target-language", "1031",
        "--any", "x"},
       2,
       "unknown option --any"},
  };
  for (const Case &c : cases) {
    const CliRun run = runCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << c.name << ": " << run.err.toStdString();
  }
  // A damaged memory is never replaced.
  EXPECT_EQ(QFileInfo(dir.filePath("damaged/Kestrine.db")).size(), 4096);
}

TEST_F(TmCommandsTest, AMemoryThatFailsFailsTheCommandAndSaysWhatWasLost) {
  const QString damaged = damagedMemory("damaged");
  const QString folder = QDir::toNativeSeparators(damaged);
  const CliRun learnt =
      runCli({"learn", "--source", data("source.rc"), "--source-language", "1033", "--target",
              data("target.rc"), "--target-language", "1031", "--tm", damaged});
  EXPECT_EQ(learnt.status, 2);
  EXPECT_EQ(learnt.out, "0 pairs learnt\n");
  EXPECT_TRUE(learnt.err.contains(
      QStringLiteral("error: 5 of 5 pairs were not learnt: the Translation Memory in '%1' cannot "
                     "be written: ")
          .arg(folder)))
      << learnt.err.toStdString();

  // Filling: the target is written with what could be filled, and the command fails.
  const QString out = dir.filePath("new.rc");
  const CliRun filled =
      runCli({"translate", "--source", data("source.rc"), "--source-language", "1033",
              "--new-target", out, "--target-language", "1031", "--tm", damaged});
  EXPECT_EQ(filled.status, 1);
  EXPECT_EQ(filled.err,
            QStringLiteral("error: 9 of 9 empty items were not filled: the Translation Memory in "
                           "'%1' cannot be read (its file may be damaged or locked by another "
                           "program).\n")
                .arg(folder));
  EXPECT_TRUE(filled.out.contains("0 filled")) << filled.out.toStdString();
  EXPECT_TRUE(QFileInfo::exists(out));
}

// 4 KB of noise in the middle of the memory's table: each memory command fails with what
// the database said and exit status 2, and nothing is written into the file.
TEST_F(TmCommandsTest, ADamagedMemoryFailsEachCommandWithItsMessage) {
  const QString folder = manyPairs("damaged");
  const std::filesystem::path database =
      std::filesystem::path(folder.toStdString()) / "Kestrine.db";
  ASSERT_TRUE(kestrine_test::damageTablePage(database, "7to9", 4));
  const std::string damaged = kestrine_test::fileBytes(database);
  QFile tmx(dir.filePath("pairs.tmx"));
  ASSERT_TRUE(tmx.open(QIODevice::WriteOnly));
  tmx.write("<?xml version=\"1.0\"?><tmx version=\"1.4\"><header srclang=\"en-US\"/><body>"
            "<tu><tuv xml:lang=\"en-US\"><seg>New</seg></tuv><tuv xml:lang=\"de-DE\"><seg>Neu"
            "</seg></tuv></tu></body></tmx>");
  tmx.close();
  const QStringList memory = {"--tm", folder, "--source-language", "1033", "--target-language",
                              "1031"};
  const QString read = QStringLiteral("cannot be read: database disk image is malformed");
  const QString written = QStringLiteral("the memory is damaged (database disk image is malformed");
  const struct {
    QStringList arguments;
    QString message;
  } cases[] = {
      {QStringList{"tm-search"} + memory + QStringList{"number"}, read},
      {QStringList{"tm-search"} + memory + QStringList{"--all", "text", "number"}, read},
      {QStringList{"tm-export"} + memory + QStringList{"--out", dir.filePath("out.tmx")},
       "could not be read: database disk image is malformed"},
      {QStringList{"tm-import"} + memory + QStringList{"--in", dir.filePath("pairs.tmx")}, written},
      {QStringList{"tm-delete"} + memory +
           QStringList{"--source", "Text number 1", "--target", "Text 1"},
       written},
      {{"learn", "--source", data("source.rc"), "--source-language", "1033", "--target",
        data("target.rc"), "--target-language", "1031", "--tm", folder},
       written},
  };
  for (const auto &c : cases) {
    const CliRun run = runCli(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments.join(' ').toStdString() << ": "
                             << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.tmx")));
  EXPECT_EQ(kestrine_test::fileBytes(database), damaged);
}

TEST_F(TmCommandsTest, WithoutTheLibraryTheMemoryCommandsFailClearly) {
  // The program alone, without the library beside it.
  const QString lonely = dir.filePath("tarvelo-cli");
  ASSERT_TRUE(QFile::copy(QDir(TARVELO_BIN_DIR).filePath("tarvelo-cli"), lonely));
  const CliRun run = runCli(
      {"tm-search", "--tm", tm(), "--source-language", "1033", "--target-language", "1031", "file"},
      lonely);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("library (kestrine) cannot be loaded")) << run.err.toStdString();
}

} // namespace
} // namespace tarvelo
