// Tests: --header on the commands that read a compiled source: a program's .res file
// read with its resource.h matches the team's German script that uses the macros, and
// the translated .res equals what llvm-rc compiles of that script; a header that cannot
// be read fails the command and names the file.
#include "cli/cli_run.h"
#include "compiled/res_file.h"
#include "support/rc_compiler.h"
#include "support/resource_lines.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

const char kHeader[] = "#ifndef RESOURCE_H\n#define RESOURCE_H\n"
                       "#define IDS_HELLO 0x10\n#define IDD_MAIN 100\n#define IDR_MENU 101\n"
                       "#define IDC_NAME (1001)\n#define ID_FILE_QUIT 40001\n#endif\n";

const char kScript[] = "#pragma code_page(65001)\n#include \"resource.h\"\n%1\n"
                       "STRINGTABLE\nBEGIN\n IDS_HELLO \"%2\"\n 17 \"%3\"\nEND\n"
                       "IDR_MENU MENU\nBEGIN\n POPUP \"%4\"\n BEGIN\n"
                       "  MENUITEM \"%5\", ID_FILE_QUIT\n END\nEND\n"
                       "IDD_MAIN DIALOGEX 0, 0, 120, 40\nSTYLE 0x80C80048\nCAPTION \"%6\"\n"
                       "FONT 8, \"MS Shell Dlg\", 400, 0, 1\nBEGIN\n"
                       " LTEXT \"%7\", IDC_NAME, 5, 5, 50, 8\nEND\n";

class HeaderOption : public ::testing::Test {
protected:
  void SetUp() override {
    write("resource.h", kHeader);
    write("english.rc",
          QString::fromLatin1(kScript)
              .arg("LANGUAGE 9, 1", "Hello", "Seventeen", "&File", "&Quit", "Main", "Name:")
              .toUtf8());
    write("german.rc", QString::fromUtf8(kScript)
                           .arg("LANGUAGE 7, 1", "Hallo", QString::fromUtf8("Siebzehn"), "&Datei",
                                "&Beenden", "Haupt", QString::fromUtf8("Größe:"))
                           .toUtf8());
    QString error;
    const QByteArray res =
        test::compileScript(path("english.rc"), {dir.path()}, 65001, dir.path(), error);
    ASSERT_FALSE(res.isEmpty()) << error.toStdString();
    write("program.res", res);
  }
  void write(const QString &name, const QByteArray &bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QString path(const QString &name) const { return dir.filePath(name); }
  QStringList task(const QString &target) const {
    return {"--source", path("program.res"), "--source-language", "1033",
            "--target", path(target),        "--target-language", "1031"};
  }
  QTemporaryDir dir;
};

TEST_F(HeaderOption, TheGermanScriptWithTheMacrosTranslatesTheProgram) {
  const test::CliRun dump =
      test::runCli({"dump", path("program.res"), "--header", path("resource.h")});
  ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
  for (const char *line : {"STRINGTABLE\tIDS_HELLO\tHello", "STRINGTABLE\t17\tSeventeen",
                           "MENU\tID_FILE_QUIT\t&Quit", "DIALOG\tIDC_NAME\tName:"})
    EXPECT_TRUE(dump.out.contains(QLatin1String(line))) << line << "\n" << dump.out.toStdString();

  const test::CliRun translate =
      test::runCli(QStringList{"translate"} + task("german.rc") +
                   QStringList{"--header", path("resource.h"), "--out", path("german.res")});
  ASSERT_EQ(translate.status, 0) << translate.err.toStdString();
  EXPECT_TRUE(translate.out.contains(QLatin1String("6 matched, 0 fuzzy, 0 not found")))
      << translate.out.toStdString();
  QString error;
  const QByteArray german =
      test::compileScript(path("german.rc"), {dir.path()}, 65001, dir.path(), error);
  ASSERT_FALSE(german.isEmpty()) << error.toStdString();
  QFile out(path("german.res"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(test::resourceLines(readResFile(out.readAll()).resources),
            test::resourceLines(readResFile(german).resources));

  // The language .res written is a target as it stands, read with the same names.
  const test::CliRun again =
      test::runCli(QStringList{"translate"} + task("german.res") +
                   QStringList{"--header", path("resource.h"), "--out", path("again.res")});
  ASSERT_EQ(again.status, 0) << again.err.toStdString();
  EXPECT_TRUE(again.out.contains(QLatin1String("6 matched, 0 fuzzy, 0 not found")))
      << again.out.toStdString();
  QFile written(path("again.res"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(test::resourceLines(readResFile(written.readAll()).resources),
            test::resourceLines(readResFile(german).resources));

  // Without the header the macros name nothing the program's numbers are written as.
  const test::CliRun unnamed = test::runCli(QStringList{"translate"} + task("german.rc") +
                                            QStringList{"--out", path("unnamed.res")});
  EXPECT_FALSE(unnamed.out.contains(QLatin1String(" 0 not found"))) << unnamed.out.toStdString();
}

TEST_F(HeaderOption, DecompiledWithTheHeaderTheScriptCompilesBack) {
  const test::CliRun run = test::runCli({"decompile", path("program.res"), "--out",
                                         path("decompiled.rc"), "--header", path("resource.h")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  QFile script(path("decompiled.rc"));
  ASSERT_TRUE(script.open(QIODevice::ReadOnly));
  const QByteArray text = script.readAll();
  EXPECT_TRUE(text.contains("#include \"resource.h\"\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("IDD_MAIN DIALOGEX")) << text.toStdString();
  QString error;
  const QByteArray res =
      test::compileScript(path("decompiled.rc"), {dir.path()}, 65001, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  QFile program(path("program.res"));
  ASSERT_TRUE(program.open(QIODevice::ReadOnly));
  EXPECT_EQ(test::resourceLines(readResFile(res).resources),
            test::resourceLines(readResFile(program.readAll()).resources));
}

TEST_F(HeaderOption, AHeaderThatCannotBeReadFailsEveryCommand) {
  const QString missing = path("missing.h");
  const QList<QStringList> commands = {
      {"dump", path("program.res"), "--header", missing},
      {"decompile", path("program.res"), "--out", path("x.rc"), "--header", missing},
      QStringList{"translate"} + task("german.rc") + QStringList{"--header", missing},
      QStringList{"check"} + task("german.rc") + QStringList{"--header", missing},
      QStringList{"export"} + task("german.rc") +
          QStringList{"--format", "csv", "--out", path("x.csv"), "--header", missing},
      {"report", "--source", path("program.res"), "--source-language", "1033", "--header", missing},
      {"dump", path("german.rc"), "--header", missing},
      {"pseudo", "--source", path("program.res"), "--source-language", "1033", "--new-target",
       path("x.rc"), "--target-language", "1031", "--header", missing},
  };
  for (const QStringList &command : commands) {
    const test::CliRun run = test::runCli(command);
    EXPECT_NE(run.status, 0) << command.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("cannot be read"))) << run.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(path("x.rc")));
  EXPECT_FALSE(QFile::exists(path("x.csv")));
}

} // namespace
} // namespace tarvelo
