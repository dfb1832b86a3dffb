#pragma once

// What the exports need of a memory store. The SQLite file store and the PostgreSQL
// server store both implement it; the exports pick one by the location they are given.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrine {

struct SearchResult {
  std::vector<std::u16string> sources;
  std::vector<std::u16string> targets;
};

// A slice of the stored pairs in the order they were first learnt; `next` is where the
// following slice starts. `read` is false when the memory could not be read.
struct ListResult {
  std::vector<std::u16string> sources;
  std::vector<std::u16string> targets;
  std::vector<std::int32_t> counters;
  std::int64_t next = 0;
  bool read = false;
};

// The translations of a text; `read` is false when the memory could not be read (not
// connected, a damaged file, a lock held too long), and then `translations` holds what
// was read before the failure.
struct LookupResult {
  std::vector<std::u16string> translations;
  bool read = false;
};

// How a batch went. A batch stops writing at its first failure, so the pairs stored are
// always the first `stored` of those learnt in it.
struct BatchOutcome {
  enum Failure { None, Failed, Busy };
  Failure failure = None; // Busy: another program held the memory longer than the wait
  std::int32_t stored = 0;
};

class MemoryStore {
public:
  virtual ~MemoryStore() = default;

  // Where the memory is; takes effect at the next connect that has to open it.
  virtual void setLocation(std::u16string_view location) = 0;
  // True while a connection (file or server) is open, whatever the languages.
  virtual bool isOpen() const = 0;
  virtual bool connect(std::int32_t source, std::int32_t target) = 0;
  virtual void disconnect() = 0;

  // Writes between the two share transactions.
  virtual bool beginBatch() = 0;
  virtual BatchOutcome endBatch() = 0;

  // How long a write waits for another client's lock before it fails.
  virtual void setBusyTimeout(std::chrono::milliseconds timeout) = 0;

  // Each returns its documented failure result when not connected.
  virtual bool learn(std::u16string_view source, std::u16string_view target,
                     std::int32_t increment) = 0;
  virtual LookupResult lookup(std::u16string_view text) = 0;
  virtual SearchResult search(const std::vector<std::u16string> &words, bool allWords) = 0;
  virtual bool deletePair(std::u16string_view source, std::u16string_view target) = 0;
  // At most `limit` pairs stored after the pair `after` names (0 for the first).
  virtual ListResult list(std::int64_t after, std::int32_t limit) = 0;

  static constexpr std::size_t kSearchLimit = 500;
  static constexpr std::chrono::milliseconds kBusyTimeout{5000};
};

} // namespace kestrine
