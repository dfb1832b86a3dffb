// The TmTextList that crosses the library boundary: filled as one allocation.
#pragma once

// Filling, reading and emptying the TmTextList that crosses the library boundary. A list
// the library fills is one allocation: the pointer array followed by the texts, so that
// emptying it is one free and nothing can be released twice.

#include "kestrine.h"

#include <string>
#include <vector>

namespace kestrine {

void emptyList(TmTextList *list);

// Replaces the list's content; false (and an empty list) when memory ran out.
bool fillList(TmTextList *list, const std::vector<std::u16string> &texts);

// Copies the texts of a list filled by either side; a null entry reads as empty.
std::vector<std::u16string> readList(const TmTextList *list);

} // namespace kestrine
