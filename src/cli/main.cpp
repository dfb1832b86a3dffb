// tarvelo-cli and tarvelo-cli-report: the command table and the start of a batch run.
#include "cli/commands.h"
#include "cli/summary_output.h"
#include "files/install_layout.h"

#include <QHash>
#include <QSet>

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef TARVELO_CLI_MEASURES
#include "cli/measure_source.h"
#include "measure/qt_text_measure.h"

#include <QGuiApplication>
#else
#include <QFile>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#include <vector>
#else
#include <QProcess>
#endif
#endif

namespace tarvelo::cli {

namespace {

#ifdef TARVELO_CLI_MEASURES
// The offscreen platform looks for a runtime folder that it never needs: a missing one
// is no news to the user of a batch command.
void quietenRuntimeFolderWarning() {
  static const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
          return;
        if (previous)
          previous(type, context, message);
      });
}
#else
// The report measures texts with Qt's fonts, so it runs in a companion program linked
// with QtGui: the other commands start without loading the graphics libraries. It takes
// the same arguments and gives the same output and exit status.
int runMeasuringProgram(int argc, char **argv) {
  // Installed, it is a helper in libexec; in the build tree it lies beside this program.
  const QString program = companionProgram(QCoreApplication::applicationDirPath(),
                                           QStringLiteral("tarvelo-cli-report"));
#ifdef Q_OS_UNIX
  QByteArray path = QFile::encodeName(program);
  std::vector<char *> arguments(argv, argv + argc + 1);
  arguments[0] = path.data();
  execv(path.constData(), arguments.data());
  std::fprintf(stderr, "error: cannot start %s: %s\n", path.constData(), std::strerror(errno));
  return 2;
#else
  const int status = QProcess::execute(program, QCoreApplication::arguments().mid(1));
  if (status == -2) {
    std::fprintf(stderr, "error: cannot start %s\n", program.toLocal8Bit().constData());
    return 2;
  }
  return status == -1 ? 1 : status;
#endif
}
#endif

// Whether the command measures texts with Qt's fonts: the report, and translating with
// a language model, whose answers are measured in their dialog controls.
bool measuresTexts(int argc, char **argv) {
  if (argc < 2)
    return false;
  if (std::strcmp(argv[1], "report") == 0)
    return true;
  if (std::strcmp(argv[1], "translate") != 0)
    return false;
  for (int i = 2; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--mt") == 0 &&
        QByteArray(argv[i + 1]).compare("openai-compatible", Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

// The commands, by name.
using Command = int (*)(const QStringList &);
Command findCommand(const QString &name) {
  static const QHash<QString, Command> commands = {
      {"dump", runDump},
      {"languages", runLanguages},
      {"translate", runTranslate},
      {"check", runCheck},
      {"learn", runLearn},
      {"tm-search", runTmSearch},
      {"find-scripts", runFindScripts},
      {"project", runProject},
      {"export", runExport},
      {"import", runImport},
      {"tm-import", runTmImport},
      {"tm-export", runTmExport},
      {"tm-delete", runTmDelete},
      {"pseudo", runPseudo},
      {"tm-copy", runTmCopy},
      {"decompile", runDecompile},
      {"analyze", runAnalyze},
#ifdef TARVELO_CLI_MEASURES
      {"report", runReport},
#endif
  };
  return commands.value(name, nullptr);
}

// The commands whose last lines sum up what they did: --quiet leaves them out, --json
// prints them as one object.
bool summarises(const QString &command) {
  static const QSet<QString> names = {"translate", "import",  "export", "learn",    "tm-import",
                                      "tm-export", "tm-copy", "pseudo", "decompile"};
  return names.contains(command);
}

} // namespace

} // namespace tarvelo::cli

int main(int argc, char **argv) {
  // Only commands that measure texts run on the offscreen platform (unless another
  // one is asked for); the other commands need no fonts.
  const bool measures = tarvelo::cli::measuresTexts(argc, argv);
  std::unique_ptr<QCoreApplication> app;
#ifdef TARVELO_CLI_MEASURES
  if (measures && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (measures) {
    tarvelo::cli::setMeasureFactory([]() -> std::unique_ptr<tarvelo::TextMeasure> {
      return std::make_unique<tarvelo::QtTextMeasure>();
    });
    tarvelo::cli::quietenRuntimeFolderWarning();
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
#else
  app = std::make_unique<QCoreApplication>(argc, argv);
  if (measures)
    return tarvelo::cli::runMeasuringProgram(argc, argv);
#endif
  QStringList arguments = app->arguments().mid(1);
  if (arguments.isEmpty() || arguments[0] == QLatin1String("--help") ||
      arguments[0] == QLatin1String("-h") || arguments[0] == QLatin1String("help")) {
    tarvelo::cli::printHelp();
    return arguments.isEmpty() ? 2 : 0;
  }
  if (arguments[0] == QLatin1String("--version") || arguments[0] == QLatin1String("version")) {
    tarvelo::cli::printVersion();
    return 0;
  }
  const QString command = arguments.takeFirst();
  // "tarvelo-cli translate --help" shows that command's paragraph.
  if (arguments.contains(QLatin1String("--help")) ||
      (!arguments.isEmpty() && arguments[0] == QLatin1String("-h")))
    return tarvelo::cli::printCommandHelp(command) ? 0 : 2;
  const tarvelo::cli::Command run = tarvelo::cli::findCommand(command);
  if (!run) {
    std::fprintf(stderr, "error: unknown command '%s' (see tarvelo-cli --help)\n",
                 command.toUtf8().constData());
    return 2;
  }
  if (!tarvelo::cli::summarises(command))
    return run(arguments);
  QString error;
  if (!tarvelo::cli::takeSummaryOptions(arguments, error)) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 2;
  }
  const int status = run(arguments);
  tarvelo::cli::finishSummary(command, status);
  return status;
}
