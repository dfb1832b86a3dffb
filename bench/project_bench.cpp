// Project benchmarks: writing and reading a project file, searching a large source tree.
#include "project/project_file.h"
#include "project/script_search.h"
#include "project/search_runner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <thread>

namespace tarvelo {
namespace {

QList<Task> projectTasks(int count) {
  QList<Task> tasks;
  for (int i = 0; i < count; ++i) {
    Task task;
    task.name = QStringLiteral("Module %1").arg(i);
    task.sourcePath = QStringLiteral("/work/product/module%1/res/module.rc").arg(i);
    task.sourceLanguage = 1033;
    task.targetPath = QStringLiteral("/work/product/module%1/res/module_de.rc").arg(i);
    task.targetLanguage = 1031;
    tasks.append(task);
  }
  return tasks;
}

void writeProjectFile(benchmark::State &state) {
  QTemporaryDir dir;
  Project project;
  project.tasks = projectTasks(int(state.range(0)));
  project.path = dir.filePath("product.tvx");
  for (auto _ : state)
    if (!writeProject(project, true))
      state.SkipWithError("the project was not written");
}
BENCHMARK(writeProjectFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void readProjectFile(benchmark::State &state) {
  QTemporaryDir dir;
  Project project;
  project.tasks = projectTasks(int(state.range(0)));
  project.path = dir.filePath("product.tvx");
  writeProject(project, true);
  for (auto _ : state) {
    Project read;
    if (!readProject(project.path, read) || read.tasks.size() != state.range(0))
      state.SkipWithError("the project did not read back");
  }
}
BENCHMARK(readProjectFile)->Arg(10000)->Unit(benchmark::kMillisecond);

// A source tree of 5,000 folders (50 top folders of 100) holding 100,000 files, 500
// of them scripts, one in every tenth folder.
class SourceTree {
public:
  SourceTree() {
    for (int top = 0; top < 50; ++top)
      for (int sub = 0; sub < 100; ++sub) {
        const int folder = top * 100 + sub;
        const QString path = m_dir.filePath(QStringLiteral("m%1/f%2").arg(top).arg(sub));
        QDir().mkpath(path);
        for (int file = 0; file < 20; ++file) {
          const bool script = folder % 10 == 0 && file == 0;
          QFile(path + (script ? QStringLiteral("/app.rc") : QStringLiteral("/f%1.cpp").arg(file)))
              .open(QIODevice::WriteOnly);
        }
      }
  }
  QString path() const { return m_dir.path(); }

private:
  QTemporaryDir m_dir;
};

void searchFolder(benchmark::State &state) {
  static const SourceTree tree;
  SearchRequest request;
  request.start = tree.path();
  double firstMs = 0;
  int found = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    const std::atomic_bool stop = false;
    firstMs = -1;
    found = searchScripts(request, stop, [&](const QString &) {
      if (firstMs < 0)
        firstMs = double(clock.nsecsElapsed()) / 1e6;
    });
  }
  if (found != 500)
    state.SkipWithError("the search did not find the 500 scripts");
  state.counters["first_result_ms"] = firstMs;
  state.counters["scripts"] = found;
}
BENCHMARK(searchFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

// Closing the search dialog: how long stopping a running search takes.
void stopSearch(benchmark::State &state) {
  static const SourceTree tree;
  SearchRequest request;
  request.start = tree.path();
  request.language = 1033; // reading scripts makes the worker's steps longer
  for (auto _ : state) {
    state.PauseTiming();
    SearchRunner runner;
    runner.start(request);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    state.ResumeTiming();
    runner.stop();
  }
}
BENCHMARK(stopSearch)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
