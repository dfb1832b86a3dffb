// An analysis of the open task or of a project's tasks against the program's memory.
#include "analysis/analysis_job.h"

#include "analysis/task_entries.h"
#include "script/entry_list.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "tmclient/memory_client.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

int itemCount(const EntryList &entries) {
  int count = 0;
  for (const auto &entry : entries)
    if (entry->isTranslatable() && !entry->sourceText.isEmpty())
      ++count;
  return count;
}

class JobMemory {
public:
  JobMemory(MemoryClient &memory, Progress &progress, int lowest)
      : m_memory(memory), m_progress(progress), m_lowest(lowest) {}

  bool cancelled() const { return m_cancelled; }
  void startTask(int items) {
    m_done = 0;
    m_progress.setRange(0, items);
    m_progress.setPosition(0);
  }
  // The best score, or a failure that stops the task; a cancel stops it too.
  MemoryScore score(const QString &text) {
    m_progress.setPosition(++m_done);
    m_progress.serve();
    if (m_progress.cancelled()) {
      m_cancelled = true;
      return {0, QCoreApplication::translate("Analysis", "cancelled")};
    }
    MemoryFailure failure;
    const QList<FuzzyPair> pairs = m_memory.fuzzyPairs(text, m_lowest, 1, &failure);
    if (failure.failed())
      return {0,
              QCoreApplication::translate("Analysis", "the translation memory cannot be read: ") +
                  failure.reason};
    return {pairs.isEmpty() ? 0 : pairs.first().score, QString()};
  }

private:
  MemoryClient &m_memory;
  Progress &m_progress;
  int m_lowest;
  int m_done = 0;
  bool m_cancelled = false;
};

// Reads the task when it is not open, connects the memory for its pair and analyses
// it; a task that cannot be read or connected is listed with its error.
void analyseOne(const AnalysisSource &source, AnalysisRun &run, MemoryClient &memory,
                Settings &settings, JobMemory &job) {
  TaskEntries read(settings);
  const EntryList *entries = source.entries;
  QString error;
  if (!entries) {
    if (!read.read(source.task, error)) {
      run.addFailedTask(source.name, error);
      return;
    }
    entries = &read.entries();
  }
  const int from = source.task.sourceLanguage, to = source.task.targetLanguage;
  if ((memory.sourceLanguage() != from || memory.targetLanguage() != to) &&
      !memory.connectTo(from, to)) {
    run.addFailedTask(source.name,
                      QCoreApplication::translate("Analysis",
                                                  "the translation memory cannot be opened for the "
                                                  "languages %1 and %2")
                          .arg(from)
                          .arg(to));
    return;
  }
  job.startTask(itemCount(*entries));
  run.addTask(source.name, *entries, from, to,
              [&job](const QString &text) { return job.score(text); });
}

} // namespace

AnalysisEnd analyseSources(const QList<AnalysisSource> &sources, AnalysisRun &run,
                           MemoryClient &memory, Settings &settings, Progress &progress,
                           QString &error) {
  if (!memory.fuzzyBound()) {
    error = QCoreApplication::translate("Analysis",
                                        "The translation-memory library finds no fuzzy matches.");
    return AnalysisEnd::NoMemory;
  }
  const int source = memory.sourceLanguage(), target = memory.targetLanguage();
  JobMemory job(memory, progress, run.limits().lowest.back());
  progress.begin(QCoreApplication::translate("Analysis", "Analysis"));
  for (const AnalysisSource &one : sources) {
    progress.setText(one.name);
    analyseOne(one, run, memory, settings, job);
    if (job.cancelled())
      break;
  }
  progress.end();
  if ((memory.sourceLanguage() != source || memory.targetLanguage() != target) && source > 0)
    memory.connectTo(source, target);
  return job.cancelled() ? AnalysisEnd::Cancelled : AnalysisEnd::Done;
}

} // namespace tarvelo
