// Check's and report's findings as SARIF, JUnit and GitHub annotations, read by their
// consumers: the OASIS schema, junitparser, and each location against the script itself.
#include "cli/cli_run.h"
#include "support/rc_compiler.h"
#include "support/script_harness.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;
using test::Encoding;

const QString kSource = QStringLiteral(
    "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
    "IDR_MAIN MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n    MENUITEM \"&Open\", 101\n"
    "    MENUITEM \"E&xit\", 102\n  END\nEND\n"
    "STRINGTABLE\nBEGIN\n  201 \"%d files copied\"\n  202 \"Ready\"\n  203 \"Done!\"\nEND\n");

// The German target: the format specification lost (an error), the access key of
// "&Open" lost and the "!" of "Done!" lost (warnings). before stands in front of the
// first literal on its line, to move its columns.
QString targetScript(const QString &before) {
  return QStringLiteral("LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
                        "IDR_MAIN MENU\nBEGIN\n  POPUP \"&Datei\"\n  BEGIN\n") +
         before +
         QStringLiteral("MENUITEM \"\u00D6ffnen\", 101\n    MENUITEM \"&Beenden\", 102\n"
                        "  END\nEND\nSTRINGTABLE\nBEGIN\n"
                        "\t201\t\"Dateien kopiert, 100 % fertig\"\n  202 \"Bereit\"\n"
                        "  203 \"Fertig\"\nEND\n");
}

// Line and columns of the literal in the decoded script, found by searching it.
QString placeOf(const QString &script, const QString &literal) {
  const QStringList lines = script.split(u'\n');
  for (int i = 0; i < lines.size(); ++i) {
    const qsizetype at = lines[i].indexOf(literal);
    if (at >= 0)
      return QStringLiteral("%1 %2 %1 %3").arg(i + 1).arg(at + 1).arg(at + 1 + literal.size());
  }
  return QString();
}

// What a consumer read, one line per item (see consume_findings.py).
QStringList consumed(const QStringList &arguments) {
  QProcess process;
  process.start(QStringLiteral("/usr/bin/python3"),
                QStringList{TARVELO_TEST_DATA "/findings/consume_findings.py"} + arguments);
  EXPECT_TRUE(process.waitForFinished(60000));
  const QString out = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_EQ(process.exitCode(), 0)
      << out.toStdString() << process.readAllStandardError().toStdString();
  return out.split(u'\n', Qt::SkipEmptyParts);
}

QStringList sarifRead(const QString &path) {
  return consumed(
      {QStringLiteral("sarif"), path, TARVELO_TEST_DATA "/findings/sarif-schema-2.1.0.json"});
}

class FindingsFormatsTest : public ::testing::Test {
protected:
  void write(const QString &name, const QByteArray &data) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  void SetUp() override { write("app.rc", test::encode(kSource, Encoding::Ansi)); }
  CliRun check(const QString &target, const QStringList &extra) {
    return test::runCli(QStringList{"check", "--source", dir.filePath("app.rc"),
                                    "--source-language", "1033", "--target", dir.filePath(target),
                                    "--target-language", "1031", "--root", dir.path()} +
                        extra);
  }
  QTemporaryDir dir;
};

struct EncodingCase {
  const char *name;
  Encoding encoding;
  QString before; // in front of the first literal on its line
};

class FindingsEncodingTest : public FindingsFormatsTest,
                             public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(FindingsEncodingTest, EachResultStandsWhereTheScriptHasItsLiteral) {
  const QString script = targetScript(GetParam().before);
  write("app_de.rc", test::encode(script, GetParam().encoding));
  const CliRun run = check("app_de.rc", {"--format", "sarif", "--out", dir.filePath("out.sarif")});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  const QStringList read = sarifRead(dir.filePath("out.sarif"));
  ASSERT_EQ(read.size(), 4) << read.join(u'\n').toStdString();
  EXPECT_EQ(read[0], QStringLiteral("run tarvelo-check/app_de.rc/ True"));
  // Each result names rule, level, file and region, then its fingerprint.
  const QStringList expected = {
      "result access-key warning app_de.rc " +
          placeOf(script, QString::fromUtf16(u"\"\u00D6ffnen\"")),
      "result format-specification error app_de.rc " +
          placeOf(script, "\"Dateien kopiert, 100 % fertig\""),
      "result character-count warning app_de.rc " + placeOf(script, "\"Fertig\""),
  };
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(read[i + 1].section(u' ', 0, -2), expected[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, FindingsEncodingTest,
    ::testing::Values(EncodingCase{"utf16", Encoding::Utf16, QStringLiteral("    ")},
                      EncodingCase{"utf8", Encoding::Utf8Bom,
                                   QStringLiteral("    /* \u00E4\u00F6 \U0001F600 */ ")},
                      EncodingCase{"cp1252", Encoding::Ansi,
                                   QStringLiteral("  /* Gr\u00FC\u00DF */ ")},
                      EncodingCase{"tabs", Encoding::Ansi, QStringLiteral("\t\t")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FindingsFormatsTest, FingerprintsStayWhenOtherLinesMove) {
  const auto fingerprints = [&](const QString &script) {
    write("app_de.rc", test::encode(script, Encoding::Ansi));
    check("app_de.rc", {"--format", "sarif", "--out", dir.filePath("out.sarif")});
    QStringList prints, lines;
    for (const QString &line : sarifRead(dir.filePath("out.sarif")).mid(1)) {
      prints.append(line.section(u' ', -1));
      lines.append(line.section(u' ', 4, 4));
    }
    return std::pair(prints, lines);
  };
  const QString script = targetScript(QStringLiteral("    "));
  const auto [before, beforeLines] = fingerprints(script);
  const auto [after, afterLines] = fingerprints(QStringLiteral("\n// moved\n\n") + script);
  ASSERT_EQ(before.size(), 3);
  EXPECT_EQ(after, before);
  EXPECT_NE(afterLines, beforeLines);
  // Another translation of the item is another finding.
  QString changed = script;
  const auto [other, otherLines] = fingerprints(changed.replace("\"Fertig\"", "\"Erledigt\""));
  EXPECT_EQ(other.mid(0, 2), before.mid(0, 2));
  EXPECT_NE(other[2], before[2]);
}

TEST_F(FindingsFormatsTest, JUnitListsEveryItemUnderEachCheck) {
  // Two commands of the popup with the access key B.
  const QString script =
      targetScript(QStringLiteral("    ")).replace(QString::fromUtf16(u"\u00D6ffnen"), "&Bild");
  write("app_de.rc", test::encode(script, Encoding::Ansi));
  const CliRun run = check("app_de.rc", {"--format", "junit", "--out", dir.filePath("out.xml")});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  const QStringList read = consumed({QStringLiteral("junit"), dir.filePath("out.xml")});
  // Six items (the popup, two commands, three strings) under three checks, and the
  // three menu items under the menu's access keys.
  ASSERT_EQ(read.size(), 4 + 18 + 3) << read.join(u'\n').toStdString();
  EXPECT_EQ(read[0], QStringLiteral("suite format-specification 6 1 0"));
  EXPECT_EQ(read[1], QStringLiteral("case format-specification app_de.rc:IDR_MAIN:POPUP \"&File\" "
                                    "app_de.rc passes "));
  EXPECT_TRUE(read.contains(QStringLiteral(
      "case format-specification app_de.rc:STRINGTABLE:201 app_de.rc fails The format "
      "specifications differ: %d in the source, none in the translation.")));
  EXPECT_EQ(read[7], QStringLiteral("suite access-key 6 0 0"));
  EXPECT_TRUE(read.contains(QStringLiteral("suite character-count 6 1 0")));
  const qsizetype keys = read.indexOf(QStringLiteral("suite same-access-key 3 2 0"));
  ASSERT_GT(keys, 0) << read.join(u'\n').toStdString();
  EXPECT_EQ(read.mid(keys + 1, 3).filter(QStringLiteral(" fails The access key 'B'")).size(), 2);
}

TEST_F(FindingsFormatsTest, TheWindowsLevelsDecideEachResultsLevel) {
  write("app_de.rc", test::encode(targetScript(QString()), Encoding::Ansi));
  write("levels.conf", "[Options]\nCheckLevels=\"access-key=error;format-specification=note;"
                       "character-count=off\"\n");
  const CliRun run =
      check("app_de.rc", {"--format", "sarif", "--out", dir.filePath("out.sarif"), "--settings",
                          dir.filePath("levels.conf"), "--fail-on", "error"});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  QStringList got;
  for (const QString &line : sarifRead(dir.filePath("out.sarif")).filter("result "))
    got.append(line.section(u' ', 1, 2));
  EXPECT_EQ(got, QStringList({"access-key error", "format-specification note"}));
  // A note alone does not fail the build.
  write("levels.conf", "[Options]\nCheckLevels=\"access-key=off;character-count=off\"\n");
  QString mended = targetScript(QString());
  mended.replace(QStringLiteral("kopiert, 100 % fertig"), QStringLiteral("%d kopiert"));
  write("app_de.rc", test::encode(mended, Encoding::Ansi));
  EXPECT_EQ(check("app_de.rc", {"--format", "github", "--settings", dir.filePath("levels.conf"),
                                "--fail-on", "warning"})
                .status,
            0);
}

TEST_F(FindingsFormatsTest, GitHubAnnotationsEscapeTheirProperties) {
  write("app,de.rc", test::encode(targetScript(QString()), Encoding::Ansi));
  const CliRun run = check("app,de.rc", {"--format", "github"});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], QStringLiteral("::warning file=app%2Cde.rc,line=6,col=10,endColumn=18,"
                                     "title=access-key IDR_MAIN 101::\u201c&\u201d anywhere: 1 "
                                     "in the source, 0 in the translation."));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("::error file=app%2Cde.rc,line=12,col=6,")));
  EXPECT_TRUE(lines[1].endsWith(QStringLiteral("none in the translation.%0A\u201c%25d\u201d "
                                               "anywhere: 1 in the source, 0 in the "
                                               "translation.")));
}

TEST_F(FindingsFormatsTest, FailOnDecidesTheStatus) {
  const QString errors = targetScript(QString());
  QString warnings = errors;
  warnings.replace(QStringLiteral("kopiert, 100 % fertig"), QStringLiteral("%d kopiert"));
  const struct {
    const QString *script;
    const char *failOn;
    const char *format;
    int status;
  } cases[] = {
      {&errors, "error", "sarif", 1},      {&errors, "warning", "sarif", 1},
      {&errors, "never", "sarif", 0},      {&warnings, "error", "sarif", 0},
      {&warnings, "warning", "github", 1}, {&warnings, "error", "text", 0},
      {&warnings, "never", "junit", 0},    {&warnings, "warning", "json", 1},
  };
  for (const auto &c : cases) {
    write("app_de.rc", test::encode(*c.script, Encoding::Ansi));
    const CliRun run = check("app_de.rc", {"--format", c.format, "--fail-on", c.failOn});
    EXPECT_EQ(run.status, c.status) << c.failOn << ' ' << c.format << run.err.toStdString();
  }
}

TEST_F(FindingsFormatsTest, BadOptionsAndOutputsFailWithoutAFile) {
  write("app_de.rc", test::encode(targetScript(QString()), Encoding::Ansi));
  write("blocker", "a file where a folder should be");
  const struct {
    QStringList extra;
    const char *error;
  } cases[] = {
      {{"--format", "xml"}, "bad value 'xml' for --format"},
      {{"--fail-on", "sometimes"}, "bad value 'sometimes' for --fail-on"},
      {{"--out", "x.txt"}, "--out goes with --format json, sarif, junit or github"},
      {{"--format", "sarif", "--out", dir.filePath("blocker/out.sarif")}, "could not be written"},
  };
  for (const auto &c : cases) {
    const CliRun run = check("app_de.rc", c.extra);
    EXPECT_EQ(run.status, 2) << c.error;
    EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.error))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
}

TEST_F(FindingsFormatsTest, AnUnreadableTaskIsANotificationAndFails) {
  write("app_de.rc", test::encode(targetScript(QString()), Encoding::Ansi));
  write("broken_de.rc", "STRINGTABLE\nBEGIN\n  201 \"open\nEND\nIDR_X MENU BEGIN POPUP\n");
  const auto task = [](const QString &name, const QString &target) {
    return "TASK=" + name + "\n{\nSOURCEFILE=.\\app.rc\nSOURCELANGUAGE=1033\nTARGETFILE=.\\" +
           target + "\nTARGETLANGUAGE=1031\n}\n";
  };
  write("project.tvx",
        test::encode(task("Good", "app_de.rc") + task("Bad", "broken_de.rc"), Encoding::Utf16));
  const CliRun run =
      test::runCli({"project", dir.filePath("project.tvx"), "check", "--format", "sarif", "--root",
                    dir.path(), "--out", dir.filePath("out.sarif")});
  EXPECT_EQ(run.status, 2) << run.err.toStdString();
  const QStringList read = sarifRead(dir.filePath("out.sarif"));
  ASSERT_GE(read.size(), 3) << read.join(u'\n').toStdString();
  EXPECT_EQ(
      read.filter(QStringLiteral("run ")),
      QStringList({"run tarvelo-check/app_de.rc/ True", "run tarvelo-check/broken_de.rc/ False"}));
  EXPECT_EQ(read.filter(QStringLiteral("result ")).size(), 3);
  const QStringList notes = read.filter(QStringLiteral("notification error "));
  ASSERT_EQ(notes.size(), 1);
  EXPECT_TRUE(notes[0].contains(QStringLiteral("broken_de.rc"))) << notes[0].toStdString();
  // JUnit lists it as an error of its own.
  test::runCli({"project", dir.filePath("project.tvx"), "check", "--format", "junit", "--out",
                dir.filePath("out.xml")});
  const QStringList junit = consumed({QStringLiteral("junit"), dir.filePath("out.xml")});
  EXPECT_TRUE(junit.contains(QStringLiteral("suite task-read 1 0 1")))
      << junit.join(u'\n').toStdString();
}

TEST_F(FindingsFormatsTest, ReportFindingsStandAtTheControlsText) {
  for (const char *name : {"source.rc", "target_de.rc"})
    ASSERT_TRUE(
        QFile::copy(TARVELO_TEST_DATA "/report/" + QString::fromLatin1(name), dir.filePath(name)));
  const CliRun run =
      test::runCli({"report", "--source", dir.filePath("source.rc"), "--source-language", "1033",
                    "--target", dir.filePath("target_de.rc"), "--target-language", "1031",
                    "--format", "sarif", "--root", dir.path(), "--out", dir.filePath("out.sarif")},
                   QDir(TARVELO_BIN_DIR).filePath("tarvelo-cli-report"));
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  QFile file(dir.filePath("target_de.rc"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString script = QString::fromLatin1(file.readAll());
  const QString save = placeOf(script, "\"Einstellungen &nutzen und speichern\"");
  const QStringList results = sarifRead(dir.filePath("out.sarif")).filter("result ");
  QStringList got;
  for (const QString &line : results)
    got.append(line.section(u' ', 1, 7));
  EXPECT_EQ(got, QStringList({
                     "text-too-long warning target_de.rc " + save,
                     "same-access-key warning target_de.rc " + save,
                     "style-changed note target_de.rc " + save,
                     "outside-dialog warning target_de.rc " + placeOf(script, "\"&Schliessen\""),
                 }));
  // The window's levels: a check off, another an error.
  write("levels.conf", "[Options]\nCheckLevels=\"style-changed=off;text-too-long=error\"\n");
  test::runCli({"report", "--source", dir.filePath("source.rc"), "--source-language", "1033",
                "--target", dir.filePath("target_de.rc"), "--target-language", "1031", "--format",
                "sarif", "--out", dir.filePath("out.sarif"), "--settings",
                dir.filePath("levels.conf")},
               QDir(TARVELO_BIN_DIR).filePath("tarvelo-cli-report"));
  got.clear();
  for (const QString &line : sarifRead(dir.filePath("out.sarif")).filter("result "))
    got.append(line.section(u' ', 1, 2));
  EXPECT_EQ(got, QStringList(
                     {"text-too-long error", "same-access-key warning", "outside-dialog warning"}));
}

TEST_F(FindingsFormatsTest, ACompiledTargetNamesTheResourceInsteadOfALine) {
  // llvm-rc knows the language by number.
  const QString script = targetScript(QString()).replace(
      QStringLiteral("LANG_GERMAN, SUBLANG_GERMAN"), QStringLiteral("7, 1"));
  write("compiled_de.rc", test::encode(script, Encoding::Ansi));
  QString error;
  const QByteArray res =
      test::compileScript(dir.filePath("compiled_de.rc"), {}, 1252, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  write("app_de.res", res);
  const CliRun run = check("app_de.res", {"--format", "sarif", "--out", dir.filePath("out.sarif")});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  const QStringList results = sarifRead(dir.filePath("out.sarif")).filter("result ");
  ASSERT_EQ(results.size(), 3);
  for (const QString &line : results)
    EXPECT_TRUE(line.contains(QStringLiteral(" app_de.res 0 0 0 0 "))) << line.toStdString();
  QFile file(dir.filePath("out.sarif"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(
      file.readAll().contains("\"fullyQualifiedName\": \"STRINGTABLE/STRINGTABLE/201/1031\""));
}

} // namespace
} // namespace tarvelo
