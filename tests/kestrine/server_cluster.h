#pragma once

// A throw-away PostgreSQL cluster for one test program: initdb in a scratch folder, the
// server listening only on a socket in that folder, removed again at the end. Under root
// the server runs as "nobody", which the server insists on. When no server can be started
// the tests that need one skip with the reason.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrine_test {

class ServerCluster {
public:
  // The cluster of this test program (started by ServerEnvironment).
  static ServerCluster &instance();

  bool start();
  void stop();
  // Stops the server without removing the cluster, and starts it again.
  bool halt();
  bool resume();

  // Empty while the server runs, else why it does not.
  const std::string &unavailable() const { return m_unavailable; }
  const std::string &socketFolder() const { return m_folder; }
  int port() const { return m_port; }

  // A URI for the test database as the superuser, with `schema` first on the search path.
  std::string uri(const std::string &schema = {}) const;
  // Runs SQL as the superuser; the first column of each row, "|"-joined columns per row.
  // False when the statement failed.
  bool run(const std::string &sql, std::vector<std::string> *rows = nullptr) const;
  // A schema of its own for one test.
  std::string freshSchema();

private:
  bool command(const std::string &line, const std::string &what);

  std::string m_root;   // scratch folder
  std::string m_folder; // socket folder
  std::string m_data;
  std::string m_asServer; // prefix that runs a command as the server's user
  int m_port = 0;
  int m_schemas = 0;
  bool m_running = false;
  std::string m_unavailable = "the server was not started";
};

class ServerEnvironment : public ::testing::Environment {
public:
  void SetUp() override { ServerCluster::instance().start(); }
  void TearDown() override {
    // Kept for the end: why the server tests did not run, if they did not.
    m_unavailable = ServerCluster::instance().unavailable();
    ServerCluster::instance().stop();
  }
  const std::string &unavailable() const { return m_unavailable; }

private:
  std::string m_unavailable;
};

#define REQUIRE_SERVER()                                                                           \
  do {                                                                                             \
    if (!::kestrine_test::ServerCluster::instance().unavailable().empty())                         \
      GTEST_SKIP() << "no PostgreSQL server: "                                                     \
                   << ::kestrine_test::ServerCluster::instance().unavailable();                    \
  } while (0)

} // namespace kestrine_test
