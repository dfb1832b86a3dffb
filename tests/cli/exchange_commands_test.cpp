// export, import, tm-import, tm-export and tm-delete as a batch runs them: what they
// write, what they say and their exit statuses.
#include "cli/cli_run.h"
#include "support/qt_printers.h"
#include "support/rc_compiler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;
using test::runCli;

const QString kExample = QStringLiteral(TARVELO_TEST_DATA "/../../resources/example");

class ExchangeCommandsTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path(const QString &name) const { return dir.filePath(name); }
  QStringList task(const QString &target = kExample + "/example_de.rc",
                   bool newTarget = false) const {
    return {"--source",
            kExample + "/example.rc",
            "--source-language",
            "1033",
            newTarget ? "--new-target" : "--target",
            target,
            "--target-language",
            "1031"};
  }
  void write(const QString &name, const QByteArray &bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray read(const QString &name) {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // The translations of a target script, as dump prints them.
  QString dumped(const QString &script) {
    return runCli({"dump", script, "--language", "1031"}).out;
  }
  QTemporaryDir dir;
};

TEST_F(ExchangeCommandsTest, EachFormatCarriesTheExampleToANewTargetUnchanged) {
  const QString original = dumped(kExample + "/example_de.rc");
  ASSERT_FALSE(original.isEmpty());
  for (const QString format : {"csv", "po", "xliff"}) {
    const CliRun out = runCli(QStringList{"export"} + task() +
                              QStringList{"--format", format, "--out", path("x." + format)});
    EXPECT_EQ(out.status, 0) << out.err.toStdString();
    EXPECT_EQ(out.out, "42 pairs exported\n") << format.toStdString();
    const CliRun in = runCli(QStringList{"import"} + task(path("new_" + format + ".rc"), true) +
                             QStringList{"--in", path("x." + format)});
    EXPECT_EQ(in.status, 0) << in.err.toStdString();
    EXPECT_TRUE(in.out.contains("records matched")) << in.out.toStdString();
    EXPECT_EQ(dumped(path("new_" + format + ".rc")), original) << format.toStdString();
  }
}

// A translation brought back into a program's language DLL rewrites the DLL, never a
// script into it; a program is never made anew by an import.
TEST_F(ExchangeCommandsTest, AnImportIntoALanguageDllRewritesTheDll) {
  write("app.rc", "LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n 100 \"Open\"\n 101 \"Close\"\nEND\n");
  QString error;
  const QByteArray res = test::compileScript(path("app.rc"), {}, 1252, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  write("app.res", res);
  const QStringList side{"--source", path("app.res"),     "--source-language",
                         "1033",     "--target-language", "1031"};
  ASSERT_EQ(runCli(QStringList{"translate"} + side +
                   QStringList{"--new-target", path("de.rc"), "--out", path("de.dll")})
                .status,
            0);
  const CliRun exported =
      runCli(QStringList{"export"} + side +
             QStringList{"--target", path("de.dll"), "--format", "po", "--out", path("de.po")});
  ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
  // The catalogue with the empty translation of "Open" filled in.
  QByteArray po = read("de.po");
  ASSERT_TRUE(po.contains("msgid \"Open\"\nmsgstr \"\"")) << po.constData();
  po.replace("msgid \"Open\"\nmsgstr \"\"", "msgid \"Open\"\nmsgstr \"\xc3\x96\" \"ffnen\"");
  write("de.po", po);
  const CliRun imported = runCli(QStringList{"import"} + side +
                                 QStringList{"--target", path("de.dll"), "--in", path("de.po")});
  EXPECT_EQ(imported.status, 0) << imported.err.toStdString() << imported.out.toStdString();
  EXPECT_TRUE(read("de.dll").startsWith("MZ"));
  const QString texts = runCli({"dump", path("de.dll"), "--language", "1031"}).out;
  EXPECT_TRUE(texts.contains(QStringLiteral("100\t\u00d6ffnen"))) << texts.toStdString();

  const CliRun program = runCli(QStringList{"import"} + side +
                                QStringList{"--target", path("new.exe"), "--in", path("de.po")});
  EXPECT_NE(program.status, 0);
  EXPECT_FALSE(QFile::exists(path("new.exe")));
}

TEST_F(ExchangeCommandsTest, ExitStatusesSayWhatHappened) {
  write("none.po", "msgid \"Nothing of the example\"\nmsgstr \"Nichts\"\n");
  write("broken.xlf", "<xliff version=\"1.2\"><file><body><trans-unit>");
  write("v2.xlf", "<xliff version=\"2.0\"/>");
  const QString target = path("t.rc");
  QFile::copy(kExample + "/example_de.rc", target);
  const struct {
    const char *name;
    QStringList arguments;
    int status;
    QString says;
  } cases[] = {
      {"nothing matched",
       QStringList{"import"} + task(target) + QStringList{"--in", path("none.po")}, 1,
       "0 of 1 record matched"},
      {"not well-formed",
       QStringList{"import"} + task(target) + QStringList{"--in", path("broken.xlf")}, 2,
       "not well-formed"},
      {"another version",
       QStringList{"import"} + task(target) + QStringList{"--in", path("v2.xlf")}, 2, "XLIFF 2.0"},
      {"missing file", QStringList{"import"} + task(target) + QStringList{"--in", path("gone.po")},
       2, "It is not possible open file '" + path("gone.po") + "': No such file or directory."},
      {"bad delimiters",
       QStringList{"import"} + task(target) +
           QStringList{"--in", path("none.po"), "--delimiters", "pipe"},
       2, "--delimiters"},
      {"bad format",
       QStringList{"export"} + task() + QStringList{"--format", "doc", "--out", path("x")}, 2,
       "--format"},
      {"unwritable",
       QStringList{"export"} + task() + QStringList{"--format", "po", "--out", dir.path()}, 2,
       "The file '" + dir.path() + "' could not be written: it is not a regular file."},
  };
  for (const auto &c : cases) {
    const CliRun run = runCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err.toStdString();
    EXPECT_TRUE((run.out + run.err).contains(c.says))
        << c.name << ": " << (run.out + run.err).toStdString();
  }
  // Neither the failures nor the import that matched nothing changed the target's texts.
  EXPECT_EQ(dumped(target), dumped(kExample + "/example_de.rc"));
}

TEST_F(ExchangeCommandsTest, FilteredExportWritesOnlyWhatTheFilterShows) {
  const CliRun run = runCli(QStringList{"export"} + task(path("new.rc"), true) +
                            QStringList{"--format", "po", "--out", path("f.po"), "--filtered"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  // A new target is empty throughout: every item passes.
  EXPECT_EQ(run.out, "42 pairs exported\n");
  const CliRun translated =
      runCli(QStringList{"export"} + task() +
             QStringList{"--format", "po", "--out", path("g.po"), "--filtered"});
  EXPECT_LT(translated.out.split(' ').first().toInt(), 42) << translated.out.toStdString();
}

TEST_F(ExchangeCommandsTest, TheMemoryTakesAGlossaryAndGivesItBackAsTmx) {
  ASSERT_EQ(runCli(QStringList{"export"} + task() +
                   QStringList{"--format", "csv", "--out", path("g.csv")})
                .status,
            0);
  const QStringList memory{"--tm", path("TM"),          "--source-language",
                           "1033", "--target-language", "1031"};
  CliRun run = runCli(QStringList{"tm-import"} + memory + QStringList{"--in", path("g.csv")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const int learnt = run.out.split(' ').first().toInt();
  EXPECT_GT(learnt, 20) << run.out.toStdString();

  run = runCli(QStringList{"tm-export"} + memory + QStringList{"--out", path("m.tmx")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QString("%1 pairs exported\n").arg(learnt));
  const QString tmx = QString::fromUtf8(read("m.tmx"));
  EXPECT_TRUE(tmx.contains("<tuv xml:lang=\"de-DE\"><seg>&amp;Datei</seg></tuv>"))
      << tmx.toStdString();

  // Into another memory and back out: the same document.
  const QStringList other{"--tm", path("TM2"),         "--source-language",
                          "1033", "--target-language", "1031"};
  run = runCli(QStringList{"tm-import"} + other + QStringList{"--in", path("m.tmx")});
  EXPECT_EQ(run.out, QString("%1 pairs learnt\n").arg(learnt)) << run.err.toStdString();
  runCli(QStringList{"tm-export"} + other + QStringList{"--out", path("m2.tmx")});
  EXPECT_EQ(QString::fromUtf8(read("m2.tmx")), tmx);

  run = runCli(QStringList{"tm-delete"} + memory +
               QStringList{"--source", "&File", "--target", "&DATEI"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  run = runCli(QStringList{"tm-delete"} + memory +
               QStringList{"--source", "&File", "--target", "&Datei"});
  EXPECT_EQ(run.status, 1);
  run = runCli(QStringList{"tm-search"} + memory + QStringList{"&File"});
  EXPECT_EQ(run.out, QString());
}

TEST_F(ExchangeCommandsTest, ABrokenTmxTeachesTheMemoryNothing) {
  write("bomb.tmx",
        "<?xml version=\"1.0\"?><!DOCTYPE tmx [<!ENTITY a \"aaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;\">]><tmx version=\"1.4\"><header/><body><tu>"
        "<tuv xml:lang=\"en-US\"><seg>x</seg></tuv><tuv xml:lang=\"de-DE\"><seg>&b;</seg>"
        "</tuv></tu></body></tmx>");
  write("cut.tmx", "<tmx version=\"1.4\"><header/><body><tu><tuv xml:lang=\"en-US\"><seg>Open</seg>"
                   "</tuv><tuv xml:lang=\"de-DE\"><seg>Offen</seg></tuv></tu><tu>");
  write("old.tmx", "<tmx version=\"1.1\"><header/><body/></tmx>");
  const QStringList memory{"--tm", path("TM"),          "--source-language",
                           "1033", "--target-language", "1031"};
  for (const char *name : {"bomb.tmx", "cut.tmx", "old.tmx"}) {
    const CliRun run = runCli(QStringList{"tm-import"} + memory + QStringList{"--in", path(name)});
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_FALSE(run.err.isEmpty()) << name;
  }
  EXPECT_EQ(runCli(QStringList{"tm-search"} + memory + QStringList{"Open"}).out, QString());
}

} // namespace
} // namespace tarvelo
