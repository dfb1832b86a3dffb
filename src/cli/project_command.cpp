// The project command: list, check or translate every task of a project file.

#include "cli/check_task.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/findings_output.h"
#include "files/file_messages.h"
#include "project/project_file.h"
#include "project/project_paths.h"
#include "project/target_policy.h"
#include "text/printable_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <cstdio>

namespace tarvelo::cli {

namespace {

int fail(const QString &text) {
  std::fprintf(stderr, "error: %s\n", printableText(text).toUtf8().constData());
  return 2;
}

void print(const QString &line) {
  std::fputs((printableText(line) + u'\n').toUtf8().constData(), stdout);
  std::fflush(stdout);
}

QString lastLine(const QByteArray &output) {
  const QStringList lines = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
  return lines.isEmpty() ? QString() : lines.last().trimmed();
}

// The first error the command gave, else its first line.
QString firstError(const QByteArray &output) {
  const QStringList lines = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
  for (const QString &line : lines)
    if (line.startsWith(QLatin1String("error: ")))
      return line.mid(7).trimmed();
  return lines.isEmpty() ? QString() : lines.first().trimmed();
}

// The variable that hands the memory's location to each task's process: a URI may hold
// a password, which a command line would show to every user of the machine.
const char kMemoryVariable[] = "TARVELO_PROJECT_TM";

void printTask(const Task &task, const QString &state, const QString &detail) {
  print(task.name + u'\t' + state + u'\t' + detail);
}

// Whether translate may write the task's target: one the project may not write, or one
// outside its folder without --allow-outside, is the task's error.
bool targetAllowed(const Task &task, const QString &projectFolder, bool allowOutside) {
  const TargetVerdict verdict = judgeProjectTarget(projectFolder, task.targetPath);
  if (verdict.place == TargetPlace::Inside ||
      (verdict.place == TargetPlace::Outside && allowOutside))
    return true;
  printTask(task, QStringLiteral("error"),
            verdict.place == TargetPlace::Refused
                ? refusedTargetMessage(verdict)
                : QStringLiteral("the target '%1' is outside the project's folder; "
                                 "--allow-outside writes it")
                      .arg(task.targetPath));
  return false;
}

// One task through "check" or "translate", each in a process of its own so that one
// task's failure or size never touches the next. The summary line is the task's name,
// its state and the last line the command printed (its error when it failed).
bool runTask(const Task &task, const QString &mode, const QString &memory) {
  QStringList arguments{mode,
                        QStringLiteral("--source"),
                        task.sourcePath,
                        QStringLiteral("--source-language"),
                        QString::number(task.sourceLanguage),
                        QStringLiteral("--target-language"),
                        QString::number(task.targetLanguage)};
  if (mode == QLatin1String("translate")) {
    // A target not written yet is made from the source.
    arguments << (QFileInfo::exists(task.targetPath) ? QStringLiteral("--target")
                                                     : QStringLiteral("--new-target"))
              << task.targetPath;
    if (!memory.isEmpty())
      arguments << QStringLiteral("--tm-env") << QLatin1String(kMemoryVariable);
  } else {
    arguments << QStringLiteral("--target") << task.targetPath;
  }
  if (!task.sourceHeader.isEmpty())
    arguments << QStringLiteral("--header") << task.sourceHeader;
  QProcess process;
  if (!memory.isEmpty()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kMemoryVariable), memory);
    process.setProcessEnvironment(environment);
  }
  process.start(QCoreApplication::applicationFilePath(), arguments);
  const bool finished = process.waitForFinished(-1);
  const int status =
      finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  const QByteArray out = process.readAllStandardOutput();
  const QByteArray err = process.readAllStandardError();
  QString state, detail;
  if (status == 0) {
    state = QStringLiteral("ok");
    detail = lastLine(out);
  } else if (status == 1 && mode == QLatin1String("check")) {
    state = QStringLiteral("fails");
    detail = lastLine(out);
  } else {
    state = QStringLiteral("error");
    detail = status == -1 ? QStringLiteral("the command did not finish") : firstError(err);
  }
  printTask(task, state, detail);
  return status == 0;
}

// The project's tasks whose source or target is one of the files listed in path (one a
// line, relative to the current folder), as a change set lists them; false when the
// list cannot be read.
bool keepTouchedTasks(Project &project, const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    fail(cannotOpenMessage(QFileInfo(path).absoluteFilePath()));
    return false;
  }
  QSet<QString> changed;
  for (const QByteArray &line : file.readAll().split('\n'))
    if (!line.trimmed().isEmpty())
      changed.insert(QFileInfo(QString::fromUtf8(line.trimmed())).absoluteFilePath());
  project.tasks.removeIf([&](const Task &task) {
    return !changed.contains(QFileInfo(task.sourcePath).absoluteFilePath()) &&
           !changed.contains(QFileInfo(task.targetPath).absoluteFilePath());
  });
  return true;
}

} // namespace

int runProject(const QStringList &arguments) {
  CliArguments read;
  QString error;
  FindingsOptions output;
  if (!read.parse(arguments, QStringList{"tm", "touching"} + findingsOptionNames(),
                  {"allow-outside"}, error, true) ||
      !parseFindingsOptions(read, output, error))
    return fail(error);
  if (read.words().size() != 2)
    return fail(QStringLiteral("usage: tarvelo-cli project FILE.tvx list | check | translate "
                               "[--tm DIR] [--allow-outside] [--format F] [--root DIR] "
                               "[--out FILE] [--fail-on LEVEL] [--touching FILE]"));
  const QString path = read.words()[0];
  const QString mode = read.words()[1];
  if (mode != QLatin1String("list") && mode != QLatin1String("check") &&
      mode != QLatin1String("translate"))
    return fail(
        QStringLiteral("unknown project command '%1' (list, check or translate)").arg(mode));
  const bool translate = mode == QLatin1String("translate");
  if (read.has(QStringLiteral("tm")) && !translate)
    return fail(QStringLiteral("--tm goes with translate only"));
  if (read.has(QStringLiteral("allow-outside")) && !translate)
    return fail(QStringLiteral("--allow-outside goes with translate only"));
  const bool findings = read.has(QStringLiteral("format")) || read.has(QStringLiteral("out")) ||
                        read.has(QStringLiteral("fail-on"));
  if ((findings || read.has(QStringLiteral("root")) || read.has(QStringLiteral("touching"))) &&
      mode != QLatin1String("check"))
    return fail(
        QStringLiteral("--format, --root, --out, --fail-on and --touching go with check only"));
  Project project;
  if (!readProject(path, project))
    return fail(cannotOpenMessage(QFileInfo(path).absoluteFilePath()));
  if (project.tasks.isEmpty())
    std::fprintf(stderr, "warning: '%s' holds no task\n", path.toUtf8().constData());
  else if (read.has(QStringLiteral("touching")) &&
           !keepTouchedTasks(project, read.value(QStringLiteral("touching"))))
    return 2;

  if (mode == QLatin1String("list")) {
    QString out;
    for (const Task &task : std::as_const(project.tasks))
      out += task.name + u'\t' + task.sourcePath + u'\t' + QString::number(task.sourceLanguage) +
             u'\t' + task.targetPath + u'\t' + QString::number(task.targetLanguage) + u'\n';
    std::fputs(printableText(out).toUtf8().constData(), stdout);
    return 0;
  }
  if (findings && output.format != OutputFormat::Text)
    return checkProjectFindings(project, output);
  int failed = 0;
  const QString folder = projectFolderOf(project.path);
  const bool allowOutside = read.has(QStringLiteral("allow-outside"));
  for (const Task &task : std::as_const(project.tasks))
    if ((translate && !targetAllowed(task, folder, allowOutside)) ||
        !runTask(task, mode, read.value(QStringLiteral("tm"))))
      ++failed;
  std::fprintf(stderr, "%d of %d tasks %s\n", failed, int(project.tasks.size()),
               mode == QLatin1String("check") ? "fail the check" : "failed");
  return failed > 0 ? 1 : 0;
}

} // namespace tarvelo::cli
