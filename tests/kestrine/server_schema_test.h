// A test on the throw-away server with a schema of its own, dropped again at its end.
#pragma once

#include "server_environment.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrine_test {

class ServerSchemaTest : public ::testing::Test {
protected:
  void SetUp() override {
    REQUIRE_SERVER();
    m_schema = cluster().freshSchema();
  }
  void TearDown() override {
    if (!m_schema.empty())
      cluster().run("DROP SCHEMA " + m_schema + " CASCADE");
  }

  static ServerCluster &cluster() { return ServerCluster::instance(); }
  // The memory in the test's schema.
  std::string uri() const { return cluster().uri(m_schema); }

  std::string m_schema;
};

} // namespace kestrine_test
