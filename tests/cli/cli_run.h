// Runs the command-line program with a time limit and keeps its status and output.
#pragma once

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tarvelo::test {

// One run of the command-line program: its exit status (-1 when it crashed or did not
// end in time) and what it printed.
struct CliRun {
  int status = -1;
  QString out, err;
};

inline QString cliProgram() {
  return QDir(TARVELO_BIN_DIR).filePath("tarvelo-cli");
}

// Runs the program and waits for it at most timeoutMs, so that a command that blocks
// fails its test instead of hanging it.
inline CliRun runCli(const QStringList &arguments, const QString &program = cliProgram(),
                     int timeoutMs = 60000) {
  QProcess process;
  process.start(program, arguments);
  CliRun run;
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    run.err = "did not finish";
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

} // namespace tarvelo::test
