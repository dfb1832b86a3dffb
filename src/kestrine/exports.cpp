// The exports: thin calls into the one store of the process. Nothing may leave them as
// an exception, so each catches everything and answers with its failure result.

#include "failure_note.h"
#include "kestrine.h"
#include "memory_copy.h"
#include "store_choice.h"
#include "store_text.h"
#include "text_list.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Constructed at load, destroyed (disconnecting, which commits a batch) at unload.
kestrine::StoreChoice g_choice;

// Runs `call` on the store in use, under the lock that connecting and switching take too.
template <class Call> auto onStore(Call &&call) {
  return g_choice.withStore(std::forward<Call>(call));
}

std::u16string_view textOf(const char16_t *text) {
  return text ? std::u16string_view(text) : std::u16string_view();
}

// Each export call begins with a clear note, and ends with one only when it failed, so that
// GetTMError tells about the thread's last call.
class Call {
public:
  Call() { kestrine::clearFailure(); }
  template <class Result> Result succeeded(Result result) {
    kestrine::clearFailure();
    return result;
  }
  // The store noted why, as a rule; else the call says what it could not do.
  template <class Result> Result failed(Result result, const char *what) {
    if (kestrine::failureMessage().empty())
      kestrine::noteFailure(what);
    return result;
  }
};

constexpr const char *kNotRead = "the memory could not be read (is it connected?)";
constexpr const char *kNotWritten = "the memory could not be written (is it connected?)";

std::u16string_view trimSpaces(std::u16string_view text) {
  return kestrine::splitQuery(text).key;
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
  Call call;
  try {
    g_choice.setLocation(textOf(folder));
  } catch (...) {
  }
}

int32_t KESTRINE_CALL ConnectTM(int32_t source, int32_t target) {
  Call call;
  try {
    if (source == 0 || target == 0)
      return call.failed(0, "a language is missing");
    if (g_choice.connect(source, target))
      return call.succeeded(1);
  } catch (...) {
  }
  return call.failed(0, "the memory cannot be opened");
}

void KESTRINE_CALL DisconnectTM(void) {
  Call call;
  try {
    g_choice.disconnect();
  } catch (...) {
  }
}

int32_t KESTRINE_CALL AddPair(const char16_t *source, const char16_t *target, int32_t increment) {
  const std::u16string_view sourceText = textOf(source);
  const std::u16string_view targetText = textOf(target);
  // Tested before trimming: a text of spaces only is learnt as an empty text.
  Call call;
  if (sourceText.empty() || targetText.empty())
    return 0;
  try {
    if (onStore([&](kestrine::MemoryStore &store) {
          return store.learn(trimSpaces(sourceText), trimSpaces(targetText), increment);
        }))
      return call.succeeded(1);
  } catch (...) {
  }
  return call.failed(1, kNotWritten); // stored or not, as it always was
}

int32_t KESTRINE_CALL GetTM(const char16_t *text, TmTextList *translations) {
  Call call;
  const std::u16string_view query = textOf(text);
  if (query.empty() || !translations)
    return 0;
  try {
    const kestrine::LookupResult found =
        onStore([&](kestrine::MemoryStore &store) { return store.lookup(query); });
    if (kestrine::fillList(translations, found.translations))
      return found.read ? call.succeeded(translations->count)
                        : call.failed(translations->count, kNotRead);
  } catch (...) {
  }
  kestrine::emptyList(translations);
  return call.failed(0, kNotRead);
}

int32_t KESTRINE_CALL LookupTM(const char16_t *text, TmTextList *translations) {
  Call call;
  const std::u16string_view query = textOf(text);
  if (query.empty() || !translations)
    return 0;
  try {
    const kestrine::LookupResult found =
        onStore([&](kestrine::MemoryStore &store) { return store.lookup(query); });
    if (found.read && kestrine::fillList(translations, found.translations))
      return call.succeeded(translations->count);
  } catch (...) {
  }
  kestrine::emptyList(translations);
  return call.failed(KESTRINE_READ_FAILED, kNotRead);
}

int32_t KESTRINE_CALL SearchTM(const TmTextList *words, int32_t allWords, TmTextList *sources,
                               TmTextList *targets) {
  Call call;
  try {
    // Read before the result lists are emptied: the caller may pass one list twice.
    const std::vector<std::u16string> wordTexts = kestrine::readList(words);
    kestrine::emptyList(sources);
    kestrine::emptyList(targets);
    if (wordTexts.empty() || !sources || !targets)
      return 0;
    const kestrine::SearchResult found = onStore(
        [&](kestrine::MemoryStore &store) { return store.search(wordTexts, allWords != 0); });
    if (found.read && kestrine::fillList(sources, found.sources) &&
        kestrine::fillList(targets, found.targets))
      return call.succeeded(targets->count);
  } catch (...) {
  }
  kestrine::emptyList(sources);
  kestrine::emptyList(targets);
  return call.failed(0, kNotRead);
}

int32_t KESTRINE_CALL DeletePair(const char16_t *source, const char16_t *target) {
  Call call;
  try {
    if (onStore([&](kestrine::MemoryStore &store) {
          return store.deletePair(textOf(source), textOf(target));
        }))
      return call.succeeded(1);
  } catch (...) {
  }
  return call.failed(0, kNotWritten);
}

void KESTRINE_CALL FreeTM(TmTextList *list) {
  kestrine::emptyList(list);
}

int32_t KESTRINE_CALL BeginTMBatch(void) {
  Call call;
  try {
    if (onStore([](kestrine::MemoryStore &store) { return store.beginBatch(); }))
      return call.succeeded(1);
  } catch (...) {
  }
  return call.failed(0, "no memory is connected");
}

namespace {

// The batch ended, its first failure noted for GetTMError.
kestrine::BatchOutcome endBatch(Call &call) {
  kestrine::BatchOutcome outcome;
  try {
    outcome = onStore([](kestrine::MemoryStore &store) { return store.endBatch(); });
  } catch (...) {
    outcome = {kestrine::BatchOutcome::Failed, 0, "the batch failed unexpectedly", {}};
  }
  if (outcome.failure == kestrine::BatchOutcome::None)
    return call.succeeded(outcome);
  if (!outcome.reason.empty() && outcome.failure == kestrine::BatchOutcome::Busy)
    kestrine::noteBusy(outcome.reason);
  else if (!outcome.reason.empty())
    kestrine::noteFailure(outcome.reason, outcome.damaged);
  return call.failed(outcome, kNotWritten);
}

} // namespace

int32_t KESTRINE_CALL EndTMBatch(void) {
  Call call;
  return endBatch(call).failure == kestrine::BatchOutcome::None ? 1 : 0;
}

int32_t KESTRINE_CALL EndTMBatchCounted(int32_t *stored) {
  Call call;
  const kestrine::BatchOutcome outcome = endBatch(call);
  if (stored)
    *stored = outcome.stored;
  switch (outcome.failure) {
  case kestrine::BatchOutcome::None:
    return KESTRINE_BATCH_STORED;
  case kestrine::BatchOutcome::Busy:
    return KESTRINE_BATCH_BUSY;
  case kestrine::BatchOutcome::Failed:
    break;
  }
  return KESTRINE_BATCH_FAILED;
}

void KESTRINE_CALL SetTMBusyTimeout(int32_t milliseconds) {
  Call call;
  try {
    g_choice.setBusyTimeout(std::chrono::milliseconds(milliseconds));
  } catch (...) {
  }
}

int32_t KESTRINE_CALL ListTM(int64_t *position, int32_t limit, TmTextList *sources,
                             TmTextList *targets, int32_t *counters) {
  Call call;
  try {
    kestrine::emptyList(sources);
    kestrine::emptyList(targets);
    if (!position || !sources || !targets || sources == targets)
      return KESTRINE_READ_FAILED;
    const kestrine::ListResult found =
        onStore([&](kestrine::MemoryStore &store) { return store.list(*position, limit); });
    if (found.read && kestrine::fillList(sources, found.sources) &&
        kestrine::fillList(targets, found.targets)) {
      if (counters)
        std::copy(found.counters.begin(), found.counters.end(), counters);
      *position = found.next;
      return call.succeeded(targets->count);
    }
  } catch (...) {
  }
  kestrine::emptyList(sources);
  kestrine::emptyList(targets);
  return call.failed(KESTRINE_READ_FAILED, kNotRead);
}

int32_t KESTRINE_CALL FuzzyTM(const char16_t *text, int32_t minScore, int32_t maxCount,
                              TmTextList *sources, TmTextList *targets, int32_t *scores) {
  Call call;
  try {
    kestrine::emptyList(sources);
    kestrine::emptyList(targets);
    if (!sources || !targets || sources == targets)
      return KESTRINE_READ_FAILED;
    const std::u16string_view query = textOf(text);
    if (trimSpaces(query).empty() || maxCount <= 0)
      return 0;
    const kestrine::FuzzyResult found = onStore([&](kestrine::MemoryStore &store) {
      return store.fuzzy(query, minScore, std::min<int32_t>(maxCount, KESTRINE_FUZZY_LIMIT));
    });
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
      return call.succeeded(targets->count);
    }
  } catch (...) {
  }
  kestrine::emptyList(sources);
  kestrine::emptyList(targets);
  return call.failed(KESTRINE_READ_FAILED, kNotRead);
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
  Call call;
  if (copied)
    *copied = 0;
  try {
    const std::u16string_view source = textOf(from);
    const std::u16string_view destination = textOf(to);
    if (source.empty() || destination.empty()) {
      writeReason("no location given", reason, capacity);
      return call.failed(0, "no location given");
    }
    if (kestrine::StoreChoice::sameMemory(source, destination)) {
      writeReason("both locations name the same memory", reason, capacity);
      return call.failed(0, "both locations name the same memory");
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
      return call.succeeded(KESTRINE_COPY_DONE);
    case kestrine::CopyOutcome::Cancelled:
      return call.succeeded(KESTRINE_COPY_CANCELLED);
    case kestrine::CopyOutcome::Failed:
      kestrine::noteFailure(outcome.reason);
      break;
    }
  } catch (...) {
    writeReason("the copy failed unexpectedly", reason, capacity);
  }
  return call.failed(KESTRINE_COPY_FAILED, "the copy failed");
}

int32_t KESTRINE_CALL CheckTMPath(const char16_t *location, char16_t *reason, int32_t capacity) {
  Call call;
  std::string why;
  try {
    why = kestrine::StoreChoice::check(textOf(location));
  } catch (...) {
    why = "the location could not be checked";
  }
  writeReason(why, reason, capacity);
  if (why.empty())
    return call.succeeded(1);
  kestrine::noteFailure(why);
  return call.failed(0, "the location cannot hold a memory");
}

// Both read the thread's one note and leave it as it is: GetTMError copies it and answers
// with the three codes it always had, GetTMLastError lends it and tells a busy memory apart.
int32_t KESTRINE_CALL GetTMError(char16_t *reason, int32_t capacity) {
  std::string message;
  try {
    message = kestrine::failureMessage();
    writeReason(message, reason, capacity);
  } catch (...) {
    writeReason({}, reason, capacity);
  }
  switch (kestrine::failureKind()) {
  case kestrine::FailureKind::None:
    return KESTRINE_OK;
  case kestrine::FailureKind::Damaged:
    return KESTRINE_DAMAGED;
  case kestrine::FailureKind::Failed:
  case kestrine::FailureKind::Busy:
    break;
  }
  return KESTRINE_FAILED;
}

const char16_t *KESTRINE_CALL GetTMLastError(int32_t *code) {
  if (code)
    *code = static_cast<int32_t>(kestrine::failureKind());
  try {
    return kestrine::failureMessageUtf16();
  } catch (...) {
    return u"";
  }
}

} // extern "C"
