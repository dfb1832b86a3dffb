// Sample memories and queries for the fuzzy search, and the answer a scan gives.
#include "fuzzy_samples.h"

#include "similarity.h"
#include "test_support.h"
#include "text_folding.h"

#include <algorithm>

namespace kestrine_test {

using kestrine::comparisonForm;
using kestrine::similarityScore;

// Texts shaped like user-interface strings, from a small vocabulary so that runs of three
// are shared widely, with short ones among them.
std::vector<std::string> sampleTexts(std::size_t count, unsigned seed) {
  const char *words[] = {"Open",    "file",   "Save",   "as",        "&Print", "page",    "Close",
                         "window",  "Edit",   "copy",   "paste",     "%d",     "items",   "of",
                         "Options", "OK",     "Cancel", "Help",      "Find",   "next",    "Replace",
                         "all",     "Zoom",   "in",     "out",       "Tools",  "Ansicht", "Größe",
                         "Datei",   "öffnen", "x",      "Properties"};
  std::mt19937 random(seed);
  std::vector<std::string> texts;
  while (texts.size() < count) {
    const int length = 1 + int(random() % 4);
    std::string text;
    for (int i = 0; i < length; ++i) {
      if (i)
        text += ' ';
      text += words[random() % std::size(words)];
    }
    if (random() % 3 == 0)
      text += std::to_string(random() % 50);
    texts.push_back(text);
  }
  return texts;
}

// One edit or two of a text: typos, a dropped or added character, a changed case.
std::string varied(std::string text, std::mt19937 &random) {
  const int edits = 1 + int(random() % 2);
  for (int i = 0; i < edits && !text.empty(); ++i) {
    const std::size_t at = random() % text.size();
    switch (random() % 4) {
    case 0:
      text[at] = 'q';
      break;
    case 1:
      text.erase(at, 1);
      break;
    case 2:
      text.insert(at, 1, 'z');
      break;
    default:
      text[at] = char(std::toupper(static_cast<unsigned char>(text[at])));
    }
  }
  return text;
}

Pairs samplePairs(std::size_t count, unsigned seed) {
  Pairs pairs;
  for (const std::string &text : sampleTexts(count, seed))
    pairs.emplace_back(text, "T:" + text);
  // Learning a source twice with the same target counts it; keep one row per pair.
  std::sort(pairs.begin(), pairs.end());
  pairs.erase(std::unique(pairs.begin(), pairs.end(),
                          [](const auto &a, const auto &b) {
                            return kestrine::compareFolded(a.first, b.first) == 0;
                          }),
              pairs.end());
  std::shuffle(pairs.begin(), pairs.end(), std::mt19937(5));
  return pairs;
}

// The same answer from reading every row, as the index must give it.
std::vector<std::string> scan(const Pairs &pairs, const std::string &text, std::int32_t minScore,
                              std::size_t maxCount) {
  struct Row {
    std::int32_t score;
    std::size_t order;
    std::string line;
  };
  std::vector<Row> rows;
  const std::u16string query = comparisonForm(toUtf16(text));
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const std::int32_t score = similarityScore(query, comparisonForm(toUtf16(pairs[i].first)));
    if (score >= minScore)
      rows.push_back(
          {score, i, std::to_string(score) + " " + pairs[i].first + "=" + pairs[i].second});
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Row &a, const Row &b) { return a.score > b.score; });
  std::vector<std::string> out;
  for (std::size_t i = 0; i < rows.size() && i < maxCount; ++i)
    out.push_back(rows[i].line);
  return out;
}

} // namespace kestrine_test
