// Learning a task's pairs into the memory in batches, with retries and reports.
#include "script/entry_list.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "text/case_table.h"
#include "tmclient/memory_client.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <thread>
#include <vector>

namespace tarvelo {

namespace {

const char16_t *wide(const QString &text) {
  return reinterpret_cast<const char16_t *>(text.utf16());
}

// The text without the spaces (U+0020 only) around it, as the memory stores it.
QStringView trimSpaces(QStringView text) {
  qsizetype from = 0, to = text.size();
  while (from < to && text[from] == u' ')
    ++from;
  while (to > from && text[to - 1] == u' ')
    --to;
  return text.mid(from, to - from);
}

bool equalIgnoringCase(QStringView a, QStringView b) {
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (caseUpper(a[i].unicode()) != caseUpper(b[i].unicode()))
      return false;
  return true;
}

// One pair to learn: the first entry of its chain with this target, and how many
// entries of the chain have that target.
struct Learnt {
  TextEntry *entry;
  int increment;
};

std::vector<Learnt> distinctPairs(const EntryList &entries) {
  std::vector<Learnt> pairs;
  QHash<QString, size_t> seen;
  for (const auto &owned : entries) {
    TextEntry *root = owned.get();
    // Each chain is walked once, from its root.
    if (root->prevOccurrence || !root->isTranslatable() || root->sourceText.isEmpty())
      continue;
    seen.clear();
    for (TextEntry *entry = root; entry; entry = entry->nextOccurrence) {
      if (entry->targetText.isEmpty() || !entry->isTranslatable() || entry->sourceText.isEmpty())
        continue;
      const auto it = seen.constFind(entry->targetText);
      if (it != seen.constEnd()) {
        ++pairs[it.value()].increment;
      } else {
        seen.insert(entry->targetText, pairs.size());
        pairs.push_back({entry, 1});
      }
    }
  }
  std::sort(pairs.begin(), pairs.end(),
            [](const Learnt &a, const Learnt &b) { return a.entry->index() < b.entry->index(); });
  return pairs;
}

} // namespace

// A batch as the library ended it: EndTMBatchCounted's result (1 all stored, 0 a write
// failed, -1 the memory was locked) and how many of its pairs, from the first, it stored.
struct MemoryClient::Batch {
  int result = 1;
  int stored = 0;
};

struct MemoryClient::Offered {
  QString source, target;
  int increment;
};

LearnResult MemoryClient::learn(int targetLanguage) {
  LearnResult result;
  if (!m_exports.addPair || !m_exports.connectTM)
    return result;
  const std::vector<Learnt> pairs = distinctPairs(m_entries);
  if (!pairs.empty() && !m_exports.connectTM(m_sourceLanguage, targetLanguage)) {
    // Without a language there is no memory to learn into, and nothing to report.
    if (m_sourceLanguage > 0 && targetLanguage > 0) {
      result.notStored = int(pairs.size());
      m_prompter.error(
          QCoreApplication::translate(
              "Prompter", "No pairs were learnt: the Translation Memory in '%1' cannot be opened.")
              .arg(memoryFolder()));
    }
  } else if (!pairs.empty()) {
    const int count = int(pairs.size());
    m_progress.begin(QCoreApplication::translate("Progress", "Translation Memory Import"));
    m_progress.setRange(0, count);
    // Only a batch says what was really stored; AddPair answers 1 whatever happened.
    const bool batch = m_exports.beginTMBatch &&
                       (m_exports.endTMBatchCounted || m_exports.endTMBatch) &&
                       m_exports.beginTMBatch();
    std::vector<Offered> offered;
    for (int i = 0; i < count; ++i) {
      const Learnt &pair = pairs[size_t(i)];
      m_progress.setPosition(i + 1);
      m_progress.setText(QCoreApplication::translate("Progress", "Importing record %1 of %2")
                             .arg(i + 1)
                             .arg(count));
      const QString &source = pair.entry->sourceText;
      const QString &target = pair.entry->targetText;
      if (wantsPair(source, target) &&
          m_exports.addPair(wide(source), wide(target), pair.increment) != 0)
        offered.push_back({source, target, pair.increment});
      m_progress.serve();
      if (m_progress.cancelled())
        break;
    }
    Batch outcome = batch ? endBatch(int(offered.size())) : Batch{1, int(offered.size())};
    retryLocked(offered, outcome);
    // Asked right after the batch's last call, which noted why it failed.
    const MemoryFailure why = outcome.result != 1 ? lastMemoryFailure(m_exports) : MemoryFailure();
    result.stored = outcome.stored;
    result.notStored = int(offered.size()) - outcome.stored;
    result.damaged = why.damaged;
    m_progress.end();
    if (result.notStored > 0)
      reportNotLearnt(result, outcome.result, why.reason);
  }
  // The open task stays connected to its own pair.
  m_exports.connectTM(m_sourceLanguage, m_targetLanguage);
  if (result.stored > 0)
    forgetAlternatives();
  return result;
}

MemoryClient::Batch MemoryClient::endBatch(int offered) {
  if (m_exports.endTMBatchCounted) {
    int32_t stored = 0;
    const int result = m_exports.endTMBatchCounted(&stored);
    return {result, int(stored)};
  }
  // An older library only says whether all was stored; none is counted when not.
  return m_exports.endTMBatch() ? Batch{1, offered} : Batch{0, 0};
}

// Another program held the memory past the library's own wait: the pairs not stored yet
// are offered again, in new batches, until they are stored or the bound has passed. The
// outcome then counts the stored pairs of all the batches and tells how the last ended.
void MemoryClient::retryLocked(const std::vector<Offered> &offered, Batch &outcome) {
  using Clock = std::chrono::steady_clock;
  constexpr std::chrono::milliseconds kPause{200};
  const Clock::time_point deadline = Clock::now() + m_busyRetry;
  while (outcome.result < 0 && outcome.stored < int(offered.size()) && !m_progress.cancelled()) {
    const Clock::duration left = deadline - Clock::now();
    if (left <= Clock::duration::zero())
      break;
    m_progress.setText(
        QCoreApplication::translate("Progress", "Waiting for the Translation Memory"));
    m_progress.serve();
    std::this_thread::sleep_for(std::min<Clock::duration>(kPause, left));
    if (!m_exports.beginTMBatch())
      break;
    for (size_t i = size_t(outcome.stored); i < offered.size(); ++i)
      m_exports.addPair(wide(offered[i].source), wide(offered[i].target), offered[i].increment);
    const Batch again = endBatch(int(offered.size()) - outcome.stored);
    outcome.result = again.result;
    outcome.stored += again.stored;
  }
}

void MemoryClient::reportNotLearnt(const LearnResult &result, int failure, const QString &reason) {
  const int offered = result.stored + result.notStored;
  const QString folder = memoryFolder();
  if (failure >= 0 && !reason.isEmpty()) {
    m_prompter.error(
        offered == 1
            ? QCoreApplication::translate("Prompter", "The pair was not learnt: the Translation "
                                                      "Memory in '%1' cannot be written: %2")
                  .arg(folder, reason)
            : QCoreApplication::translate("Prompter",
                                          "%1 of %2 pairs were not learnt: the Translation Memory "
                                          "in '%3' cannot be written: %4")
                  .arg(result.notStored)
                  .arg(offered)
                  .arg(folder, reason));
    return;
  }
  if (failure < 0)
    m_prompter.error(offered == 1
                         ? QCoreApplication::translate(
                               "Prompter", "The pair was not learnt: another program keeps the "
                                           "Translation Memory in '%1' locked.")
                               .arg(folder)
                         : QCoreApplication::translate(
                               "Prompter", "%1 of %2 pairs were not learnt: another program keeps "
                                           "the Translation Memory in '%3' locked.")
                               .arg(result.notStored)
                               .arg(offered)
                               .arg(folder));
  else
    m_prompter.error(offered == 1
                         ? QCoreApplication::translate(
                               "Prompter", "The pair was not learnt: the Translation Memory in "
                                           "'%1' cannot be written (its file may be damaged or its "
                                           "disk full).")
                               .arg(folder)
                         : QCoreApplication::translate(
                               "Prompter", "%1 of %2 pairs were not learnt: the Translation Memory "
                                           "in '%3' cannot be written (its file may be damaged or "
                                           "its disk full).")
                               .arg(result.notStored)
                               .arg(offered)
                               .arg(folder));
}

bool MemoryClient::wantsPair(const QString &source, const QString &target) {
  if (source.isEmpty() || target.isEmpty())
    return false;
  if (!equalIgnoringCase(trimSpaces(source), trimSpaces(target)) || m_sameTextChoice > 0 ||
      m_options.sameText == MemoryOptions::AlwaysSaveSameText)
    return true;
  if (m_sameTextChoice < 0 || m_options.sameText == MemoryOptions::NeverSaveSameText)
    return false;
  switch (m_prompter.askSameText(source)) {
  case Prompter::Answer::Yes:
    return true;
  case Prompter::Answer::YesToAll:
    m_sameTextChoice = 1;
    return true;
  case Prompter::Answer::NoToAll:
    m_sameTextChoice = -1;
    return false;
  default:
    return false;
  }
}

int MemoryClient::learnPair(const QString &source, const QString &target, int increment) {
  if (!m_exports.addPair || !wantsPair(source, target))
    return 0;
  return m_exports.addPair(wide(source), wide(target), increment) != 0 ? 1 : 0;
}

} // namespace tarvelo
