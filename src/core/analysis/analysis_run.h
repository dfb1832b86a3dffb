// An analysis run: the text items of one task after another, each put in its band.
#pragma once

#include "analysis/match_bands.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>
#include <vector>

namespace tarvelo {

class EntryList;

// The best score the memory gives a source text (0 when nothing reaches the lowest
// band), or why the memory could not be read.
struct MemoryScore {
  int score = 0;
  QString failure; // empty when the memory answered
};
using ScoreLookup = std::function<MemoryScore(const QString &sourceText)>;

// One task's result: its counts per band, or why it could not be analysed.
struct TaskAnalysis {
  QString name;
  QString error; // the task was not analysed
  std::vector<BandCount> bands;
};

// The tasks in order: a source text counted once in a run is a repetition when it comes
// again for the same pair of languages, unless the memory holds it as a 100% match.
class AnalysisRun {
public:
  AnalysisRun(const BandLimits &limits, CountingRule rule);

  const BandLimits &limits() const { return m_limits; }
  CountingRule rule() const { return m_rule; }

  // Puts each text item of the task (a translatable entry with a source text) in its
  // band, asking the memory through lookup. False, with the task kept as failed and the
  // reason in its error, when the memory could not be read.
  bool addTask(const QString &name, const EntryList &entries, int sourceLanguage,
               int targetLanguage, const ScoreLookup &lookup);
  // A task that could not be read: listed with its error, counted nowhere.
  void addFailedTask(const QString &name, const QString &error);

  const QList<TaskAnalysis> &tasks() const { return m_tasks; }
  // Every analysed task's counts added up, band by band.
  std::vector<BandCount> total() const;

private:
  BandLimits m_limits;
  CountingRule m_rule;
  QList<TaskAnalysis> m_tasks;
  // Keyed by the language pair and the source text.
  QSet<QString> m_seen;
  QHash<QString, int> m_scores;
};

} // namespace tarvelo
