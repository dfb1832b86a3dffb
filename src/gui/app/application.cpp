// The desktop program's start: the command line, the settings, the main window.
#include "app/application.h"
#include "project/project_pane.h"

#include "app/gui_prompter.h"
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "app/ui_language.h"
#include "app/user_defaults.h"
#include "app/workbench_assembly.h"
#include "online/update_announcer.h"
#include "seam/qt_settings.h"
#include "text/language_tags.h"
#include "tmclient/tm_library.h"
#include "workbench/item_icons.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

namespace tarvelo::gui {

namespace {

// A task named on the command line opens at start, so that the program can be
// started on a pair of scripts from a shell or a file manager.
struct StartTask {
  QString source, target;
  int sourceLanguage = -1, targetLanguage = -1;
  bool valid() const { return !source.isEmpty() && sourceLanguage >= -1; }
};

// The task and the project file the command line names; false after the message of a
// task named without its languages.
bool readCommandLine(const QApplication &app, StartTask &start, QString &projectFile) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Translates Windows resource scripts."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOptions({
      {QStringLiteral("source"), QStringLiteral("Source script to open."), QStringLiteral("file")},
      {QStringLiteral("source-language"),
       QStringLiteral("Language of the source: a tag (en-US) or a number (1033)."),
       QStringLiteral("language")},
      {QStringLiteral("target"), QStringLiteral("Target script to open or create."),
       QStringLiteral("file")},
      {QStringLiteral("target-language"),
       QStringLiteral("Language of the target: a tag (de-DE) or a number (1031)."),
       QStringLiteral("language")},
  });
  parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("A project file (.tvx)."));
  parser.process(app);
  start.source = parser.value(QStringLiteral("source"));
  start.target = parser.value(QStringLiteral("target"));
  // A language must be named: a tag or a number such as 1033, -1 for none, 0 for neutral.
  QString error;
  const bool sourceNamed =
      parser.isSet(QStringLiteral("source-language")) &&
      parseLanguage(parser.value(QStringLiteral("source-language")), start.sourceLanguage, error);
  const bool targetNamed =
      parser.isSet(QStringLiteral("target-language")) &&
      parseLanguage(parser.value(QStringLiteral("target-language")), start.targetLanguage, error);
  if (!error.isEmpty()) {
    std::fprintf(stderr, "tarvelo: %s\n", error.toUtf8().constData());
    return false;
  }
  if (!start.source.isEmpty() && (!sourceNamed || (!start.target.isEmpty() && !targetNamed))) {
    std::fputs("tarvelo: --source and --target need --source-language and --target-language "
               "(language tags such as en-US or numbers such as 1033).\n",
               stderr);
    return false;
  }
  // A project file opens in the project pane; other files named here are ignored.
  for (const QString &argument : parser.positionalArguments())
    if (argument.endsWith(QLatin1String(".tvx"), Qt::CaseInsensitive))
      projectFile = argument;
  return true;
}

} // namespace

void endWithMainWindow(MainFrame &frame) {
  QObject::connect(&frame, &MainFrame::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

int runApplication(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvelo"));
  QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
  QApplication::setWindowIcon(applicationIcon());
  initGuiResources();

  StartTask start;
  QString projectFile;
  if (!readCommandLine(app, start, projectFile))
    return 2;

  installUserDefaults();
  QtSettings settings;
  QTranslator ownTranslator, qtTranslator;
  installUserInterfaceLanguage(settings.integer(QStringLiteral("Language")),
                               QCoreApplication::applicationDirPath(), ownTranslator, qtTranslator);

  // The memory library is optional: without it every memory feature is absent.
  TmLibrary library;
  library.load();

  GuiPrompter prompter;
  ProgressWindow progress;
  WorkbenchAssembly workbench(settings, prompter, progress, &library);
  MainFrame &frame = workbench.frame();
  Session &session = workbench.session();
  prompter.setParent(&frame);
  progress.setOwner(&frame);
  endWithMainWindow(frame);
  frame.showMaximized();
  // The update check runs in the background once the window is up.
  const QString version = library.isLoaded() ? library.version() : QString();
  UpdateAnnouncer updates(settings, prompter, version.isEmpty() ? QStringLiteral("2.5") : version);
  QTimer::singleShot(0, &frame, [&updates] { updates.start(); });
  if (!projectFile.isEmpty())
    frame.openProject(projectFile);

  if (start.valid()) {
    QTimer::singleShot(0, &frame, [&frame, &session, start] {
      OpenRequest request;
      request.sourcePath = start.source;
      request.sourceLanguage = start.sourceLanguage;
      request.specifyLater = start.target.isEmpty();
      request.targetPath = start.target;
      request.targetLanguage = start.targetLanguage;
      session.open(request);
      frame.updateCommands();
    });
  } else if (settings.integer(QStringLiteral("StartOFD")) == 1) {
    QTimer::singleShot(0, &frame, [&frame] { frame.runCommand(CmdOpen); });
  }

  const int result = app.exec();
  workbench.finish();
  return result;
}

} // namespace tarvelo::gui
