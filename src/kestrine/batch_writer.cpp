// The batch state machine and the write guard both stores write through.
#include "batch_writer.h"

#include "failure_note.h"

namespace kestrine {

using Clock = std::chrono::steady_clock;

void BatchWriter::rememberDamage() {
  const std::string name = m_backend.memoryName();
  if (failureDamages(name)) {
    m_damaged = name;
    m_damage = failureMessage();
  }
}

// A memory that reported damage is never written to again; before that the store may
// check its pages, so that damage shows before anything goes into it.
bool BatchWriter::mayWrite() {
  const std::string name = m_backend.memoryName();
  if (m_damaged.empty() || m_damaged != name) {
    std::string finding;
    switch (m_backend.checkPages(finding)) {
    case WriteBackend::PageCheck::Whole:
      return true;
    case WriteBackend::PageCheck::Damaged:
      m_damaged = name;
      m_damage = finding;
      break;
    case WriteBackend::PageCheck::NotRun:
      rememberDamage();
      if (m_damaged != name)
        return false; // the check itself could not run (a lock held too long)
      break;
    }
  }
  noteFailure("the memory is damaged (" + m_damage + "), so nothing is written into it", name);
  return false;
}

bool BatchWriter::beginWrite() {
  if (!mayWrite())
    return false;
  if (m_importing)
    return true;
  // A failed batch writes nothing more, so that what it stored stays a first part.
  if (batchFailed())
    return false;
  if (m_backend.inTransaction()) {
    if (!m_batch) {
      // Only a batch keeps a transaction between calls; anything else is a leftover.
      m_backend.rollback();
    } else if (Clock::now() - m_sliceStart < kSlice) {
      return true;
    } else {
      if (!commitSlice())
        return false;
      m_backend.sliceCommitted();
    }
  } else if (m_batch && !commitSlice()) {
    return false; // the batch's transaction is gone, and what it held with it
  }
  if (!m_backend.begin())
    return false;
  m_sliceStart = Clock::now();
  return true;
}

bool BatchWriter::finishWrite(bool commit) {
  if (m_importing || m_batch)
    return true; // each statement is atomic on its own; the batch commits them together
  if (commit)
    return m_backend.commit() == BatchOutcome::None;
  m_backend.rollback();
  return false;
}

bool BatchWriter::commitSlice() {
  if (!m_backend.inTransaction()) {
    if (m_pending == 0)
      return true;
    // The transaction went by itself (a full disk, an I/O error, a lost connection).
    m_pending = 0;
    if (m_failure == BatchOutcome::None)
      failBatchWith(BatchOutcome::Failed);
    return false;
  }
  const BatchOutcome::Failure ended = m_backend.commit();
  if (ended == BatchOutcome::None) {
    m_stored += m_pending;
    m_pending = 0;
    return true;
  }
  if (m_failure == BatchOutcome::None)
    failBatchWith(ended);
  m_pending = 0;
  return false;
}

bool BatchWriter::restartSlice() {
  if (!commitSlice() || !m_backend.begin())
    return false;
  m_sliceStart = Clock::now();
  return true;
}

bool BatchWriter::loseSlice() {
  const bool lost = m_batch && m_pending > 0;
  if (lost) {
    m_pending = 0;
    if (m_failure == BatchOutcome::None)
      failBatchWith(BatchOutcome::Failed);
  }
  return lost;
}

// A write of the batch failed: the batch stops, keeping what it learnt before when it can.
void BatchWriter::failBatch() {
  if (m_failure == BatchOutcome::None)
    failBatchWith(m_backend.lastFailure());
  commitSlice();
}

// The batch's first failure, with what the database said of it: the calls that learnt its
// pairs are over by the time the batch ends.
void BatchWriter::failBatchWith(BatchOutcome::Failure failure) {
  const std::string name = m_backend.memoryName();
  m_failure = failure;
  m_reason = failureMessage();
  m_failureDamaged = failureDamages(name) ? name : std::string();
}

void BatchWriter::learnt(bool ok) {
  if (!m_batch)
    return;
  if (ok)
    ++m_pending;
  else
    failBatch();
}

void BatchWriter::wrote(bool ok) {
  if (m_batch && !ok)
    failBatch();
}

void BatchWriter::reset() {
  m_batch = false;
  m_stored = m_pending = 0;
  m_failure = BatchOutcome::None;
}

void BatchWriter::beginBatch() {
  if (!m_batch)
    reset();
  m_batch = true;
}

BatchOutcome BatchWriter::endBatch() {
  if (!m_batch)
    return {};
  commitSlice();
  const BatchOutcome outcome{m_failure, m_stored, m_reason, m_failureDamaged};
  reset();
  return outcome;
}

bool BatchWriter::beginImport() {
  if (m_importing || m_backend.inTransaction() || !mayWrite() || !m_backend.begin())
    return false;
  m_importing = true;
  return true;
}

bool BatchWriter::endImport(bool commit) {
  if (!m_importing)
    return false;
  m_importing = false;
  if (commit)
    return m_backend.commit() == BatchOutcome::None;
  m_backend.rollback();
  return false;
}

void BatchWriter::close() {
  if (m_backend.inTransaction())
    commitSlice();
  reset();
  m_importing = false;
}

} // namespace kestrine
