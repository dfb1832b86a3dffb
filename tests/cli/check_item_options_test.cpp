// check's item checks from the command line: menus with one key twice, a limits file,
// equal texts, and levels read from the window's settings file. The target is in the
// ANSI code page of German, as such scripts are.
#include "cli/cli_run.h"
#include "seam/qt_settings.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using CheckRun = test::CliRun;

const char kSource[] = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                       "IDR_MAIN MENU\nBEGIN\n    POPUP \"&File\"\n    BEGIN\n"
                       "        MENUITEM \"&Print\", 1\n        MENUITEM \"&Document\", 2\n"
                       "    END\nEND\n"
                       "STRINGTABLE\nBEGIN\n    3 \"Ready for the next &file\"\n"
                       "    4 \"Title\"\n    5 \"OK\"\nEND\n";
const char kTarget[] = "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
                       "IDR_MAIN MENU\nBEGIN\n    POPUP \"&Datei\"\n    BEGIN\n"
                       "        MENUITEM \"&Drucken\", 1\n        MENUITEM \"&Dokument\", 2\n"
                       "    END\nEND\n"
                       "STRINGTABLE\nBEGIN\n    3 \"Bereit f\xfc"
                       "r die n\xe4"
                       "chste &Datei\"\n"
                       "    4 \"Title\"\n    5 \"OK\"\nEND\n";

class CheckItemOptionsTest : public ::testing::Test {
protected:
  void SetUp() override {
    write("source.rc", kSource);
    write("target_de.rc", kTarget);
  }
  void write(const char *name, const QByteArray &data) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  CheckRun check(const QStringList &extra) {
    return test::runCli(QStringList{"check", "--source", dir.filePath("source.rc"),
                                    "--source-language", "1033", "--target",
                                    dir.filePath("target_de.rc"), "--target-language", "1031"} +
                        extra);
  }
  QTemporaryDir dir;
};

const char kSummary[] =
    "0 of 6 items verified (6 matched, 0 fuzzy, 0 not found, 0 source modified, 0 filled)\n";

TEST_F(CheckItemOptionsTest, MenuClashIsPrintedLikeAFailingItem) {
  const CheckRun result = check({});
  EXPECT_EQ(result.status, 1) << result.err.toStdString();
  EXPECT_EQ(result.out,
            QString::fromUtf8("MENU\t1\t&Print\t&Drucken\n"
                              "\tThe access key 'D' is also used by \u201C&Dokument\u201D in this "
                              "menu.\n"
                              "MENU\t2\t&Document\t&Dokument\n"
                              "\tThe access key 'D' is also used by \u201C&Drucken\u201D in this "
                              "menu.\n") +
                kSummary + "2 of 6 items fail the automatic inspection\n");
}

TEST_F(CheckItemOptionsTest, OptionsChooseTheChecks) {
  write("limits.txt", "# short status texts\nSTRINGTABLE:3\t20\nSTRINGTABLE:* 100\n");
  write("loose.conf", "[Options]\nCheckLevels=same-access-key=off;\n");
  write("strict.conf", "[Options]\nCheckLevels=same-access-key=error;same-as-source=note\n");
  const QString limits = dir.filePath("limits.txt");
  {
    // As the window stores it.
    QtSettings window(dir.filePath("window.conf"));
    window.setText("CheckLevels", "same-access-key=off;length-limit=note;");
  }
  const struct {
    QStringList extra;
    const char *failing; // identifiers of the failing items
  } cases[] = {
      {{}, "1 2"},
      {{"--settings", dir.filePath("loose.conf")}, ""},
      {{"--settings", dir.filePath("strict.conf")}, "1 2"},
      {{"--limits", limits}, "1 2 3"},
      {{"--limits", limits, "--settings", dir.filePath("loose.conf")}, "3"},
      {{"--limits", limits, "--settings", dir.filePath("window.conf")}, "3"},
      // "OK" is usually kept.
      {{"--same-as-source"}, "1 2 4"},
      {{"--same-as-source", "--limits", limits, "--settings", dir.filePath("loose.conf")}, "3 4"},
  };
  for (const auto &c : cases) {
    const CheckRun result = check(c.extra);
    const std::string label = c.extra.join(u' ').toStdString();
    QStringList failing;
    for (const QString &line : result.out.split(u'\n'))
      if (line.count(u'\t') >= 3 && !line.startsWith(u'\t'))
        failing << line.section(u'\t', 1, 1);
    EXPECT_EQ(failing.join(u' '), c.failing) << label;
    EXPECT_EQ(result.status, failing.isEmpty() ? 0 : 1) << label << result.err.toStdString();
  }
}

TEST_F(CheckItemOptionsTest, LevelsOfTheSettingsReachTheInspection) {
  for (const char *name : {"source.rc", "bad_de.rc"})
    ASSERT_TRUE(QFile::copy(QDir(TARVELO_TEST_DATA "/check").filePath(name),
                            dir.filePath(QStringLiteral("fixture_") + name)));
  write("keys.conf", "[Options]\nCheckLevels=access-key=off\n");
  write("format.conf", "[Options]\nCheckLevels=\"format-specification=off;character-count=off\"\n");
  const struct {
    const char *settings;
    const char *failing;
  } cases[] = {
      {"keys.conf", "IDS_COUNT IDS_LINES IDS_NAME"},
      {"format.conf", "ID_FILE_OPEN"},
  };
  for (const auto &c : cases) {
    const CheckRun result =
        test::runCli({"check", "--source", dir.filePath("fixture_source.rc"), "--source-language",
                      "1033", "--target", dir.filePath("fixture_bad_de.rc"), "--target-language",
                      "1031", "--settings", dir.filePath(c.settings)});
    QStringList failing;
    for (const QString &line : result.out.split(u'\n'))
      if (line.count(u'\t') >= 3 && !line.startsWith(u'\t'))
        failing << line.section(u'\t', 1, 1);
    EXPECT_EQ(failing.join(u' '), c.failing) << c.settings;
    EXPECT_EQ(result.status, 1) << c.settings;
  }
}

TEST_F(CheckItemOptionsTest, LimitMessageNamesTheLine) {
  write("limits.txt", "\n# short\nSTRINGTABLE:3  20\n");
  const CheckRun result =
      check({"--limits", dir.filePath("limits.txt"), "--settings", dir.filePath("none.conf")});
  EXPECT_EQ(result.status, 2);
  write("loose.conf", "[Options]\nCheckLevels=same-access-key=off\n");
  const CheckRun limited =
      check({"--limits", dir.filePath("limits.txt"), "--settings", dir.filePath("loose.conf")});
  EXPECT_EQ(limited.status, 1) << limited.err.toStdString();
  EXPECT_TRUE(limited.out.startsWith(QString::fromUtf8(
      "STRINGTABLE\t3\tReady for the next &file\tBereit f\u00fcr die n\u00e4chste &Datei\n"
      "\tThe translation has 28 characters; at most 20 are allowed for 3 (limits file line 3).\n")))
      << limited.out.toStdString();
}

TEST_F(CheckItemOptionsTest, BadFilesExitWithTwo) {
  write("bad.txt", "MENU:* 30\n\nMENU:* thirty\n");
  const struct {
    QStringList extra;
    QString error;
  } cases[] = {
      {{"--limits", dir.filePath("bad.txt")},
       "error: " + dir.filePath("bad.txt") +
           " line 3: \"MENU:* thirty\" is not a pattern followed by a maximum length\n"},
      {{"--limits", dir.filePath("none.txt")},
       "error: " + dir.filePath("none.txt") + ": cannot be read"},
      {{"--settings", dir.filePath("none.conf")},
       "error: " + dir.filePath("none.conf") + ": the settings file cannot be read\n"},
      {{"--limits"}, "error: --limits needs a value\n"},
  };
  for (const auto &c : cases) {
    const CheckRun result = check(c.extra);
    EXPECT_EQ(result.status, 2) << c.extra.join(u' ').toStdString();
    EXPECT_TRUE(result.err.startsWith(c.error)) << result.err.toStdString();
    EXPECT_EQ(result.out, "");
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("none.conf")));
}

TEST_F(CheckItemOptionsTest, HelpNamesTheOptions) {
  const CheckRun result = test::runCli({"--help"});
  for (const char *option : {"--limits FILE", "--same-as-source", "--settings FILE"})
    EXPECT_TRUE(result.out.contains(QLatin1String(option))) << option;
}

} // namespace
} // namespace tarvelo
