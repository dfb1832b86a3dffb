// Running a language model over a task's chains: context, requests, the fit loop, filling.
#include "exchange/model_translation_run.h"

#include "exchange/machine_translator.h"
#include "exchange/translation_chains.h"
#include "script/text_entry.h"
#include "seam/progress.h"

#include <QCoreApplication>
#include <algorithm>

namespace tarvelo {

namespace {

// What a batch is: the chains, their items, and the control each one is measured in.
struct Batch {
  std::vector<const TranslationChain *> chains;
  QList<ModelItem> items;
  std::vector<TextEntry *> gauged; // null: no room to keep within
};

// The control a chain's text is measured in: its first selected dialog control.
TextEntry *controlOf(const TranslationChain &chain) {
  for (TextEntry *entry : chain.selected)
    if (entry->entryClass() == TextEntry::Class::Control)
      return entry;
  return nullptr;
}

Batch makeBatch(const std::vector<TranslationChain> &chains, size_t start, size_t end,
                const ModelAids &aids) {
  Batch batch;
  for (size_t i = start; i < end; ++i) {
    const TranslationChain &chain = chains[i];
    ModelItem item = modelItemFor(*chain.root);
    if (aids.terms)
      item.terms = aids.terms(chain.root->sourceText).mid(0, kMostTermsPerItem);
    TextEntry *control = aids.fit ? controlOf(chain) : nullptr;
    if (control) {
      const RoomFit room = aids.fit(control, chain.root->sourceText);
      if (room.measured) {
        item.roomWidth = room.width;
        item.roomLines = room.lines;
        item.roomChars = room.width * room.lines / std::max(1, room.averageCharWidth);
      } else {
        control = nullptr;
      }
    }
    batch.chains.push_back(&chain);
    batch.items.append(std::move(item));
    batch.gauged.push_back(control);
  }
  return batch;
}

// Time-outs in a row across the run's requests: a slow answer can be one long
// generation, two in a row mean a dead server.
struct Streak {
  int timeOuts = 0;
  bool dead() const { return timeOuts >= 2; }
};

// Sends items on a worker thread while the progress serves; the counts go to result.
ModelOutcome send(const MachineTranslator &translator, const QList<ModelItem> &items,
                  Progress &progress, MtRunResult &result, Streak &streak) {
  ModelOutcome outcome;
  const bool finished = runWhileServing(
      [&](const std::atomic<bool> &abort) { outcome = translator.translateItems(items, &abort); },
      progress);
  outcome.aborted = outcome.aborted || !finished;
  result.requests += outcome.requests;
  const bool allTimedOut = outcome.requests > 0 && outcome.timeOutStreak == outcome.requests;
  streak.timeOuts = outcome.timeOutStreak + (allTimedOut ? streak.timeOuts : 0);
  result.promptTokens += outcome.promptTokens;
  result.completionTokens += outcome.completionTokens;
  if (result.error.isEmpty())
    result.error = outcome.error;
  return outcome;
}

// Measures the answers in their controls and sends those that do not fit back once; the
// translations kept are left in outcome. False when cancelled.
bool refit(const Batch &batch, ModelOutcome &outcome, const MachineTranslator &translator,
           const ModelAids &aids, Progress &progress, MtRunResult &result, Streak &streak) {
  QList<ModelItem> again;
  std::vector<qsizetype> at;
  for (qsizetype i = 0; i < batch.items.size(); ++i) {
    TextEntry *control = batch.gauged[size_t(i)];
    if (!control || !outcome.translations[i])
      continue;
    const RoomFit fit = aids.fit(control, *outcome.translations[i]);
    if (!fit.tooLong)
      continue;
    ModelItem item = batch.items[i];
    item.previous = outcome.masked[i];
    item.previousWidth = fit.neededWidth;
    again.append(std::move(item));
    at.push_back(i);
  }
  if (again.isEmpty())
    return true;
  result.refitted += int(again.size());
  const ModelOutcome second = send(translator, again, progress, result, streak);
  if (second.aborted)
    return false;
  for (size_t k = 0; k < at.size(); ++k) {
    const qsizetype i = at[k];
    // A second answer that failed the checks leaves the first.
    if (second.translations[qsizetype(k)])
      outcome.translations[i] = second.translations[qsizetype(k)];
    TextEntry *control = batch.gauged[size_t(i)];
    if (aids.fit(control, *outcome.translations[i]).tooLong) {
      ++result.tooLong;
      result.tooLongEntries.append(control);
    }
  }
  return true;
}

} // namespace

MtRunResult translateWithModel(EntryList &entries, UndoStack &undo,
                               const std::function<void(TextEntry *)> &inspect,
                               const EntryTest &selected, const MachineTranslator &translator,
                               Progress &progress, const ModelAids &aids) {
  MtRunResult result;
  int total = 0;
  const std::vector<TranslationChain> chains = chainsToTranslate(entries, selected, &total);
  result.chains = int(chains.size());
  if (chains.empty())
    return result;
  progress.begin(QCoreApplication::translate("Progress", "Translate using machine translation"));
  progress.setRange(0, total);
  int done = 0;
  Streak streak;
  const size_t limit = size_t(translator.batchLimit());
  for (size_t start = 0; start < chains.size(); start += limit) {
    const size_t end = std::min(chains.size(), start + limit);
    const Batch batch = makeBatch(chains, start, end, aids);
    ModelOutcome outcome = send(translator, batch.items, progress, result, streak);
    if (outcome.aborted ||
        (aids.fit && !refit(batch, outcome, translator, aids, progress, result, streak))) {
      result.cancelled = true;
      break;
    }
    for (size_t i = 0; i < batch.chains.size(); ++i) {
      const TranslationChain &chain = *batch.chains[i];
      done += int(chain.selected.size());
      // A model's draft waits for review, as a near match from the memory does.
      takeTranslation(chain, outcome.translations[qsizetype(i)], Fuzzy, undo, inspect, result);
    }
    progress.setPosition(done);
    if (streak.dead()) {
      stopAfterTimeOut(chains, end, result);
      break;
    }
    progress.serve();
    if (progress.cancelled()) {
      result.cancelled = true;
      break;
    }
  }
  progress.end();
  return result;
}

} // namespace tarvelo
