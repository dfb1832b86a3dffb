// Running Windows programs under Wine in one prefix per test program.
#include "support/wine_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace tarvelo::test {
namespace {

QString prefixFolder() {
  return QDir(TARVELO_BIN_DIR "/../wine-prefixes")
      .absoluteFilePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

WineRun runOnce(const QString &folder, const QStringList &arguments, int timeoutMs) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("WINEPREFIX", prefixFolder());
  environment.insert("WINEDEBUG", "-all");
  // No window asks to install Mono or Gecko while the prefix is made.
  environment.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  // A group of its own, so that a run that hangs is ended with its X server and Wine.
  process.setChildProcessModifier([] { ::setpgid(0, 0); });
  // Tests that start at once look for a free display from different numbers.
  const QString firstDisplay = QString::number(100 + ::getpid() % 400);
  process.start(QStandardPaths::findExecutable("xvfb-run"),
                QStringList{"-a", "-n", firstDisplay, QStandardPaths::findExecutable("wine")} +
                    arguments);
  WineRun result;
  result.finished = process.waitForFinished(timeoutMs);
  if (!result.finished && process.processId() > 0) {
    ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
    process.waitForFinished();
  }
  if (result.finished && process.exitStatus() == QProcess::NormalExit)
    result.status = process.exitCode();
  result.out = QString::fromUtf8(process.readAllStandardOutput()).remove(u'\r');
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

// xvfb-run takes a display another run took a moment before, now and then: tried again.
WineRun run(const QString &folder, const QStringList &arguments, int timeoutMs) {
  WineRun result;
  for (int attempt = 0; attempt < 3; ++attempt) {
    result = runOnce(folder, arguments, timeoutMs);
    if (!result.err.contains(QLatin1String("Xvfb failed to start")))
      break;
  }
  return result;
}

} // namespace

QString missingWineTools() {
  QStringList missing;
  for (const char *tool : {"wine", "xvfb-run"})
    if (QStandardPaths::findExecutable(tool).isEmpty())
      missing << tool;
  return missing.join(u' ');
}

bool prepareWinePrefix(QString &error) {
  const QString prefix = prefixFolder();
  QDir().mkpath(QFileInfo(prefix).absolutePath());
  QLockFile lock(prefix + ".lock");
  lock.setStaleLockTime(0);
  if (!lock.tryLock(900000)) {
    error = "another test kept " + prefix + ".lock for 15 minutes";
    return false;
  }
  // Wine writes its registry when its server ends, seconds later: a stamp of our own
  // says the prefix was made.
  const QString stamp = prefix + "/made-by-the-tests";
  if (QFileInfo::exists(stamp))
    return true;
  const WineRun made = run(QDir::tempPath(), {"wineboot", "--init"}, 900000);
  QFile file(stamp);
  if (made.status != 0 || !file.open(QIODevice::WriteOnly)) {
    error = QStringLiteral("wine could not make the prefix %1 (status %2): %3")
                .arg(prefix)
                .arg(made.status)
                .arg(made.err);
    return false;
  }
  return true;
}

WineRun runUnderWine(const QString &folder, const QStringList &arguments, int timeoutMs) {
  return run(folder, arguments, timeoutMs);
}

} // namespace tarvelo::test
