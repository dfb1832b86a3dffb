// Translate runs that cannot write: companions that fail, FIFOs refused.
#include "cli/cli_run.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tarvelo {
namespace {

using test::CliRun;
using test::runCli;

// The fixture task copied, so that the companion files land beside the copies.
class TranslateFailuresTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char *name : {"source.rc", "target.rc"})
      ASSERT_TRUE(QFile::copy(QDir(TARVELO_TEST_DATA "/tmclient").filePath(name), path(name)));
  }
  QString path(const QString &name) const { return dir.filePath(name); }
  QStringList translate(const QString &source, const QString &target) const {
    return {"translate", "--source",          source, "--source-language", "1033", "--target",
            target,      "--target-language", "1031"};
  }
  QTemporaryDir dir;
};

TEST_F(TranslateFailuresTest, ACompanionFileThatCannotBeWrittenLeavesTheTargetUnwritten) {
  const QString out = path("out.rc");
  struct Case {
    const char *name;
    QString folder; // standing where the companion file goes
  } cases[] = {
      {"the target's", out + ".1031"},
      {"the source's", path("source.rc.1033")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    for (const QString &file : {out, out + ".1031", path("source.rc.1033")})
      QFile::remove(file);
    ASSERT_TRUE(QDir().mkdir(c.folder));
    const CliRun run =
        runCli(translate(path("source.rc"), path("target.rc")) + QStringList{"--out", out});
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_EQ(run.err, QStringLiteral("error: The file '%1' could not be written: it is not a "
                                      "regular file. The files on the disk were left as they "
                                      "were.\n")
                           .arg(c.folder));
    EXPECT_FALSE(QFile::exists(out));
    ASSERT_TRUE(QDir().rmdir(c.folder));
  }
  // With the way clear, all three are written and the command succeeds.
  const CliRun run =
      runCli(translate(path("source.rc"), path("target.rc")) + QStringList{"--out", out});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(QFileInfo(out).isFile());
  EXPECT_TRUE(QFileInfo(out + ".1031").isFile());
  EXPECT_TRUE(QFileInfo(path("source.rc.1033")).isFile());
}

TEST_F(TranslateFailuresTest, AFifoIsRefusedAtOnceWithTheUsualMessage) {
#ifdef _WIN32
  GTEST_SKIP() << "FIFOs are made here with mkfifo";
#else
  const QString fifo = path("pipe.rc");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("TM"));
  ASSERT_EQ(mkfifo(QFile::encodeName(path("TM/Kestrine.db")).constData(), 0600), 0);
  const QString source = path("source.rc");
  const QString target = path("target.rc");
  const QString notOpened =
      QStringLiteral("It is not possible open file '%1': it is not a regular file.").arg(fifo);
  const QString notWritten =
      QStringLiteral("The file '%1' could not be written: it is not a regular file.").arg(fifo);
  struct Case {
    const char *name;
    QStringList arguments;
    QString message;
  } cases[] = {
      {"source", translate(fifo, target), notOpened},
      {"target", translate(source, fifo), notOpened},
      {"new target",
       {"translate", "--source", source, "--source-language", "1033", "--new-target", fifo,
        "--target-language", "1031"},
       notWritten},
      {"out", translate(source, target) + QStringList{"--out", fifo}, notWritten},
      {"learnt target",
       {"learn", "--source", source, "--source-language", "1033", "--target", fifo,
        "--target-language", "1031", "--tm", path("TM2")},
       notOpened},
      {"memory", translate(source, target) + QStringList{"--tm", path("TM")}, "cannot be opened"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    // A command that waits for a writer is stopped, and fails the case.
    const CliRun run = runCli(c.arguments, test::cliProgram(), 20000);
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
  }
  EXPECT_FALSE(QFileInfo(fifo).isFile());
#endif
}

} // namespace
} // namespace tarvelo
