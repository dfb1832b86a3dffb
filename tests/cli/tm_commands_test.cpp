#include "cli/cli_run.h"
#include "support/qt_printers.h"

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
       1,
       "cannot be opened"},
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
