// TMX import and export and the copy of a memory, as the Translation Memory menu runs them.
#include "exchange/memory_menu.h"

#include "files/file_messages.h"
#include "seam/prompter.h"
#include "seam/settings.h"
#include "tmclient/memory_client.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvelo {

MemoryMenu::MemoryMenu(MemoryClient &client, Settings &settings, Prompter &prompter,
                       Progress &progress)
    : m_client(client), m_settings(settings), m_prompter(prompter), m_progress(progress) {}

TmxChoice MemoryMenu::tmxDefaults() const {
  TmxChoice choice;
  choice.sourceLanguage = m_client.sourceLanguage() > 0 ? m_client.sourceLanguage() : 1033;
  choice.targetLanguage = m_client.targetLanguage();
  return choice;
}

std::optional<MemoryTransfer>
MemoryMenu::importTmx(const std::function<bool(TmxChoice &)> &choose) {
  return transferTmx(true, choose);
}

std::optional<MemoryTransfer>
MemoryMenu::exportTmx(const std::function<bool(TmxChoice &)> &choose) {
  return transferTmx(false, choose);
}

std::optional<MemoryTransfer>
MemoryMenu::transferTmx(bool import, const std::function<bool(TmxChoice &)> &choose) {
  TmxChoice choice = tmxDefaults();
  if (!choose(choice))
    return std::nullopt;
  MemoryTransfers transfers(m_client, m_settings, m_prompter, m_progress);
  const MemoryTransfer result =
      import ? transfers.importTmx(choice.path, choice.sourceLanguage, choice.targetLanguage)
             : transfers.exportTmx(choice.path, choice.sourceLanguage, choice.targetLanguage);
  if (import)
    reportImport(choice, result);
  else
    reportExport(choice, result);
  return result;
}

std::optional<MemoryCopyResult>
MemoryMenu::copy(const std::function<bool(MemoryCopyChoice &)> &choose) {
  MemoryCopyChoice choice;
  choice.from = m_client.options().tmPath;
  if (!choose(choice))
    return std::nullopt;
  const MemoryCopyResult result =
      copyMemory(m_client.exports(), choice.from, choice.to, m_progress);
  // The open task's memory may be the one that got the pairs.
  if (result.outcome == MemoryCopyResult::Copied)
    m_client.fillTargets(false);
  reportCopy(choice, result);
  return result;
}

bool MemoryMenu::reportFailure(const TmxChoice &choice, const MemoryTransfer &result) {
  const QString file = QDir::toNativeSeparators(choice.path);
  switch (result.status) {
  case MemoryTransfer::Status::NotRead:
    m_prompter.error(result.error.isEmpty() ? cannotOpenMessage(choice.path) : result.error);
    return true;
  case MemoryTransfer::Status::Malformed:
    m_prompter.error(QCoreApplication::translate(
                         "Prompter", "The file '%1' is not a TMX file that can be read: %2")
                         .arg(file, result.error));
    return true;
  case MemoryTransfer::Status::NotConnected:
    m_prompter.error(result.error.isEmpty()
                         ? QCoreApplication::translate(
                               "Prompter", "The Translation Memory in '%1' cannot be used for "
                                           "these languages.")
                               .arg(m_client.location())
                         : result.error);
    return true;
  default:
    return false;
  }
}

void MemoryMenu::reportImport(const TmxChoice &choice, const MemoryTransfer &result) {
  if (reportFailure(choice, result))
    return;
  const QString file = QDir::toNativeSeparators(choice.path);
  m_prompter.inform(
      (result.status == MemoryTransfer::Status::Cancelled
           ? QCoreApplication::translate(
                 "Prompter", "The import from '%1' was cancelled. Pairs learnt before: %2")
           : QCoreApplication::translate("Prompter", "Pairs learnt from '%1': %2"))
          .arg(file)
          .arg(result.pairs));
}

void MemoryMenu::reportExport(const TmxChoice &choice, const MemoryTransfer &result) {
  if (reportFailure(choice, result))
    return;
  const QString file = QDir::toNativeSeparators(choice.path);
  if (result.status == MemoryTransfer::Status::Cancelled)
    m_prompter.inform(
        QCoreApplication::translate("Prompter", "The export was cancelled; '%1' was not written.")
            .arg(file));
  else
    m_prompter.inform(QCoreApplication::translate("Prompter", "Pairs exported to '%1': %2")
                          .arg(file)
                          .arg(result.pairs));
}

void MemoryMenu::reportCopy(const MemoryCopyChoice &choice, const MemoryCopyResult &result) {
  const QString from = shownLocation(choice.from);
  const QString to = shownLocation(choice.to);
  switch (result.outcome) {
  case MemoryCopyResult::Copied:
    m_prompter.inform(QCoreApplication::translate("Prompter", "Pairs copied from '%1' to '%2': %3")
                          .arg(from, to)
                          .arg(result.copied));
    break;
  case MemoryCopyResult::Cancelled:
    m_prompter.inform(
        QCoreApplication::translate(
            "Prompter", "The copy was cancelled; the Translation Memory in '%1' is as it was.")
            .arg(to));
    break;
  case MemoryCopyResult::Failed:
    m_prompter.error(
        QCoreApplication::translate(
            "Prompter", "The Translation Memory in '%1' could not be copied to '%2': %3")
            .arg(from, to, result.reason));
    break;
  }
}

} // namespace tarvelo
