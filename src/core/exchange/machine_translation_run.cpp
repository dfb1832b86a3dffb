// Machine-translating a task's chains in batches, off the user-interface thread.
#include "exchange/machine_translation_run.h"

#include "exchange/machine_translator.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "workbench/session.h"
#include "workbench/undo_stack.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace tarvelo {

namespace {

struct Chain {
  TextEntry *root;
  std::vector<TextEntry *> selected;
};

bool translatable(const TextEntry &entry) {
  return entry.isTranslatable() && !entry.sourceText.isEmpty();
}

std::vector<Chain> chainsToTranslate(EntryList &entries, const EntryTest &selected, int *count) {
  std::vector<Chain> chains;
  *count = 0;
  for (const auto &owned : entries) {
    TextEntry *root = owned.get();
    if (root->prevOccurrence || !translatable(*root))
      continue;
    Chain chain{root, {}};
    for (TextEntry *entry = root; entry; entry = entry->nextOccurrence)
      if (translatable(*entry) && (!selected || selected(*entry)))
        chain.selected.push_back(entry);
    if (chain.selected.empty())
      continue;
    *count += int(chain.selected.size());
    chains.push_back(std::move(chain));
  }
  return chains;
}

// After a request that timed out nothing more is sent: the chains after the batch
// count as failed, and the message says so.
void stopAfterTimeOut(const std::vector<Chain> &chains, size_t next, MtRunResult &result) {
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
                             Progress &progress) {
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
      const std::optional<QString> &translation = outcome.translations[qsizetype(i - start)];
      if (!translation) {
        ++result.failed;
        result.failedItems += int(chain.selected.size());
        done += int(chain.selected.size());
        continue;
      }
      ++result.translated;
      undo.open();
      for (TextEntry *entry : chain.selected) {
        undo.record(entry, entry->targetText);
        entry->targetText = *translation;
        entry->matchState = Filled;
        if (inspect)
          inspect(entry);
        result.changed.append(entry);
        ++done;
        progress.setPosition(done);
        progress.setText(QCoreApplication::translate("Progress", "Importing record %1 of %2")
                             .arg(done)
                             .arg(total));
      }
      undo.close();
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

MtRunResult runMachineTranslation(Session &session, MtScope scope, const EntryTest &filter,
                                  const MachineTranslator &translator, const TextApplier &apply) {
  MtRunResult result;
  if (scope == MtScope::CurrentItem) {
    TextEntry *entry = session.currentEntry();
    if (!entry || !translatable(*entry))
      return result;
    result.chains = 1;
    TranslationOutcome outcome;
    Progress &progress = session.progress();
    progress.begin(QCoreApplication::translate("Progress", "Translate using machine translation"));
    progress.setRange(0, 1);
    runWhileServing(
        [&](const std::atomic<bool> &abort) {
          outcome = translator.translate({entry->sourceText}, &abort);
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
        session.progress());
    session.textsImported(result.changed);
    session.selectEntry(session.currentEntry());
  }
  if (!result.error.isEmpty())
    session.prompter().error(result.error);
  return result;
}

} // namespace tarvelo
