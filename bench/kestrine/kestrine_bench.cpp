// Speed of the memory through its exports: learning a run of pairs, and looking up and
// searching in a memory of a million pairs. The big memory is built once per run, in
// one batch, in a scratch folder that is removed at exit.

#include "fuzzy_lookups.h"
#include "kestrine.h"
#include "pair_texts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using kestrine_bench::PairTexts;
using kestrine_bench::pairTexts;

class ScratchFolder {
public:
  ScratchFolder() {
    const char *base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kestrine-bench-XXXXXX";
    if (mkdtemp(pattern.data()))
      m_path = pattern;
  }
  ~ScratchFolder() {
    std::error_code error;
    if (!m_path.empty())
      std::filesystem::remove_all(m_path, error);
  }
  std::u16string u16() const {
    const std::string path = m_path.string();
    return std::u16string(path.begin(), path.end()); // mkdtemp names are ASCII
  }

private:
  std::filesystem::path m_path;
};

void learn(int first, int count) {
  const PairTexts &texts = pairTexts();
  for (int i = first; i < first + count; ++i)
    AddPair(texts.source(i).c_str(), texts.target(i).c_str(), 1);
}

void learnDistinctPairs(benchmark::State &state, bool batch) {
  const int count = int(state.range(0));
  std::vector<std::u16string> sources;
  std::vector<std::u16string> targets;
  for (int i = 0; i < count; ++i) {
    sources.push_back(pairTexts().source(i));
    targets.push_back(pairTexts().target(i));
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto folder = std::make_unique<ScratchFolder>();
    SetTMPath(folder->u16().c_str());
    state.ResumeTiming();

    ConnectTM(1033, 1029);
    if (batch)
      BeginTMBatch();
    for (int i = 0; i < count; ++i)
      AddPair(sources[std::size_t(i)].c_str(), targets[std::size_t(i)].c_str(), 1);
    if (batch)
      EndTMBatch();
    DisconnectTM();

    state.PauseTiming();
    folder.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_LearnDistinctPairsInABatch(benchmark::State &state) {
  learnDistinctPairs(state, true);
}
void BM_LearnDistinctPairsOneByOne(benchmark::State &state) {
  learnDistinctPairs(state, false);
}
BENCHMARK(BM_LearnDistinctPairsInABatch)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LearnDistinctPairsOneByOne)->Arg(20000)->Unit(benchmark::kMillisecond);

// The memory of a million pairs, built at first use and connected English to Czech.
constexpr int kBigMemory = 1000000;

// KESTRINE_BENCH_MEMORY names a folder that keeps the big memory between runs: built there
// when it holds none, else used as it is.
struct BigMemory {
  ScratchFolder folder;
  double buildSeconds = 0;

  BigMemory() {
    const char *kept = std::getenv("KESTRINE_BENCH_MEMORY");
    const std::string path = kept && *kept ? kept : std::string();
    const bool built = !path.empty() && std::filesystem::exists(path + "/Kestrine.db");
    const std::u16string folderPath =
        path.empty() ? folder.u16() : std::u16string(path.begin(), path.end());
    SetTMPath(folderPath.c_str());
    const Clock::time_point start = Clock::now();
    ConnectTM(1033, 1029);
    if (!built) {
      BeginTMBatch();
      learn(0, kBigMemory);
      EndTMBatch();
    }
    buildSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  }
  ~BigMemory() { DisconnectTM(); }
};

BigMemory &bigMemory() {
  static BigMemory memory;
  return memory;
}

void reportMedian(benchmark::State &state, std::vector<double> &milliseconds) {
  if (milliseconds.empty())
    return;
  std::nth_element(milliseconds.begin(), milliseconds.begin() + milliseconds.size() / 2,
                   milliseconds.end());
  state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
  state.counters["build_s"] = bigMemory().buildSeconds;
}

void BM_GetTMInAMillionPairs(benchmark::State &state) {
  bigMemory();
  const PairTexts &texts = pairTexts();
  std::vector<std::u16string> queries;
  std::mt19937 random(5);
  for (int i = 0; i < 1000; ++i)
    queries.push_back(texts.source(int(random() % kBigMemory)));
  std::vector<double> milliseconds;
  std::size_t next = 0;
  std::int64_t found = 0;
  for (auto _ : state) {
    TmTextList list = {};
    const Clock::time_point start = Clock::now();
    found += GetTM(queries[next++ % queries.size()].c_str(), &list);
    FreeTM(&list);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  if (found != std::int64_t(state.iterations()))
    state.SkipWithError("a learnt pair was not found");
  reportMedian(state, milliseconds);
}
BENCHMARK(BM_GetTMInAMillionPairs)->Unit(benchmark::kMicrosecond);

void BM_SearchTMOneWordInAMillionPairs(benchmark::State &state) {
  bigMemory();
  const PairTexts &texts = pairTexts();
  std::vector<double> milliseconds;
  int word = 0;
  std::int64_t found = 0;
  for (auto _ : state) {
    const char16_t *words[] = {texts.word(word++ * 7 % 2000).c_str()};
    TmTextList wordList = {1, words, nullptr};
    TmTextList sources = {};
    TmTextList targets = {};
    const Clock::time_point start = Clock::now();
    found += SearchTM(&wordList, 1, &sources, &targets);
    FreeTM(&sources);
    FreeTM(&targets);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  state.counters["pairs_found"] = double(found) / double(state.iterations());
  reportMedian(state, milliseconds);
}
BENCHMARK(BM_SearchTMOneWordInAMillionPairs)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_FuzzyTMInAMillionPairs(benchmark::State &state) {
  bigMemory();
  const kestrine_bench::FuzzyLookups lookups = kestrine_bench::timeFuzzyLookups(state, kBigMemory);
  state.counters["original_found"] = lookups.originalFound;
  state.counters["median_ms"] = lookups.medianMilliseconds;
  state.counters["p90_ms"] = lookups.p90Milliseconds;
  state.counters["build_s"] = bigMemory().buildSeconds;
}
BENCHMARK(BM_FuzzyTMInAMillionPairs)->Unit(benchmark::kMillisecond)->Iterations(300);

} // namespace

BENCHMARK_MAIN();
