// The "Machine Translation..." run over a task's items, and what it reports.
#pragma once

#include "exchange/exchange_pairs.h"
#include "exchange/model_context.h"
#include "script/text_entry.h"

#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace tarvelo {

class EntryList;
class MachineTranslator;
class Progress;
class Session;
class TextEntry;
class UndoStack;
struct TranslationChain;

// What "Machine Translation..." translates: the "TranslateWhat" values.
enum class MtScope { AllItems = 0, FilteredItems = 1, CurrentItem = 2 };

struct MtRunResult {
  int chains = 0;      // occurrence chains to translate
  int translated = 0;  // chains that received a translation
  int failed = 0;      // chains the service left untranslated
  int failedItems = 0; // their entries
  bool cancelled = false;
  QString error; // the service's first reason, to be shown once
  QList<TextEntry *> changed;
  // A language model's run: the chains sent back for a shorter wording, those still too
  // long for their control (kept, for the dialogs report), the requests and tokens.
  int refitted = 0;
  int tooLong = 0;
  QList<TextEntry *> tooLongEntries;
  int requests = 0;
  int promptTokens = 0, completionTokens = 0;
};

// After a request that timed out nothing more is sent: the chains from `next` on count
// as failed, and the error says so.
void stopAfterTimeOut(const std::vector<TranslationChain> &chains, size_t next,
                      MtRunResult &result);

// Fills a chain with its translation in `state` as one undo group, or counts it failed
// when there is none (an empty answer is none).
void takeTranslation(const TranslationChain &chain, const std::optional<QString> &translation,
                     MatchState state, UndoStack &undo,
                     const std::function<void(TextEntry *)> &inspect, MtRunResult &result);

// Runs work on a worker thread while the progress window serves the user interface;
// Cancel sets the flag the work watches. False when it was cancelled.
bool runWhileServing(const std::function<void(const std::atomic<bool> &abort)> &work,
                     Progress &progress);

// Translates each occurrence chain that holds a selected entry (translatable, with a
// source text, passing the test when there is one) with one request per chain, up to
// the provider's batch size of chains per request. Each chain is one undo group; its
// entries get the translation and the state "filled" and are inspected again. Cancel
// stops after the current request. A language model is told each item's context, the
// terms aids finds and the room its control gives it; an answer too long for the
// control is sent back once for a shorter wording.
MtRunResult translateEntries(EntryList &entries, UndoStack &undo,
                             const std::function<void(TextEntry *)> &inspect,
                             const EntryTest &selected, const MachineTranslator &translator,
                             Progress &progress, const ModelAids &aids = {});

// How the current item receives its translation: the session's change of a target text
// unless the caller's views need their own way (they hold the text being edited).
using TextApplier = std::function<void(TextEntry *, const QString &)>;

// The command over the session: all, the filtered (test) or the current item. The
// service's error is shown once; the views show the new texts.
MtRunResult runMachineTranslation(Session &session, MtScope scope, const EntryTest &filter,
                                  const MachineTranslator &translator,
                                  const TextApplier &apply = nullptr, const ModelAids &aids = {});

} // namespace tarvelo
