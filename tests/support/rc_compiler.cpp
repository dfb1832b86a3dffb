// Compiling a script with llvm-rc in a scratch folder.
#include "support/rc_compiler.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tarvelo::test {

QByteArray compileScript(const QString &script, const QStringList &includes, int codePage,
                         const QString &outFolder, QString &error) {
  const QString compiler = QStandardPaths::findExecutable(QStringLiteral("llvm-rc"));
  if (compiler.isEmpty()) {
    error = "llvm-rc is not installed";
    return {};
  }
  const QString out = outFolder + "/out.res";
  QFile::remove(out);
  // The script goes by its bare name: llvm-rc takes an absolute path such as "/check/..."
  // for a switch.
  const QFileInfo info(script);
  QStringList arguments{"/C", QString::number(codePage)};
  for (const QString &folder : includes)
    arguments << "/I" << folder;
  arguments << "/FO" << out << info.fileName();
  QProcess process;
  process.setWorkingDirectory(info.absolutePath());
  process.start(compiler, arguments);
  process.waitForFinished(60000);
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    error = QString::fromLocal8Bit(process.readAllStandardError());
    return {};
  }
  QFile file(out);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tarvelo::test
