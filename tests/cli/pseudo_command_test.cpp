// The pseudo-translated target must compile, show its clipping in the dialogs report,
// and be refused rather than garbled when its code page cannot hold what was asked.
#include "cli/cli_run.h"
#include "support/qt_printers.h"
#include "support/rc_compiler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Failure messages show texts as text.
[[maybe_unused]] static std::ostream &operator<<(std::ostream &out, const QString &text) {
  return out << text.toStdString();
}

namespace tarvelo {
namespace {

using test::CliRun;

QString compileData() {
  return QStringLiteral(TARVELO_TEST_DATA "/rc_compile");
}

class PseudoCommandTest : public ::testing::Test {
protected:
  CliRun pseudo(const QString &source, const QString &target, const QStringList &extra = {}) {
    return test::runCli(QStringList{"pseudo", "--source", source, "--source-language", "1033",
                                    "--new-target", target, "--target-language", "1031"} +
                        extra);
  }
  QTemporaryDir dir;
};

// llvm-rc reads only code pages 1252 and 65001: the right-to-left targets (Hebrew, UTF-16)
// are checked by reading them back.
TEST_F(PseudoCommandTest, TheNewTargetCompiles) {
  const struct {
    QStringList extra;
    const char *language;
    int codePage; // 0: not compiled
  } cases[] = {{{}, "1031", 1252},
               {{"--right-to-left"}, "1037", 0}, // Hebrew holds the marks
               {{"--utf16", "--right-to-left"}, "1031", 0}};
  for (const auto &c : cases) {
    const QString target = dir.filePath("app_pseudo.rc");
    QFile::remove(target);
    const CliRun run = test::runCli(QStringList{"pseudo", "--source", compileData() + "/app.rc",
                                                "--source-language", "1033", "--new-target", target,
                                                "--target-language", c.language} +
                                    c.extra);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("items pseudo-translated\n")) << run.out;
    if (c.codePage) {
      QString error;
      const QByteArray compiled = test::compileScript(
          target, {compileData() + "/include", compileData()}, c.codePage, dir.path(), error);
      EXPECT_FALSE(compiled.isEmpty()) << c.extra.join(' ') << ": " << error;
    }
    const QString texts =
        test::runCli({"dump", target, "--language", QString::fromLatin1(c.language)}).out;
    EXPECT_TRUE(texts.contains(u'[')) << texts;
    EXPECT_EQ(texts.contains(u'\u200F'), c.extra.contains("--right-to-left")) << texts;
  }
}

// A program's pseudo-translation goes into a language DLL or a copy of the program, which
// are read back with every text marked; a script source has no resources to build one from.
TEST_F(PseudoCommandTest, AProgramIsPseudoTranslatedIntoItsOwnForm) {
  QString error;
  const QByteArray res =
      test::compileScript(compileData() + "/app.rc", {compileData() + "/include", compileData()},
                          1252, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error;
  const QString source = dir.filePath("app.res");
  QFile file(source);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(res);
  file.close();
  for (const char *name : {"pseudo.dll", "pseudo.res"}) {
    const QString target = dir.filePath(QLatin1String(name));
    const CliRun run = pseudo(source, target);
    EXPECT_EQ(run.status, 0) << name << ": " << run.err.toStdString();
    const QString texts = test::runCli({"dump", target, "--language", "1031"}).out;
    const QString english = test::runCli({"dump", source, "--language", "1033"}).out;
    EXPECT_FALSE(texts.isEmpty()) << name;
    // As many lines as the source, every text that has letters marked.
    EXPECT_EQ(texts.count(u'\n'), english.count(u'\n')) << texts;
    EXPECT_GT(texts.count(u'['), 3) << texts;
  }
  const CliRun refused = pseudo(compileData() + "/app.rc", dir.filePath("from_script.dll"));
  EXPECT_NE(refused.status, 0);
  EXPECT_FALSE(QFile::exists(dir.filePath("from_script.dll")));
  EXPECT_TRUE(refused.err.contains("compiled source")) << refused.err.toStdString();
}

TEST_F(PseudoCommandTest, TheReportOnThePseudoTargetListsWhatWouldClip) {
  const QString source = dir.filePath("example.rc");
  ASSERT_TRUE(
      QFile::copy(QStringLiteral(TARVELO_TEST_DATA "/../../resources/example/example.rc"), source));
  const CliRun run = pseudo(source, dir.filePath("example_pseudo.rc"), {"--expansion", "60"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const CliRun report = test::runCli({"report", "--source", source, "--source-language", "1033",
                                      "--target", dir.filePath("example_pseudo.rc"),
                                      "--target-language", "1031", "--setting", "1"});
  EXPECT_EQ(report.status, 1) << report.err.toStdString();
  EXPECT_TRUE(report.out.contains("\tText is too long!\n")) << report.out;
}

TEST_F(PseudoCommandTest, BadRequestsAreRefused) {
  const QString target = dir.filePath("refused.rc");
  const struct {
    QStringList extra;
    const char *error;
  } cases[] = {
      {{"--right-to-left"}, "holds no right-to-left marks"},
      {{"--expansion", "much"}, "bad value 'much' for --expansion"},
      {{"--expansion", "-5"}, "bad value '-5' for --expansion"},
  };
  for (const auto &c : cases) {
    const CliRun run = pseudo(compileData() + "/app.rc", target, c.extra);
    EXPECT_EQ(run.status, 2) << c.extra.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(c.error)) << run.err;
    EXPECT_FALSE(QFile::exists(target));
  }
  const CliRun missing = pseudo(dir.filePath("none.rc"), target);
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(QFile::exists(target));
}

// The spelling of a check, with the small dictionary of the tests as the English one.
class SpellCheckCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    const QString source = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                           "STRINGTABLE\nBEGIN\n"
                           "  1 \"&Open the file\"\n"
                           "  2 \"Save the folder\"\n"
                           "  3 \"%d files\\tCtrl+F\"\n"
                           "END\n";
    write("source.rc", source);
    write("target.rc", QString(source)
                           .replace("\"&Open the file\"", "\"&Opne the windws\"")
                           .replace("\"%d files\\tCtrl+F\"", "\"%d filez\\tCtrl+F\""));
  }
  void write(const QString &name, const QString &text) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
  }
  CliRun check(const QString &language, const QStringList &extra = {}) {
    return test::runCli(
        QStringList{"check", "--source", dir.filePath("source.rc"), "--source-language", "1033",
                    "--target", dir.filePath("target.rc"), "--target-language", language, "--spell",
                    "--dictionaries", QStringLiteral(TARVELO_TEST_DATA "/spelling"),
                    "--user-dictionary", dir.filePath("words.txt")} +
        extra);
  }
  QTemporaryDir dir;
};

// Each distinct misspelt word costs the dictionary a search: a script full of them gets
// suggestions for the first 200 only, and the command says so.
TEST_F(SpellCheckCommandTest, SuggestionsStopAfterTwoHundredWords) {
  QStringList words;
  // "files" and "folder" with a letter added somewhere.
  for (const QString stem : {"files", "folder"})
    for (int at = 0; at <= stem.size(); ++at)
      for (char c = 'a'; c <= 'z'; ++c) {
        const QString word = QString(stem).insert(at, QChar(c));
        if (!words.contains(word))
          words.append(word);
      }
  ASSERT_GT(words.size(), 200);
  write("target.rc", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n  1 \"" +
                         words.join(' ') + "\"\nEND\n");
  const CliRun run = check("1033");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("suggestions are given for the first 200 misspelt words only"))
      << run.err.toStdString();
  int suggested = 0;
  for (const QString &line : run.out.split(u'\n'))
    if (words.contains(line.section(u'\t', 2, 2)) && !line.section(u'\t', 3).isEmpty())
      ++suggested;
  EXPECT_GT(suggested, 100);
  EXPECT_LE(suggested, 200);
}

TEST_F(SpellCheckCommandTest, ListsItemWordAndSuggestions) {
  const CliRun run = check("1033");
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  const QStringList lines = run.out.split(u'\n');
  ASSERT_GE(lines.size(), 5) << run.out;
  EXPECT_TRUE(lines[0].startsWith("STRINGTABLE\t1\tOpne\t")) << lines[0];
  EXPECT_TRUE(lines[0].contains("Open")) << lines[0]; // in the word's case
  EXPECT_TRUE(lines[1].startsWith("STRINGTABLE\t1\twindws\twindows")) << lines[1];
  EXPECT_TRUE(lines[2].startsWith("STRINGTABLE\t3\tfilez\t")) << lines[2];
  EXPECT_TRUE(lines[2].contains("files")) << lines[2];
  EXPECT_TRUE(run.out.endsWith("3 misspelt words in 2 items\n")) << run.out;
  EXPECT_EQ(run.err, "");

  // Words the translator added are known.
  write("words.txt", "Opne\nwindws\nfilez\n");
  const CliRun known = check("1033");
  EXPECT_EQ(known.status, 0) << known.out.toStdString();
  EXPECT_TRUE(known.out.endsWith("0 misspelt words in 0 items\n")) << known.out;
}

TEST_F(SpellCheckCommandTest, ALanguageWithoutADictionarySaysSoOnce) {
  const CliRun run = check("1041", {"--translated-only"}); // Japanese
  EXPECT_EQ(run.status, 0) << run.out.toStdString();
  EXPECT_EQ(run.err.count("no dictionary"), 1) << run.err;
  EXPECT_TRUE(run.err.contains("Japanese (ja-JP)")) << run.err;
  EXPECT_FALSE(run.out.contains("misspelt")) << run.out;
}

} // namespace
} // namespace tarvelo
