// The per-thread note of why the current export call failed.
#include "failure_note.h"

#include <algorithm>
#include <cstdint>

namespace kestrine {

namespace {

// Plain data: a thread-local with a destructor would keep the library loaded, or outlive
// it, after the last dlclose. The damaged memory is kept as a hash of its name.
struct Note {
  char message[1024];
  std::size_t length;
  std::uint64_t damagedKey;
  bool damaged;
};

Note &note() {
  thread_local Note current{};
  return current;
}

std::uint64_t keyOf(std::string_view memory) {
  std::uint64_t hash = 0xcbf29ce484222325ULL; // FNV-1a
  for (const char c : memory) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string_view trimmed(std::string_view message) {
  while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
    message.remove_suffix(1);
  return message;
}

} // namespace

void clearFailure() {
  note().length = 0;
  note().damaged = false;
}

void noteFailure(std::string_view message, std::string_view damagedMemory) {
  Note &current = note();
  if (current.length > 0 && (damagedMemory.empty() || current.damaged))
    return;
  const std::string_view text = trimmed(message.empty() ? "unknown failure" : message);
  current.length = std::min(text.size(), sizeof current.message);
  std::copy_n(text.data(), current.length, current.message);
  current.damaged = !damagedMemory.empty();
  current.damagedKey = current.damaged ? keyOf(damagedMemory) : 0;
}

std::string failureMessage() {
  return std::string(note().message, note().length);
}

bool failureIsDamage() {
  return note().length > 0 && note().damaged;
}

bool failureDamages(std::string_view memory) {
  return failureIsDamage() && !memory.empty() && note().damagedKey == keyOf(memory);
}

} // namespace kestrine
