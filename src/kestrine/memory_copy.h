// Copying a whole memory from one store to another, either way, in one transaction.
#pragma once

// Copies a whole memory from one store to another (a folder and a server, either way):
// every language-pair table, every row with both counters, in the order first learnt.
// Into a table that holds nothing yet the rows go exactly as they are; into one that
// already holds pairs, a pair with exactly the same texts adds its counters to the stored
// row. Everything is written in one transaction: a failure or a cancel leaves the
// destination as it was.

#include "memory_store.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kestrine {

struct CopyOutcome {
  enum Result { Copied, Failed, Cancelled };
  Result result = Failed;
  std::int64_t rows = 0; // rows read and written (or that would have been)
  std::string reason;    // why it failed
};

// Called after each slice with the rows done and the total; false cancels.
using CopyProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

CopyOutcome copyMemory(MemoryStore &from, MemoryStore &to, const CopyProgress &progress);

} // namespace kestrine
