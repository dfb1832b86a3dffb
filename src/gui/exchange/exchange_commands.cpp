// Export and Import of the task's translations through their file dialogs.
#include "exchange/exchange_commands.h"

#include "exchange/exchange_file_dialog.h"
#include "exchange/task_exchange.h"
#include "files/file_messages.h"
#include "seam/prompter.h"
#include "workbench/filter.h"
#include "workbench/session.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarvelo::gui {

namespace {

bool runDialog(ExchangeFileDialog &dialog, const ExchangeHooks &hooks) {
  dialog.setFilterHooks(hooks.showFilter, hooks.setupFilter);
  return hooks.run ? hooks.run(&dialog) : dialog.exec() == QDialog::Accepted;
}

EntryTest filterOf(const ExchangeFileDialog &dialog, const ExchangeHooks &hooks) {
  return dialog.filteredItems() && hooks.filter ? hooks.filter->test() : EntryTest();
}

// The dialogs open where the task's files are, not in the program's working folder.
QString taskFolder(const Session &session) {
  const QString file = session.targetPath().isEmpty() ? session.sourcePath() : session.targetPath();
  return QFileInfo(file).absolutePath();
}

} // namespace

void exportTranslations(QWidget *parent, Session &session, const ExchangeHooks &hooks) {
  if (!session.isOpen())
    return;
  ExchangeFileDialog dialog(ExchangeFileDialog::Mode::Export, session.settings(), parent);
  dialog.setDirectory(taskFolder(session));
  if (!runDialog(dialog, hooks) || dialog.chosenPath().isEmpty())
    return;
  ExportRequest request;
  request.format = dialog.format();
  request.path = dialog.chosenPath();
  request.filter = filterOf(dialog, hooks);
  request.sourcePath = session.sourcePath();
  request.targetPath = session.targetPath();
  request.sourceLanguage = session.sourceLanguage();
  request.targetLanguage = session.targetLanguage();
  const ExportResult result = exportTask(session.entries(), request);
  if (!result.written) {
    session.prompter().error(result.error);
    return;
  }
  session.prompter().inform(QCoreApplication::translate("Prompter", "Export finished successfuly"));
}

void importTranslations(QWidget *parent, Session &session, const ExchangeHooks &hooks) {
  if (!session.isOpen())
    return;
  ExchangeFileDialog dialog(ExchangeFileDialog::Mode::Import, session.settings(), parent);
  dialog.setDirectory(taskFolder(session));
  if (!runDialog(dialog, hooks) || dialog.chosenPath().isEmpty())
    return;
  const QString path = dialog.chosenPath();
  ImportTarget target{session.entries(), session.undoStack(),
                      [&session](TextEntry *entry) { session.inspectEntry(entry); },
                      filterOf(dialog, hooks)};
  const ImportResult result = importTask(
      target, formatOfPath(path, dialog.format()), path, dialog.delimiterBits(),
      session.sourceLanguage(), session.targetLanguage(), session.prompter(), session.progress());
  if (result.status == ImportResult::Status::NotRead)
    session.prompter().error(cannotOpenMessage(path));
  else if (result.status == ImportResult::Status::Malformed)
    session.prompter().error(result.error);
  session.textsImported(result.changed);
  // The current entry is shown again with its new text.
  session.selectEntry(session.currentEntry());
}

} // namespace tarvelo::gui
