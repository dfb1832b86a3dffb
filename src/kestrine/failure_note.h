// Why the current export call failed, kept per thread as errno is.
#pragma once

// The stores note what the database said where it happened, and GetTMError and
// GetTMLastError read it after the call, so that no export needs more than its documented
// result.

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrine {

// The kinds of failure, numbered as the interface's KESTRINE_* codes.
enum class FailureKind : std::int32_t { None = 0, Failed = 1, Damaged = 2, Busy = 3 };

// Forgets this thread's note, at the start of each export call.
void clearFailure();
// Keeps the first failure of a call, unless a later one is a damage, which says more.
// `damagedMemory` names the memory (its file or URI) that reported itself corrupt.
void noteFailure(std::string_view message, std::string_view damagedMemory = {});
// A lock another program held longer than the busy time-out.
void noteBusy(std::string_view message);

// Empty while the call has not failed.
std::string failureMessage();
FailureKind failureKind();
bool failureIsDamage();
// Whether the note says that this memory is damaged.
bool failureDamages(std::string_view memory);
// The message in UTF-16, zero-terminated, in storage of this thread that the next note or
// clear overwrites.
const char16_t *failureMessageUtf16();

} // namespace kestrine
