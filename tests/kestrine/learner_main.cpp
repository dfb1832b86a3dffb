// Learns pairs into a memory that another process may be learning into at the same time,
// then checks that each pair can be found again. Exit code 0 only when all went well.
//
//   kestrine_learner FOLDER NAME COUNT BATCH
//
// Pair i is "NAME i" -> "Target i"; every fourth i also learns "Shared i" -> "Sdílené i",
// which a second learner with the same COUNT learns as well.

#include "kestrine.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Arguments are ASCII (scratch folders, names, numbers); widening is enough.
std::u16string widen(const std::string &text) {
  return std::u16string(text.begin(), text.end());
}

int translations(const std::u16string &text, std::u16string *first) {
  TmTextList list = {};
  const int count = GetTM(text.c_str(), &list);
  if (count > 0 && first)
    *first = list.items[0];
  FreeTM(&list);
  return count;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s FOLDER NAME COUNT BATCH\n", argv[0]);
    return 64;
  }
  const std::string name = argv[2];
  const int count = std::atoi(argv[3]);
  const bool batch = std::atoi(argv[4]) != 0;

  SetTMPath(widen(argv[1]).c_str());
  if (ConnectTM(1029, 1033) != 1) {
    std::fprintf(stderr, "%s: cannot connect\n", name.c_str());
    return 2;
  }
  if (batch && BeginTMBatch() != 1)
    return 2;
  for (int i = 0; i < count; ++i) {
    const std::string number = std::to_string(i);
    AddPair(widen(name + " " + number).c_str(), widen("Target " + number).c_str(), 1);
    if (i % 4 == 0)
      AddPair(widen("Shared " + number).c_str(), (u"Sdílené " + widen(number)).c_str(), 1);
  }
  if (batch && EndTMBatch() != 1) {
    std::fprintf(stderr, "%s: batch not committed\n", name.c_str());
    return 3;
  }

  int failures = 0;
  for (int i = 0; i < count; ++i) {
    const std::string number = std::to_string(i);
    std::u16string found;
    if (translations(widen(name + " " + number), &found) != 1 || found != widen("Target " + number))
      ++failures;
    // However the two learners interleaved, a shared pair is never stored twice.
    if (i % 4 == 0 && translations(widen("Shared " + number), nullptr) != 1)
      ++failures;
  }
  DisconnectTM();
  if (failures) {
    std::fprintf(stderr, "%s: %d pairs missing or doubled\n", name.c_str(), failures);
    return 4;
  }
  return 0;
}
