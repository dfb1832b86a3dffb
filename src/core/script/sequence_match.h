// Longest common subsequence of two sequences, for following an old text's lines.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace tarvelo {

// Pairs (i, j) of equal elements a[i] and b[j], increasing in both, forming a longest
// common subsequence of the two. Elements are given by hashes, and `equal` confirms a
// pair whose hashes agree. Beyond maxEdits differences only the common start and end
// are paired: the middle counts as changed.
std::vector<std::pair<int, int>> matchSequences(const std::vector<std::uint64_t> &a,
                                                const std::vector<std::uint64_t> &b,
                                                const std::function<bool(int, int)> &equal,
                                                int maxEdits = 2000);

} // namespace tarvelo
