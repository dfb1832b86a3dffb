// The command line on a team memory: --tm takes a server's URI wherever it takes a folder,
// and tm-copy moves memories between folders and the server.

#include "cli/cli_run.h"
#include "server_environment.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using kestrine_test::ServerCluster;
using test::CliRun;
using test::runCli;

QString data(const char *name) {
  return QDir(TARVELO_TEST_DATA "/tmclient").filePath(name);
}

class TmServerCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    REQUIRE_SERVER();
    m_schema = ServerCluster::instance().freshSchema();
  }
  void TearDown() override {
    if (!m_schema.empty())
      ServerCluster::instance().run("DROP SCHEMA " + m_schema + " CASCADE");
  }
  QString server() const { return QString::fromStdString(ServerCluster::instance().uri(m_schema)); }
  QString folder(const char *name) const { return dir.filePath(name); }
  std::string rows(const char *name) const {
    return kestrine_test::tableRows(
        std::filesystem::path(folder(name).toStdString()) / "Kestrine.db", "7to9");
  }
  CliRun learn(const QString &tm) {
    return runCli({"learn", "--source", data("source.rc"), "--source-language", "1033", "--target",
                   data("target.rc"), "--target-language", "1031", "--tm", tm});
  }
  CliRun search(const QString &tm, const QString &word) {
    return runCli(
        {"tm-search", "--tm", tm, "--source-language", "1033", "--target-language", "1031", word});
  }

  QTemporaryDir dir;
  std::string m_schema;
};

TEST_F(TmServerCommandsTest, EveryMemoryCommandTakesAServerWhereItTakesAFolder) {
  const CliRun learnt = learn(server());
  ASSERT_EQ(learnt.status, 0) << learnt.err.toStdString();
  EXPECT_EQ(learnt.out, "5 pairs learnt\n");
  EXPECT_EQ(search(server(), "open").out, "Open file\tDatei \u00f6ffnen\nOpen file\t\u00d6ffnen\n");

  const QString out = dir.filePath("new.rc");
  const CliRun translated =
      runCli({"translate", "--source", data("source.rc"), "--source-language", "1033",
              "--new-target", out, "--target-language", "1031", "--tm", server()});
  ASSERT_EQ(translated.status, 0) << translated.err.toStdString();
  EXPECT_TRUE(translated.out.contains("4 filled")) << translated.out.toStdString();

  const CliRun exported = runCli({"tm-export", "--tm", server(), "--source-language", "1033",
                                  "--target-language", "1031", "--out", dir.filePath("m.tmx")});
  EXPECT_EQ(exported.status, 0) << exported.err.toStdString();
  const CliRun deleted =
      runCli({"tm-delete", "--tm", server(), "--source-language", "1033", "--target-language",
              "1031", "--source", "Close file", "--target", "Datei schlie\u00dfen"});
  EXPECT_EQ(deleted.status, 0) << deleted.err.toStdString();
  EXPECT_EQ(search(server(), "close").out, "");
}

// The same task learnt into a folder and onto the server: fuzzy searches and the fuzzy fill
// give the same, through the program as through the library.
TEST_F(TmServerCommandsTest, FuzzySearchAndFillGiveOnTheServerWhatTheyGiveFromAFolder) {
  ASSERT_EQ(learn(server()).status, 0);
  ASSERT_EQ(learn(folder("home")).status, 0);
  for (const char *text : {"Open fil", "close fiel", "Clos file", "Open the file"}) {
    const QStringList fuzzy = {
        "--source-language", "1033", "--target-language", "1031", "--fuzzy", "50", text};
    const CliRun there = runCli(QStringList{"tm-search", "--tm", server()} + fuzzy);
    const CliRun here = runCli(QStringList{"tm-search", "--tm", folder("home")} + fuzzy);
    ASSERT_EQ(there.status, 0) << text << ": " << there.err.toStdString();
    EXPECT_EQ(there.out, here.out) << text;
    EXPECT_FALSE(there.out.isEmpty()) << text;
  }
  const QString source = dir.filePath("fuzzy_source.rc");
  ASSERT_TRUE(QFile::copy(data("fuzzy_source.rc"), source));
  QStringList written;
  for (const QString &tm : {server(), folder("home")}) {
    const QString out = dir.filePath(tm == server() ? "server_de.rc" : "folder_de.rc");
    const CliRun filled =
        runCli({"translate", "--source", source, "--source-language", "1033", "--new-target", out,
                "--target-language", "1031", "--tm", tm, "--fuzzy-fill", "80"});
    ASSERT_EQ(filled.status, 0) << filled.err.toStdString();
    EXPECT_TRUE(filled.out.contains("2 fuzzy")) << filled.out.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    written.append(QString::fromLatin1(file.readAll()));
  }
  EXPECT_EQ(written.value(0), written.value(1));
}

TEST_F(TmServerCommandsTest, TmCopyMovesAMemoryToTheServerAndBack) {
  ASSERT_EQ(learn(folder("home")).status, 0);
  ASSERT_EQ(learn(folder("home")).status, 0); // counters above one
  const CliRun there = runCli({"tm-copy", "--from", folder("home"), "--to", server()});
  ASSERT_EQ(there.status, 0) << there.err.toStdString();
  EXPECT_TRUE(there.out.startsWith("5 pairs copied from '")) << there.out.toStdString();
  EXPECT_EQ(search(server(), "open").out, search(folder("home"), "open").out);

  const CliRun back = runCli({"tm-copy", "--from", server(), "--to", folder("back")});
  ASSERT_EQ(back.status, 0) << back.err.toStdString();
  EXPECT_EQ(rows("back"), rows("home"));
  EXPECT_NE(rows("home").find("|0|6\n"), std::string::npos) << rows("home");
}

TEST_F(TmServerCommandsTest, FailuresSayWhyAndNeverShowAPassword) {
  const QString unreachable = QStringLiteral("postgresql://kestrine:secret@/memory?host=") +
                              dir.filePath("nothing") + QStringLiteral("&port=1");
  struct Case {
    QStringList arguments;
    int status;
    QString error;
  };
  const Case cases[] = {
      {{"tm-copy", "--from", folder("none")}, 2, "--from and --to are required"},
      {{"tm-copy", "--from", folder("none"), "--to", server()},
       1,
       "could not be copied to 'postgresql://kestrine@/memory?"},
      {{"tm-copy", "--from", server(), "--to", unreachable},
       1,
       "'postgresql://kestrine:***@/memory?host="},
      {{"tm-search", "--tm", unreachable, "--source-language", "1033", "--target-language", "1031",
        "open"},
       1,
       "cannot be opened for the languages 1033 and 1031: connection to server on socket"},
  };
  for (const Case &c : cases) {
    const CliRun run = runCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(c.error)) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("secret")) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(QFileInfo::exists(folder("none")));
}

} // namespace
} // namespace tarvelo

int main(int argc, char **argv) {
  ::testing::InitGoogleTest(&argc, argv);
  auto *environment = new kestrine_test::ServerEnvironment;
  ::testing::AddGlobalTestEnvironment(environment);
  const int result = RUN_ALL_TESTS();
  if (result == 0 && !environment->unavailable().empty()) {
    std::fprintf(stderr, "PostgreSQL server tests skipped: %s\n",
                 environment->unavailable().c_str());
    return 77;
  }
  return result;
}
