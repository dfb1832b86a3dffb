#include "script/entry_list.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "text/case_table.h"
#include "tmclient/memory_client.h"

#include <QHash>
#include <algorithm>
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

int MemoryClient::learn(int targetLanguage) {
  if (!m_exports.addPair || !m_exports.connectTM)
    return 0;
  int stored = 0;
  if (m_exports.connectTM(m_sourceLanguage, targetLanguage)) {
    const std::vector<Learnt> pairs = distinctPairs(m_entries);
    const int count = int(pairs.size());
    m_progress.begin(QStringLiteral("Translation Memory Import"));
    m_progress.setRange(0, count);
    const bool batch = m_exports.beginTMBatch && m_exports.endTMBatch && m_exports.beginTMBatch();
    for (int i = 0; i < count; ++i) {
      const Learnt &pair = pairs[size_t(i)];
      m_progress.setPosition(i + 1);
      m_progress.setText(QStringLiteral("Importing record %1 of %2").arg(i + 1).arg(count));
      stored += learnPair(pair.entry->sourceText, pair.entry->targetText, pair.increment);
      m_progress.serve();
      if (m_progress.cancelled())
        break;
    }
    if (batch)
      m_exports.endTMBatch();
    m_progress.end();
  }
  // The open task stays connected to its own pair.
  m_exports.connectTM(m_sourceLanguage, m_targetLanguage);
  if (stored > 0)
    forgetAlternatives();
  return stored;
}

int MemoryClient::learnPair(const QString &source, const QString &target, int increment) {
  if (!m_exports.addPair || source.isEmpty() || target.isEmpty())
    return 0;
  if (equalIgnoringCase(trimSpaces(source), trimSpaces(target))) {
    if (m_sameTextChoice < 0)
      return 0;
    if (m_sameTextChoice == 0) {
      switch (m_prompter.askSameText(source)) {
      case Prompter::Answer::Yes:
        break;
      case Prompter::Answer::YesToAll:
        m_sameTextChoice = 1;
        break;
      case Prompter::Answer::NoToAll:
        m_sameTextChoice = -1;
        return 0;
      default:
        return 0;
      }
    }
  }
  return m_exports.addPair(wide(source), wide(target), increment) != 0 ? 1 : 0;
}

} // namespace tarvelo
