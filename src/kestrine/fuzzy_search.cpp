// Fuzzy matches in the file store: the FTS5 trigram index over each text column, and the search.
#include "fuzzy_search.h"

#include "similarity.h"
#include "sqlite_statement.h"
#include "store_text.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace kestrine {

namespace {

// A run found in more rows than this says little about a text: its rows are not counted
// one by one, only those holding a stretch of kStretch such runs of the text together.
constexpr int kRunRows = 400;
constexpr std::size_t kStretch = 4;
constexpr int kStretchRows = 500;
// Runs looked up per text: enough to tell a long text's neighbours apart.
constexpr std::size_t kMaxRuns = 32;
// The rows kept from earlier searches, some 16 MB at most: a run over many texts asks the
// index the same few expressions again and again.
constexpr std::size_t kMemoRows = std::size_t(1) << 21;
// The candidate pairs kept from earlier searches, some 30 MB of short texts at most.
constexpr std::size_t kMemoPairs = std::size_t(1) << 18;
constexpr std::size_t kWholeBytes = std::size_t(64) << 20;
// The rows of a stretch's other runs read to join with those read whole.
constexpr int kJoinedRows = 20000;

// One index per text column: a query reads only the lists of the column it searches, and
// without positions or columns in them the lists are a fraction of the size.
std::string indexTable(const std::string &table, const std::string &column) {
  return "FuzzyIndex" + column.substr(4) + "_" + table;
}

// A phrase of the full-text query language: the text in double quotes, each doubled.
std::u16string phrase(std::u16string_view text) {
  std::u16string out = u"\"";
  for (char16_t unit : text) {
    out += unit;
    if (unit == u'"')
      out += u'"';
  }
  out += u'"';
  return out;
}

// The distinct runs of three units of a text in comparison form, in text order; at most
// `limit` of them, spread evenly over the text.
std::vector<std::u16string> runsOf(const std::u16string &text, std::size_t limit) {
  std::vector<std::u16string> runs;
  std::unordered_set<std::u16string> seen;
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    std::u16string run = text.substr(i, 3);
    if (seen.insert(run).second)
      runs.push_back(std::move(run));
  }
  if (runs.size() <= limit)
    return runs;
  std::vector<std::u16string> spread;
  for (std::size_t k = 0; k < limit; ++k)
    spread.push_back(std::move(runs[k * runs.size() / limit]));
  return spread;
}

class Search {
public:
  Search(sqlite3 *db, const FuzzyTable &table, std::u16string_view text, std::int32_t minScore,
         std::int32_t maxCount, FuzzyRunMemo *memo)
      : m_db(db), m_minScore(minScore), m_maxCount(std::size_t(maxCount)),
        m_query(comparisonForm(text)), m_memo(memo) {
    m_source = table.sourceInText1 ? "Text1" : "Text2";
    m_target = table.sourceInText1 ? "Text2" : "Text1";
    m_counter = table.sourceInText1 ? "Counter1" : "Counter2";
    m_table = quotedIdentifier(table.name);
    m_index = quotedIdentifier(indexTable(table.name, m_source));
    m_shortest = shortestAlike(m_query.size(), minScore);
    m_longest = longestAlike(m_query.size(), minScore);
    if (m_memo) {
      const std::string column = table.name + "." + m_source;
      if (m_memo->column != column) {
        const int readWholeAfter = m_memo->readWholeAfter;
        *m_memo = FuzzyRunMemo();
        m_memo->column = column;
        m_memo->readWholeAfter = readWholeAfter;
      }
    }
  }

  bool run(std::u16string_view text) {
    if (m_query.empty())
      return true;
    return equalTexts(splitQuery(text).key) && shortTexts() && rememberRows() && textsWithRuns();
  }

  std::vector<FuzzyMatch> &matches() { return m_matches; }

private:
  std::string rowSql() const {
    return "SELECT rowid, " + m_source + ", " + m_target + ", " + m_counter + " FROM " + m_table;
  }

  // Scores the rows a statement gives (rowid, source, target, counter).
  bool scoreRows(Statement &rows, bool keep = false) {
    int step;
    while ((step = rows.step()) == SQLITE_ROW) {
      const std::int64_t rowid = rows.intColumn(0);
      if (!m_scored.insert(rowid).second)
        continue;
      const auto counter = std::int32_t(rows.intColumn(3));
      scorePair(rowid, rows.textColumn(1), rows.textColumn(2), counter);
      if (keep)
        m_memo->pairs.emplace(rowid, StoredPair{std::u16string(rows.textColumn(1)),
                                                std::u16string(rows.textColumn(2)), counter});
    }
    return step == SQLITE_DONE;
  }

  void scorePair(std::int64_t rowid, std::u16string_view source, std::u16string_view target,
                 std::int32_t counter) {
    if (target.empty())
      return;
    const std::int32_t score = scoreSource(m_query, bar(), source, m_form);
    if (score < 0)
      return;
    m_matches.push_back({std::u16string(source), std::u16string(target), score, counter, rowid});
    keepBest(score);
  }

  // A candidate row scored, read from the index's table or from the rows kept.
  bool scoreRow(Statement &row, std::int64_t rowid) {
    if (m_keepRows) {
      const auto known = m_memo->pairs.find(rowid);
      if (known != m_memo->pairs.end()) {
        m_scored.insert(rowid);
        scorePair(rowid, known->second.source, known->second.target, known->second.counter);
        return true;
      }
    }
    ResetGuard reset(row);
    return row.bindInt(1, rowid) && scoreRows(row, m_keepRows);
  }

  // The score a row must reach to matter: once `maxCount` matches are found, one scoring
  // below the lowest of the best of them is never given, nor changes which are best.
  std::int32_t bar() const {
    return m_best.size() < m_maxCount ? m_minScore : std::max(m_minScore, m_best.back());
  }

  // The best `maxCount` scores found, best first.
  void keepBest(std::int32_t score) {
    m_best.insert(std::upper_bound(m_best.begin(), m_best.end(), score, std::greater<>()), score);
    if (m_best.size() > m_maxCount)
      m_best.pop_back();
  }

  // Exact matches always come, however common their runs are.
  bool equalTexts(std::u16string_view trimmed) {
    Statement rows(m_db, rowSql() + " WHERE " + m_source + " = ?1");
    return rows && rows.bindText(1, trimmed) && scoreRows(rows);
  }

  bool shortTexts() {
    if (m_shortest > kShortLength)
      return true;
    // length() counts characters, and a character is one or two units.
    Statement rows(m_db, rowSql() + " WHERE length(" + m_source +
                             ") <= " + std::to_string(kShortLength) + " AND length(" + m_source +
                             ") BETWEEN ?1 AND ?2 LIMIT " + std::to_string(kShortRows));
    return rows && rows.bindInt(1, std::int64_t((m_shortest + 1) / 2)) &&
           rows.bindInt(2, std::int64_t(std::min(m_longest, kShortLength))) && scoreRows(rows);
  }

  bool textsWithRuns() {
    if (m_query.size() < 3 || m_longest <= kShortLength)
      return true;
    Statement match(m_db,
                    "SELECT rowid FROM " + m_index + " WHERE " + m_index + " MATCH ?1 LIMIT ?2");
    if (!match)
      return false;
    std::unordered_map<std::int64_t, std::int32_t> shared;
    std::vector<std::u16string> commonRuns;
    std::vector<std::int64_t> rows;
    std::size_t completeRuns = 0;
    for (const std::u16string &run : runsOf(m_query, kMaxRuns)) {
      if (m_memo && m_memo->common.count(run)) {
        commonRuns.push_back(run);
        continue;
      }
      if (!rememberedRows(match, phrase(run), kRunRows + 1, rows))
        return false;
      if (rows.size() > std::size_t(kRunRows)) {
        if (m_memo)
          m_memo->common.insert(run);
        commonRuns.push_back(run);
        continue;
      }
      for (std::int64_t rowid : rows)
        ++shared[rowid];
      if (foldedAlike(run))
        ++completeRuns;
    }
    // The rows the rare runs found may already be better than any row could be that lacks
    // them; then the costly common runs are not read at all.
    bool settled = false;
    if (!scoreCandidates(shared, completeRuns, &settled))
      return false;
    if (settled)
      return true;
    // Common runs speak only together: the rows holding each short stretch of them, so
    // that a typo, which breaks the runs around it, costs a stretch or two, not all. A
    // stretch found in more rows than read gives only the first rows learnt, which would
    // crowd out the text's true neighbours; such stretches count only when no other does.
    std::vector<std::vector<std::int64_t>> crowded;
    std::vector<std::int32_t> crowdedWeights;
    bool counted = !shared.empty();
    for (std::size_t first = 0; first < commonRuns.size(); first += kStretch) {
      const std::size_t last = std::min(first + kStretch, commonRuns.size());
      std::u16string stretch;
      for (std::size_t i = first; i < last; ++i)
        stretch += (i > first ? u" AND " : u"") + phrase(commonRuns[i]);
      const std::vector<std::u16string> runs(commonRuns.begin() + std::ptrdiff_t(first),
                                             commonRuns.begin() + std::ptrdiff_t(last));
      if (!stretchRows(match, runs, stretch, rows))
        return false;
      if (rows.size() > std::size_t(kStretchRows)) {
        crowded.push_back(rows);
        crowdedWeights.push_back(std::int32_t(last - first));
        continue;
      }
      for (std::int64_t rowid : rows)
        shared[rowid] += std::int32_t(last - first);
      counted = counted || !rows.empty();
    }
    if (!counted) {
      for (std::size_t k = 0; k < crowded.size(); ++k)
        for (std::int64_t rowid : crowded[k])
          shared[rowid] += crowdedWeights[k];
    }
    return scoreCandidates(shared);
  }

  // Whether the rows earlier searches read still hold, forgetting them when the memory may
  // have changed since. Called inside the search's read transaction, so that what it sees
  // is what the reads see. Rows read while this connection writes are never kept: the
  // writes may yet be rolled back.
  bool rememberRows() {
    m_keepRows = false;
    if (!m_memo || sqlite3_txn_state(m_db, "main") == SQLITE_TXN_WRITE)
      return true;
    Statement version(m_db, "PRAGMA data_version");
    if (!version || version.step() != SQLITE_ROW)
      return false;
    // Other connections' commits change the data version, this one's changes the count.
    const std::int64_t data = version.intColumn(0);
    const std::int64_t changes = sqlite3_total_changes64(m_db);
    if (m_memo->pairs.size() > kMemoPairs)
      m_memo->pairs.clear();
    if (data != m_memo->dataVersion || changes != m_memo->changes || m_memo->rowCount > kMemoRows) {
      m_memo->pairs.clear();
      m_memo->rows.clear();
      m_memo->rowCount = 0;
      m_memo->wholeRuns.clear();
      m_memo->indexReads.clear();
      m_memo->wholeBytes = 0;
      m_memo->dataVersion = data;
      m_memo->changes = changes;
    }
    m_keepRows = true;
    return true;
  }

  // matchingRows, answered from the rows kept when the same expression was read before;
  // `read` tells whether the index was asked.
  bool rememberedRows(Statement &match, std::u16string_view expression, int limit,
                      std::vector<std::int64_t> &rows, bool *read = nullptr) {
    if (read)
      *read = true;
    if (!m_keepRows)
      return matchingRows(match, expression, limit, rows);
    std::u16string key(1, char16_t(limit));
    key += expression;
    const auto known = m_memo->rows.find(key);
    if (known != m_memo->rows.end()) {
      rows = known->second;
      if (read)
        *read = false;
      return true;
    }
    if (!matchingRows(match, expression, limit, rows))
      return false;
    m_memo->rowCount += rows.size() + 1;
    m_memo->rows.emplace(std::move(key), rows);
    return true;
  }

  // The rows of a stretch of common runs, as the index gives them for the phrases joined by
  // AND: from the runs' whole rows when each was read whole, else from the index.
  bool stretchRows(Statement &match, const std::vector<std::u16string> &runs,
                   std::u16string_view expression, std::vector<std::int64_t> &rows) {
    bool read = false;
    if (!m_keepRows || !std::all_of(runs.begin(), runs.end(), wholeAlike)) {
      if (!rememberedRows(match, expression, kStretchRows + 1, rows, &read))
        return false;
    } else if (!joinedRows(match, runs, expression, rows, read)) {
      return false;
    }
    if (!m_keepRows || !read)
      return true;
    std::vector<std::int64_t> all;
    for (const std::u16string &run : runs) {
      if (!wholeAlike(run) || ++m_memo->indexReads[run] != m_memo->readWholeAfter)
        continue;
      if (!matchingRows(match, phrase(run), -1, all))
        return false;
      std::sort(all.begin(), all.end());
      RunRows whole(all);
      if (m_memo->wholeBytes + whole.bytes() > kWholeBytes)
        continue;
      m_memo->wholeBytes += whole.bytes();
      m_memo->wholeRuns.emplace(run, std::move(whole));
    }
    return true;
  }

  // The rows of a stretch of runs that are each one token of the index: those read whole
  // are joined in memory, the others asked of the index together, a bounded number of
  // rows; when those rows do not settle the first rows of all, the whole stretch is asked.
  bool joinedRows(Statement &match, const std::vector<std::u16string> &runs,
                  std::u16string_view expression, std::vector<std::int64_t> &rows, bool &read) {
    std::vector<const RunRows *> whole;
    std::u16string rest;
    for (const std::u16string &run : runs) {
      const auto found = m_memo->wholeRuns.find(run);
      if (found != m_memo->wholeRuns.end())
        whole.push_back(&found->second);
      else
        rest += (rest.empty() ? u"" : u" AND ") + phrase(run);
    }
    const auto limit = std::size_t(kStretchRows + 1);
    if (whole.empty() || !rest.empty())
      if (!rememberedRows(match, rest.empty() ? expression : rest,
                          whole.empty() ? int(limit) : kJoinedRows, m_restRows, &read))
        return false;
    if (whole.empty()) {
      rows = m_restRows;
      return true;
    }
    if (rest.empty()) {
      rows = firstCommonRows(whole, limit);
      return true;
    }
    // The first rows of the others, in order, kept where every whole run holds them.
    rows.clear();
    for (std::size_t i = 0; i < m_restRows.size() && rows.size() < limit; ++i) {
      if (std::all_of(whole.begin(), whole.end(),
                      [&](const RunRows *run) { return run->contains(m_restRows[i]); }))
        rows.push_back(m_restRows[i]);
    }
    if (rows.size() == limit || m_restRows.size() < std::size_t(kJoinedRows))
      return true;
    return rememberedRows(match, expression, int(limit), rows, &read);
  }

  // A run whose phrase is one token of the index, three whole characters: its rows joined
  // with others' are then what the index gives for the phrases joined by AND.
  static bool wholeAlike(const std::u16string &run) {
    return run.size() == 3 && std::none_of(run.begin(), run.end(), [](char16_t unit) {
             return unit == 0 || (unit >= 0xD800 && unit <= 0xDFFF);
           });
  }

  // The rows (at most `limit`, or all for -1) whose source holds what the full-text
  // expression asks for.
  static bool matchingRows(Statement &match, std::u16string_view expression, int limit,
                           std::vector<std::int64_t> &rows) {
    ResetGuard reset(match);
    if (!match.bindText(1, expression) || !match.bindInt(2, limit))
      return false;
    rows.clear();
    int step;
    while ((step = match.step()) == SQLITE_ROW)
      rows.push_back(match.intColumn(0));
    return step == SQLITE_DONE;
  }

  // Whether the best matches found are sure to stay the best: each edit breaks at most
  // three runs of the text, so a row lacking `missing` of its runs is at least
  // ceil(missing / 3) edits away, and scores at most 100 * n / (n + edits). Equal scores
  // would be ordered by usage, so the found ones must score higher.
  bool outranksTheRest(std::size_t missing) const {
    if (missing == 0 || m_matches.size() < m_maxCount || m_maxCount == 0)
      return false;
    std::vector<std::int32_t> scores;
    for (const FuzzyMatch &match : m_matches)
      scores.push_back(match.score);
    std::nth_element(scores.begin(), scores.begin() + std::ptrdiff_t(m_maxCount - 1), scores.end(),
                     std::greater<>());
    const std::size_t edits = (missing + 2) / 3;
    const std::size_t length = m_query.size();
    const auto bound = std::int32_t(length * 100 / (length + edits));
    return scores[m_maxCount - 1] > bound;
  }

  // A run whose rows the index finds exactly as the scores see them: the index folds case
  // its own way, which agrees with the case table on plain ASCII only.
  static bool foldedAlike(const std::u16string &run) {
    return std::all_of(run.begin(), run.end(), [](char16_t unit) { return unit < 0x80; });
  }

  // Scores the candidates sharing the most runs with the text, most first. Given the runs
  // whose every row was counted (`completeRuns`), it stops as soon as the matches found
  // outrank any row sharing fewer of them, and then sets `settled`.
  bool scoreCandidates(const std::unordered_map<std::int64_t, std::int32_t> &shared,
                       std::size_t completeRuns = 0, bool *settled = nullptr) {
    std::vector<std::pair<std::int32_t, std::int64_t>> ranked; // shared runs, rowid
    ranked.reserve(shared.size());
    for (const auto &[rowid, count] : shared) {
      if (!m_scored.count(rowid))
        ranked.emplace_back(count, rowid);
    }
    const std::size_t keep = std::min(ranked.size(), kFuzzyCandidates);
    std::partial_sort(ranked.begin(), ranked.begin() + std::ptrdiff_t(keep), ranked.end(),
                      [](const auto &a, const auto &b) {
                        return a.first != b.first ? a.first > b.first : a.second < b.second;
                      });
    // A row sharing `count` of the runs lacks at least the others.
    const auto outranksRowsSharing = [&](std::int32_t count) {
      return settled && outranksTheRest(completeRuns - std::min(completeRuns, std::size_t(count)));
    };
    Statement row(m_db, rowSql() + " WHERE rowid = ?1");
    if (!row)
      return false;
    for (std::size_t i = 0; i < keep; ++i) {
      if ((i == 0 || ranked[i].first != ranked[i - 1].first) &&
          outranksRowsSharing(ranked[i].first)) {
        *settled = true;
        return true;
      }
      if (!scoreRow(row, ranked[i].second))
        return false;
    }
    std::int32_t unscored = 0;
    for (std::size_t i = keep; i < ranked.size(); ++i)
      unscored = std::max(unscored, ranked[i].first);
    if (settled)
      *settled = outranksRowsSharing(unscored);
    return true;
  }

  sqlite3 *m_db;
  std::int32_t m_minScore;
  std::size_t m_maxCount;
  std::u16string m_query;
  std::string m_source, m_target, m_counter, m_table, m_index;
  std::size_t m_shortest = 0;
  std::size_t m_longest = 0;
  FuzzyRunMemo *m_memo;
  bool m_keepRows = false;
  std::unordered_set<std::int64_t> m_scored;
  std::vector<FuzzyMatch> m_matches;
  std::vector<std::int32_t> m_best;
  std::u16string m_form;
  std::vector<std::int64_t> m_restRows;
};

std::vector<std::string> schemaStatements(const std::string &table) {
  const std::string pairs = quotedIdentifier(table);
  std::string add, remove;
  for (const std::string column : {"Text1", "Text2"}) {
    const std::string index = quotedIdentifier(indexTable(table, column));
    add += "INSERT INTO " + index + " (rowid, " + column + ") VALUES (new.rowid, new." + column +
           "); ";
    remove += "INSERT INTO " + index + " (" + index + ", rowid, " + column +
              ") VALUES ('delete', old.rowid, old." + column + "); ";
  }
  std::vector<std::string> statements = {
      "CREATE TRIGGER IF NOT EXISTS " + quotedIdentifier("FuzzyInsert_" + table) +
          " AFTER INSERT ON " + pairs + " BEGIN " + add + "END",
      "CREATE TRIGGER IF NOT EXISTS " + quotedIdentifier("FuzzyDelete_" + table) +
          " AFTER DELETE ON " + pairs + " BEGIN " + remove + "END",
      // Counting a use changes no text, so it leaves the index alone.
      "CREATE TRIGGER IF NOT EXISTS " + quotedIdentifier("FuzzyUpdate_" + table) +
          " AFTER UPDATE OF Text1, Text2 ON " + pairs + " BEGIN " + remove + add + "END",
  };
  for (const char *column : {"Text1", "Text2"}) {
    const std::string length = std::string("length(") + column + ")";
    statements.push_back("CREATE INDEX IF NOT EXISTS " +
                         quotedIdentifier(std::string("Short") + column + "Index_" + table) +
                         " ON " + pairs + " (" + length + ") WHERE " + length +
                         " <= " + std::to_string(kShortLength));
  }
  return statements;
}

bool createFuzzyIndex(sqlite3 *db, const std::string &table);

} // namespace

std::vector<std::string> fuzzyIndexObjects(const std::string &table) {
  return {"table " + indexTable(table, "Text1"), "table " + indexTable(table, "Text2"),
          "trigger FuzzyInsert_" + table,        "trigger FuzzyDelete_" + table,
          "trigger FuzzyUpdate_" + table,        "index ShortText1Index_" + table,
          "index ShortText2Index_" + table};
}

bool fuzzyIndexReady(sqlite3 *db, const std::string &table) {
  std::vector<std::string> names;
  for (const std::string &object : fuzzyIndexObjects(table))
    names.push_back(object.substr(object.find(' ') + 1));
  Statement count(db,
                  "SELECT count(*) FROM sqlite_master WHERE name IN (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
  if (!count)
    return false;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (sqlite3_bind_text(count.get(), int(i + 1), names[i].c_str(), int(names[i].size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
      return false;
  }
  return count.step() == SQLITE_ROW && count.intColumn(0) == std::int64_t(names.size());
}

bool ensureFuzzyIndex(sqlite3 *db, const std::string &table) {
  if (fuzzyIndexReady(db, table))
    return true;
  // All or nothing, also inside a batch's transaction: an index without its triggers
  // would fall behind the table.
  if (!execute(db, "SAVEPOINT fuzzy_index"))
    return false;
  if (createFuzzyIndex(db, table))
    return execute(db, "RELEASE fuzzy_index");
  execute(db, "ROLLBACK TO fuzzy_index");
  execute(db, "RELEASE fuzzy_index");
  return false;
}

namespace {

bool createFuzzyIndex(sqlite3 *db, const std::string &table) {
  // Triggers of an earlier, combined index would feed a table no search reads.
  for (const char *trigger : {"FuzzyInsert_", "FuzzyDelete_", "FuzzyUpdate_"}) {
    if (!execute(db, ("DROP TRIGGER IF EXISTS " + quotedIdentifier(trigger + table)).c_str()))
      return false;
  }
  if (!execute(db, ("DROP TABLE IF EXISTS " + quotedIdentifier("FuzzyIndex_" + table)).c_str()))
    return false;
  std::vector<std::string> created;
  for (const std::string column : {"Text1", "Text2"}) {
    const std::string name = indexTable(table, column);
    Statement exists(db, "SELECT 1 FROM sqlite_master WHERE name = ?1");
    if (!exists || sqlite3_bind_text(exists.get(), 1, name.c_str(), int(name.size()),
                                     SQLITE_TRANSIENT) != SQLITE_OK)
      return false;
    const int step = exists.step();
    if (step != SQLITE_ROW && step != SQLITE_DONE)
      return false;
    if (step == SQLITE_DONE) {
      // Case is folded by the tokenizer; the scores fold it again with the case table.
      const std::string create =
          "CREATE VIRTUAL TABLE " + quotedIdentifier(name) + " USING fts5(" + column +
          ", content=" + quotedIdentifier(table) +
          ", content_rowid=rowid, tokenize='trigram', detail=none, columnsize=0)";
      if (!execute(db, create.c_str()))
        return false;
      created.push_back(quotedIdentifier(name));
    }
  }
  for (const std::string &statement : schemaStatements(table)) {
    if (!execute(db, statement.c_str()))
      return false;
  }
  // A memory from before the index gets it filled from the pairs it holds, in one segment.
  for (const std::string &index : created) {
    for (const char *command : {"rebuild", "optimize"}) {
      const std::string statement =
          "INSERT INTO " + index + " (" + index + ") VALUES ('" + command + "')";
      if (!execute(db, statement.c_str()))
        return false;
    }
  }
  return true;
}

} // namespace

void tidyFuzzyIndex(sqlite3 *db, const std::string &table, std::int64_t added) {
  {
    Statement last(db, "SELECT max(rowid) FROM " + quotedIdentifier(table));
    if (!last || last.step() != SQLITE_ROW || added * 10 < last.intColumn(0))
      return;
  }
  for (const std::string column : {"Text1", "Text2"}) {
    const std::string index = quotedIdentifier(indexTable(table, column));
    execute(db, ("INSERT INTO " + index + " (" + index + ") VALUES ('optimize')").c_str());
  }
}

FuzzyResult fuzzySearch(sqlite3 *db, const FuzzyTable &table, std::u16string_view text,
                        std::int32_t minScore, std::int32_t maxCount, FuzzyRunMemo *memo) {
  FuzzyResult result;
  if (maxCount <= 0) {
    result.read = true;
    return result;
  }
  Search search(db, table, text, std::clamp(minScore, 1, 100), maxCount, memo);
  // One read transaction for the many small reads, rather than a lock taken and released
  // around each; inside a batch its transaction serves.
  const bool ownTransaction = sqlite3_get_autocommit(db) && execute(db, "BEGIN");
  result.read = search.run(text);
  if (ownTransaction)
    execute(db, "COMMIT");
  rankMatches(search.matches(), text, maxCount);
  result.matches = std::move(search.matches());
  return result;
}

} // namespace kestrine
