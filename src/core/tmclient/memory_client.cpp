// The program's memory client: connecting, alternatives, filling targets, matches.
#include "tmclient/memory_client.h"

#include "tmclient/memory_location.h"

#include "script/entry_list.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "seam/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>
#include <vector>

namespace tarvelo {

namespace {

const char16_t *wide(const QString &text) {
  return reinterpret_cast<const char16_t *>(text.utf16());
}

TextEntry *chainRoot(TextEntry *entry) {
  while (entry->prevOccurrence)
    entry = entry->prevOccurrence;
  return entry;
}

} // namespace

MemoryClient::MemoryClient(const TmExports &exports, EntryList &entries, Settings &settings,
                           Prompter &prompter, Progress &progress)
    : m_exports(exports), m_entries(entries), m_settings(settings), m_prompter(prompter),
      m_progress(progress) {}

void MemoryClient::start() {
  m_options = MemoryOptions::read(m_settings);
  if (m_exports.setTMPath && !m_options.tmPath.isEmpty())
    m_exports.setTMPath(wide(m_options.tmPath));
}

void MemoryClient::finish() {
  // SaveTM is not kept here: the settings hold its current value already.
  m_options.saveTm = m_settings.integer(QStringLiteral("SaveTM"));
  m_options.write(m_settings);
}

bool MemoryClient::connectTo(int sourceLanguage, int targetLanguage) {
  m_sourceLanguage = sourceLanguage;
  m_targetLanguage = targetLanguage;
  return m_exports.connectTM && m_exports.connectTM(sourceLanguage, targetLanguage) != 0;
}

void MemoryClient::forgetAlternatives() {
  for (const auto &entry : m_entries)
    entry->memoryCache.reset();
}

QStringList MemoryClient::alternatives(TextEntry *entry) {
  return entry ? rootAlternatives(chainRoot(entry)) : QStringList();
}

QStringList MemoryClient::rootAlternatives(TextEntry *root, bool *failed) {
  // Without FreeTM a filled list could never be released.
  if (!m_exports.getTM || !m_exports.freeTM)
    return {};
  if (!root->memoryCache) {
    auto cache = std::make_unique<QStringList>();
    if (!root->sourceText.isEmpty()) {
      TmTextList list = {};
      // Only LookupTM tells a memory that cannot be read from one that knows nothing.
      const int32_t found = m_exports.lookupTM ? m_exports.lookupTM(wide(root->sourceText), &list)
                                               : m_exports.getTM(wide(root->sourceText), &list);
      *cache = takeTmTexts(m_exports, list);
      if (found < 0) {
        if (failed)
          *failed = true;
        return {}; // not kept: the next use asks again
      }
    }
    root->memoryCache = std::move(cache);
  }
  return *root->memoryCache;
}

QStringList MemoryClient::remembered(const QString &source) {
  if (!m_exports.getTM || !m_exports.freeTM || source.isEmpty())
    return {};
  TmTextList list = {};
  const int32_t found = m_exports.lookupTM ? m_exports.lookupTM(wide(source), &list)
                                           : m_exports.getTM(wide(source), &list);
  const QStringList texts = takeTmTexts(m_exports, list);
  return found < 0 ? QStringList() : texts;
}

QString MemoryClient::locationProblem(const QString &location) const {
  return tarvelo::locationProblem(m_exports, location);
}

QString MemoryClient::memoryFolder() const {
  return shownLocation(m_options.tmPath);
}

namespace {

// The translatable entries with a source and no target, each with its chain's root.
// Found in one pass: a chain runs in list order, so an entry's predecessor has its root
// already, and long chains of a repeated text are not walked once per entry.
std::vector<std::pair<TextEntry *, TextEntry *>> emptyTargets(EntryList &entries) {
  std::vector<std::pair<TextEntry *, TextEntry *>> empty;
  QHash<const TextEntry *, TextEntry *> roots;
  for (const auto &owned : entries) {
    TextEntry *entry = owned.get();
    TextEntry *root = entry;
    if (entry->prevOccurrence) {
      root = roots.value(entry->prevOccurrence);
      if (!root)
        root = chainRoot(entry);
    }
    if (entry->nextOccurrence)
      roots.insert(entry, root);
    if (entry->isTranslatable() && !entry->sourceText.isEmpty() && entry->targetText.isEmpty())
      empty.push_back({entry, root});
  }
  return empty;
}

} // namespace

FillResult MemoryClient::fillTargets(bool fill) {
  FillResult result;
  if (!m_exports.getTM || !m_exports.freeTM)
    return result;
  // A new language pair or memory folder: every entry asks the memory again.
  forgetAlternatives();
  if (!fill)
    return result;
  const std::vector<std::pair<TextEntry *, TextEntry *>> empty = emptyTargets(m_entries);
  if (empty.empty())
    return result;
  const int count = int(empty.size());
  const bool fuzzy = m_options.fuzzyFill && fuzzyBound();
  QHash<const TextEntry *, QString> bestFuzzy;
  m_progress.begin(QCoreApplication::translate("Progress", "Translation Memory Search"));
  m_progress.setRange(0, count);
  int searched = 0;
  for (int i = 0; i < count; ++i) {
    m_progress.setPosition(i + 1);
    m_progress.setText(
        QCoreApplication::translate("Progress", "Searching item %1 of %2").arg(i + 1).arg(count));
    const auto [entry, root] = empty[size_t(i)];
    ++searched;
    result.unread += fillEntry(entry, root, fuzzy, bestFuzzy, result) ? 1 : 0;
    m_progress.serve();
    if (m_progress.cancelled())
      break;
  }
  m_progress.end();
  if (result.unread > 0)
    reportUnfilled(result.unread, searched);
  return result;
}

bool MemoryClient::fillEntry(TextEntry *entry, TextEntry *root, bool fuzzy,
                             QHash<const TextEntry *, QString> &bestFuzzy, FillResult &result) {
  bool failed = false;
  const QStringList found = rootAlternatives(root, &failed);
  if (!found.isEmpty() && !found.first().isEmpty()) {
    entry->targetText = found.first();
    entry->matchState = Filled;
    if (m_inspect)
      m_inspect(entry);
    ++result.filled;
    return failed;
  }
  if (!fuzzy || failed)
    return failed;
  // One question per source text: the entries of a chain share the answer.
  auto best = bestFuzzy.find(root);
  if (best == bestFuzzy.end()) {
    MemoryFailure why;
    const QList<FuzzyPair> pairs = fuzzyPairs(root->sourceText, m_options.fuzzyScore, 1, &why);
    failed = why.failed();
    best = bestFuzzy.insert(root, pairs.isEmpty() ? QString() : pairs.first().target);
  }
  if (!best.value().isEmpty()) {
    entry->targetText = best.value();
    entry->matchState = Fuzzy;
    if (m_inspect)
      m_inspect(entry);
    ++result.filled;
    ++result.fuzzy;
  }
  return failed;
}

void MemoryClient::reportUnfilled(int unread, int searched) {
  if (searched == 1)
    m_prompter.error(QCoreApplication::translate(
                         "Prompter", "The empty item was not filled: the Translation Memory in "
                                     "'%1' cannot be read (its file may be damaged or locked by "
                                     "another program).")
                         .arg(memoryFolder()));
  else
    m_prompter.error(QCoreApplication::translate(
                         "Prompter", "%1 of %2 empty items were not filled: the Translation "
                                     "Memory in '%3' cannot be read (its file may be damaged or "
                                     "locked by another program).")
                         .arg(unread)
                         .arg(searched)
                         .arg(memoryFolder()));
}

std::optional<Completion> MemoryClient::complete(TextEntry *entry, const QString &text,
                                                 int selectionStart, int selectionEnd) {
  if (!entry || !m_options.autoComplete || !m_exports.getTM)
    return std::nullopt;
  return completeFromMemory(text, selectionStart, selectionEnd, alternatives(entry));
}

bool MemoryClient::canAddToMemory(const TextEntry &entry) const {
  return m_exports.addPair && !entry.sourceText.isEmpty() && !entry.targetText.isEmpty();
}

bool MemoryClient::addToMemory(TextEntry *entry) {
  if (!entry || !canAddToMemory(*entry))
    return false;
  const bool stored = m_exports.addPair(wide(entry->sourceText), wide(entry->targetText), 1) != 0;
  // The pair is offered by the menu and completion from now on.
  chainRoot(entry)->memoryCache.reset();
  return stored;
}

QList<MenuText> MemoryClient::pasteTexts(TextEntry *entry) {
  QList<MenuText> texts;
  QSet<QString> listed;
  for (const QString &text : alternatives(entry)) {
    if (listed.contains(text))
      continue;
    listed.insert(text);
    texts.append({menuLabel(text), text});
  }
  return texts;
}

QList<FuzzyPair> MemoryClient::fuzzyPairs(const QString &text, int minScore, int maxCount,
                                          MemoryFailure *failure) {
  QList<FuzzyPair> pairs;
  if (!fuzzyBound() || text.isEmpty() || maxCount <= 0)
    return pairs;
  TmTextList sources = {}, targets = {};
  std::vector<int32_t> scores(size_t(maxCount), 0);
  const int32_t found =
      m_exports.fuzzyTM(wide(text), minScore, maxCount, &sources, &targets, scores.data());
  MemoryFailure why = found < 0 ? lastMemoryFailure(m_exports) : MemoryFailure();
  const QStringList sourceTexts = takeTmTexts(m_exports, sources);
  const QStringList targetTexts = takeTmTexts(m_exports, targets);
  if (found < 0) {
    if (!why.failed()) // an older library without GetTMError
      why.reason = QStringLiteral("the memory could not be read");
    if (failure)
      *failure = why;
    return pairs;
  }
  for (qsizetype i = 0; i < targetTexts.size() && i < sourceTexts.size() && i < maxCount; ++i)
    pairs.append({sourceTexts[i], targetTexts[i], scores[size_t(i)]});
  return pairs;
}

QList<MemoryMatch> MemoryClient::memoryMatches(TextEntry *entry) {
  QList<MemoryMatch> matches;
  if (!entry)
    return matches;
  for (const QString &text : alternatives(entry))
    matches.append({text, 100});
  const TextEntry *root = chainRoot(entry);
  for (const FuzzyPair &pair : fuzzyPairs(root->sourceText, kMenuFuzzyScore, kMenuFuzzyCount)) {
    // A source equal but for case is an exact match, listed above already.
    if (pair.score < 100)
      matches.append({pair.target, pair.score});
  }
  return matches;
}

bool MemoryClient::differsFromMemory(TextEntry *entry) {
  if (!entry || entry->targetText.isEmpty())
    return false;
  const QStringList found = alternatives(entry);
  return !found.isEmpty() && !found.contains(entry->targetText);
}

QList<QPair<QString, QString>> MemoryClient::search(const QStringList &words, bool allWords,
                                                    MemoryFailure *failure) {
  QList<QPair<QString, QString>> pairs;
  if (!m_exports.searchTM || !m_exports.freeTM || words.isEmpty())
    return pairs;
  std::vector<const char16_t *> items;
  items.reserve(size_t(words.size()));
  for (const QString &word : words)
    items.push_back(wide(word));
  // A word list filled by the caller: the library only reads it.
  const TmTextList wordList = {int32_t(items.size()), items.data(), nullptr};
  TmTextList sources = {}, targets = {};
  const int32_t found = m_exports.searchTM(&wordList, allWords ? 1 : 0, &sources, &targets);
  // SearchTM answers 0 also when it could not read: only GetTMError tells the two apart.
  const MemoryFailure why = found == 0 ? lastMemoryFailure(m_exports) : MemoryFailure();
  const QStringList sourceTexts = takeTmTexts(m_exports, sources);
  const QStringList targetTexts = takeTmTexts(m_exports, targets);
  if (failure)
    *failure = why;
  for (qsizetype i = 0; i < targetTexts.size() && i < sourceTexts.size(); ++i)
    pairs.append({sourceTexts[i], targetTexts[i]});
  return pairs;
}

void MemoryClient::applyOptions(const MemoryOptions &options) {
  if (!sameTmPath(options.tmPath, m_options.tmPath) && m_exports.connectTM) {
    if (m_exports.disconnectTM)
      m_exports.disconnectTM();
    if (m_exports.setTMPath)
      m_exports.setTMPath(wide(options.tmPath));
    m_exports.connectTM(m_sourceLanguage, m_targetLanguage);
    fillTargets(false);
  }
  m_options = options;
  m_options.write(m_settings);
}

} // namespace tarvelo
