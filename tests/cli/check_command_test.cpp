// The check command: failing items with explanations, rules, options and bad arguments.
#include "cli/cli_run.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using CheckRun = test::CliRun;

// The fixtures are copied, so that nothing the command might leave beside a script
// lands in the source tree.
class CheckCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char *name :
         {"source.rc", "good_de.rc", "bad_de.rc", "partial_de.rc", "broken_de.rc"})
      ASSERT_TRUE(QFile::copy(QDir(TARVELO_TEST_DATA "/check").filePath(name), dir.filePath(name)))
          << name;
  }
  CheckRun check(const QString &target, const QStringList &extra = {}) {
    return run(QStringList{"check", "--source", dir.filePath("source.rc"), "--source-language",
                           "1033", "--target", dir.filePath(target), "--target-language", "1031"} +
               extra);
  }
  static CheckRun run(const QStringList &arguments) { return test::runCli(arguments); }
  QTemporaryDir dir;
};

const char kSummary[] =
    "0 of 6 items verified (6 matched, 0 fuzzy, 0 not found, 0 source modified, 0 filled)\n";

TEST_F(CheckCommandTest, PrintsEveryFailingItemWithItsExplanation) {
  const CheckRun result = check("bad_de.rc");
  EXPECT_EQ(result.status, 1) << result.err.toStdString();
  EXPECT_EQ(result.out, QString::fromUtf8("MENU\tID_FILE_OPEN\t&Open...\t\u00d6ffnen..\n"
                                          "\tMismatch the count of following characters:\n"
                                          "\t\t\"&\" anywhere\n"
                                          "STRINGTABLE\tIDS_COUNT\t%d of %s\t%s de %d\n"
                                          "\tMismatch Format Specification!\n"
                                          "STRINGTABLE\tIDS_LINES\tFirst\\nSecond\tErste Zweite\n"
                                          "\tMismatch the count of following characters:\n"
                                          "\t\t\"\\n\" anywhere\n"
                                          "STRINGTABLE\tIDS_NAME\t Name\tName\n"
                                          "\tMismatch the count of following characters:\n"
                                          "\t\t\" \" at the beginning\n") +
                            kSummary + "4 of 6 items fail the automatic inspection\n");
}

TEST_F(CheckCommandTest, RulesAndOptionsChooseWhatIsChecked) {
  const struct {
    const char *target;
    QStringList extra;
    int status;
    const char *failing; // identifiers of the failing items
  } cases[] = {
      {"good_de.rc", {}, 0, ""},
      {"bad_de.rc", {"--no-format-order"}, 1, "ID_FILE_OPEN IDS_LINES IDS_NAME"},
      // Three points against two fail only once the rule (1, ".") is given.
      {"bad_de.rc", {"--rules", "1.;"}, 1, "ID_FILE_OPEN IDS_COUNT"},
      {"bad_de.rc", {"--rules", "1.;", "--no-format-order"}, 1, "ID_FILE_OPEN"},
      {"bad_de.rc", {"--rules", "2?;0 ;", "--no-format-order"}, 1, "IDS_NAME"},
      {"good_de.rc", {"--rules", "1.;2&;2?;"}, 0, ""},
      // An untranslated item lacks the source's "?" unless only translations count.
      {"partial_de.rc", {}, 1, "IDS_ASK"},
      {"partial_de.rc", {"--translated-only"}, 0, ""},
  };
  for (const auto &c : cases) {
    const CheckRun result = check(c.target, c.extra);
    const QString label = c.target + u' ' + c.extra.join(u' ');
    EXPECT_EQ(result.status, c.status) << label.toStdString() << result.err.toStdString();
    QStringList failing;
    for (const QString &line : result.out.split(u'\n'))
      if (line.count(u'\t') >= 3 && !line.startsWith(u'\t'))
        failing << line.section(u'\t', 1, 1);
    EXPECT_EQ(failing.join(u' '), c.failing) << label.toStdString();
    const int count = int(failing.size());
    EXPECT_TRUE(result.out.endsWith(QStringLiteral("%1 of %2 items fail the automatic inspection\n")
                                        .arg(count)
                                        .arg(c.extra.contains("--translated-only") ? 5 : 6)))
        << label.toStdString() << result.out.toStdString();
  }
}

TEST_F(CheckCommandTest, BadArgumentsAndUnreadableScriptsExitWithTwo) {
  const QString source = dir.filePath("source.rc");
  const QString good = dir.filePath("good_de.rc");
  const struct {
    QStringList arguments;
    const char *error;
  } cases[] = {
      {{"check", "--source", source, "--source-language", "1033", "--target", good},
       "error: --source, --source-language, --target and --target-language are required\n"},
      {{"check", "--source", source, "--source-language", "english", "--target", good,
        "--target-language", "1031"},
       "error: bad value 'english' for --source-language: 'english' is no language tag or "
       "number Windows knows; nearest: en-US, "},
      {{"check", "--source", source, "--source-language", "en-US", "--target", good,
        "--target-language", "de", "--source-language", "fr"},
       "error: --source-language is given twice\n"},
      {{"check", "--source", source, "--source-language", "1033", "--target", good,
        "--target-language", "1031", "--frobnicate", "1"},
       "error: unknown option --frobnicate\n"},
      {{"check", "--source", source, "--source-language", "1033", "--target", good,
        "--target-language"},
       "error: --target-language needs a value\n"},
      {{"check", "--source", dir.filePath("none.rc"), "--source-language", "1033", "--target", good,
        "--target-language", "1031"},
       "It is not possible open file"},
      {{"check", "--source", source, "--source-language", "1033", "--target",
        dir.filePath("none_de.rc"), "--target-language", "1031"},
       "It is not possible open file"},
      {{"check", "--source", source, "--source-language", "1033", "--target",
        dir.filePath("broken_de.rc"), "--target-language", "1031"},
       "is not valid resource file."},
  };
  for (const auto &c : cases) {
    const CheckRun result = run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments.join(u' ').toStdString();
    EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.error)))
        << c.arguments.join(u' ').toStdString() << ": " << result.err.toStdString();
    EXPECT_EQ(result.out, "") << c.arguments.join(u' ').toStdString();
  }
}

TEST_F(CheckCommandTest, HelpDescribesTheCommand) {
  const CheckRun result = run({"--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.contains("  check --source S --source-language N --target T"));
}

} // namespace
} // namespace tarvelo
