// Machine-translating a task's chains in batches, off the user-interface thread.
#include "exchange/machine_translation_run.h"

#include "exchange/machine_translator.h"
#include "exchange/model_translation_run.h"
#include "exchange/translation_chains.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "workbench/session.h"
#include "workbench/undo_stack.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <thread>

namespace tarvelo {

namespace {

using Chain = TranslationChain;

// The current item for a language model, with its context, terms and room.
ModelItem currentModelItem(TextEntry &entry, const ModelAids &aids) {
  ModelItem item = modelItemFor(entry);
  if (aids.terms)
    item.terms = aids.terms(entry.sourceText).mid(0, kMostTermsPerItem);
  const RoomFit room = aids.fit ? aids.fit(&entry, entry.sourceText) : RoomFit();
  if (room.measured) {
    item.roomWidth = room.width;
    item.roomLines = room.lines;
    item.roomChars = room.width * room.lines / std::max(1, room.averageCharWidth);
  }
  return item;
}

} // namespace

bool runWhileServing(const std::function<void(const std::atomic<bool> &abort)> &work,
                     Progress &progress) {
  std::atomic<bool> abort{false};
  std::atomic<bool> done{false};
  std::thread worker([&] {
    work(abort);
    done = true;
  });
  while (!done.load()) {
    progress.serve();
    if (progress.cancelled())
      abort = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
  }
  worker.join();
  return !abort.load();
}

MtRunResult translateEntries(EntryList &entries, UndoStack &undo,
                             const std::function<void(TextEntry *)> &inspect,
                             const EntryTest &selected, const MachineTranslator &translator,
                             Progress &progress, const ModelAids &aids) {
  if (translator.usesModel())
    return translateWithModel(entries, undo, inspect, selected, translator, progress, aids);
  MtRunResult result;
  int total = 0;
  const std::vector<Chain> chains = chainsToTranslate(entries, selected, &total);
  result.chains = int(chains.size());
  if (chains.empty())
    return result;
  progress.begin(QCoreApplication::translate("Progress", "Translate using machine translation"));
  progress.setRange(0, total);
  int done = 0;
  const size_t limit = size_t(translator.batchLimit());
  for (size_t start = 0; start < chains.size(); start += limit) {
    const size_t end = std::min(chains.size(), start + limit);
    QStringList sources;
    for (size_t i = start; i < end; ++i)
      sources.append(chains[i].root->sourceText);
    TranslationOutcome outcome;
    const bool finished = runWhileServing(
        [&](const std::atomic<bool> &abort) { outcome = translator.translate(sources, &abort); },
        progress);
    if (result.error.isEmpty())
      result.error = outcome.error;
    if (!finished || outcome.aborted) {
      result.cancelled = true;
      break;
    }
    if (outcome.timedOut)
      stopAfterTimeOut(chains, end, result);
    for (size_t i = start; i < end; ++i) {
      const Chain &chain = chains[i];
      takeTranslation(chain, outcome.translations[qsizetype(i - start)], Filled, undo, inspect,
                      result);
      done += int(chain.selected.size());
      progress.setPosition(done);
      progress.setText(QCoreApplication::translate("Progress", "Importing record %1 of %2")
                           .arg(done)
                           .arg(total));
    }
    if (outcome.timedOut)
      break;
    progress.serve();
    if (progress.cancelled()) {
      result.cancelled = true;
      break;
    }
  }
  progress.end();
  return result;
}

void stopAfterTimeOut(const std::vector<TranslationChain> &chains, size_t next,
                      MtRunResult &result) {
  int unsent = 0;
  for (size_t i = next; i < chains.size(); ++i)
    unsent += int(chains[i].selected.size());
  result.failed += int(chains.size() - next);
  result.failedItems += unsent;
  if (unsent > 0)
    result.error += u' ' + QCoreApplication::translate(
                               "MachineTranslation",
                               "Machine translation stopped there; %n more item(s) were not sent.",
                               nullptr, unsent);
}

void takeTranslation(const TranslationChain &chain, const std::optional<QString> &translation,
                     MatchState state, UndoStack &undo,
                     const std::function<void(TextEntry *)> &inspect, MtRunResult &result) {
  if (!translation || translation->isEmpty()) {
    ++result.failed;
    result.failedItems += int(chain.selected.size());
    return;
  }
  ++result.translated;
  fillChain(chain, *translation, undo, inspect, result.changed, state);
}

MtRunResult runMachineTranslation(Session &session, MtScope scope, const EntryTest &filter,
                                  const MachineTranslator &translator, const TextApplier &apply,
                                  const ModelAids &aids) {
  MtRunResult result;
  if (scope == MtScope::CurrentItem) {
    TextEntry *entry = session.currentEntry();
    if (!entry || !machineTranslatable(*entry))
      return result;
    result.chains = 1;
    TranslationOutcome outcome;
    Progress &progress = session.progress();
    progress.begin(QCoreApplication::translate("Progress", "Translate using machine translation"));
    progress.setRange(0, 1);
    // Measured here: the fonts and the entries belong to this thread.
    const ModelItem item = translator.usesModel() ? currentModelItem(*entry, aids) : ModelItem();
    runWhileServing(
        [&](const std::atomic<bool> &abort) {
          if (!translator.usesModel()) {
            outcome = translator.translate({entry->sourceText}, &abort);
            return;
          }
          const ModelOutcome model = translator.translateItems({item}, &abort);
          outcome.translations = model.translations;
          outcome.error = model.error;
        },
        progress);
    progress.end();
    result.error = outcome.error;
    if (outcome.translations.value(0)) {
      ++result.translated;
      if (apply)
        apply(entry, *outcome.translations.value(0));
      else
        session.changeTargetText(entry, *outcome.translations.value(0));
      result.changed.append(entry);
    } else {
      ++result.failed;
      ++result.failedItems;
    }
  } else {
    const EntryTest test = scope == MtScope::FilteredItems ? filter : EntryTest();
    result = translateEntries(
        session.entries(), session.undoStack(),
        [&session](TextEntry *entry) { session.inspectEntry(entry); }, test, translator,
        session.progress(), aids);
    session.textsImported(result.changed);
    session.selectEntry(session.currentEntry());
  }
  if (!result.error.isEmpty())
    session.prompter().error(result.error);
  return result;
}

} // namespace tarvelo
