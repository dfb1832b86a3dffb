// The Translation Memory menu's commands on whole memories: TMX import and export, copying.
#pragma once

#include "exchange/memory_transfer.h"
#include "tmclient/memory_location.h"

#include <QString>
#include <functional>
#include <optional>

namespace tarvelo {

class MemoryClient;
class Progress;
class Prompter;
class Settings;

// A TMX file and the languages of its pairs, as the file dialog yields them.
struct TmxChoice {
  QString path;
  int sourceLanguage = 0;
  int targetLanguage = 0;
};

// The memories to copy from and to: folders, or URIs of team memories on a server.
struct MemoryCopyChoice {
  QString from;
  QString to;
};

// Each command asks for what it works on through `choose` (false: the translator
// cancelled, and nothing happens), runs in the progress window, which can cancel it, and
// says how it went through the prompter. Nothing when it was not run.
class MemoryMenu {
public:
  MemoryMenu(MemoryClient &client, Settings &settings, Prompter &prompter, Progress &progress);

  // "Import TMX...": learns the file's pairs into the memory.
  std::optional<MemoryTransfer> importTmx(const std::function<bool(TmxChoice &)> &choose);
  // "Export TMX...": writes every pair of the language pair; a cancelled export writes
  // nothing.
  std::optional<MemoryTransfer> exportTmx(const std::function<bool(TmxChoice &)> &choose);
  // "Copy Translation Memory...": copies a whole memory into another, the open task's
  // memory by default; a failed or cancelled copy leaves the destination as it was.
  std::optional<MemoryCopyResult> copy(const std::function<bool(MemoryCopyChoice &)> &choose);

private:
  TmxChoice tmxDefaults() const;
  std::optional<MemoryTransfer> transferTmx(bool import,
                                            const std::function<bool(TmxChoice &)> &choose);
  void reportImport(const TmxChoice &choice, const MemoryTransfer &result);
  void reportExport(const TmxChoice &choice, const MemoryTransfer &result);
  void reportCopy(const MemoryCopyChoice &choice, const MemoryCopyResult &result);
  // A failure the transfer shares with the other direction; false when there was none.
  bool reportFailure(const TmxChoice &choice, const MemoryTransfer &result);

  MemoryClient &m_client;
  Settings &m_settings;
  Prompter &m_prompter;
  Progress &m_progress;
};

} // namespace tarvelo
