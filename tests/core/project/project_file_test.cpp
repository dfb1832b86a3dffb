// Project files: broken blocks skipped, round trips, encodings and failures.
#include "project/project_file.h"
#include "project/project_paths.h"
#include "support/case_names.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QByteArray utf16(const QString &text) {
  QByteArray bytes("\xFF\xFE", 2);
  for (const QChar c : text)
    bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
  return bytes;
}

Task task(const QString &name, const QString &source, int sourceLanguage, const QString &target,
          int targetLanguage) {
  Task t;
  t.name = name;
  t.sourcePath = source;
  t.sourceLanguage = sourceLanguage;
  t.targetPath = target;
  t.targetLanguage = targetLanguage;
  return t;
}

// Tasks as one line each, so that a whole project compares in one assertion.
QString render(const QList<Task> &tasks) {
  QString out;
  for (const Task &t : tasks)
    out += QStringLiteral("%1|%2|%3|%4|%5%6\n")
               .arg(t.name, t.sourcePath)
               .arg(t.sourceLanguage)
               .arg(t.targetPath)
               .arg(t.targetLanguage)
               .arg(t.sourceHeader.isEmpty() ? QString() : u'|' + t.sourceHeader);
  return out;
}

const char *const WellFormed = "TASK=Main\r\n{\r\nSOURCEFILE=/p/app.rc\r\nSOURCELANGUAGE=1033\r\n"
                               "TARGETFILE=/p/de.rc\r\nTARGETLANGUAGE=1031\r\n}\r\n";

struct BrokenCase {
  const char *what;
  QString content;
  QString expected;
};

class BrokenBlocks : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenBlocks, AreSkippedAsTheReadingRulesSay) {
  EXPECT_EQ(render(parseProjectFile(utf16(GetParam().content), QStringLiteral("/p"))),
            GetParam().expected)
      << GetParam().what;
}

const QString Main = QStringLiteral("Main|/p/app.rc|1033|/p/de.rc|1031\n");

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, BrokenBlocks,
    ::testing::Values(
        BrokenCase{"well formed", WellFormed, Main},
        BrokenCase{"empty name", QString(WellFormed).replace("TASK=Main", "TASK="),
                   QStringLiteral("|/p/app.rc|1033|/p/de.rc|1031\n")},
        BrokenCase{"TASK= twice", QString(WellFormed).replace("TASK=Main", "TASK=TASK="), ""},
        BrokenCase{"text before the key stays", QString(WellFormed).replace("TASK=", "x TASK="),
                   QStringLiteral("x Main|/p/app.rc|1033|/p/de.rc|1031\n")},
        BrokenCase{"brace with a trailing blank", QString(WellFormed).replace("{\r\n", "{ \r\n"),
                   ""},
        BrokenCase{"closing brace with a blank", QString(WellFormed).replace("}\r\n", " }\r\n"),
                   ""},
        // The line that broke the block is consumed, even when it starts a task.
        BrokenCase{"missing TARGETLANGUAGE",
                   QString(WellFormed).replace("TARGETLANGUAGE=1031\r\n", "") + WellFormed, Main},
        BrokenCase{"missing TARGETLANGUAGE and brace",
                   QString(WellFormed).replace("TARGETLANGUAGE=1031\r\n}\r\n", "") + WellFormed,
                   QString()},
        BrokenCase{"missing TARGETLANGUAGE and brace, then a third block",
                   QString(WellFormed).replace("TARGETLANGUAGE=1031\r\n}\r\n", "") + WellFormed +
                       WellFormed,
                   Main},
        BrokenCase{"language without digits",
                   QString(WellFormed).replace("SOURCELANGUAGE=1033", "SOURCELANGUAGE=abc"),
                   QStringLiteral("Main|/p/app.rc|0|/p/de.rc|1031\n")},
        BrokenCase{"languages as tags",
                   QString(WellFormed)
                       .replace("SOURCELANGUAGE=1033", "SOURCELANGUAGE=en-US")
                       .replace("TARGETLANGUAGE=1031", "TARGETLANGUAGE= zh-Hant-TW"),
                   QStringLiteral("Main|/p/app.rc|1033|/p/de.rc|1028\n")},
        BrokenCase{"language with blanks and trailing text",
                   QString(WellFormed).replace("SOURCELANGUAGE=1033", "SOURCELANGUAGE=  +1036x"),
                   QStringLiteral("Main|/p/app.rc|1036|/p/de.rc|1031\n")},
        BrokenCase{"unterminated block at the end", QString(WellFormed).replace("}\r\n", ""), ""},
        BrokenCase{"lines end in LF or CR", QString(WellFormed).replace("\r\n", "\n"), Main},
        BrokenCase{"lines end in CR", QString(WellFormed).replace("\r\n", "\r"), Main},
        BrokenCase{"keys out of order",
                   QString(WellFormed)
                       .replace("SOURCEFILE=/p/app.rc\r\nSOURCELANGUAGE=1033",
                                "SOURCELANGUAGE=1033\r\nSOURCEFILE=/p/app.rc"),
                   ""},
        BrokenCase{"garbage between blocks", QStringLiteral("junk\r\n\r\n") + WellFormed, Main},
        BrokenCase{"empty target", QString(WellFormed).replace("/p/de.rc", ""),
                   QStringLiteral("Main|/p/app.rc|1033||1031\n")}),
    [](const auto &info) { return test::caseName(info.param.what); });

TEST(ProjectFile, OddUtf16LengthAndAnsiFilesRead) {
  QByteArray odd = utf16(WellFormed);
  odd.append('\x41');
  EXPECT_EQ(render(parseProjectFile(odd, "/p")), Main);
  // Without a mark the bytes are ANSI (1252): e-acute is one byte.
  const QByteArray ansi = QByteArray(WellFormed).replace("TASK=Main", "TASK=Caf\xE9");
  EXPECT_EQ(parseProjectFile(ansi, "/p").value(0).name, QStringLiteral("Caf\u00e9"));
  EXPECT_TRUE(parseProjectFile(QByteArray("\xFF\xFE\x41", 3), "/p").isEmpty());
  EXPECT_TRUE(parseProjectFile(QByteArray(), "/p").isEmpty());
}

TEST(ProjectFile, WritesSevenCrLfLinesInUtf16) {
  const QList<Task> tasks{task("A", "/p/a.rc", 1033, "", 1031)};
  const QByteArray bytes = formatProjectFile(tasks, "/p", false);
  EXPECT_EQ(bytes, utf16("TASK=A\r\n{\r\nSOURCEFILE=/p/a.rc\r\nSOURCELANGUAGE=1033\r\n"
                         "TARGETFILE=\r\nTARGETLANGUAGE=1031\r\n}\r\n"));
  // A language of -1 is written as the unsigned number it is stored as.
  const QByteArray none = formatProjectFile({task("A", "/p/a.rc", -1, "", 1031)}, "/p", false);
  EXPECT_TRUE(projectFileText(none).contains("SOURCELANGUAGE=4294967295\r\n"));
  EXPECT_EQ(parseProjectFile(none, "/p").value(0).sourceLanguage, -1);
}

// A program's header follows its task's block, where a reader that does not know it
// passes over it without losing the task.
TEST(ProjectFile, AHeaderLineFollowsItsTasksBlock) {
  QList<Task> tasks{task("A", "/p/a.exe", 1033, "/p/a.dll", 1031),
                    task("B", "/p/b.rc", 1033, "", 1031)};
  tasks.first().sourceHeader = "/p/resource.h";
  const QByteArray bytes = formatProjectFile(tasks, "/p", false);
  EXPECT_EQ(bytes, utf16("TASK=A\r\n{\r\nSOURCEFILE=/p/a.exe\r\nSOURCELANGUAGE=1033\r\n"
                         "TARGETFILE=/p/a.dll\r\nTARGETLANGUAGE=1031\r\n}\r\n"
                         "SOURCEHEADER=/p/resource.h\r\n"
                         "TASK=B\r\n{\r\nSOURCEFILE=/p/b.rc\r\nSOURCELANGUAGE=1033\r\n"
                         "TARGETFILE=\r\nTARGETLANGUAGE=1031\r\n}\r\n"));
  EXPECT_EQ(render(parseProjectFile(bytes, "/p")), render(tasks));
  // Before any task the line names nothing.
  EXPECT_TRUE(parseProjectFile(utf16("SOURCEHEADER=/p/r.h\r\n"), "/p").isEmpty());
}

class RoundTrip : public ::testing::TestWithParam<bool> {};

TEST_P(RoundTrip, GivesTheSameTasksInTheSameOrder) {
  QTemporaryDir dir;
  const QString root = dir.path();
  QDir(root).mkpath("proj/sub");
  QDir(root).mkpath("res");
  QList<Task> tasks{task("In folder", root + "/proj/app.rc", 1033, root + "/proj/sub/de.rc", 1031),
                    task("Sibling", root + "/res/a.rc", 1036, root + "/res/b.rc2", 1040),
                    task("Elsewhere", "/usr/share/x.rc", 1033, "", 1031),
                    task("", root + "/proj/app.rc", 0, root + "/app.rc", 1049),
                    task("Program", root + "/proj/app.exe", 1033, root + "/proj/app_de.dll", 1031)};
  tasks.last().sourceHeader = root + "/res/resource.h";
  Project project;
  project.tasks = tasks;
  project.path = root + "/proj/p.tvx";
  project.modified = true;
  ASSERT_TRUE(writeProject(project, GetParam()));
  EXPECT_FALSE(project.modified);
  Project read;
  read.modified = true;
  ASSERT_TRUE(readProject(project.path, read));
  EXPECT_EQ(render(read.tasks), render(tasks));
  EXPECT_FALSE(read.modified);
  EXPECT_EQ(read.path, project.path);
}

INSTANTIATE_TEST_SUITE_P(ProjectFile, RoundTrip, ::testing::Bool(), [](const auto &info) {
  return std::string(info.param ? "RelativePaths" : "AbsolutePaths");
});

TEST(ProjectFile, AnsiFileIsSavedBackAsUtf16) {
  QTemporaryDir dir;
  const QString path = dir.filePath("old.tvx");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(WellFormed).replace("TASK=Main", "TASK=\xC4rger"));
  file.close();
  Project project;
  ASSERT_TRUE(readProject(path, project));
  ASSERT_TRUE(writeProject(project, false));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray saved = file.readAll();
  EXPECT_TRUE(saved.startsWith("\xFF\xFE"));
  EXPECT_EQ(render(parseProjectFile(saved, "/p")),
            QStringLiteral("\u00c4rger|/p/app.rc|1033|/p/de.rc|1031\n"));
}

TEST(ProjectFile, FailuresLeaveEverythingAsItWas) {
  QTemporaryDir dir;
  Project project;
  project.tasks = {task("Kept", "/a.rc", 1033, "", 1031)};
  project.path = "/p/x.tvx";
  EXPECT_FALSE(readProject(dir.filePath("missing.tvx"), project));
  EXPECT_FALSE(readProject(dir.path(), project)); // a folder is no project
  EXPECT_EQ(project.tasks.size(), 1);
  EXPECT_EQ(project.path, "/p/x.tvx");

  // Writing into a folder that does not exist fails and reports it.
  project.path = dir.filePath("no/such/folder/x.tvx");
  project.modified = true;
  EXPECT_FALSE(writeProject(project, false));
  EXPECT_TRUE(project.modified);
  // An unnamed project has nowhere to go.
  project.path.clear();
  EXPECT_FALSE(writeProject(project, false));
}

TEST(ProjectFile, LargeProjectsAndLongPathsRoundTrip) {
  QList<Task> tasks;
  const QString longPath = "/p/" + QString(10000, u'x') + ".rc";
  for (int i = 0; i < 100000; ++i)
    tasks.append(task(QString::number(i), i == 5 ? longPath : "/p/a.rc", 1033, "/p/b.rc", 1031));
  const QList<Task> read = parseProjectFile(formatProjectFile(tasks, "/p", true), "/p");
  ASSERT_EQ(read.size(), tasks.size());
  EXPECT_EQ(read[5].sourcePath, longPath);
  EXPECT_EQ(read.last().name, "99999");
}

} // namespace
} // namespace tarvelo
