// The writes of a store, alike on a file and on a server: transactions, batches, damage.
#pragma once

// Outside a batch every write has a transaction of its own. Inside one, writes share a
// transaction that commits and starts over every kSlice, so that another program waits on
// it far less than the busy time-out; the batch stops writing at its first failure, so
// that what it stored is always a first part of what it learnt. A copy's import holds one
// transaction from its start to its end. A memory that reported itself damaged takes no
// write for as long as the store lives. The store supplies its connection through a
// small WriteBackend.

#include "memory_store.h"

#include <chrono>
#include <mutex>
#include <string>

namespace kestrine {

// What the batch writer needs of a store's connection.
class WriteBackend {
public:
  virtual ~WriteBackend() = default;

  // The memory as failure notes name it (its file or URI).
  virtual std::string memoryName() const = 0;
  virtual bool inTransaction() const = 0;
  // Starts a transaction that writes (taking the write lock first where there is one).
  virtual bool begin() = 0;
  // Ends the open transaction: None when it committed, else it was rolled back and why.
  virtual BatchOutcome::Failure commit() = 0;
  virtual void rollback() = 0;
  // What the last failed statement's failure was.
  virtual BatchOutcome::Failure lastFailure() const = 0;
  // Before writing into a memory the store may look for damage: Damaged with what it
  // found, or NotRun when the check itself failed (noted, see failure_note.h).
  enum class PageCheck { Whole, Damaged, NotRun };
  virtual PageCheck checkPages(std::string &finding) {
    (void)finding;
    return PageCheck::Whole;
  }
  // After a batch committed a slice between two of its writes.
  virtual void sliceCommitted() {}
};

class BatchWriter {
public:
  // A batch commits and starts over after this long. Each commit writes every page its
  // slice touched; much shorter slices make a large batch several times slower.
  static constexpr std::chrono::milliseconds kSlice{1000};

  explicit BatchWriter(WriteBackend &backend) : m_backend(backend) {}
  BatchWriter(const BatchWriter &) = delete;
  BatchWriter &operator=(const BatchWriter &) = delete;

  class Write;
  class Operation;

  bool batchOpen() const { return m_batch; }
  bool batchFailed() const { return m_batch && m_failure != BatchOutcome::None; }
  bool importing() const { return m_importing; }
  // The store's lock, for the few reads that need no Operation.
  std::mutex &mutex() const { return m_mutex; }

  // Opens a batch (keeping one that is open); its transaction starts with the first write.
  void beginBatch();
  // Commits what is left and closes the batch.
  BatchOutcome endBatch();
  // A write of the batch learnt a pair (counted when committed) or failed (the batch stops).
  void learnt(bool ok);
  void wrote(bool ok);
  // Commits what the batch learnt since its last commit and counts it as stored.
  bool commitSlice();
  // Commits the slice and starts the next one at once.
  bool restartSlice();
  // The connection went, and the batch's open transaction with it: true when that held
  // pairs, which fails the batch.
  bool loseSlice();

  // One transaction for a whole import; a Write inside it joins it.
  bool beginImport();
  bool endImport(bool commit);

  // The connection closes: an open transaction commits, the batch and import end.
  void close();

  // False (and noted) when the memory is damaged or could not be checked.
  bool mayWrite();

private:
  bool beginWrite();
  bool finishWrite(bool commit);
  void failBatch();
  void failBatchWith(BatchOutcome::Failure failure);
  void reset();
  void rememberDamage();

  WriteBackend &m_backend;
  mutable std::mutex m_mutex;
  bool m_batch = false;
  bool m_importing = false;
  // Pairs of the batch committed, and learnt in its open transaction.
  std::int32_t m_stored = 0;
  std::int32_t m_pending = 0;
  BatchOutcome::Failure m_failure = BatchOutcome::None;
  std::string m_reason;
  std::string m_failureDamaged;
  std::chrono::steady_clock::time_point m_sliceStart;
  // The memory that reported damage, for as long as the store lives, and what it said.
  std::string m_damaged;
  std::string m_damage;
};

// One write: its own transaction outside a batch, a share of the batch's inside one.
// Rolled back unless committed.
class BatchWriter::Write {
public:
  explicit Write(BatchWriter &writer) : m_writer(writer), m_open(writer.beginWrite()) {}
  ~Write() {
    if (m_open)
      m_writer.finishWrite(false);
  }
  Write(const Write &) = delete;
  Write &operator=(const Write &) = delete;

  bool ok() const { return m_open; }
  bool commit() {
    m_open = false;
    return m_writer.finishWrite(true);
  }

private:
  BatchWriter &m_writer;
  bool m_open;
};

// One operation of the store, under its lock. A damage met on the way is remembered when
// it ends, so that nothing more is written into that memory.
class BatchWriter::Operation {
public:
  explicit Operation(BatchWriter &writer) : m_writer(writer), m_lock(writer.m_mutex) {}
  ~Operation() { m_writer.rememberDamage(); }
  Operation(const Operation &) = delete;
  Operation &operator=(const Operation &) = delete;

private:
  BatchWriter &m_writer;
  std::lock_guard<std::mutex> m_lock;
};

} // namespace kestrine
