// The file the store writes, seen through a connection of the test's own.

#include "sqlite_store.h"
#include "test_support.h"
#include "text_folding.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace kestrine {
namespace {

using kestrine_test::schemaObjects;
using kestrine_test::TempFolder;
using Texts = std::vector<std::string>;

class StoreFile : public ::testing::Test {
protected:
  void SetUp() override { m_store.setFolder(m_folder.u16()); }
  void TearDown() override {
    if (m_db)
      sqlite3_close(m_db);
  }

  sqlite3 *db() {
    if (!m_db) {
      sqlite3_open(m_folder.database().c_str(), &m_db);
      registerTextFunctions(m_db);
    }
    return m_db;
  }

  std::vector<std::string> column(const std::string &sql, int index) {
    std::vector<std::string> values;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
      return {std::string("error: ") + sqlite3_errmsg(db())};
    while (sqlite3_step(statement) == SQLITE_ROW) {
      const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
      values.push_back(text ? text : "NULL");
    }
    sqlite3_finalize(statement);
    return values;
  }

  std::string plan(const std::string &sql) {
    std::string details;
    for (const std::string &detail : column("EXPLAIN QUERY PLAN " + sql, 3))
      details += detail + "; ";
    return details;
  }

  TempFolder m_folder;
  SqliteStore m_store;
  sqlite3 *m_db = nullptr;
};

TEST_F(StoreFile, LookupsAndDeletesSeekThroughTheTextIndexes) {
  ASSERT_TRUE(m_store.connect(1029, 1033));
  EXPECT_EQ(column("PRAGMA journal_mode", 0), Texts{"wal"});
  for (const PairTable &table :
       {PairTable::forLanguages(1029, 1033), PairTable::forLanguages(1033, 1029)}) {
    const std::string index = table.sourceInText1 ? "USING INDEX Text1Index_5to9 (Text1=?)"
                                                  : "USING INDEX Text2Index_5to9 (Text2=?)";
    for (const std::string &sql : {lookupSql(table), rankedLookupSql(table)})
      EXPECT_NE(plan(sql).find(index), std::string::npos) << sql << "\n" << plan(sql);
    // Either index narrows a delete down to a few rows.
    const std::string removal = plan(deleteSql(table));
    EXPECT_EQ(removal.rfind("SEARCH 5to9 USING INDEX Text", 0), 0u) << removal;
  }
  EXPECT_EQ(column("SELECT coll FROM pragma_index_xinfo('Text1Index_5to9') WHERE key", 0),
            Texts{kTextCollation});
}

TEST_F(StoreFile, MissingColumnsAreAddedAndOnlyTheyGetAnIndex) {
  ASSERT_EQ(sqlite3_exec(db(),
                         "CREATE TABLE \"5to9\" (Text1 TEXT COLLATE TVCASE, Counter2 INTEGER);"
                         "INSERT INTO \"5to9\" VALUES ('Ano', 4);",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  ASSERT_TRUE(m_store.connect(1029, 1033));
  EXPECT_EQ(column("SELECT name FROM pragma_table_info('5to9')", 0),
            (Texts{"Text1", "Counter2", "Text2", "Counter1"}));
  EXPECT_EQ(schemaObjects(m_folder.database()),
            kestrine_test::withFuzzyIndex({"index Text2Index_5to9", "table 5to9"}, {"5to9"}));
  // The old row reads with empty texts and counters where the columns are new.
  EXPECT_TRUE(m_store.learn(u"Ano", u"", 1));
  EXPECT_EQ(kestrine_test::tableRows(m_folder.database(), "5to9"), "Ano|NULL|1|4\n");
}

} // namespace
} // namespace kestrine
