// A script the command line cannot read is named with the line and the text found
// there, and the command fails.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct CliRun {
  int status = -1;
  QString err;
};

CliRun runCli(const QStringList &arguments) {
  QProcess process;
  process.start(QDir(TARVELO_BIN_DIR).filePath("tarvelo-cli"), arguments);
  CliRun result;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return result;
  }
  result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

TEST(ScriptErrors, NameTheFileTheLineAndTheTextFound) {
  QTemporaryDir dir;
  const QString good = dir.filePath("good.rc"), bad = dir.filePath("bad.rc");
  for (const auto &[path, text] :
       {std::pair{good, QByteArray("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n 1 \"One\"\nEND\n")},
        std::pair{bad, QByteArray("LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins\"\n"
                                  " ,2 \"Zwei\"\nEND\n")}}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  struct Case {
    const char *name;
    QStringList arguments;
    QString expected;
  } cases[] = {
      {"dump", {"dump", bad, "--language", "1031"}, bad + ":5: found: ,2 \"Zwei\""},
      {"target of translate",
       {"translate", "--source", good, "--source-language", "1033", "--target", bad,
        "--target-language", "1031", "--out", dir.filePath("out.rc")},
       bad + ":5: found: ,2 \"Zwei\""},
      {"source of check",
       {"check", "--source", bad, "--source-language", "1031", "--target", good,
        "--target-language", "1033"},
       bad + ":5: found: ,2 \"Zwei\""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = runCli(c.arguments);
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.err.contains("Unexpected string at line: 5")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("error: " + c.expected)) << run.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("out.rc")));
}

} // namespace
} // namespace tarvelo
