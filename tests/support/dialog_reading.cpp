// Reading a script as its own target for the dialogs report and the preview.
#include "support/dialog_reading.h"

#include "script/after_read.h"
#include "script/text_entry.h"

namespace tarvelo::test {

QList<int> scriptLanguages(const QString &path) {
  Workspace ws;
  ResourceScript script(ws.context());
  if (!script.open(path))
    return {};
  const QList<int> declared = script.declaredLanguages();
  return declared.isEmpty() ? QList<int>{-1} : declared;
}

std::unique_ptr<Workspace> readAsItsOwnTarget(const QString &path, int language) {
  auto ws = std::make_unique<Workspace>();
  ws->prompter.keepEverything = true;
  if (ws->readSource({}, language, path) != ScriptResult::Ok)
    return nullptr;
  // Scripts the source pulls in are tasks of their own, not read here.
  while (ws->tasks.size() > 1)
    ws->tasks.remove(ws->tasks.at(1));
  if (ws->readTarget({}, language, path) != ScriptResult::Ok)
    return nullptr;
  bool clearFuzzy = false;
  AfterReadContext context{&ws->entries, &ws->prompter, QString(), &clearFuzzy};
  afterTargetRead(ws->tasks.head(), context);
  for (const auto &entry : ws->entries)
    entry->targetText = entry->sourceText;
  return ws;
}

} // namespace tarvelo::test
