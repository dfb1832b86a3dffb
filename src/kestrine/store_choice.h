// Which store the exports use, behind the one lock that every call of theirs takes.
#pragma once

// The file store for a folder, the server store for a "postgresql://" URI. A new location
// takes effect when nothing is open any more, just as a new folder does: an open memory
// stays in use until it is disconnected. Choosing, connecting, disconnecting and every call
// on the store chosen hold one lock, so that no call meets a store half switched.

#include "memory_store.h"
#include "pg_store.h"
#include "sqlite_store.h"

#include <memory>
#include <mutex>
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

  // Runs `call` on the store in use, holding the lock for the whole of it.
  template <class Call> auto withStore(Call &&call) {
    std::lock_guard lock(m_mutex);
    return call(*m_current);
  }

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
  std::mutex m_mutex;
  // Declared before the pointers that name them.
  SqliteStore m_file;
  PgStore m_server;
  MemoryStore *m_current = &m_file; // the store the calls go to
  MemoryStore *m_chosen = &m_file;  // the store of the location set last
};

} // namespace kestrine
