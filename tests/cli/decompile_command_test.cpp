// Tests: decompile on a program built with mingw-w64 and on a .res file: the script
// compiles back to the program's resources; damaged files and bad arguments fail.
#include "cli/cli_run.h"
#include "compiled/pe_resources.h"
#include "support/rc_compiler.h"
#include "support/resource_lines.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

bool build(const QString &folder, const QStringList &arguments, const QString &program) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(QStandardPaths::findExecutable(program), arguments);
  process.waitForFinished(120000);
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return process.exitCode() == 0;
}

QByteArray bytesOf(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DecompileCommand, AProgramsScriptCompilesBackToItsResources) {
  QTemporaryDir dir;
  QFile script(dir.filePath("program.rc"));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(
      "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 5 \"\\366ffnen \"\"x\"\"\"\nEND\n"
      "IDD_A DIALOGEX 0, 0, 120, 50\nSTYLE 0x80C80048\nCAPTION \"Info\"\n"
      "FONT 8, \"MS Shell Dlg\", 400, 0, 1\nBEGIN\n LTEXT \"Name\", -1, 5, 5, 50, 8\n"
      " EDITTEXT 200, 60, 5, 50, 12, 0x0080\n COMBOBOX 201, 5, 20, 60, 50, 0x0003\n"
      " CONTROL \"\", 202, \"msctls_progress32\", 0x0, 5, 35, 100, 8\nEND\n"
      "5 MENU\nBEGIN\n POPUP \"&Datei\"\n BEGIN\n  MENUITEM \"&Ende\", 9, GRAYED\n END\nEND\n");
  script.close();
  QFile main(dir.filePath("main.c"));
  ASSERT_TRUE(main.open(QIODevice::WriteOnly));
  main.write("int main(void) { return 0; }\n");
  main.close();
  ASSERT_TRUE(build(dir.path(), {"-c", "1252", "-i", "program.rc", "-o", "res.o"},
                    "x86_64-w64-mingw32-windres"));
  ASSERT_TRUE(
      build(dir.path(), {"-o", "program.exe", "main.c", "res.o"}, "x86_64-w64-mingw32-gcc"));
  const test::CliRun run = test::runCli(
      {"decompile", dir.filePath("program.exe"), "--out", dir.filePath("decompiled.rc")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out.trimmed(), QStringLiteral("3 resources written"));
  QString error;
  const QByteArray res =
      test::compileScript(dir.filePath("decompiled.rc"), {}, 65001, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  const QList<CompiledResource> original =
      readPeResources(bytesOf(dir.filePath("program.exe"))).resources;
  EXPECT_EQ(test::resourceLines(readResFile(res).resources), test::resourceLines(original))
      << bytesOf(dir.filePath("decompiled.rc")).toStdString();

  // The translator's script shows the texts as the program holds them.
  const test::CliRun dump =
      test::runCli({"dump", dir.filePath("decompiled.rc"), "--language", "1031"});
  EXPECT_TRUE(dump.out.contains(QString::fromUtf8("STRINGTABLE\t5\töffnen \"x\"")))
      << dump.out.toStdString();
  EXPECT_TRUE(dump.out.contains(QStringLiteral("MENU\t9\t&Ende"))) << dump.out.toStdString();

  // The program is a task's source as it stands: a new English script of its texts.
  const test::CliRun translate =
      test::runCli({"translate", "--source", dir.filePath("program.exe"), "--source-language",
                    "1031", "--new-target", dir.filePath("english.rc"), "--target-language", "1033",
                    "--saving-option", "1"});
  ASSERT_EQ(translate.status, 0) << translate.err.toStdString();
  EXPECT_TRUE(translate.out.contains(QStringLiteral("0 of 5 items verified")))
      << translate.out.toStdString();
  const test::CliRun english =
      test::runCli({"dump", dir.filePath("english.rc"), "--language", "1033"});
  EXPECT_EQ(english.out, dump.out);
  EXPECT_FALSE(
      test::compileScript(dir.filePath("english.rc"), {}, 65001, dir.path(), error).isEmpty())
      << error.toStdString();
  // The translations written as a .res file of the program's resources in English: what
  // llvm-rc compiles of the English script.
  const test::CliRun toRes =
      test::runCli({"translate", "--source", dir.filePath("program.exe"), "--source-language",
                    "1031", "--target", dir.filePath("english.rc"), "--target-language", "1033",
                    "--out", dir.filePath("english.res")});
  ASSERT_EQ(toRes.status, 0) << toRes.err.toStdString();
  QTemporaryDir compiled;
  EXPECT_EQ(test::resourceLines(readResFile(bytesOf(dir.filePath("english.res"))).resources),
            test::resourceLines(readResFile(test::compileScript(dir.filePath("english.rc"), {},
                                                                65001, compiled.path(), error))
                                    .resources));
  // And as a language DLL of the program's machine holding the same resources.
  const test::CliRun toDll =
      test::runCli({"translate", "--source", dir.filePath("program.exe"), "--source-language",
                    "1031", "--target", dir.filePath("english.rc"), "--target-language", "1033",
                    "--out", dir.filePath("english.dll")});
  ASSERT_EQ(toDll.status, 0) << toDll.err.toStdString();
  const PeResourcesRead dll = readPeResources(bytesOf(dir.filePath("english.dll")));
  EXPECT_TRUE(dll.is64Bit);
  EXPECT_EQ(test::resourceLines(dll.resources),
            test::resourceLines(readResFile(bytesOf(dir.filePath("english.res"))).resources));
  // The language DLL is a target as it stands: its texts are read, and it is written
  // again as a DLL, never as a script.
  const test::CliRun again =
      test::runCli({"translate", "--source", dir.filePath("program.exe"), "--source-language",
                    "1031", "--target", dir.filePath("english.dll"), "--target-language", "1033"});
  ASSERT_EQ(again.status, 0) << again.err.toStdString();
  EXPECT_TRUE(again.out.contains(QStringLiteral("5 matched"))) << again.out.toStdString();
  EXPECT_EQ(test::resourceLines(readPeResources(bytesOf(dir.filePath("english.dll"))).resources),
            test::resourceLines(dll.resources));
  // A script source has no compiled resources to translate.
  const test::CliRun fromScript =
      test::runCli({"translate", "--source", dir.filePath("english.rc"), "--source-language",
                    "1033", "--new-target", dir.filePath("x.rc"), "--target-language", "1031",
                    "--out", dir.filePath("x.res")});
  EXPECT_EQ(fromScript.status, 1);
  EXPECT_TRUE(fromScript.err.contains(QLatin1String("compiled source")))
      << fromScript.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("x.res")));

  // The program itself is never written.
  EXPECT_EQ(readPeResources(bytesOf(dir.filePath("program.exe"))).resources.size(), 3);
}

// Large data is named as a file beside a script target made from the program, so that
// the target compiles.
TEST(DecompileCommand, AProgramsLargeDataStandsBesideItsScriptTarget) {
  QTemporaryDir dir;
  QFile data(dir.filePath("big.bin"));
  ASSERT_TRUE(data.open(QIODevice::WriteOnly));
  data.write(QByteArray(70001, '\x7f'));
  data.close();
  QFile script(dir.filePath("program.rc"));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("LANGUAGE 9, 1\n1 RCDATA \"big.bin\"\nSTRINGTABLE\nBEGIN\n 1 \"Open\"\nEND\n");
  script.close();
  QFile main(dir.filePath("main.c"));
  ASSERT_TRUE(main.open(QIODevice::WriteOnly));
  main.write("int main(void) { return 0; }\n");
  main.close();
  ASSERT_TRUE(build(dir.path(), {"-i", "program.rc", "-o", "res.o"}, "x86_64-w64-mingw32-windres"));
  ASSERT_TRUE(
      build(dir.path(), {"-o", "program.exe", "main.c", "res.o"}, "x86_64-w64-mingw32-gcc"));
  QDir(dir.path()).mkdir("de");
  const test::CliRun run = test::runCli(
      {"translate", "--source", dir.filePath("program.exe"), "--source-language", "1033",
       "--new-target", dir.filePath("de/program_de.rc"), "--target-language", "1031"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(bytesOf(dir.filePath("de/program_de.rc")).contains("\"program_1.bin\""));
  EXPECT_EQ(bytesOf(dir.filePath("de/program_1.bin")), QByteArray(70001, '\x7f'));
  QString error;
  QTemporaryDir compiled;
  EXPECT_FALSE(
      test::compileScript(dir.filePath("de/program_de.rc"), {}, 65001, compiled.path(), error)
          .isEmpty())
      << error.toStdString();
}

TEST(DecompileCommand, DamagedFilesAndBadArgumentsFail) {
  QTemporaryDir dir;
  QFile damaged(dir.filePath("damaged.res"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(writeResFile({}) + QByteArray("\x10\0\0\0\x20\0\0\0", 8));
  damaged.close();
  const struct {
    QStringList arguments;
    int status;
    const char *says;
  } cases[] = {
      {{"decompile", dir.filePath("damaged.res"), "--out", dir.filePath("a.rc")},
       1,
       "at offset 32"},
      {{"decompile", dir.filePath("missing.exe"), "--out", dir.filePath("a.rc")}, 1, "missing.exe"},
      {{"decompile", "--out", dir.filePath("a.rc")}, 2, "decompile needs"},
      {{"decompile", dir.filePath("damaged.res")}, 2, "--out"},
  };
  for (const auto &c : cases) {
    const test::CliRun run = test::runCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("a.rc")));
}

} // namespace
} // namespace tarvelo
