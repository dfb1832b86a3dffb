// Times FuzzyTM on typo'd stored sources, for the file store's and the server's benchmark.
#pragma once

#include "kestrine.h"
#include "pair_texts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

namespace kestrine_bench {

struct FuzzyLookups {
  double medianMilliseconds = 0;
  double p90Milliseconds = 0; // the slow tail: a lookup in ten takes longer
  double originalFound = 0;   // the share of lookups that found the source they were made from
  std::int64_t failed = 0;
};

// In the connected memory of `count` pairs of pairTexts(): a stored source with a typo, a
// letter missing or another number, the five best from 70, once per iteration.
inline FuzzyLookups timeFuzzyLookups(benchmark::State &state, int count) {
  using Clock = std::chrono::steady_clock;
  const PairTexts &texts = pairTexts();
  std::vector<std::u16string> queries;
  std::vector<std::u16string> originals;
  std::mt19937 random(17);
  for (int i = 0; i < 1000; ++i) {
    originals.push_back(texts.source(int(random() % unsigned(count))));
    queries.push_back(changedText(originals.back(), random));
  }
  std::vector<double> milliseconds;
  std::size_t next = 0;
  std::int64_t found = 0;
  FuzzyLookups result;
  for (auto _ : state) {
    const std::size_t query = next++ % queries.size();
    TmTextList sources = {};
    TmTextList targets = {};
    std::int32_t scores[5] = {};
    const Clock::time_point start = Clock::now();
    const std::int32_t matches = FuzzyTM(queries[query].c_str(), 70, 5, &sources, &targets, scores);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    result.failed += matches < 0;
    for (std::int32_t i = 0; i < matches; ++i) {
      if (sources.items[i] == originals[query]) {
        ++found;
        break;
      }
    }
    FreeTM(&sources);
    FreeTM(&targets);
  }
  if (milliseconds.empty())
    return result;
  std::sort(milliseconds.begin(), milliseconds.end());
  result.medianMilliseconds = milliseconds[milliseconds.size() / 2];
  result.p90Milliseconds = milliseconds[milliseconds.size() * 9 / 10];
  // Each query was made from a stored source, which scores at least 70 against it.
  result.originalFound = double(found) / double(state.iterations());
  return result;
}

} // namespace kestrine_bench
