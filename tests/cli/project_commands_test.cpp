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

QByteArray utf16(const QString &text) {
  QByteArray bytes("\xFF\xFE", 2);
  for (const QChar c : text)
    bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
  return bytes;
}

QString block(const QString &name, const QString &source, const QString &target) {
  return "TASK=" + name + "\r\n{\r\nSOURCEFILE=" + source +
         "\r\nSOURCELANGUAGE=1033\r\nTARGETFILE=" + target + "\r\nTARGETLANGUAGE=1031\r\n}\r\n";
}

class ProjectCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char *name : {"source.rc", "good_de.rc", "bad_de.rc"})
      ASSERT_TRUE(QFile::copy(QDir(TARVELO_TEST_DATA "/check").filePath(name), dir.filePath(name)));
  }
  QString write(const QString &name, const QByteArray &content) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return dir.filePath(name);
  }
  QTemporaryDir dir;
};

const char kGoodCheck[] = "Good\tok\t0 of 6 items fail the automatic inspection\n";

TEST_F(ProjectCommandTest, CheckPrintsOneLinePerTaskAndFailsWhenOneFails) {
  const QString project =
      write("p.tvx", utf16(block("Good", ".\\source.rc", ".\\good_de.rc") +
                           block("Bad", "./source.rc", dir.filePath("bad_de.rc")) +
                           block("Missing", ".\\missing.rc", ".\\good_de.rc")));
  const CliRun run = runCli({"project", project, "check"});
  EXPECT_EQ(run.status, 1) << run.err.toStdString();
  EXPECT_EQ(run.out, QString(kGoodCheck) +
                         "Bad\tfails\t4 of 6 items fail the automatic inspection\n"
                         "Missing\terror\tIt is not possible open file '" +
                         dir.filePath("missing.rc") + "'.\n");
  EXPECT_TRUE(run.err.contains("2 of 3 tasks fail the check"));

  const QString good = write("good.tvx", utf16(block("Good", ".\\source.rc", ".\\good_de.rc")));
  const CliRun passing = runCli({"project", good, "check"});
  EXPECT_EQ(passing.status, 0) << passing.err.toStdString();
  EXPECT_EQ(passing.out, kGoodCheck);
}

TEST_F(ProjectCommandTest, ListAndTranslate) {
  // An ANSI project (no byte-order mark) with a target still to be made.
  const QString project = write("p.tvx", (block("Good", ".\\source.rc", ".\\good_de.rc") +
                                          block("New", ".\\source.rc", ".\\new_de.rc"))
                                             .toLatin1());
  const CliRun list = runCli({"project", project, "list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "Good\t" + dir.filePath("source.rc") + "\t1033\t" +
                          dir.filePath("good_de.rc") + "\t1031\nNew\t" + dir.filePath("source.rc") +
                          "\t1033\t" + dir.filePath("new_de.rc") + "\t1031\n");

  const CliRun translate = runCli({"project", project, "translate"});
  EXPECT_EQ(translate.status, 0) << translate.err.toStdString();
  const QStringList lines = translate.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << translate.out.toStdString();
  EXPECT_TRUE(lines[0].startsWith("Good\tok\t")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("New\tok\t")) << lines[1].toStdString();
  EXPECT_TRUE(QFile::exists(dir.filePath("new_de.rc")));
}

TEST_F(ProjectCommandTest, BadInputExitsWithTwo) {
  const QString project = write("p.tvx", utf16(block("Good", ".\\source.rc", ".\\good_de.rc")));
  QByteArray odd = utf16(block("Good", ".\\source.rc", ".\\good_de.rc"));
  odd.append('x');
  const QString oddProject = write("odd.tvx", odd);
  const struct {
    QStringList arguments;
    int status;
  } cases[] = {
      {{"project", dir.filePath("none.tvx"), "list"}, 2},
      {{"project", dir.path(), "list"}, 2},
      {{"project", project, "compile"}, 2},
      {{"project", project}, 2},
      {{"project", project, "check", "--tm", dir.path()}, 2},
      {{"project", oddProject, "list"}, 0},
      {{"project", write("empty.tvx", "junk\n"), "check"}, 0},
  };
  for (const auto &c : cases) {
    const CliRun run = runCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
    if (c.status == 2) {
      EXPECT_TRUE(run.err.startsWith("error: ")) << run.err.toStdString();
    }
  }
}

TEST_F(ProjectCommandTest, FindScriptsPrintsEachScriptOnce) {
  QDir(dir.path()).mkpath("vc");
  write("vc/app.vcxproj",
        "<Project><ItemGroup><ResourceCompile Include=\"..\\source.rc;..\\SOURCE.rc\"/>"
        "</ItemGroup></Project>");
  write("all.sln", "Project(\"{1}\") = \"a\", \"vc\\app.vcxproj\", \"{2}\"\r\n"
                   "Project(\"{1}\") = \"b\", \"VC\\APP.vcxproj\", \"{3}\"\r\n");
  write("p.tvx", utf16(block("Good", dir.filePath("source.rc"), dir.filePath("good_de.rc"))));
  const QString scripts = dir.filePath("bad_de.rc") + "\n" + dir.filePath("good_de.rc") + "\n" +
                          dir.filePath("source.rc") + "\n";
  const auto sorted = [](const QString &out) {
    QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines.join('\n') + (lines.isEmpty() ? "" : "\n");
  };
  const struct {
    QStringList arguments;
    int status;
    QString out;
  } cases[] = {
      {{dir.path()}, 0, scripts},
      {{dir.filePath("all.sln")}, 0, dir.filePath("source.rc") + "\n"},
      {{dir.filePath("p.tvx")},
       0,
       dir.filePath("good_de.rc") + "\n" + dir.filePath("source.rc") + "\n"},
      {{dir.path(), "--modified-until", "2001-01-01"}, 0, ""},
      {{dir.path(), "--modified-since", "2001-01-01T10:00:00"}, 0, scripts},
      {{dir.path(), "--language", "0x409"}, 0, dir.filePath("source.rc") + "\n"},
      {{dir.path(), "--modified-since", "yesterday"}, 2, ""},
      {{dir.filePath("none")}, 2, ""},
      {{dir.filePath("source.rc")}, 2, ""},
      {{}, 2, ""},
  };
  for (const auto &c : cases) {
    const CliRun run = runCli(QStringList{"find-scripts"} + c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(sorted(run.out), c.out) << c.arguments.join(' ').toStdString();
  }
}

} // namespace
} // namespace tarvelo
