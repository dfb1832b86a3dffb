// The memory library and one memory opened for a command of the command line.
#pragma once

#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"

#include <QString>
#include <memory>

namespace tarvelo {
class EntryList;
class Progress;
class Prompter;
class Settings;
} // namespace tarvelo

namespace tarvelo::cli {

// Loads the memory library from beside the program, or else by the system's search;
// false after the reason was printed to standard error.
bool loadMemoryLibrary(TmLibrary &library);

// The memory library found beside the program, used on one folder and one pair of
// languages.
class CliMemory {
public:
  CliMemory(EntryList &entries, Settings &settings, Prompter &prompter, Progress &progress);

  // Loads the library, points it at the folder (or a server's URI) and connects for the
  // languages;
  // false after the reason was printed to standard error. Only a memory that learns
  // may be created where there is none.
  bool open(const QString &folder, int sourceLanguage, int targetLanguage, bool create);
  MemoryClient &client() { return *m_client; }
  // The memory could not be opened because it is damaged.
  bool damaged() const { return m_damaged; }

private:
  EntryList &m_entries;
  Settings &m_settings;
  Prompter &m_prompter;
  Progress &m_progress;
  TmLibrary m_library;
  std::unique_ptr<MemoryClient> m_client;
  bool m_damaged = false;
};

// Prints why the memory could not be read or written, as the library said it; returns the
// exit status: 2 for a damaged memory, else 1.
int memoryFailed(const MemoryFailure &failure, const QString &location, const char *what);

} // namespace tarvelo::cli
