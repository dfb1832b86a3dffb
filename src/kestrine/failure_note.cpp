// The per-thread note of why the current export call failed.
#include "failure_note.h"

#include "pg_connection.h"

#include <algorithm>

namespace kestrine {

namespace {

constexpr std::size_t kMessageLength = 1024;

// Plain data: a thread-local with a destructor would keep the library loaded, or outlive
// it, after the last dlclose. The damaged memory is kept as a hash of its name.
struct Note {
  char message[kMessageLength];
  std::size_t length;
  std::uint64_t damagedKey;
  FailureKind kind;
  // The message as GetTMLastError hands it out, made when it is asked for.
  char16_t wide[kMessageLength + 1];
  bool wideMade;
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

void keep(std::string_view message, FailureKind kind, std::uint64_t damagedKey) {
  Note &current = note();
  const std::string_view text = trimmed(message.empty() ? "unknown failure" : message);
  current.length = std::min(text.size(), sizeof current.message);
  std::copy_n(text.data(), current.length, current.message);
  current.kind = kind;
  current.damagedKey = damagedKey;
  current.wideMade = false;
}

} // namespace

void clearFailure() {
  note().length = 0;
  note().kind = FailureKind::None;
  note().wideMade = false;
}

void noteFailure(std::string_view message, std::string_view damagedMemory) {
  const Note &current = note();
  if (current.length > 0 && (damagedMemory.empty() || current.kind == FailureKind::Damaged))
    return;
  if (damagedMemory.empty())
    keep(message, FailureKind::Failed, 0);
  else
    keep(message, FailureKind::Damaged, keyOf(damagedMemory));
}

void noteBusy(std::string_view message) {
  if (note().length == 0)
    keep(message, FailureKind::Busy, 0);
}

std::string failureMessage() {
  return std::string(note().message, note().length);
}

FailureKind failureKind() {
  return note().length > 0 ? note().kind : FailureKind::None;
}

bool failureIsDamage() {
  return failureKind() == FailureKind::Damaged;
}

bool failureDamages(std::string_view memory) {
  return failureIsDamage() && !memory.empty() && note().damagedKey == keyOf(memory);
}

const char16_t *failureMessageUtf16() {
  Note &current = note();
  if (!current.wideMade) {
    const std::u16string text = pg::toUtf16({current.message, current.length});
    std::size_t length = std::min(text.size(), kMessageLength);
    if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 &&
        text[length - 1] < 0xDC00)
      --length; // no half of a surrogate pair at the cut
    std::copy_n(text.begin(), length, current.wide);
    current.wide[length] = 0;
    current.wideMade = true;
  }
  return current.wide;
}

} // namespace kestrine
