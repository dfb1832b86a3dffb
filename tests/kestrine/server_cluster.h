// A throw-away PostgreSQL cluster for one test program.
#pragma once

// A throw-away PostgreSQL cluster for one test program: initdb in a scratch folder, the
// server listening only on a socket in that folder, removed again at the end. Under root
// the server runs as "nobody", which the server insists on. When no server can be started
// the tests that need one skip with the reason.

#include <string>
#include <vector>

namespace kestrine_test {

class ServerCluster {
public:
  // The cluster of this test program (started by ServerEnvironment).
  static ServerCluster &instance();

  // `durable` keeps the server's fsync; tests go without, benchmarks measure with it.
  bool start(bool durable = false);
  void stop();
  // Stops the server without removing the cluster, and starts it again.
  bool halt();
  bool resume();

  // Empty while the server runs, else why it does not.
  const std::string &unavailable() const { return m_unavailable; }
  const std::string &socketFolder() const { return m_folder; }
  const std::string &dataFolder() const { return m_data; }
  int port() const { return m_port; }

  // A URI for the test database as the superuser, with `schema` first on the search path.
  std::string uri(const std::string &schema = {}) const;
  // Runs SQL as the superuser in the test database (or `database`); the first column of
  // each row, "|"-joined columns per row. False when the statement failed.
  bool run(const std::string &sql, std::vector<std::string> *rows = nullptr,
           const std::string &database = {}) const;
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
  bool m_durable = false;
  std::string m_unavailable = "the server was not started";
};

} // namespace kestrine_test
