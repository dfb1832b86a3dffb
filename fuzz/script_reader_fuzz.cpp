// Feeds arbitrary bytes to the script reader as a source and as a target, and to
// the dialog parser; any crash, hang or sanitizer report is a fault.
#include "script/dialog_layout.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/prompter.h"
#include "seam/settings.h"

#include <QByteArray>
#include <cstdint>

namespace {

class QuietPrompter : public tarvelo::Prompter {
public:
  Answer message(const QString &, Buttons, Icon) override { return Answer::Yes; }
  void resolveFuzzyItems(tarvelo::FuzzyItemsRequest &) override {}
  bool chooseResourcesToKeep(tarvelo::SavingResourcesRequest &) override { return true; }
  bool pairIncludedScripts(tarvelo::ScriptPairingRequest &) override { return false; }
  bool chooseSaveFile(tarvelo::SaveFileRequest &) override { return false; }
  Answer askSameText(const QString &) override { return Answer::No; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  EntryList entries;
  TaskChain tasks;
  QuietPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  ScriptContext context{&entries, &tasks, &prompter, &progress, &settings};
  Task *task = tasks.append();
  {
    ResourceScript source(context);
    source.openData(bytes);
    const int language = source.firstLanguage();
    source.read(true, language, task);
    source.containsLanguage(0x0409);
  }
  {
    ResourceScript target(context);
    target.openData(bytes);
    target.read(false, 0x0409, task);
  }
  for (const auto &entry : entries)
    if (entry->sourceBlock && entry->isHead() && entry->kind == QLatin1String("DIALOG"))
      parseDialogBlock(entry->sourceBlock->text());
  parseDialogBlock(QString::fromLatin1(bytes));
  return 0;
}
