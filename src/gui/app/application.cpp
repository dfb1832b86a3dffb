// The desktop program's start: the command line, the settings, the main window.
#include "app/application.h"
#include "project/project_pane.h"

#include "app/gui_prompter.h"
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "app/ui_language.h"
#include "app/user_defaults.h"
#include "app/workbench_assembly.h"
#include "files/install_layout.h"
#include "online/update_announcer.h"
#include "seam/qt_settings.h"
#include "task/open_resources_dialog.h"
#include "task/task_form.h"
#include "text/language_tags.h"
#include "tmclient/tm_library.h"
#include "workbench/item_icons.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QMenuBar>
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

// The files handed over as arguments (by a file manager, through the desktop entry).
struct StartFiles {
  QString project; // a .tvx project, opened in the project pane
  QString script;  // anything else: the Open dialog comes up with it as the source
  bool quit = false;
};

// The task and the files the command line names; false after the message of a task named
// without its languages.
bool readCommandLine(const QApplication &app, StartTask &start, StartFiles &files) {
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
      {QStringLiteral("quit"),
       QStringLiteral("Quit once the window is up and the files named are open, saying what "
                      "was loaded (to check an installation).")},
  });
  parser.addPositionalArgument(
      QStringLiteral("file"),
      QStringLiteral("A project (.tvx) to open, or a script to open a task on."),
      QStringLiteral("[file]"));
  parser.process(app);
  start.source = parser.value(QStringLiteral("source"));
  files.quit = parser.isSet(QStringLiteral("quit"));
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
  // The last project and the last script named count.
  for (const QString &argument : parser.positionalArguments()) {
    if (argument.endsWith(QLatin1String(".tvx"), Qt::CaseInsensitive))
      files.project = argument;
    else
      files.script = argument;
  }
  return true;
}

// What an installation check needs to see: the window's title (the task opened), its
// menus (in the interface language), the memory library found, the memory folder and the
// items it filled, and the source of an Open dialog brought up for a script.
void reportStartAndQuit(const MainFrame &frame, Session &session, const TmLibrary &library) {
  QStringList menus;
  for (const QAction *action : frame.menuBar()->actions())
    menus.append(action->text().remove(QLatin1Char('&')));
  const QString title = frame.windowTitle().remove(QStringLiteral("[*]"));
  std::printf("window: %s\nmenus: %s\nmemory library: %s\n", title.toUtf8().constData(),
              menus.join(QLatin1Char(' ')).toUtf8().constData(),
              library.isLoaded() ? library.fileName().toUtf8().constData() : "(none)");
  int filled = 0;
  for (const auto &entry : session.entries())
    filled += entry->matchState == Filled ? 1 : 0;
  std::printf("memory: %s\nfilled from memory: %d\n",
              session.settings().text(QStringLiteral("TMPath")).toUtf8().constData(), filled);
  if (const auto *open = qobject_cast<OpenResourcesDialog *>(QApplication::activeModalWidget()))
    std::printf("open dialog source: %s\n",
                open->form()->sourcePath()->text().toUtf8().constData());
  std::fflush(stdout);
  // A check writes nothing: the task opened is closed as it was, without the question.
  session.setModified(false);
  QCoreApplication::quit();
}

// Opens what the command line names once the event loop runs: the task, or the Open dialog
// for a script, or (as set) the empty Open dialog.
void scheduleStart(WorkbenchAssembly &workbench, const TmLibrary &library, QtSettings &settings,
                   const StartTask &start, const StartFiles &files) {
  MainFrame &frame = workbench.frame();
  Session &session = workbench.session();
  // --quit reports once the opening below is done (or, for a script, while the Open dialog
  // it brings up is showing).
  const auto reportLater = [&frame, &session, &library, quit = files.quit] {
    if (quit)
      QTimer::singleShot(
          0, &frame, [&frame, &session, &library] { reportStartAndQuit(frame, session, library); });
  };
  if (start.valid()) {
    QTimer::singleShot(0, &frame, [&frame, &session, start, reportLater] {
      OpenRequest request;
      request.sourcePath = start.source;
      request.sourceLanguage = start.sourceLanguage;
      request.specifyLater = start.target.isEmpty();
      request.targetPath = start.target;
      request.targetLanguage = start.targetLanguage;
      session.open(request);
      frame.updateCommands();
      reportLater();
    });
  } else if (!files.script.isEmpty()) {
    QTimer::singleShot(0, &frame, [&frame, &workbench, script = files.script, reportLater] {
      reportLater();
      workbench.openResources(&frame, script);
    });
  } else {
    if (settings.integer(QStringLiteral("StartOFD")) == 1)
      QTimer::singleShot(0, &frame, [&frame] { frame.runCommand(CmdOpen); });
    reportLater();
  }
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
  StartFiles files;
  if (!readCommandLine(app, start, files))
    return 2;

  installUserDefaults();
  QtSettings settings;
  QTranslator ownTranslator, qtTranslator;
  installUserInterfaceLanguage(settings.integer(QStringLiteral("Language")),
                               translationsFolder(QCoreApplication::applicationDirPath()),
                               ownTranslator, qtTranslator);

  // The memory library is optional: without it every memory feature is absent.
  TmLibrary library;
  library.load();

  GuiPrompter prompter;
  ProgressWindow progress;
  WorkbenchAssembly workbench(settings, prompter, progress, &library);
  MainFrame &frame = workbench.frame();
  prompter.setParent(&frame);
  progress.setOwner(&frame);
  endWithMainWindow(frame);
  frame.showMaximized();
  // The update check runs in the background once the window is up.
  const QString version = library.isLoaded() ? library.version() : QString();
  UpdateAnnouncer updates(settings, prompter, version.isEmpty() ? QStringLiteral("2.5") : version);
  QTimer::singleShot(0, &frame, [&updates] { updates.start(); });
  if (!files.project.isEmpty())
    frame.openProject(files.project);
  scheduleStart(workbench, library, settings, start, files);

  const int result = app.exec();
  workbench.finish();
  return result;
}

} // namespace tarvelo::gui
