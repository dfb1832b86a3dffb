// The messages of opening and saving that need a file the program cannot use: each
// with its exact text, and the flow going on as the translator answers.
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using Answer = Prompter::Answer;

const char kSource[] = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                       "STRINGTABLE\nBEGIN\n    IDS_A \"Open\"\nEND\n";

class SessionMessages : public ::testing::Test {
protected:
  void SetUp() override {
    sourcePath = dir.filePath("app.rc");
    targetPath = dir.filePath("app_de.rc");
    write(sourcePath, kSource);
  }
  static void write(const QString &path, const QByteArray &data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  QString open(const QString &name) const {
    return QStringLiteral("It is not possible open file '%1'.").arg(name);
  }

  QTemporaryDir dir;
  QString sourcePath, targetPath;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
};

TEST_F(SessionMessages, ATargetThatCannotBeReadKeepsTheDialogOpen) {
  // A folder where the target should be: it exists, but no file can be read from it.
  ASSERT_TRUE(QDir(dir.path()).mkdir("app_de.rc"));
  EXPECT_EQ(session.open({sourcePath, 1033, false, targetPath, 1031}),
            Session::OpenResult::StayInDialog);
  EXPECT_EQ(prompter.messages, QStringList{open(targetPath)});
  EXPECT_FALSE(session.isOpen());
}

TEST_F(SessionMessages, ATargetThatIsNoLongerAScriptIsReplacedOnlyWhenAsked) {
  write(targetPath, "LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n    IDS_A \"Offen\"\nEND\n");
  ASSERT_EQ(session.open({sourcePath, 1033, false, targetPath, 1031}), Session::OpenResult::Opened);
  // Someone broke the file meanwhile.
  write(targetPath, "STRINGTABLE\nBEGIN\n 1 \"a\" \"b\"\nEND\n");
  const QString question =
      QStringLiteral("File 'app_de.rc' is not regular resource file! Do you want replace it?");
  prompter.answers = {Answer::No};
  EXPECT_FALSE(session.save());
  ASSERT_FALSE(prompter.messages.isEmpty());
  EXPECT_EQ(prompter.messages.first(), question);
  QFile kept(targetPath);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("STRINGTABLE\nBEGIN\n 1 \"a\" \"b\"\nEND\n"));

  prompter.messages.clear();
  prompter.answers = {Answer::Yes};
  EXPECT_TRUE(session.save());
  EXPECT_EQ(prompter.messages, QStringList{question});
}

TEST_F(SessionMessages, ACancelledSaveDialogAsksWhetherTheNextTaskGoesOn) {
  write(sourcePath, QByteArray(kSource) + "#include \"part.rc\"\n");
  write(dir.filePath("part.rc"), "LANGUAGE 9, 1\nSTRINGTABLE { IDS_P \"Part\" }\n");
  prompter.pairTargets = {dir.filePath("part_de.rc")};
  prompter.pairLanguage = 1031;
  ASSERT_EQ(session.open({sourcePath, 1033, true, QString(), 1031}), Session::OpenResult::Opened);
  ASSERT_EQ(session.tasks().size(), 2);
  const QString question =
      QStringLiteral("Operation was canceled by user. Do you want to continue next task?");

  // No: nothing more is saved.
  prompter.answers = {Answer::No};
  EXPECT_FALSE(session.saveAs());
  EXPECT_EQ(prompter.messages, QStringList{question});
  EXPECT_FALSE(QFile::exists(dir.filePath("part_de.rc")));

  // Yes: the further task is saved to its own target.
  prompter.messages.clear();
  prompter.answers = {Answer::Yes};
  session.saveAs();
  EXPECT_EQ(prompter.messages.value(0), question);
}

} // namespace
} // namespace tarvelo
