// Which targets a project file may have written: the attacks of a project sent by
// someone else, each judged in a real folder tree.

#include "project/project_paths.h"
#include "project/target_policy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

class TargetPolicyTest : public ::testing::Test {
protected:
  void SetUp() override {
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("home/proj/de") && root.mkpath("home/other") &&
                root.mkpath("home/proj/folder.rc"));
    write("home/proj/good_de.rc", "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n  1 \"Ja\"\nEND\n");
    write("home/proj/broken_de.rc", "STRINGTABLE\nBEGIN\n  IDS_X \"unterminated\nEND\n{{{\n");
    write("home/.bash_aliases", "alias ls='ls --color'\n");
    // A link inside the project that leads out of it.
    ASSERT_TRUE(QFile::link(dir.filePath("home/other"), dir.filePath("home/proj/out")));
    ASSERT_TRUE(
        QFile::link(dir.filePath("home/nothing.rc"), dir.filePath("home/proj/dangling.rc")));
  }
  void write(const QString &name, const QByteArray &content) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  QString folder() const { return dir.filePath("home/proj"); }
  TargetVerdict judge(const QString &stored) const {
    return judgeProjectTarget(folder(), resolveFromProject(folder(), stored));
  }

  QTemporaryDir dir;
};

TEST_F(TargetPolicyTest, TargetsAreJudgedByWhereTheyLand) {
  const struct {
    QString stored;
    TargetPlace place;
    const char *reason;
  } cases[] = {
      {".\\de\\app_de.rc", TargetPlace::Inside, ""},
      {"de/app_de.RC2", TargetPlace::Inside, ""},
      {".\\good_de.rc", TargetPlace::Inside, ""},
      {dir.filePath("home/proj/de/new.rc"), TargetPlace::Inside, ""},
      {".\\de\\..\\..\\other\\app_de.rc", TargetPlace::Outside, ""},
      {"..\\..\\..\\..\\..\\..\\..\\..\\tmp\\app_de.rc", TargetPlace::Outside, ""},
      {dir.filePath("home/other/app_de.rc"), TargetPlace::Outside, ""},
      {".\\out\\app_de.rc", TargetPlace::Outside, ""},
      {"..\\.bash_aliases", TargetPlace::Refused, "begins with a dot"},
      {".\\.hidden.rc", TargetPlace::Refused, "begins with a dot"},
      {".\\de\\app_de.txt", TargetPlace::Refused, "not a resource script"},
      {"..\\..\\home\\proj", TargetPlace::Refused, "not a resource script"},
      {".\\broken_de.rc", TargetPlace::Refused, "not a resource script that can be read"},
      {".\\folder.rc", TargetPlace::Refused, "not a file"},
      {".\\dangling.rc", TargetPlace::Refused, "not a file"},
      {"C:\\Windows\\app_de.rc", TargetPlace::Refused, "Windows path"},
  };
  for (const auto &c : cases) {
    const TargetVerdict verdict = judge(c.stored);
    EXPECT_EQ(int(verdict.place), int(c.place)) << c.stored.toStdString();
    EXPECT_TRUE(verdict.reason.contains(QLatin1String(c.reason)))
        << c.stored.toStdString() << ": " << verdict.reason.toStdString();
  }
}

TEST_F(TargetPolicyTest, MessagesNameThePath) {
  const TargetVerdict refused = judge("..\\.bash_aliases");
  EXPECT_EQ(refusedTargetMessage(refused),
            "The project's target '" +
                QDir::toNativeSeparators(dir.filePath("home/.bash_aliases")) +
                "' is not written: its name begins with a dot.");
  EXPECT_TRUE(outsideTargetQuestion("/x/%1.rc").contains("'/x/%1.rc'"));
}

} // namespace
} // namespace tarvelo
