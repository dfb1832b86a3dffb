// The search runner: queued results, a new search stopping the old one, stopping.
#include "project/search_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

class SearchRunnerTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int folder = 0; folder < 40; ++folder) {
      const QString path = dir.filePath(QStringLiteral("f%1").arg(folder));
      QDir().mkpath(path);
      for (const char *name : {"/a.rc", "/b.rc2", "/c.cpp"})
        QFile(path + name).open(QIODevice::WriteOnly);
    }
    QObject::connect(&runner, &SearchRunner::found, [this](const QString &path) {
      // Results arrive on the owner's thread only.
      EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
      results.append(path);
    });
    QObject::connect(&runner, &SearchRunner::finished, [this](int count, bool stopped) {
      finishedCount = count;
      wasStopped = stopped;
      ++finishes;
    });
  }
  SearchRequest request() const {
    SearchRequest r;
    r.start = dir.path();
    return r;
  }
  // Serves queued results until the search has finished (or 10 s went by).
  void waitForFinish() {
    QElapsedTimer clock;
    clock.start();
    while (finishes == 0 && clock.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }

  QTemporaryDir dir;
  SearchRunner runner;
  QStringList results;
  int finishedCount = -1;
  int finishes = 0;
  bool wasStopped = false;
};

TEST_F(SearchRunnerTest, ResultsCrossThroughQueuedSignals) {
  runner.start(request());
  waitForFinish();
  EXPECT_EQ(finishes, 1);
  EXPECT_EQ(finishedCount, 80);
  EXPECT_FALSE(wasStopped);
  EXPECT_EQ(results.size(), 80);
}

TEST_F(SearchRunnerTest, ANewSearchStopsTheRunningOneAndDropsItsResults) {
  runner.start(request());
  SearchRequest one = request();
  one.start = dir.filePath("f3");
  runner.start(one);
  waitForFinish();
  // Only the second search reports, whatever the first had found before it stopped.
  EXPECT_EQ(finishes, 1);
  results.sort();
  EXPECT_EQ(results, QStringList({dir.filePath("f3/a.rc"), dir.filePath("f3/b.rc2")}));
  EXPECT_EQ(finishedCount, 2);
}

TEST_F(SearchRunnerTest, StoppingEndsTheWorker) {
  runner.start(request());
  runner.stop();
  EXPECT_FALSE(runner.isRunning());
  // The end is reported once, stopped or complete.
  waitForFinish();
  EXPECT_EQ(finishes, 1);
  EXPECT_TRUE(wasStopped || finishedCount == 80);
  EXPECT_EQ(results.size(), finishedCount);
  runner.stop(); // stopping twice is harmless
}

} // namespace
} // namespace tarvelo
