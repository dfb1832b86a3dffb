// Copying a whole memory between two stores, slice by slice in one transaction.
#include "memory_copy.h"

namespace kestrine {

namespace {

constexpr std::int32_t kSlice = 2000;

CopyOutcome failure(std::string reason, const MemoryStore &store) {
  const std::string detail = store.lastError();
  if (!detail.empty())
    reason += ": " + detail;
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' '))
    reason.pop_back();
  return {CopyOutcome::Failed, 0, reason};
}

} // namespace

CopyOutcome copyMemory(MemoryStore &from, MemoryStore &to, const CopyProgress &progress) {
  if (!from.openExisting())
    return failure("the memory to copy cannot be opened", from);
  const std::optional<std::vector<std::string>> tables = from.pairTables();
  if (!tables)
    return failure("the memory to copy cannot be read", from);
  std::int64_t total = 0;
  for (const std::string &table : *tables) {
    const std::optional<std::int64_t> count = from.countRows(table);
    if (!count)
      return failure("the memory to copy cannot be read", from);
    total += *count;
  }
  if (!to.openOrCreate())
    return failure("the destination memory cannot be opened", to);
  // Two spellings of one server's memory would merge it into itself.
  const std::string identity = from.identity();
  if (!identity.empty() && identity == to.identity())
    return {CopyOutcome::Failed, 0, "both locations name the same memory"};
  if (!to.beginImport())
    return failure("the destination memory cannot be written", to);

  std::int64_t done = 0;
  for (const std::string &table : *tables) {
    const std::optional<std::int64_t> present = to.countRows(table);
    if (!present) {
      to.endImport(false);
      return failure("the destination memory cannot be read", to);
    }
    const bool merge = *present > 0;
    std::int64_t after = 0;
    for (;;) {
      const RowSlice slice = from.readRows(table, after, kSlice);
      if (!slice.read) {
        to.endImport(false);
        return failure("the memory to copy cannot be read (table " + table + ")", from);
      }
      if (slice.rows.empty())
        break;
      if (!to.importRows(table, slice.rows, merge)) {
        CopyOutcome failed = failure("the destination memory cannot be written", to);
        to.endImport(false);
        return failed;
      }
      done += std::int64_t(slice.rows.size());
      after = slice.next;
      if (progress && !progress(done, std::max(total, done))) {
        to.endImport(false);
        return {CopyOutcome::Cancelled, done, {}};
      }
    }
  }
  if (!to.endImport(true))
    return failure("the copy could not be committed", to);
  return {CopyOutcome::Copied, done, {}};
}

} // namespace kestrine
