#include "app/application.h"

#include "app/gui_prompter.h"
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "options/about_dialog.h"
#include "options/options_dialog.h"
#include "seam/qt_settings.h"
#include "task/open_resources_dialog.h"
#include "tmclient/memory_client.h"
#include "tmclient/memory_options.h"
#include "tmclient/tm_library.h"
#include "workbench/filter.h"
#include "workbench/filter_setup_dialog.h"
#include "workbench/filter_setup_model.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/inspector.h"
#include "workbench/item_icons.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace tarvelo::gui {

namespace {

// The user-interface language: "tarvelo_NNNN.qm" beside the program, and Qt's own
// texts in the same language when they are installed.
void loadTranslations(QApplication &app, int language, QTranslator &own, QTranslator &qt) {
  const QString folder = QCoreApplication::applicationDirPath();
  if (!own.load(QStringLiteral("tarvelo_%1").arg(language, 4, 10, QLatin1Char('0')), folder))
    return;
  app.installTranslator(&own);
  const QString tag = own.language();
  if (!tag.isEmpty() && qt.load(QLocale(tag), QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&qt);
}

// A task named on the command line opens at start, so that the program can be
// started on a pair of scripts from a shell or a file manager.
struct StartTask {
  QString source, target;
  int sourceLanguage = -1, targetLanguage = -1;
  bool valid() const { return !source.isEmpty() && sourceLanguage >= -1; }
};

} // namespace

int runApplication(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvelo"));
  QApplication::setWindowIcon(applicationIcon());
  initGuiResources();

  QtSettings settings;
  QTranslator ownTranslator, qtTranslator;
  loadTranslations(app, settings.integer(QStringLiteral("Language")), ownTranslator, qtTranslator);

  // The memory library is optional: without it every memory feature is absent.
  installDefaultTmPath();
  TmLibrary library;
  library.load();

  GuiPrompter prompter;
  ProgressWindow progress;
  Session session(settings, prompter, progress);
  std::unique_ptr<MemoryClient> memory;
  if (library.isLoaded() && library.exports().connectTM) {
    memory = std::make_unique<MemoryClient>(library.exports(), session.entries(), settings,
                                            prompter, progress);
    memory->start();
    session.setMemory(memory.get());
  }

  MainFrame frame(session);
  prompter.setParent(&frame);
  progress.setOwner(&frame);
  frame.showMaximized();

  Inspector inspector;
  inspector.loadRules(settings);
  session.useInspector(&inspector);
  InspectionRulesModel rules(inspector, settings);
  Filter filter(settings);
  if (memory) {
    filter.setMemoryLookup(
        [&memory](const TextEntry &entry) { return memory->alternatives(entry); });
  }

  FrameServices services;
  services.items.memoryBound = [&memory] { return memory && memory->isBound(); };
  services.items.memoryTexts = [&memory](TextEntry *entry) {
    return memory ? memory->alternatives(entry) : QStringList();
  };
  services.items.addToMemory = [&memory](TextEntry *entry) {
    if (memory)
      memory->addToMemory(entry);
  };
  services.items.explain = [&session](TextEntry *entry) {
    return session.explainInspection(entry);
  };
  services.complete = [&memory](TextEntry *entry, const QString &typed, int caret,
                                QString &completed, int &selectionStart) {
    if (!memory)
      return false;
    const std::optional<Completion> completion = memory->complete(entry, typed, caret, caret);
    if (!completion)
      return false;
    completed = completion->text;
    selectionStart = completion->selectionStart;
    return true;
  };
  services.learnTexts = [&session] { session.learnTranslations(); };
  services.showInspection = [&settings] {
    return settings.integer(QStringLiteral("AutoInspect")) != 0;
  };
  services.filterTest = filter.test();
  services.filterSetup = [&filter](QWidget *parent) {
    FilterSetupModel model(filter);
    FilterSetupDialog dialog(model, parent);
    dialog.exec();
  };
  services.openDialog = [&session, &memory, &settings](QWidget *parent) {
    OpenResourcesDialog dialog(session, memory && memory->isBound(), parent);
    dialog.exec();
    // The dialog's "Fill empty items" box is the memory's option too.
    if (memory)
      memory->applyOptions(MemoryOptions::read(settings));
  };
  services.options = [&settings, &rules, &memory](QWidget *parent) {
    OptionsDialog dialog(settings, rules, memory.get(), parent,
                         QCoreApplication::applicationDirPath());
    dialog.exec();
  };
  services.about = [&library](QWidget *parent) {
    const QString version = library.isLoaded() ? library.version() : QString();
    AboutDialog dialog(version.isEmpty() ? QStringLiteral("2.5") : version, parent);
    dialog.exec();
  };
  frame.setServices(services);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Translates Windows resource scripts."));
  parser.addHelpOption();
  parser.addOptions({
      {QStringLiteral("source"), QStringLiteral("Source script to open."), QStringLiteral("file")},
      {QStringLiteral("source-language"), QStringLiteral("Language number of the source."),
       QStringLiteral("number")},
      {QStringLiteral("target"), QStringLiteral("Target script to open or create."),
       QStringLiteral("file")},
      {QStringLiteral("target-language"), QStringLiteral("Language number of the target."),
       QStringLiteral("number")},
  });
  parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("A project file (.tvx)."));
  parser.process(app);
  StartTask start;
  start.source = parser.value(QStringLiteral("source"));
  start.target = parser.value(QStringLiteral("target"));
  start.sourceLanguage = parser.value(QStringLiteral("source-language")).toInt();
  start.targetLanguage = parser.value(QStringLiteral("target-language")).toInt();
  // Project files open in the project pane, which this version does not have yet;
  // other files named on the command line are ignored.

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
  if (memory)
    memory->finish();
  memory.reset();
  library.unload();
  return result;
}

} // namespace tarvelo::gui
