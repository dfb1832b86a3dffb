#pragma once

// Which store the exports use: the file store for a folder, the server store for a
// "postgresql://" URI. A new location takes effect when nothing is open any more, just as
// a new folder does: an open memory stays in use until it is disconnected.

#include "memory_store.h"
#include "pg_store.h"
#include "tm_store.h"

#include <atomic>
#include <memory>
#include <string>

namespace kestrine {

class StoreChoice {
public:
  StoreChoice() = default;
  StoreChoice(const StoreChoice &) = delete;
  StoreChoice &operator=(const StoreChoice &) = delete;

  void setLocation(std::u16string_view location);
  bool connect(std::int32_t source, std::int32_t target);
  void disconnect();
  void setBusyTimeout(std::chrono::milliseconds timeout);
  MemoryStore &current() { return *m_current.load(); }

  // Empty when the location can hold a memory (a server answering, a folder that is or
  // can be made), else why not.
  static std::string check(std::u16string_view location);
  // A store of its own for a location, apart from the one the exports use.
  // A folder is created (one level) now only with `create`; a file store makes it anyway
  // when it opens to be written (see MemoryStore::openOrCreate).
  static std::unique_ptr<MemoryStore> storeFor(std::u16string_view location, bool create);
  // Whether two locations surely name one memory (the same folder, the same URI).
  static bool sameMemory(std::u16string_view a, std::u16string_view b);

private:
  // Declared before the pointers that name them.
  TmStore m_file;
  PgStore m_server;
  std::atomic<MemoryStore *> m_current{&m_file};
  std::atomic<MemoryStore *> m_chosen{&m_file};
};

} // namespace kestrine
