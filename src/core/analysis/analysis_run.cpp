// An analysis run: the text items of one task after another, each put in its band.
#include "analysis/analysis_run.h"

#include "script/entry_list.h"
#include "script/text_entry.h"

namespace tarvelo {

namespace {

constexpr int kPrimaryLanguageMask = 0x3ff;

// The target already holds the item's translation under the same resource and name,
// and the source did not change since.
bool isContextMatch(const TextEntry &entry) {
  return entry.matchState == Matched && !entry.targetText.isEmpty();
}

} // namespace

AnalysisRun::AnalysisRun(const BandLimits &limits, CountingRule rule)
    : m_limits(limits), m_rule(rule) {}

bool AnalysisRun::addTask(const QString &name, const EntryList &entries, int sourceLanguage,
                          int targetLanguage, const ScoreLookup &lookup) {
  TaskAnalysis task{name, QString(), std::vector<BandCount>(size_t(m_limits.count()))};
  const QString pair =
      QString::number(sourceLanguage) + u':' + QString::number(targetLanguage) + u':';
  const int primary = sourceLanguage & kPrimaryLanguageMask;
  for (const auto &entry : entries) {
    if (!entry->isTranslatable() || entry->sourceText.isEmpty())
      continue;
    const QString key = pair + entry->sourceText;
    int band = BandLimits::kContext;
    if (!isContextMatch(*entry)) {
      // A text asked once is not asked again: its score cannot change within a run.
      auto known = m_scores.constFind(key);
      if (known == m_scores.cend()) {
        const MemoryScore found = lookup(entry->sourceText);
        if (!found.failure.isEmpty()) {
          task.error = found.failure;
          task.bands.assign(size_t(m_limits.count()), BandCount());
          m_tasks.append(task);
          return false;
        }
        known = m_scores.insert(key, found.score);
      }
      const int score = known.value();
      band = score < 100 && m_seen.contains(key) ? BandLimits::kRepetition
                                                 : m_limits.bandOfScore(score);
    }
    m_seen.insert(key);
    task.bands[size_t(band)].add(countText(entry->sourceText), m_rule, primary);
  }
  m_tasks.append(task);
  return true;
}

void AnalysisRun::addFailedTask(const QString &name, const QString &error) {
  m_tasks.append(TaskAnalysis{name, error, std::vector<BandCount>(size_t(m_limits.count()))});
}

std::vector<BandCount> AnalysisRun::total() const {
  std::vector<BandCount> sum(size_t(m_limits.count()));
  for (const TaskAnalysis &task : m_tasks)
    for (size_t i = 0; i < task.bands.size() && i < sum.size(); ++i)
      sum[i].add(task.bands[i]);
  return sum;
}

} // namespace tarvelo
