// Opening a project's tasks together as one task, and the questions it asks.
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/session.h"

#include "seam/progress.h"
#include "seam/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using Answer = Prompter::Answer;

// A script in the ANSI code page (1252).
QByteArray script(const char *language, const QString &identifier, const QString &text) {
  return QStringLiteral("LANGUAGE %1\nSTRINGTABLE\nBEGIN\n    %2 \"%3\"\nEND\n")
      .arg(QLatin1String(language), identifier, text)
      .toLatin1();
}

class OpenTogetherTest : public ::testing::Test {
protected:
  void SetUp() override {
    write("a.rc", script("LANG_ENGLISH, SUBLANG_ENGLISH_US", "IDS_A", "Open"));
    write("a_de.rc",
          script("LANG_GERMAN, SUBLANG_GERMAN", "IDS_A", QStringLiteral(u"\u00d6ffnen")));
    write("b.rc", script("LANG_ENGLISH, SUBLANG_ENGLISH_US", "IDS_B", "Close"));
    write("bad.rc", "STRINGTABLE\nBEGIN\n  IDS_X \"unterminated\nEND\n{{{\n");
  }
  void write(const QString &name, const QByteArray &data) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
  }
  Task task(const QString &source, const QString &target, int targetLanguage = 1031) {
    Task t;
    t.name = source;
    t.sourcePath = dir.filePath(source);
    t.sourceLanguage = 1033;
    t.targetPath = target.isEmpty() ? QString() : dir.filePath(target);
    t.targetLanguage = targetLanguage;
    return t;
  }
  // The questions asked, without the syntax messages that come before them.
  QStringList questions() const {
    QStringList asked;
    for (const QString &message : prompter.messages)
      if (!message.startsWith("Unexpected"))
        asked.append(message);
    return asked;
  }
  // Each entry as task file, identifier and target text.
  QString entries() const {
    QString out;
    for (const auto &entry : session.entries())
      out += QFileInfo(entry->task->sourcePath).fileName() + u' ' + entry->identifier + u'=' +
             entry->targetText + u'\n';
    return out;
  }

  QTemporaryDir dir;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
};

TEST_F(OpenTogetherTest, TwoTasksOpenAsOne) {
  ASSERT_TRUE(session.openTogether(
      {task("a.rc", "a_de.rc"), task("b.rc", "b_de.rc"), task("b.rc", "b_fr.rc", 1036)}));
  // The task of another language pair stays out.
  EXPECT_EQ(session.tasks().size(), 2);
  EXPECT_EQ(entries(), QString::fromUtf8("a.rc IDS_A=\u00d6ffnen\nb.rc IDS_B=\n"));
  EXPECT_EQ(session.currentTask(), session.tasks().head());
  EXPECT_EQ(session.targetLanguage(), 1031);
  EXPECT_TRUE(session.isModified());
  EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
}

TEST_F(OpenTogetherTest, InvalidSourceAsksWhetherToContinue) {
  const QString message =
      "File '" + dir.filePath("bad.rc") + "' is not valid resource file. Continue?";
  // Yes goes on with the next task.
  ASSERT_TRUE(session.openTogether({task("bad.rc", ""), task("b.rc", "")}));
  EXPECT_EQ(questions(), QStringList{message});
  EXPECT_EQ(session.tasks().size(), 1);
  EXPECT_EQ(entries(), "b.rc IDS_B=\n");

  // No closes everything opened so far.
  session.setModified(false);
  prompter.messages.clear();
  prompter.answers = {Answer::No};
  EXPECT_FALSE(session.openTogether({task("a.rc", ""), task("bad.rc", ""), task("b.rc", "")}));
  EXPECT_EQ(questions(), QStringList{message});
  EXPECT_EQ(session.tasks().size(), 0);
  EXPECT_TRUE(session.entries().isEmpty());
}

TEST_F(OpenTogetherTest, MissingScriptIsReportedWhenItsTaskOpens) {
  // A path written on Windows reads as it was written and fails only now.
  Task windows = task("a.rc", "");
  windows.sourcePath = "C:\\Work\\app.rc";
  prompter.answers = {Answer::Yes};
  ASSERT_TRUE(session.openTogether({windows, task("a.rc", "a_de.rc")}));
  EXPECT_EQ(prompter.messages,
            (QStringList{"It is not possible open file 'C:\\Work\\app.rc': No such file or "
                         "directory.",
                         "File 'C:\\Work\\app.rc' is not valid resource file. Continue?"}));
  EXPECT_EQ(session.tasks().size(), 1);
}

TEST_F(OpenTogetherTest, DecliningABrokenTargetAsksAboutTheNextTask) {
  const QString invalid =
      "File '" + dir.filePath("bad.rc") + "' is not valid resource file. Continue?";
  const QString next = "Operation was canceled by user. Do you want to continue next task?";
  // No to the target, then No to the next task: what is open stays open.
  prompter.answers = {Answer::No, Answer::No};
  ASSERT_TRUE(
      session.openTogether({task("a.rc", "a_de.rc"), task("b.rc", "bad.rc"), task("b.rc", "")}));
  EXPECT_EQ(questions(), QStringList({invalid, next}));
  EXPECT_EQ(entries(), QString::fromUtf8("a.rc IDS_A=\u00d6ffnen\n"));

  // Yes to the next task goes on with it.
  session.setModified(false);
  prompter.messages.clear();
  prompter.answers = {Answer::No, Answer::Yes};
  ASSERT_TRUE(session.openTogether({task("b.rc", "bad.rc"), task("a.rc", "a_de.rc")}));
  EXPECT_EQ(questions(), QStringList({invalid, next}));
  EXPECT_EQ(entries(), QString::fromUtf8("a.rc IDS_A=\u00d6ffnen\n"));
}

TEST_F(OpenTogetherTest, AProjectWritesOutsideItsFolderOnlyWhenTheTranslatorAgrees) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("proj"));
  const QString project = dir.filePath("proj");
  const QString question = "The project names '" +
                           QDir::toNativeSeparators(dir.filePath("a_de.rc")) +
                           "' as a target, outside the project's folder. Write translations to it?";
  // No leaves the task out; the task inside the folder opens without a question.
  prompter.answers = {Answer::No};
  ASSERT_TRUE(
      session.openTogether({task("a.rc", "a_de.rc"), task("b.rc", "proj/b_de.rc")}, project));
  EXPECT_EQ(prompter.messages, QStringList{question});
  EXPECT_EQ(entries(), "b.rc IDS_B=\n");

  session.setModified(false);
  prompter.messages.clear();
  prompter.answers = {Answer::Yes};
  ASSERT_TRUE(
      session.openTogether({task("a.rc", "a_de.rc"), task("b.rc", "proj/b_de.rc")}, project));
  EXPECT_EQ(prompter.messages, QStringList{question});
  EXPECT_EQ(session.tasks().size(), 2);
}

TEST_F(OpenTogetherTest, AProjectNeverWritesDotFilesOrFilesThatAreNoScripts) {
  write("notes.txt", "keep me");
  session.setModified(false);
  ASSERT_TRUE(session.openTogether({task("a.rc", ".a_de.rc"), task("a.rc", "notes.txt"),
                                    task("b.rc", "bad.rc"), task("a.rc", "a_de.rc")},
                                   dir.path()));
  const QString refused = "The project's target '%1' is not written: %2.";
  EXPECT_EQ(prompter.messages,
            QStringList({refused.arg(QDir::toNativeSeparators(dir.filePath(".a_de.rc")),
                                     "its name begins with a dot"),
                         refused.arg(QDir::toNativeSeparators(dir.filePath("notes.txt")),
                                     "it is not a resource script (.rc, .rc2)"),
                         refused.arg(QDir::toNativeSeparators(dir.filePath("bad.rc")),
                                     "it exists and is not a resource script that can be read")}));
  EXPECT_EQ(entries(), QString::fromUtf8("a.rc IDS_A=\u00d6ffnen\n"));
}

} // namespace
} // namespace tarvelo
