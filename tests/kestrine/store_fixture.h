// One memory on either store, for behaviour tests that run against both.
#pragma once

// The memory behind the exports on either store, so that one suite of behaviour tests
// runs against the SQLite file and the PostgreSQL server alike.

#include "kestrine_library.h"
#include "server_environment.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kestrine_test {

// One empty memory of a kind, and a look at what it holds from outside the library.
class StoreUnderTest {
public:
  virtual ~StoreUnderTest() = default;
  virtual std::string location() const = 0;
  // Every row of a table in storage order, one "Text1|Text2|Counter1|Counter2" per line.
  virtual std::string rows(const std::string &table) const = 0;
  virtual std::vector<std::string> tables() const = 0;
  // Overwrites 4 KB in the middle of a table's data with noise, while nothing is connected.
  virtual bool damage(const std::string &table) = 0;
  // Changes with any row written into the damaged table: the file's bytes; the server's id
  // sequence and the table's first rows, read through its primary key.
  virtual std::string writeMark(const std::string &table) const = 0;
};

enum class StoreKind { File, Server };
std::unique_ptr<StoreUnderTest> makeStore(StoreKind kind);
std::string storeName(const ::testing::TestParamInfo<StoreKind> &info);

struct Searched {
  int32_t result = 0;
  std::vector<std::string> sources;
  std::vector<std::string> targets;
};

// What GetTMError said of the last call.
struct CallError {
  int32_t result = 0;
  std::string reason;
};

class SharedMemoryTest : public ::testing::TestWithParam<StoreKind> {
protected:
  void SetUp() override;
  void TearDown() override;

  // Points the library at a further empty memory of the same kind (not connecting).
  std::unique_ptr<StoreUnderTest> another();
  void use(const StoreUnderTest &store);

  bool connect(int32_t source, int32_t target) { return m_library.connectTM(source, target) == 1; }
  int32_t add(const std::string &source, const std::string &target, int32_t increment = 1);
  int32_t remove(const std::string &source, const std::string &target);
  std::vector<std::string> lookup(const std::string &text);
  Searched search(const std::vector<std::string> &words, bool allWords);
  // "score source=target" per match of FuzzyTM.
  std::vector<std::string> fuzzy(const std::string &text, int32_t minScore, int32_t maxCount = 20);
  std::string rows(const std::string &table) const { return m_store->rows(table); }
  CallError lastError();

  std::unique_ptr<StoreUnderTest> m_store; // declared first: it outlives the connection
  KestrineLibrary m_library;
};

} // namespace kestrine_test
