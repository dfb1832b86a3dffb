// The throw-away server as a GoogleTest environment.
#pragma once

// The throw-away server as a GoogleTest environment: started once before the first test
// of a program, removed after the last. Tests that need it skip with the reason when it
// could not be started.

#include "server_cluster.h"

#include <gtest/gtest.h>

namespace kestrine_test {

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
