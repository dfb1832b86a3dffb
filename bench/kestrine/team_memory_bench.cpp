// Speed of the team memory on a PostgreSQL server: eight clients learning at once, and
// GetTM and FuzzyTM in a memory of a million pairs. The server is the one KESTRINE_BENCH_SERVER
// names (a connection URI of an empty database or schema the benchmark may fill), or else a
// throw-away cluster started here with its durability on (fsync, as a real server has it)
// and removed at exit.

#include "fuzzy_lookups.h"
#include "kestrine.h"
#include "memory_store.h"
#include "pair_texts.h"
#include "pg_store.h"
#include "server_cluster.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::u16string widen(const std::string &text) {
  return std::u16string(text.begin(), text.end()); // ASCII texts and URIs
}

struct Server {
  std::string base; // without a schema
  std::string unavailable;
  int schemas = 0;

  Server() {
    if (const char *given = std::getenv("KESTRINE_BENCH_SERVER"); given && *given) {
      base = given;
      return;
    }
    auto &cluster = kestrine_test::ServerCluster::instance();
    if (!cluster.start(true))
      unavailable = cluster.unavailable();
  }
  ~Server() { kestrine_test::ServerCluster::instance().stop(); }

  // A fresh, empty memory.
  std::string memory() {
    auto &cluster = kestrine_test::ServerCluster::instance();
    if (base.empty())
      return cluster.uri(cluster.freshSchema());
    // On a given server each memory is a table prefix of its own schema search path.
    return base + (base.find('?') == std::string::npos ? "?" : "&") +
           "options=-csearch_path%3Dkestrine_bench" + std::to_string(++schemas);
  }
};

Server &server() {
  static Server instance;
  return instance;
}

std::u16string sourceText(int client, int i) {
  return widen("Client " + std::to_string(client) + " text number " + std::to_string(i));
}

void BM_EightClientsLearnTenThousandPairsEach(benchmark::State &state) {
  if (!server().unavailable.empty() || !server().base.empty()) {
    state.SkipWithError(server().unavailable.empty()
                            ? "needs the throw-away cluster (to count the rows)"
                            : ("no PostgreSQL server: " + server().unavailable).c_str());
    return;
  }
  constexpr int kClients = 8;
  constexpr int kPairs = 10000;
  const bool batch = state.range(0) != 0;
  double seconds = 0;
  int errors = 0;
  std::string present;
  for (auto _ : state) {
    const std::string schema = kestrine_test::ServerCluster::instance().freshSchema();
    const std::u16string location = widen(kestrine_test::ServerCluster::instance().uri(schema));
    std::atomic<int> failed{0};
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> clients;
    for (int client = 0; client < kClients; ++client) {
      clients.emplace_back([&, client] {
        kestrine::PgStore store;
        store.setLocation(location);
        if (!store.connect(1033, 1029)) {
          failed += kPairs;
          return;
        }
        if (batch)
          store.beginBatch();
        for (int i = 0; i < kPairs; ++i) {
          if (!store.learn(sourceText(client, i), u"Text", 1))
            ++failed;
        }
        if (batch && store.endBatch().failure != kestrine::BatchOutcome::None)
          ++failed;
      });
    }
    for (std::thread &client : clients)
      client.join();
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    errors = failed;
    std::vector<std::string> rows;
    kestrine_test::ServerCluster::instance().run(
        "SELECT count(*), sum(\"Counter2\") FROM " + schema + ".\"5to9\"", &rows);
    present = rows.empty() ? "none" : rows[0];
    kestrine_test::ServerCluster::instance().run("DROP SCHEMA " + schema + " CASCADE");
  }
  state.counters["seconds"] = seconds;
  state.counters["errors"] = errors;
  const auto bar = present.find('|');
  state.counters["pairs_present"] =
      bar == std::string::npos ? 0 : std::stod(present.substr(0, bar));
  state.counters["sum_of_counts"] =
      bar == std::string::npos ? 0 : std::stod(present.substr(bar + 1));
  if (present != std::to_string(kClients * kPairs) + "|" + std::to_string(kClients * kPairs) ||
      errors != 0)
    state.SkipWithError(("pairs lost or failed: " + present).c_str());
}
BENCHMARK(BM_EightClientsLearnTenThousandPairsEach)
    ->ArgName("batch")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

constexpr int kBigMemory = 1000000;

// A million pairs (English to Czech, table 5to9: Czech in Text1, English in Text2) written
// in bulk through the store's import into a fresh memory; false when that failed.
bool importPairs(const std::string &location, const std::function<kestrine::StoredRow(int)> &pair) {
  kestrine::PgStore store;
  store.setLocation(widen(location));
  if (!store.openOrCreate() || !store.beginImport())
    return false;
  std::vector<kestrine::StoredRow> rows;
  for (int i = 0; i < kBigMemory; ++i) {
    rows.push_back(pair(i));
    if (rows.size() == 10000 || i + 1 == kBigMemory) {
      if (!store.importRows("5to9", rows, false)) {
        store.endImport(false);
        return false;
      }
      rows.clear();
    }
  }
  // Connecting builds the indexes a memory gets on its first connection.
  return store.endImport(true) && store.connect(1033, 1029);
}

// A memory on the server built once per run, with how long that took.
struct BigServerMemory {
  std::string location;
  double buildSeconds = 0;
  bool built = false;

  explicit BigServerMemory(const std::function<kestrine::StoredRow(int)> &pair) {
    if (!server().unavailable.empty())
      return;
    location = server().memory();
    const Clock::time_point start = Clock::now();
    built = importPairs(location, pair);
    buildSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  }
};

BigServerMemory &bigMemory() {
  static BigServerMemory memory([](int i) {
    return kestrine::StoredRow{widen("Preklad " + std::to_string(i)), sourceText(i % 8, i), 0, 1};
  });
  return memory;
}

void BM_GetTMInAMillionPairsOnTheServer(benchmark::State &state) {
  if (!bigMemory().built) {
    state.SkipWithError(("no server memory: " + server().unavailable).c_str());
    return;
  }
  SetTMPath(widen(bigMemory().location).c_str());
  if (ConnectTM(1033, 1029) != 1) {
    state.SkipWithError("cannot connect");
    return;
  }
  std::mt19937 random(5);
  std::vector<std::u16string> queries;
  std::vector<std::u16string> expected;
  for (int q = 0; q < 1000; ++q) {
    const int i = int(random() % kBigMemory);
    queries.push_back(sourceText(i % 8, i));
    expected.push_back(widen("Preklad " + std::to_string(i)));
  }
  std::vector<double> milliseconds;
  std::size_t next = 0;
  std::int64_t wrong = 0;
  for (auto _ : state) {
    TmTextList list = {};
    const std::size_t query = next++ % queries.size();
    const Clock::time_point start = Clock::now();
    const int32_t count = GetTM(queries[query].c_str(), &list);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (count != 1 || std::u16string(list.items[0]) != expected[query])
      ++wrong;
    FreeTM(&list);
  }
  DisconnectTM();
  std::nth_element(milliseconds.begin(), milliseconds.begin() + milliseconds.size() / 2,
                   milliseconds.end());
  state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
  state.counters["build_s"] = bigMemory().buildSeconds;
  if (wrong)
    state.SkipWithError("a stored pair was not found");
}
BENCHMARK(BM_GetTMInAMillionPairsOnTheServer)->Unit(benchmark::kMicrosecond);

// As BM_FuzzyTMInAMillionPairs of the file store, in a memory of the same texts: a stored
// source with a typo, a letter missing or another number, the five best from 70.
void BM_FuzzyTMInAMillionPairsOnTheServer(benchmark::State &state) {
  static BigServerMemory memory([](int i) {
    const kestrine_bench::PairTexts &texts = kestrine_bench::pairTexts();
    return kestrine::StoredRow{texts.target(i), texts.source(i), 0, 1};
  });
  if (!memory.built) {
    state.SkipWithError(("no server memory: " + server().unavailable).c_str());
    return;
  }
  SetTMPath(widen(memory.location).c_str());
  if (ConnectTM(1033, 1029) != 1) {
    state.SkipWithError("cannot connect");
    return;
  }
  const kestrine_bench::FuzzyLookups lookups = kestrine_bench::timeFuzzyLookups(state, kBigMemory);
  DisconnectTM();
  state.counters["median_ms"] = lookups.medianMilliseconds;
  state.counters["p90_ms"] = lookups.p90Milliseconds;
  state.counters["build_s"] = memory.buildSeconds;
  state.counters["original_found"] = lookups.originalFound;
  if (lookups.failed)
    state.SkipWithError("a search failed");
}
BENCHMARK(BM_FuzzyTMInAMillionPairsOnTheServer)->Unit(benchmark::kMillisecond)->Iterations(300);

} // namespace

BENCHMARK_MAIN();
