// The server store where it differs from a file: clients learning at once, a lost
// connection, locks held by others, credentials from libpq's own files, and the choice
// of store by location.

#include "kestrine_library.h"
#include "pg_store.h"
#include "server_schema_test.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <fstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace kestrine_test {
namespace {

using kestrine::PgStore;
using Texts = std::vector<std::string>;

constexpr int32_t kCzech = 1029;
constexpr int32_t kEnglish = 1033;

class ServerTest : public ServerSchemaTest {
protected:
  // A client of its own, as another program would be.
  std::unique_ptr<PgStore> client(int32_t source = kCzech, int32_t target = kEnglish) {
    auto store = std::make_unique<PgStore>();
    store->setLocation(toUtf16(uri()));
    EXPECT_TRUE(store->connect(source, target));
    return store;
  }

  std::vector<std::string> query(const std::string &sql) {
    std::vector<std::string> rows;
    EXPECT_TRUE(cluster().run(sql, &rows)) << sql;
    return rows;
  }
  std::string table() const { return m_schema + ".\"5to9\""; }

  static Texts translations(PgStore &store, const std::string &text) {
    Texts out;
    for (const std::u16string &found : store.lookup(toUtf16(text)).translations)
      out.push_back(toUtf8(found));
    return out;
  }
};

pid_t startLearner(const std::string &location, const std::string &name, int count, bool batch) {
  std::vector<std::string> arguments = {KESTRINE_LEARNER, location, name, std::to_string(count),
                                        batch ? "1" : "0"};
  std::vector<char *> argv;
  for (std::string &argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, KESTRINE_LEARNER, nullptr, nullptr, argv.data(), environ) != 0)
    return -1;
  return pid;
}

int exitCode(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
    return -1;
  return WEXITSTATUS(status);
}

TEST_F(ServerTest, ProgramsLearningAtOnceLoseNoPairAndNoIncrement) {
  struct Case {
    int learners;
    bool batch;
  };
  for (const Case c : {Case{3, false}, Case{4, true}}) {
    SCOPED_TRACE(c.batch ? "batch" : "pair by pair");
    constexpr int kCount = 400;
    std::vector<pid_t> pids;
    for (int i = 0; i < c.learners; ++i)
      pids.push_back(startLearner(uri(), "Learner" + std::to_string(i), kCount, c.batch));
    for (pid_t pid : pids)
      EXPECT_EQ(exitCode(pid), 0);
    // Every learner learnt every fourth "Shared i": one row each, with all the counts.
    EXPECT_EQ(query("SELECT count(*), sum(\"Counter1\"), max(\"Counter1\") FROM " + table() +
                    " WHERE \"Text1\" LIKE 'Shared %'"),
              Texts{std::to_string(kCount / 4) + "|" + std::to_string(c.learners * kCount / 4) +
                    "|" + std::to_string(c.learners)});
    EXPECT_EQ(query("SELECT count(*) FROM " + table() + " WHERE \"Text1\" LIKE 'Learner%'"),
              Texts{std::to_string(c.learners * kCount)});
    query("DELETE FROM " + table());
  }
}

TEST_F(ServerTest, ClientsLearningTheSamePairsInOppositeOrderNeitherDeadlockNorDouble) {
  constexpr int kPairs = 150;
  auto learn = [this](bool reverse, bool batch, bool oppositeDirection) {
    std::unique_ptr<PgStore> store =
        oppositeDirection ? client(kEnglish, kCzech) : client(kCzech, kEnglish);
    if (batch)
      store->beginBatch();
    for (int k = 0; k < kPairs; ++k) {
      const int i = reverse ? kPairs - 1 - k : k;
      const std::u16string czech = toUtf16("Věta " + std::to_string(i));
      const std::u16string english = toUtf16("Sentence " + std::to_string(i));
      EXPECT_TRUE(oppositeDirection ? store->learn(english, czech, 1)
                                    : store->learn(czech, english, 1));
    }
    if (batch) {
      EXPECT_EQ(store->endBatch().failure, kestrine::BatchOutcome::None);
    }
  };
  std::thread first(learn, false, true, false);
  std::thread second(learn, true, true, false);
  std::thread third(learn, true, false, false);
  std::thread fourth(learn, false, false, true); // the same pairs seen from English
  first.join();
  second.join();
  third.join();
  fourth.join();
  EXPECT_EQ(query("SELECT count(*), min(\"Counter1\"), max(\"Counter1\"), min(\"Counter2\"), "
                  "max(\"Counter2\") FROM " +
                  table()),
            Texts{std::to_string(kPairs) + "|3|3|1|1"});
}

TEST_F(ServerTest, ASessionEndedByTheServerIsReconnectedOnce) {
  std::unique_ptr<PgStore> store = client();
  ASSERT_TRUE(store->learn(u"Ano", u"Yes", 1));
  ASSERT_EQ(store->beginBatch(), true);
  ASSERT_TRUE(store->learn(u"Ne", u"No", 1));
  EXPECT_EQ(store->endBatch().stored, 1);

  struct Step {
    const char *what;
    std::function<bool(PgStore &)> call;
  };
  const Step steps[] = {
      {"lookup", [](PgStore &s) { return translations(s, "Ano") == Texts{"Yes"}; }},
      {"learn", [](PgStore &s) { return s.learn(u"Ano", u"Yes", 1); }},
      {"search", [](PgStore &s) { return s.search({u"an"}, true).targets.size() == 1; }},
      {"delete", [](PgStore &s) { return s.deletePair(u"Ne", u"No"); }},
      {"list", [](PgStore &s) { return s.list(0, 10).read; }},
  };
  for (const Step &step : steps) {
    const Texts ended = query("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE "
                              "application_name = 'Kestrine'");
    EXPECT_EQ(ended, Texts{"t"}) << step.what;
    EXPECT_TRUE(step.call(*store)) << step.what;
  }
  EXPECT_EQ(query("SELECT \"Text1\", \"Text2\", \"Counter1\" FROM " + table()), Texts{"Ano|Yes|2"});
}

TEST_F(ServerTest, PairsOfABatchLostWithTheSessionFailTheBatch) {
  std::unique_ptr<PgStore> store = client();
  ASSERT_TRUE(store->beginBatch());
  ASSERT_TRUE(store->learn(u"Ano", u"Yes", 1));
  query("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE application_name = "
        "'Kestrine'");
  EXPECT_FALSE(store->learn(u"Ne", u"No", 1));
  const kestrine::BatchOutcome outcome = store->endBatch();
  EXPECT_EQ(outcome.failure, kestrine::BatchOutcome::Failed);
  EXPECT_EQ(outcome.stored, 0);
  EXPECT_EQ(query("SELECT count(*) FROM " + table()), Texts{"0"});
  EXPECT_TRUE(store->learn(u"Ne", u"No", 1)); // the next call has a new session
  EXPECT_EQ(query("SELECT count(*) FROM " + table()), Texts{"1"});
}

TEST_F(ServerTest, AServerThatIsGoneFailsEachCallUntilItIsBack) {
  std::unique_ptr<PgStore> store = client();
  ASSERT_TRUE(store->learn(u"Ano", u"Yes", 1));
  ASSERT_TRUE(cluster().halt());
  EXPECT_FALSE(store->lookup(u"Ano").read);
  EXPECT_FALSE(store->learn(u"Ne", u"No", 1));
  EXPECT_TRUE(store->search({u"Ano"}, true).targets.empty());
  EXPECT_FALSE(store->deletePair(u"Ano", u"Yes"));
  EXPECT_FALSE(store->list(0, 10).read);
  PgStore another;
  another.setLocation(toUtf16(uri()));
  EXPECT_FALSE(another.connect(kCzech, kEnglish));
  EXPECT_NE(PgStore::probe(uri()), "");
  ASSERT_TRUE(cluster().resume()) << cluster().unavailable();
  EXPECT_EQ(translations(*store, "Ano"), Texts{"Yes"});
  EXPECT_TRUE(another.connect(kCzech, kEnglish));
}

TEST_F(ServerTest, ALockHeldLongerThanTheBusyTimeoutEndsTheBatchAsBusy) {
  std::unique_ptr<PgStore> store = client();
  ASSERT_TRUE(store->learn(u"Ano", u"Yes", 1));
  store->setBusyTimeout(std::chrono::milliseconds(200));
  const std::string conninfo = "host=" + cluster().socketFolder() +
                               " port=" + std::to_string(cluster().port()) +
                               " user=kestrine dbname=memory";
  PGconn *holder = PQconnectdb(conninfo.c_str());
  ASSERT_EQ(PQstatus(holder), CONNECTION_OK);
  PQclear(PQexec(holder, ("BEGIN; LOCK TABLE " + table() + " IN ACCESS EXCLUSIVE MODE").c_str()));

  ASSERT_TRUE(store->beginBatch());
  EXPECT_FALSE(store->learn(u"Ne", u"No", 1));
  const kestrine::BatchOutcome outcome = store->endBatch();
  EXPECT_EQ(outcome.failure, kestrine::BatchOutcome::Busy);
  EXPECT_EQ(outcome.stored, 0);
  EXPECT_FALSE(store->learn(u"Ne", u"No", 1)); // still held: this one fails by itself
  PQclear(PQexec(holder, "COMMIT"));
  PQfinish(holder);
  EXPECT_TRUE(store->learn(u"Ne", u"No", 1));
  EXPECT_EQ(translations(*store, "Ne"), Texts{"No"});
}

TEST_F(ServerTest, CredentialsComeFromTheServiceFileAndThePasswordFile) {
  TempFolder folder;
  const std::string services = (folder.path() / "pg_service.conf").string();
  std::ofstream(services) << "[teammemory]\nhost=" << cluster().socketFolder()
                          << "\nport=" << cluster().port() << "\ndbname=memory\nuser=kestrine\n";
  const std::string passwords = (folder.path() / "pgpass").string();
  std::ofstream(passwords) << "*:*:*:translator:secret\n";
  chmod(passwords.c_str(), 0600);
  cluster().run("DROP ROLE IF EXISTS translator");
  ASSERT_TRUE(cluster().run("CREATE ROLE translator LOGIN PASSWORD 'secret'"));
  cluster().run("GRANT ALL ON SCHEMA " + m_schema + " TO translator");

  const std::string asTranslator =
      "postgresql://translator@/memory?host=" + cluster().socketFolder() +
      "&port=" + std::to_string(cluster().port()) + "&options=-csearch_path%3D" + m_schema;
  struct Case {
    std::string uri;
    const char *passwordFile;
    bool reachable;
  };
  const Case cases[] = {
      {"postgresql://?service=teammemory", nullptr, true},
      {"postgres://?service=nosuchservice", nullptr, false},
      {asTranslator, "none", false}, // no password anywhere
      {asTranslator, "pgpass", true},
  };
  setenv("PGSERVICEFILE", services.c_str(), 1);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.uri);
    if (c.passwordFile)
      setenv("PGPASSFILE", (folder.path() / c.passwordFile).c_str(), 1);
    const std::string why = PgStore::probe(c.uri);
    EXPECT_EQ(why.empty(), c.reachable) << why;
    unsetenv("PGPASSFILE");
  }
  setenv("PGPASSFILE", passwords.c_str(), 1);
  PgStore store;
  store.setLocation(toUtf16(asTranslator));
  ASSERT_TRUE(store.connect(kCzech, kEnglish));
  EXPECT_TRUE(store.learn(u"Ano", u"Yes", 1));
  store.disconnect();
  unsetenv("PGPASSFILE");
  unsetenv("PGSERVICEFILE");
  EXPECT_EQ(query("SELECT \"Text1\" FROM " + table()), Texts{"Ano"});
  cluster().run("DROP OWNED BY translator; DROP ROLE translator");
}

TEST_F(ServerTest, AUserWhoMayNotCreateTablesNeedsTablesMadeBeforehand) {
  cluster().run("DROP ROLE IF EXISTS clerk");
  ASSERT_TRUE(cluster().run("CREATE ROLE clerk LOGIN"));
  cluster().run("GRANT USAGE ON SCHEMA " + m_schema + " TO clerk");
  const std::string asClerk = "postgresql://clerk@/memory?host=" + cluster().socketFolder() +
                              "&port=" + std::to_string(cluster().port()) +
                              "&options=-csearch_path%3D" + m_schema;
  EXPECT_NE(PgStore::probe(asClerk).find("may not create tables"), std::string::npos);
  std::unique_ptr<PgStore> admin = client(); // makes the table of the pair
  EXPECT_EQ(PgStore::probe(asClerk), "");
  admin.reset();
  cluster().run("DROP OWNED BY clerk; DROP ROLE clerk");
}

TEST_F(ServerTest, CheckTMPathSaysWhyALocationCannotHoldAMemory) {
  KestrineLibrary library;
  ASSERT_TRUE(library.loaded()) << library.error();
  auto check = reinterpret_cast<CheckTMPathFn>(library.symbol("CheckTMPath"));
  ASSERT_NE(check, nullptr);
  TempFolder folder;
  writeFile(folder.path() / "file", "x");
  struct Case {
    std::string location;
    int32_t result;
    const char *reasonPart;
  };
  const Case cases[] = {
      {uri(), 1, ""},
      {"postgresql://kestrine@/memory?host=" + folder.path().string() + "&port=1", 0, "socket"},
      {"postgresql://kestrine@/nosuchdatabase?host=" + cluster().socketFolder() +
           "&port=" + std::to_string(cluster().port()),
       0, "nosuchdatabase"},
      {folder.path().string(), 1, ""},
      {(folder.path() / "new").string(), 1, ""},
      {(folder.path() / "file").string(), 0, "not a folder"},
      {(folder.path() / "a" / "b").string(), 0, "parent"},
  };
  for (const Case &c : cases) {
    char16_t reason[200];
    std::fill(std::begin(reason), std::end(reason), u'#');
    EXPECT_EQ(check(toUtf16(c.location).c_str(), reason, 200), c.result) << c.location;
    const std::string why = toUtf8(reason);
    EXPECT_NE(why.find(c.reasonPart), std::string::npos) << c.location << ": " << why;
    EXPECT_EQ(why.empty(), c.result == 1) << why;
  }
  char16_t tiny[4];
  EXPECT_EQ(check(toUtf16((folder.path() / "file").string()).c_str(), tiny, 4), 0);
  EXPECT_EQ(std::u16string(tiny), u"it "); // cut to fit, always terminated
  EXPECT_EQ(check(nullptr, nullptr, 0), 0);
}

TEST_F(ServerTest, TheStoreFollowsTheLocationOnceTheOldOneIsDisconnected) {
  KestrineLibrary library;
  ASSERT_TRUE(library.loaded()) << library.error();
  TempFolder folder;
  auto lookup = [&library](const char16_t *text) {
    TmTextList list{};
    const int32_t count = library.getTM(text, &list);
    library.freeTM(&list);
    return count;
  };
  library.setTMPath(toUtf16(folder.path().string()).c_str());
  ASSERT_EQ(library.connectTM(kCzech, kEnglish), 1);
  library.addPair(u"Soubor", u"File", 1);
  library.setTMPath(toUtf16(uri()).c_str()); // the open file stays in use ...
  EXPECT_EQ(lookup(u"Soubor"), 1);
  library.addPair(u"Složka", u"Folder", 1);
  library.disconnectTM();
  ASSERT_EQ(library.connectTM(kCzech, kEnglish), 1); // ... until now
  EXPECT_EQ(lookup(u"Soubor"), 0);
  library.addPair(u"Server", u"Server", 1);
  EXPECT_EQ(query("SELECT \"Text1\" FROM " + table()), Texts{"Server"});
  library.setTMPath(toUtf16(folder.path().string()).c_str());
  library.disconnectTM();
  ASSERT_EQ(library.connectTM(kCzech, kEnglish), 1);
  EXPECT_EQ(lookup(u"Složka"), 1);
  EXPECT_EQ(tableRows(folder.database(), "5to9"), "Soubor|File|1|0\nSložka|Folder|1|0\n");
  library.disconnectTM();
}

} // namespace
} // namespace kestrine_test

constexpr int kSkipped = 77;

int main(int argc, char **argv) {
  ::testing::InitGoogleTest(&argc, argv);
  auto *environment = new kestrine_test::ServerEnvironment;
  ::testing::AddGlobalTestEnvironment(environment);
  const int result = RUN_ALL_TESTS();
  // CTest reports the program as skipped, not passed, when the server tests could not run.
  const std::string &why = environment->unavailable();
  if (result == 0 && !why.empty()) {
    std::fprintf(stderr, "PostgreSQL server tests skipped: %s\n", why.c_str());
    return kSkipped;
  }
  return result;
}
