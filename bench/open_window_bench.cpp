// Opening the generated task in the program's main window offscreen, as the Open
// Resources dialog does, until the item list is filled and the status bar shows the
// summary: reading, matching, inspection, the views and their first paint.
//
//   open_window_bench                      the timing of the open, by Google Benchmark
//   open_window_bench --once FOLDER        one whole process: start, open the task of
//                                          FOLDER (generate_scripts, with the memory
//                                          FOLDER/TM) and show it; it ends there
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "app/workbench_assembly.h"
#include "seam/settings.h"
#include "support/generated_task.h"
#include "support/script_generator.h"
#include "support/silent_prompter.h"
#include "tmclient/tm_library.h"
#include "workbench/item_list_view.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvelo {
namespace {

// The settings of a first start, with the memory in the folder given.
MemorySettings &firstStart(MemorySettings &settings, const QString &memory) {
  settings.setText(QStringLiteral("TMPath"), memory);
  return settings;
}

// The program's own parts: the window, its progress window, the memory library beside
// the program, and a prompter that answers at once.
struct Window {
  QTemporaryDir memory;
  MemorySettings settings;
  bench::SilentPrompter prompter;
  gui::ProgressWindow progress;
  TmLibrary library;
  gui::WorkbenchAssembly workbench;

  // memoryFolder: the memory the program uses, made by the first run; a folder of its own
  // when empty.
  explicit Window(const QString &memoryFolder = QString())
      : workbench(firstStart(settings, memoryFolder.isEmpty() ? memory.path() : memoryFolder),
                  prompter, progress, library.load() ? &library : nullptr) {
    gui::initGuiResources();
    progress.setOwner(&workbench.frame());
    workbench.frame().resize(1366, 768);
    workbench.frame().show();
    QApplication::processEvents();
  }

  // Opens the task and serves the window until its list and summary are drawn.
  bool open(const QString &folder) {
    OpenRequest request{QDir(folder).filePath(QStringLiteral("source.rc")), bench::kEnglish, false,
                        QDir(folder).filePath(QStringLiteral("target.rc")), bench::kGerman};
    gui::MainFrame &frame = workbench.frame();
    if (workbench.session().open(request) != Session::OpenResult::Opened)
      return false;
    frame.itemList()->viewport()->repaint();
    QApplication::processEvents();
    return frame.itemList()->model()->rowCount() > 0 && !frame.statusMessage().isEmpty();
  }

  void close() {
    workbench.session().setModified(false);
    workbench.session().close();
    QApplication::processEvents();
  }
};

bool writeScripts(const QString &folder) {
  const auto write = [&](const char *name, const QByteArray &data) {
    QFile file(QDir(folder).filePath(QLatin1String(name)));
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
  };
  return write("source.rc", bench::generateScript(1)) &&
         write("target.rc", bench::generateScript(1, true));
}

void openTaskInWindow(benchmark::State &state) {
  QTemporaryDir folder;
  if (!folder.isValid() || !writeScripts(folder.path())) {
    state.SkipWithError("the scripts cannot be written");
    return;
  }
  Window window;
  int rows = 0;
  for (auto _ : state) {
    if (!window.open(folder.path())) {
      state.SkipWithError("the task did not open");
      break;
    }
    rows = window.workbench.frame().itemList()->model()->rowCount();
    state.PauseTiming();
    window.close();
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
}
BENCHMARK(openTaskInWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace tarvelo

int main(int argc, char **argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--once") == 0) {
    const QString folder = QString::fromLocal8Bit(argv[2]);
    auto *window = new tarvelo::Window(QDir(folder).filePath(QStringLiteral("TM")));
    if (!window->open(folder)) {
      std::fprintf(stderr, "error: the task in %s did not open\n", argv[2]);
      return 1;
    }
    // The time ends where the translator sees the task: leaving is not part of it.
    std::fflush(nullptr);
    std::_Exit(0);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
