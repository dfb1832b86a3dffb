// Starting, stopping and removing the throw-away PostgreSQL cluster of a test program.
#include "server_cluster.h"

#include <libpq-fe.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace kestrine_test {

namespace {

const char *const kBin = "/usr/lib/postgresql/15/bin/";
constexpr unsigned kServerUid = 65534; // nobody

std::string lastLines(const std::string &file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  std::string all = text.str();
  if (all.size() > 600)
    all = all.substr(all.size() - 600);
  return all;
}

} // namespace

ServerCluster &ServerCluster::instance() {
  static ServerCluster cluster;
  return cluster;
}

bool ServerCluster::command(const std::string &line, const std::string &what) {
  const std::string log = m_root + "/command.log";
  const int status = std::system((m_asServer + line + " >" + log + " 2>&1").c_str());
  if (status == 0)
    return true;
  m_unavailable = what + " failed: " + lastLines(log);
  return false;
}

bool ServerCluster::start(bool durable) {
  m_durable = durable;
  if (!std::filesystem::exists(std::string(kBin) + "initdb")) {
    m_unavailable = std::string("no initdb in ") + kBin;
    return false;
  }
  const char *base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/kestrine-pg-XXXXXX";
  if (!mkdtemp(pattern.data())) {
    m_unavailable = "no scratch folder";
    return false;
  }
  m_root = pattern;
  m_folder = m_root;
  m_data = m_root + "/data";
  // One cluster per process in a folder of its own, so its socket never meets another's.
  m_port = 20000 + int(getpid() % 20000);
  if (geteuid() == 0) {
    if (chown(m_root.c_str(), kServerUid, kServerUid) != 0) {
      m_unavailable = "cannot hand the scratch folder to nobody";
      return false;
    }
    m_asServer = "setpriv --reuid=" + std::to_string(kServerUid) +
                 " --regid=" + std::to_string(kServerUid) + " --clear-groups ";
  }
  if (!command(std::string(kBin) + "initdb -D " + m_data +
                   " -U kestrine -A trust -E UTF8 --locale=C --no-sync",
               "initdb"))
    return false;
  std::ofstream(m_data + "/pg_hba.conf") << "local all translator scram-sha-256\n"
                                            "local all all trust\n";
  if (!resume())
    return false;
  if (!run("CREATE DATABASE memory")) {
    m_unavailable = "cannot create the test database";
    return false;
  }
  return true;
}

bool ServerCluster::resume() {
  // Durability is no concern of a scratch cluster; the tests run faster without it.
  std::string options = "-k " + m_folder + " -p " + std::to_string(m_port) +
                        " -c listen_addresses= -c max_connections=60";
  if (!m_durable)
    options += " -c fsync=off -c full_page_writes=off";
  if (!command(std::string(kBin) + "pg_ctl -D " + m_data + " -l " + m_root +
                   "/server.log -w -t 60 -o '" + options + "' start",
               "pg_ctl start")) {
    m_unavailable += lastLines(m_root + "/server.log");
    return false;
  }
  m_running = true;
  m_unavailable.clear();
  return true;
}

bool ServerCluster::halt() {
  if (!m_running)
    return false;
  m_running = false;
  return command(std::string(kBin) + "pg_ctl -D " + m_data + " -m fast -w stop", "pg_ctl stop");
}

void ServerCluster::stop() {
  if (m_running)
    command(std::string(kBin) + "pg_ctl -D " + m_data + " -m immediate -w stop", "pg_ctl stop");
  m_running = false;
  if (!m_root.empty()) {
    std::error_code error;
    std::filesystem::remove_all(m_root, error);
  }
  m_root.clear();
}

std::string ServerCluster::uri(const std::string &schema) const {
  std::string uri =
      "postgresql://kestrine@/memory?host=" + m_folder + "&port=" + std::to_string(m_port);
  if (!schema.empty())
    uri += "&options=-csearch_path%3D" + schema;
  return uri;
}

bool ServerCluster::run(const std::string &sql, std::vector<std::string> *rows,
                        const std::string &in) const {
  const bool ofDatabases = sql.find(" DATABASE ") != std::string::npos &&
                           (sql.rfind("CREATE", 0) == 0 || sql.rfind("DROP", 0) == 0);
  const std::string database = !in.empty() ? in : ofDatabases ? "postgres" : "memory";
  const std::string conninfo =
      "host=" + m_folder + " port=" + std::to_string(m_port) + " user=kestrine dbname=" + database;
  PGconn *conn = PQconnectdb(conninfo.c_str());
  bool ok = PQstatus(conn) == CONNECTION_OK;
  if (ok) {
    PQsetNoticeProcessor(
        conn, [](void *, const char *) {}, nullptr);
    PGresult *result = PQexec(conn, sql.c_str());
    const ExecStatusType status = PQresultStatus(result);
    ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (ok && rows) {
      for (int row = 0; row < PQntuples(result); ++row) {
        std::string line;
        for (int column = 0; column < PQnfields(result); ++column)
          line += (column ? "|" : "") + std::string(PQgetvalue(result, row, column));
        rows->push_back(line);
      }
    }
    PQclear(result);
  }
  PQfinish(conn);
  return ok;
}

std::string ServerCluster::freshSchema() {
  const std::string schema = "memory" + std::to_string(++m_schemas);
  run("CREATE SCHEMA " + schema);
  return schema;
}

} // namespace kestrine_test
