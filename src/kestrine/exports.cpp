// The exports: thin calls into the one store of the process. Nothing may leave them as
// an exception, so each catches everything and answers with its failure result.

#include "kestrine.h"
#include "memory_copy.h"
#include "store_choice.h"
#include "text_list.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// Constructed at load, destroyed (disconnecting, which commits a batch) at unload.
kestrine::StoreChoice g_choice;

kestrine::MemoryStore &store() {
  return g_choice.current();
}

std::u16string_view textOf(const char16_t *text) {
  return text ? std::u16string_view(text) : std::u16string_view();
}

std::u16string_view trimSpaces(std::u16string_view text) {
  const std::size_t begin = text.find_first_not_of(u' ');
  if (begin == std::u16string_view::npos)
    return {};
  return text.substr(begin, text.find_last_not_of(u' ') - begin + 1);
}

} // namespace

extern "C" {

int32_t KESTRINE_CALL GetTMVersion(char16_t *version) {
  static const char16_t kVersion[KESTRINE_VERSION_LENGTH] = u"2.5"; // zero-padded
  if (version) {
    for (int i = 0; i < KESTRINE_VERSION_LENGTH; ++i)
      version[i] = kVersion[i];
  }
  return 1;
}

void KESTRINE_CALL SetTMPath(const char16_t *folder) {
  try {
    g_choice.setLocation(textOf(folder));
  } catch (...) {
  }
}

int32_t KESTRINE_CALL ConnectTM(int32_t source, int32_t target) {
  try {
    return g_choice.connect(source, target) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

void KESTRINE_CALL DisconnectTM(void) {
  try {
    g_choice.disconnect();
  } catch (...) {
  }
}

int32_t KESTRINE_CALL AddPair(const char16_t *source, const char16_t *target, int32_t increment) {
  const std::u16string_view sourceText = textOf(source);
  const std::u16string_view targetText = textOf(target);
  // Tested before trimming: a text of spaces only is learnt as an empty text.
  if (sourceText.empty() || targetText.empty())
    return 0;
  try {
    store().learn(trimSpaces(sourceText), trimSpaces(targetText), increment);
  } catch (...) {
  }
  return 1;
}

int32_t KESTRINE_CALL GetTM(const char16_t *text, TmTextList *translations) {
  const std::u16string_view query = textOf(text);
  if (query.empty() || !translations)
    return 0;
  try {
    if (kestrine::fillList(translations, store().lookup(query).translations))
      return translations->count;
  } catch (...) {
  }
  kestrine::emptyList(translations);
  return 0;
}

int32_t KESTRINE_CALL LookupTM(const char16_t *text, TmTextList *translations) {
  const std::u16string_view query = textOf(text);
  if (query.empty() || !translations)
    return 0;
  try {
    const kestrine::LookupResult found = store().lookup(query);
    if (found.read && kestrine::fillList(translations, found.translations))
      return translations->count;
  } catch (...) {
  }
  kestrine::emptyList(translations);
  return -1;
}

int32_t KESTRINE_CALL SearchTM(const TmTextList *words, int32_t allWords, TmTextList *sources,
                               TmTextList *targets) {
  try {
    // Read before the result lists are emptied: the caller may pass one list twice.
    const std::vector<std::u16string> wordTexts = kestrine::readList(words);
    kestrine::emptyList(sources);
    kestrine::emptyList(targets);
    if (wordTexts.empty() || !sources || !targets)
      return 0;
    const kestrine::SearchResult found = store().search(wordTexts, allWords != 0);
    if (kestrine::fillList(sources, found.sources) && kestrine::fillList(targets, found.targets))
      return targets->count;
  } catch (...) {
  }
  kestrine::emptyList(sources);
  kestrine::emptyList(targets);
  return 0;
}

int32_t KESTRINE_CALL DeletePair(const char16_t *source, const char16_t *target) {
  try {
    return store().deletePair(textOf(source), textOf(target)) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

void KESTRINE_CALL FreeTM(TmTextList *list) {
  kestrine::emptyList(list);
}

int32_t KESTRINE_CALL BeginTMBatch(void) {
  try {
    return store().beginBatch() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

int32_t KESTRINE_CALL EndTMBatch(void) {
  try {
    return store().endBatch().failure == kestrine::BatchOutcome::None ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

int32_t KESTRINE_CALL EndTMBatchCounted(int32_t *stored) {
  kestrine::BatchOutcome outcome;
  try {
    outcome = store().endBatch();
  } catch (...) {
    outcome = {kestrine::BatchOutcome::Failed, 0};
  }
  if (stored)
    *stored = outcome.stored;
  switch (outcome.failure) {
  case kestrine::BatchOutcome::None:
    return 1;
  case kestrine::BatchOutcome::Busy:
    return -1;
  case kestrine::BatchOutcome::Failed:
    break;
  }
  return 0;
}

void KESTRINE_CALL SetTMBusyTimeout(int32_t milliseconds) {
  try {
    g_choice.setBusyTimeout(std::chrono::milliseconds(milliseconds));
  } catch (...) {
  }
}

int32_t KESTRINE_CALL ListTM(int64_t *position, int32_t limit, TmTextList *sources,
                             TmTextList *targets, int32_t *counters) {
  try {
    kestrine::emptyList(sources);
    kestrine::emptyList(targets);
    if (!position || !sources || !targets || sources == targets)
      return -1;
    const kestrine::ListResult found = store().list(*position, limit);
    if (found.read && kestrine::fillList(sources, found.sources) &&
        kestrine::fillList(targets, found.targets)) {
      if (counters)
        std::copy(found.counters.begin(), found.counters.end(), counters);
      *position = found.next;
      return targets->count;
    }
  } catch (...) {
  }
  kestrine::emptyList(sources);
  kestrine::emptyList(targets);
  return -1;
}

int32_t KESTRINE_CALL FuzzyTM(const char16_t *text, int32_t minScore, int32_t maxCount,
                              TmTextList *sources, TmTextList *targets, int32_t *scores) {
  try {
    kestrine::emptyList(sources);
    kestrine::emptyList(targets);
    if (!sources || !targets || sources == targets)
      return -1;
    const std::u16string_view query = textOf(text);
    if (trimSpaces(query).empty() || maxCount <= 0)
      return 0;
    const kestrine::FuzzyResult found =
        store().fuzzy(query, minScore, std::min<int32_t>(maxCount, KESTRINE_FUZZY_LIMIT));
    std::vector<std::u16string> sourceTexts;
    std::vector<std::u16string> targetTexts;
    for (const kestrine::FuzzyMatch &match : found.matches) {
      sourceTexts.push_back(match.source);
      targetTexts.push_back(match.target);
    }
    if (found.read && kestrine::fillList(sources, sourceTexts) &&
        kestrine::fillList(targets, targetTexts)) {
      if (scores) {
        for (std::size_t i = 0; i < found.matches.size(); ++i)
          scores[i] = found.matches[i].score;
      }
      return targets->count;
    }
  } catch (...) {
  }
  kestrine::emptyList(sources);
  kestrine::emptyList(targets);
  return -1;
}

namespace {

void writeReason(const std::string &why, char16_t *reason, int32_t capacity) {
  if (!reason || capacity <= 0)
    return;
  const std::u16string text = kestrine::pg::toUtf16(why);
  const std::size_t length = std::min<std::size_t>(text.size(), std::size_t(capacity - 1));
  std::copy_n(text.begin(), length, reason);
  reason[length] = 0;
}

} // namespace

int32_t KESTRINE_CALL CopyTM(const char16_t *from, const char16_t *to, TmCopyProgressFn progress,
                             void *context, int64_t *copied, char16_t *reason, int32_t capacity) {
  if (copied)
    *copied = 0;
  try {
    const std::u16string_view source = textOf(from);
    const std::u16string_view destination = textOf(to);
    if (source.empty() || destination.empty()) {
      writeReason("no location given", reason, capacity);
      return 0;
    }
    if (kestrine::StoreChoice::sameMemory(source, destination)) {
      writeReason("both locations name the same memory", reason, capacity);
      return 0;
    }
    const std::unique_ptr<kestrine::MemoryStore> fromStore =
        kestrine::StoreChoice::storeFor(source, false);
    const std::unique_ptr<kestrine::MemoryStore> toStore =
        kestrine::StoreChoice::storeFor(destination, false);
    const kestrine::CopyOutcome outcome = kestrine::copyMemory(
        *fromStore, *toStore, [progress, context](std::int64_t done, std::int64_t total) {
          return !progress || progress(context, done, total) != 0;
        });
    if (copied)
      *copied = outcome.rows;
    writeReason(outcome.reason, reason, capacity);
    switch (outcome.result) {
    case kestrine::CopyOutcome::Copied:
      return 1;
    case kestrine::CopyOutcome::Cancelled:
      return -1;
    case kestrine::CopyOutcome::Failed:
      break;
    }
  } catch (...) {
    writeReason("the copy failed unexpectedly", reason, capacity);
  }
  return 0;
}

int32_t KESTRINE_CALL CheckTMPath(const char16_t *location, char16_t *reason, int32_t capacity) {
  std::string why;
  try {
    why = kestrine::StoreChoice::check(textOf(location));
  } catch (...) {
    why = "the location could not be checked";
  }
  writeReason(why, reason, capacity);
  return why.empty() ? 1 : 0;
}

} // extern "C"
