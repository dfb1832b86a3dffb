// A script search on a worker thread, its results handed over by queued signals.
#pragma once

#include "project/script_search.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <thread>

namespace tarvelo {

// Runs one search at a time on a worker thread. The worker shares only the stop flag
// with its owner and hands its results over through queued signals, so that they
// arrive on the owner's thread and only the owner touches what shows them.
class SearchRunner : public QObject {
  Q_OBJECT
public:
  explicit SearchRunner(QObject *parent = nullptr);
  ~SearchRunner() override;

  // Stops a running search, waits for it, and starts this one.
  void start(const SearchRequest &request);
  // Sets the stop flag and waits for the worker; the worker tests the flag between
  // files, so this returns as soon as the file at hand is done.
  void stop();
  bool isRunning() const { return m_worker.joinable() && !m_done.load(); }

Q_SIGNALS:
  void started();
  void found(const QString &path);
  // The search ran to its end or was stopped; count scripts were handed on.
  void finished(int count, bool stopped);

private:
  std::thread m_worker;
  std::atomic_bool m_stop = false;
  std::atomic_bool m_done = true;
  // Results of a search that was stopped may still be queued: they are dropped.
  int m_generation = 0;
};

} // namespace tarvelo
