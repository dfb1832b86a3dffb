// The help of the command line: one paragraph per command, whichever way it is asked for.
#include "cli/cli_run.h"
#include "support/qt_printers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <iterator>

namespace tarvelo {
namespace {

const char *const kCommands[] = {"dump",    "languages", "translate", "learn",     "tm-search",
                                 "export",  "import",    "tm-import", "tm-export", "tm-delete",
                                 "tm-copy", "check",     "pseudo",    "report",    "find-scripts",
                                 "project", "decompile", "analyze",   "--help"};

TEST(CliHelpTest, EveryCommandHasOneParagraphBetweenTheUsageAndTheNote) {
  const test::CliRun run = test::runCli({"--help"});
  ASSERT_EQ(run.status, 0);
  QStringList paragraphs = run.out.split(QStringLiteral("\n\n"));
  ASSERT_GE(paragraphs.size(), 3);
  EXPECT_EQ(paragraphs.takeFirst(), "Usage: tarvelo-cli COMMAND [OPTIONS]");
  EXPECT_TRUE(paragraphs.takeLast().startsWith("Wherever a command takes --tm DIR"));
  ASSERT_TRUE(paragraphs.front().startsWith("Commands:\n"));
  paragraphs.front().remove(0, int(qstrlen("Commands:\n")));
  ASSERT_EQ(paragraphs.size(), int(std::size(kCommands)));
  for (const char *command : kCommands) {
    int found = 0;
    for (const QString &paragraph : paragraphs)
      if (paragraph.section(u'\n', 0, 0).section(u' ', 2, 2) == QLatin1String(command))
        ++found;
    EXPECT_EQ(found, 1) << command;
  }
}

TEST(CliHelpTest, EveryWayOfAskingGivesTheSameText) {
  const test::CliRun help = test::runCli({"--help"});
  for (const char *asked : {"-h", "help"}) {
    const test::CliRun run = test::runCli({QString::fromLatin1(asked)});
    EXPECT_EQ(run.status, 0) << asked;
    EXPECT_EQ(run.out, help.out) << asked;
  }
  // Without a command the help is the answer, and the run fails.
  const test::CliRun bare = test::runCli({});
  EXPECT_EQ(bare.status, 2);
  EXPECT_EQ(bare.out, help.out);
}

TEST(CliHelpTest, EachCommandShowsItsOwnParagraph) {
  const QStringList paragraphs = test::runCli({"--help"}).out.split(QStringLiteral("\n\n"));
  for (const char *command : kCommands) {
    if (qstrcmp(command, "--help") == 0)
      continue;
    QString expected;
    for (QString paragraph : paragraphs) {
      if (paragraph.startsWith(QLatin1String("Commands:\n")))
        paragraph.remove(0, 10);
      if (paragraph.section(u'\n', 0, 0).section(u' ', 2, 2) == QLatin1String(command))
        expected = paragraph;
    }
    for (const QStringList &asked : {QStringList{command, "--help"}, QStringList{command, "-h"},
                                     QStringList{command, "--source", "x.rc", "--help"}}) {
      const test::CliRun run = test::runCli(asked);
      EXPECT_EQ(run.status, 0) << asked.join(u' ').toStdString() << run.err.toStdString();
      EXPECT_EQ(run.out, expected + u'\n') << asked.join(u' ').toStdString();
    }
  }
  const test::CliRun unknown = test::runCli({"frobnicate", "--help"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(unknown.err.contains("unknown command 'frobnicate'"));
}

TEST(CliHelpTest, TheVersionIsTheProgramsOwn) {
  for (const char *asked : {"--version", "version"}) {
    const test::CliRun run = test::runCli({QString::fromLatin1(asked)});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tarvelo-cli \\d+\\.\\d+\\.\\d+\n$"))
                    .match(run.out)
                    .hasMatch())
        << run.out.toStdString();
  }
}

} // namespace
} // namespace tarvelo
