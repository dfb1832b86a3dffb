// Project paths: written relative to the project folder, resolved against it.
#include "project/project_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct RelativeCase {
  const char *name;
  const char *folder;
  const char *path;
  const char *written;
};

class WritingPaths : public ::testing::TestWithParam<RelativeCase> {};

TEST_P(WritingPaths, AreRelativeToTheProjectFolder) {
  EXPECT_EQ(relativeToProject(GetParam().folder, GetParam().path),
            QDir::toNativeSeparators(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    ProjectPaths, WritingPaths,
    ::testing::Values(
        RelativeCase{"InTheFolder", "/work/proj", "/work/proj/app.rc", "./app.rc"},
        RelativeCase{"BelowTheFolder", "/work/proj", "/work/proj/res/app.rc", "./res/app.rc"},
        RelativeCase{"BesideTheFolder", "/work/proj", "/work/de/app.rc", "../de/app.rc"},
        RelativeCase{"ThreeFoldersUp", "/work/proj/a/b", "/work/x.rc", "../../../x.rc"},
        // Folders compare without regard to case, as on Windows.
        RelativeCase{"FolderInOtherCase", "/Work/Proj", "/work/proj/app.rc", "./app.rc"},
        // A folder name that only begins like the project folder's.
        RelativeCase{"FolderThatOnlyBeginsAlike", "/work/proj", "/work/project/app.rc",
                     "../project/app.rc"},
        RelativeCase{"AnotherDrive", "C:/Work/proj", "D:/other/app.rc", "D:/other/app.rc"},
        RelativeCase{"DriveInOtherCase", "C:/Work/proj", "c:/Work/de/app.rc", "../de/app.rc"},
        RelativeCase{"Empty", "/work/proj", "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

struct ResolveCase {
  const char *name;
  const char *stored;
  const char *resolved; // relative to the project folder /work/proj
};

class ReadingPaths : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ReadingPaths, ResolveAgainstTheProjectFolder) {
  EXPECT_EQ(resolveFromProject("/work/proj", GetParam().stored), GetParam().resolved);
}

INSTANTIATE_TEST_SUITE_P(
    ProjectPaths, ReadingPaths,
    ::testing::Values(
        ResolveCase{"WindowsDotFolder", ".\\res\\app.rc", "/work/proj/res/app.rc"},
        ResolveCase{"DotFolder", "./res/app.rc", "/work/proj/res/app.rc"},
        ResolveCase{"WindowsUpOne", "..\\de\\app.rc", "/work/de/app.rc"},
        ResolveCase{"UpTwo", "../../x.rc", "/x.rc"},
        ResolveCase{"MixedSeparators", "..\\.\\de/app.rc", "/work/de/app.rc"},
        // A Windows path stays as written, to be reported when opened.
        ResolveCase{"WindowsAbsolute", "C:\\Work\\app.rc", "C:\\Work\\app.rc"},
        ResolveCase{"Absolute", "/abs/app.rc", "/abs/app.rc"},
        // Relative without "." is the project folder's too.
        ResolveCase{"RelativeWithoutDot", "res\\app.rc", "/work/proj/res/app.rc"},
        // Steps go in the order written: down to c, then up twice.
        ResolveCase{"StepsInTheOrderWritten", ".\\c\\..\\..\\x.rc", "/work/x.rc"},
        ResolveCase{"DoubledSeparators", ".\\\\res\\\\app.rc", "/work/proj/res/app.rc"},
        ResolveCase{"UpPastTheProjectFolder", "res\\..\\..\\de\\app.rc", "/work/de/app.rc"},
        // Never above the root.
        ResolveCase{"NeverAboveTheRoot", "..\\..\\..\\..\\..\\etc\\x.rc", "/etc/x.rc"},
        ResolveCase{"AbsoluteWithUp", "/abs/../other/app.rc", "/other/app.rc"},
        ResolveCase{"Empty", "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ProjectPaths, ReadingFindsTheNameThatDiffersInCase) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("Res");
  QFile file(dir.filePath("Res/App.rc"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_EQ(resolveFromProject(dir.path(), ".\\res\\app.rc"), dir.filePath("Res/App.rc"));
}

TEST(ProjectPaths, ProjectFolderIsThePathUpToItsLastSeparator) {
  EXPECT_EQ(projectFolderOf("/work/proj/p.tvx"), "/work/proj");
  EXPECT_EQ(projectFolderOf("C:\\Work\\p.tvx"), "C:\\Work");
  EXPECT_EQ(projectFolderOf("p.tvx"), "");
}

} // namespace
} // namespace tarvelo
