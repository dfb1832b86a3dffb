// Sample memories and queries for the fuzzy search, and the answer a scan of every pair gives.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kestrine_test {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Texts shaped like user-interface strings, from a small vocabulary so that runs of three
// are shared widely, with short ones among them.
std::vector<std::string> sampleTexts(std::size_t count, unsigned seed);

// One edit or two of a text: typos, a dropped or added character, a changed case.
std::string varied(std::string text, std::mt19937 &random);

// Sample sources with the target "T:" + source, one pair per source (compared without
// regard to case), shuffled.
Pairs samplePairs(std::size_t count, unsigned seed);

// "score source=target" for the pairs (each used once, in learning order) whose source
// scores at least minScore against the text, best first, as the stores must give them.
std::vector<std::string> scan(const Pairs &pairs, const std::string &text, std::int32_t minScore,
                              std::size_t maxCount);

} // namespace kestrine_test
