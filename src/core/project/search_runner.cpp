// Running one script search at a time on a worker thread.
#include "project/search_runner.h"

#include <QMetaObject>

namespace tarvelo {

SearchRunner::SearchRunner(QObject *parent) : QObject(parent) {}

SearchRunner::~SearchRunner() {
  stop();
}

void SearchRunner::start(const SearchRequest &request) {
  stop();
  m_stop = false;
  m_done = false;
  Q_EMIT started();
  const int generation = ++m_generation;
  m_worker = std::thread([this, request, generation] {
    const int count = searchScripts(request, m_stop, [this, generation](const QString &path) {
      QMetaObject::invokeMethod(
          this,
          [this, path, generation] {
            if (generation == m_generation)
              Q_EMIT found(path);
          },
          Qt::QueuedConnection);
    });
    const bool stopped = m_stop.load();
    QMetaObject::invokeMethod(
        this,
        [this, count, stopped, generation] {
          if (generation == m_generation)
            Q_EMIT finished(count, stopped);
        },
        Qt::QueuedConnection);
    m_done = true;
  });
}

void SearchRunner::stop() {
  if (!m_worker.joinable())
    return;
  m_stop = true;
  m_worker.join();
}

} // namespace tarvelo
