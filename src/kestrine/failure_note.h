// Why the current export call failed, kept per thread as errno is.
#pragma once

// The stores note what the database said where it happened, and GetTMError reads it after
// the call, so that no export needs more than its documented result.

#include <string>
#include <string_view>

namespace kestrine {

// Forgets this thread's note, at the start of each export call.
void clearFailure();
// Keeps the first failure of a call, unless a later one is a damage, which says more.
// `damagedMemory` names the memory (its file or URI) that reported itself corrupt.
void noteFailure(std::string_view message, std::string_view damagedMemory = {});

// Empty while the call has not failed.
std::string failureMessage();
bool failureIsDamage();
// Whether the note says that this memory is damaged.
bool failureDamages(std::string_view memory);

} // namespace kestrine
