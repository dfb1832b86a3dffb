// Runs an outside program (msgfmt, xmllint, ...) on the files the program writes.
#pragma once
// Runs a program that reads the files the program writes (msgfmt, xmllint, ...).
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace tarvelo::test {

struct ToolRun {
  int status = -1;
  QString output;      // standard output and error together
  QByteArray standard; // standard output alone
};

inline ToolRun runTool(const QString &program, const QStringList &arguments) {
  ToolRun run;
  const QString path = program.startsWith(u'/') ? program : QStandardPaths::findExecutable(program);
  if (path.isEmpty()) {
    run.output = program + QStringLiteral(" is not installed (tools/setup.sh installs it)");
    return run;
  }
  QProcess process;
  process.start(path, arguments);
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    run.output = QStringLiteral("did not finish");
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.standard = process.readAllStandardOutput();
  run.output = QString::fromUtf8(run.standard + process.readAllStandardError());
  return run;
}

} // namespace tarvelo::test
