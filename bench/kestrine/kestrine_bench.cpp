// Speed of the memory through its exports: learning a run of pairs, and looking up and
// searching in a memory of a million pairs. The big memory is built once per run, in
// one batch, in a scratch folder that is removed at exit.

#include "kestrine.h"

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

// Texts shaped like user-interface strings: two to six words of a fixed vocabulary, made
// distinct by a number, the way "Page 12 of 40" or "Item 7" are.
class PairTexts {
public:
  PairTexts() {
    const char *syllables[] = {"ka", "lo", "mi", "te", "ra", "no", "vi", "su", "de", "pa",
                               "ri", "go", "fe", "lu", "ba", "xo", "ne", "to", "si", "ma"};
    std::mt19937 random(11);
    while (m_words.size() < 2000) {
      std::u16string word;
      const int length = 2 + int(random() % 3);
      for (int i = 0; i < length; ++i) {
        const char *syllable = syllables[random() % std::size(syllables)];
        word.append(syllable, syllable + 2);
      }
      if (m_words.size() % 3 == 0)
        word[0] = char16_t(word[0] - 'a' + 'A');
      m_words.push_back(word);
    }
  }

  std::u16string source(int index) const { return text(index, 1); }
  std::u16string target(int index) const { return text(index, 2); }
  const std::u16string &word(int index) const { return m_words[std::size_t(index)]; }

private:
  // splitmix64: a generator that costs nothing to seed per text.
  static std::uint64_t mix(std::uint64_t &state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  std::u16string text(int index, unsigned side) const {
    std::uint64_t state = std::uint64_t(index) * 2 + side;
    auto random = [&state] { return mix(state); };
    const int words = 2 + int(random() % 5);
    std::u16string text;
    for (int i = 0; i < words; ++i) {
      text += m_words[random() % m_words.size()];
      text += u' ';
    }
    const std::string number = std::to_string(index);
    text.append(number.begin(), number.end());
    return text;
  }

  std::vector<std::u16string> m_words;
};

const PairTexts &pairTexts() {
  static const PairTexts texts;
  return texts;
}

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

// A text as a translator meets it again: a stored source with a typo, a letter missing or
// another number; the source scores at least 90 against it.
std::u16string changedText(const std::u16string &text, std::mt19937 &random) {
  std::u16string changed = text;
  switch (random() % 3) {
  case 0:
    changed[random() % changed.size()] = u'q';
    break;
  case 1:
    changed.erase(random() % changed.size(), 1);
    break;
  default:
    changed.back() = changed.back() == u'7' ? u'3' : u'7';
  }
  return changed;
}

void BM_FuzzyTMInAMillionPairs(benchmark::State &state) {
  bigMemory();
  const PairTexts &texts = pairTexts();
  std::vector<std::u16string> queries;
  std::vector<std::u16string> originals;
  std::mt19937 random(17);
  for (int i = 0; i < 1000; ++i) {
    originals.push_back(texts.source(int(random() % kBigMemory)));
    queries.push_back(changedText(originals.back(), random));
  }
  std::vector<double> milliseconds;
  std::size_t next = 0;
  std::int64_t originalFound = 0;
  for (auto _ : state) {
    const std::size_t query = next++ % queries.size();
    TmTextList sources = {};
    TmTextList targets = {};
    std::int32_t scores[5] = {};
    const Clock::time_point start = Clock::now();
    const std::int32_t count = FuzzyTM(queries[query].c_str(), 70, 5, &sources, &targets, scores);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    for (std::int32_t i = 0; i < count; ++i) {
      if (sources.items[i] == originals[query]) {
        ++originalFound;
        break;
      }
    }
    FreeTM(&sources);
    FreeTM(&targets);
  }
  // Each query was made from a stored source, which scores at least 70 against it.
  state.counters["original_found"] = double(originalFound) / double(state.iterations());
  reportMedian(state, milliseconds);
}
BENCHMARK(BM_FuzzyTMInAMillionPairs)->Unit(benchmark::kMillisecond)->Iterations(300);

} // namespace

BENCHMARK_MAIN();
