// Fuzzy matches on the server: the trigram key, the index over it, and the search.
#include "pg_fuzzy_search.h"

#include "failure_note.h"
#include "pair_table.h"
#include "pg_connection.h"
#include "similarity.h"
#include "store_text.h"

#include <algorithm>
#include <unordered_set>

namespace kestrine {

// A kind of key: how many runs of the index one edit of the text changes at most, and how
// many edits of a text are sure to bring it among the candidates (the similarity threshold
// is set low enough for them). Texts further off come when they still share enough runs,
// as in the file store. Short texts score 70 with fewer edits, and are cheap to ask for.
struct KeyKind {
  std::size_t loss;
  std::size_t sureEdits;
  const char *rows; // which rows have keys of this kind, by the characters of their text
};

namespace {

// Up to this length a key has a letter per unit of the text; beyond, one per run of three.
constexpr std::size_t kCharKeyLength = 16;

// Each kind has an index of its own (partial, by key length), so that asking for texts of
// one kind never reads the many runs of the other.
constexpr KeyKind kCharKey{3, 5, " <= 16"}; // one letter, in three runs
constexpr KeyKind kRunKey{5, 3, " > 16"};   // three letters, in five runs
static_assert(kCharKeyLength == 16);
constexpr int kLowestThreshold = 5; // hundredths
constexpr int kHighestThreshold = 60;
constexpr int kKeySlice = 5000; // rows keyed per statement when an old table gets its keys

// The names a statement over the table uses, seen from the current direction.
struct Names {
  std::string table, source, target, counter, fold, key;

  explicit Names(const PairTable &pair)
      : table(quotedIdentifier(pair.name)), source(quotedIdentifier(pair.sourceColumn())),
        target(quotedIdentifier(pair.targetColumn())),
        counter(quotedIdentifier(pair.counterColumn())),
        fold(pair.sourceInText1 ? "\"Fold1\"" : "\"Fold2\""),
        key(pair.sourceInText1 ? "\"Grams1\"" : "\"Grams2\"") {}

  std::string rows() const {
    return "SELECT \"Id\", " + source + ", " + target + ", " + counter + " FROM " + table;
  }
};

// The distinct runs of three pg_trgm takes from a key: it pads a word with two spaces in
// front and one behind.
std::size_t trigramCount(const std::string &key) {
  const std::string padded = "  " + key + " ";
  std::unordered_set<std::string> runs;
  for (std::size_t i = 0; i + 3 <= padded.size(); ++i)
    runs.insert(padded.substr(i, 3));
  return runs.size();
}

// The similarity (in hundredths, rounded down to fives) that a stored text within the
// sure edits of the text reaches: each edit changes at most `loss` runs of the key and
// adds at most one run.
int thresholdFor(const std::string &key, KeyKind kind, std::size_t length, std::int32_t minScore) {
  const std::size_t runs = trigramCount(key);
  // A longer text may differ by more edits and still score as much.
  const std::size_t edits =
      std::min(allowedEdits(longestAlike(length, minScore), minScore), kind.sureEdits);
  const std::size_t loss = kind.loss * edits;
  if (runs <= loss)
    return kLowestThreshold;
  const double bound = double(runs - loss) / double(runs + loss + edits);
  return std::clamp(int(bound * 20) * 5, kLowestThreshold, kHighestThreshold);
}

constexpr char kSymbols[] = "abcdefghijklmnopqrstuvwxyz0123456789";

// FNV-1a over the units, low byte first: the same letter on every client.
char symbolOf(std::u16string_view units) {
  std::uint32_t hash = 0x811c9dc5;
  for (const char16_t unit : units) {
    for (const unsigned byte : {unsigned(unit & 0xFF), unsigned(unit >> 8)}) {
      hash ^= byte;
      hash *= 0x01000193;
    }
  }
  return kSymbols[hash % 36];
}

// A letter per unit: ASCII letters and digits stand for themselves.
std::string charKey(std::u16string_view form) {
  std::string key;
  for (const char16_t unit : form) {
    const bool plain = (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9');
    key += plain ? char(unit) : symbolOf(std::u16string_view(&unit, 1));
  }
  return key;
}

// A letter per run of three units.
std::string runKey(std::u16string_view form) {
  std::string key;
  for (std::size_t i = 0; i + 3 <= form.size(); ++i)
    key += symbolOf(form.substr(i, 3));
  return key;
}

std::string thresholdText(int hundredths) {
  return std::to_string(hundredths / 100) + "." + char('0' + hundredths / 10 % 10) +
         char('0' + hundredths % 10);
}

// Scores the rows (Id, source, target, counter) not scored before.
void scoreRows(const pg::Result &rows, std::u16string_view query, std::int32_t minScore,
               std::unordered_set<std::int64_t> &scored, std::vector<FuzzyMatch> &matches) {
  for (int row = 0; row < rows.rows(); ++row) {
    const std::int64_t id = rows.integer(row, 0);
    if (!scored.insert(id).second)
      continue;
    FuzzyMatch match{pg::toUtf16(rows.text(row, 1)), pg::toUtf16(rows.text(row, 2)), 0,
                     std::int32_t(rows.integer(row, 3)), id};
    if (scoreMatch(query, minScore, match))
      matches.push_back(std::move(match));
  }
}

// Gives every row of a table from before the keys its keys, a slice at a time.
bool fillKeys(pg::Connection &db, const std::string &table) {
  std::string after = "0";
  for (;;) {
    const pg::Result rows =
        db.run("SELECT \"Id\", \"Text1\", \"Text2\" FROM " + table +
                   " WHERE \"Id\" > $1 ORDER BY \"Id\" LIMIT " + std::to_string(kKeySlice),
               {after});
    if (!rows.ok())
      return false;
    if (rows.rows() == 0)
      return true;
    // Keys hold letters and digits only, so they need no escaping in an array.
    std::string ids = "{", keys1 = "{", keys2 = "{";
    for (int row = 0; row < rows.rows(); ++row) {
      const char *comma = row ? "," : "";
      ids += comma + std::string(rows.text(row, 0));
      keys1 += comma + ('"' + trigramKey(pg::toUtf16(rows.text(row, 1))) + '"');
      keys2 += comma + ('"' + trigramKey(pg::toUtf16(rows.text(row, 2))) + '"');
    }
    if (!db.run("UPDATE " + table +
                    " AS t SET \"Grams1\" = k.g1, \"Grams2\" = k.g2 FROM unnest($1::bigint[], "
                    "$2::text[], $3::text[]) AS k(id, g1, g2) WHERE t.\"Id\" = k.id",
                {ids + "}", keys1 + "}", keys2 + "}"})
             .ok())
      return false;
    after = std::string(rows.text(rows.rows() - 1, 0));
  }
}

// The server's message without its severity and hints: "permission denied to ...".
std::string firstLine(const std::string &message) {
  std::string line = message.substr(0, message.find('\n'));
  for (const char *severity : {"ERROR:  ", "FATAL:  "}) {
    if (line.rfind(severity, 0) == 0)
      line.erase(0, std::string_view(severity).size());
  }
  return line;
}

// For each text column: the indexes of its character keys and of its run keys, and of
// the lengths of its short texts.
std::vector<std::string> indexNames(const std::string &table, int column) {
  const std::string n = std::to_string(column);
  return {"CharGrams" + n + "Index_" + table, "RunGrams" + n + "Index_" + table,
          "ShortFold" + n + "Index_" + table};
}

} // namespace

bool PgFuzzyIndex::createIndexes(pg::Connection &db, const std::string &table, int column,
                                 const std::vector<std::string> &names) {
  const std::string n = std::to_string(column);
  const std::string key = "\"Grams" + n + "\"";
  const std::string length = "length(\"Fold" + n + "\")";
  const std::string start = "CREATE INDEX IF NOT EXISTS ";
  const std::string trigrams = " USING gin (" + key + " " + m_schema + ".gin_trgm_ops) WHERE ";
  return db.command(start + quotedIdentifier(names[0]) + " ON " + table + trigrams + length +
                    kCharKey.rows) &&
         db.command(start + quotedIdentifier(names[1]) + " ON " + table + trigrams + length +
                    kRunKey.rows) &&
         db.command(start + quotedIdentifier(names[2]) + " ON " + table + " (" + length +
                    ") WHERE " + length + " <= " + std::to_string(kShortLength));
}

// The kind of key goes by the characters of the text as stored, which the server counts
// in its partial indexes: a pair of surrogates is one, spaces around count.
std::string trigramKey(std::u16string_view text) {
  std::size_t characters = 0;
  for (const char16_t unit : text)
    characters += unit < 0xDC00 || unit > 0xDFFF;
  const std::u16string form = comparisonForm(text);
  return characters <= kCharKeyLength ? charKey(form) : runKey(form);
}

void PgFuzzyIndex::forget() {
  m_schema.clear();
  m_ready.clear();
  m_threshold = -1;
}

std::string PgFuzzyIndex::ensure(pg::Connection &db, const PairTable &table) {
  if (m_ready.count(table.name))
    return {};
  if (m_schema.empty()) {
    std::string problem = findExtension(db);
    if (m_schema.empty() && problem.empty())
      problem = createExtension(db);
    if (!problem.empty())
      return problem;
  }
  if (!indexesPresent(db, table)) {
    const std::string problem = makeIndexes(db, table);
    if (!problem.empty())
      return problem;
  }
  m_ready.insert(table.name);
  return {};
}

std::string PgFuzzyIndex::findExtension(pg::Connection &db) {
  const pg::Result found =
      db.exec("SELECT n.nspname FROM pg_catalog.pg_extension e JOIN pg_catalog.pg_namespace n "
              "ON n.oid = e.extnamespace WHERE e.extname = 'pg_trgm'");
  if (!found.ok())
    return db.error();
  if (found.rows() == 1)
    m_schema = quotedIdentifier(std::string(found.text(0, 0)));
  return {};
}

std::string PgFuzzyIndex::createExtension(pg::Connection &db) {
  // Another client may create it at the same moment; then it is there all the same.
  const bool created = db.command("CREATE EXTENSION IF NOT EXISTS pg_trgm");
  const std::string why = db.error();
  findExtension(db);
  if (!m_schema.empty())
    return {};
  return "the server has no trigram search: the extension pg_trgm is not in the database, "
         "and it cannot be made (" +
         (created ? std::string("not found after creating it") : firstLine(why)) +
         "); someone who may, such as the database's owner, can run CREATE EXTENSION pg_trgm";
}

bool PgFuzzyIndex::indexesPresent(pg::Connection &db, const PairTable &table) {
  std::string sql = "SELECT";
  pg::Parameters names;
  std::vector<std::string> indexes = indexNames(table.name, 1);
  for (const std::string &other : indexNames(table.name, 2))
    indexes.push_back(other);
  for (const std::string &index : indexes) {
    sql += std::string(names.empty() ? " " : " AND ") + "to_regclass($" +
           std::to_string(names.size() + 1) + ") IS NOT NULL";
    names.push_back(quotedIdentifier(index));
  }
  const pg::Result present = db.run(sql, names);
  return present.ok() && present.rows() == 1 && present.text(0, 0) == "t";
}

// In one transaction under the schema lock, so that clients connecting at once do it once.
std::string PgFuzzyIndex::makeIndexes(pg::Connection &db, const PairTable &table) {
  const std::string name = quotedIdentifier(table.name);
  const auto work = [&] {
    const pg::Result columns =
        db.run("SELECT count(*) FROM pg_catalog.pg_attribute WHERE attrelid = $1::regclass AND "
               "attname IN ('Grams1', 'Grams2') AND NOT attisdropped",
               {name});
    if (!columns.ok() || columns.rows() != 1)
      return false;
    // A memory from before the keys: they are added and filled for every row.
    if (columns.integer(0, 0) != 2 &&
        (!db.command("ALTER TABLE " + name +
                     " ADD COLUMN IF NOT EXISTS \"Grams1\" text COLLATE \"C\", ADD COLUMN IF "
                     "NOT EXISTS \"Grams2\" text COLLATE \"C\"") ||
         !fillKeys(db, name)))
      return false;
    for (int column = 1; column <= 2; ++column) {
      if (!createIndexes(db, name, column, indexNames(table.name, column)))
        return false;
    }
    return true;
  };
  if (db.command("BEGIN") &&
      db.command("SELECT pg_advisory_xact_lock(" + std::to_string(pg::kSchemaLock) + ")") &&
      work() && db.command("COMMIT"))
    return {};
  const std::string why = db.error();
  db.command("ROLLBACK");
  return "the table " + name + " has no trigram index, and it cannot be made (" + firstLine(why) +
         ")";
}

// The rows whose key is most like the text's, scored; false when the server failed.
bool PgFuzzyIndex::nearRows(pg::Connection &db, const PairTable &table, const std::string &key,
                            KeyKind kind, std::u16string_view query, std::int32_t minScore,
                            std::unordered_set<std::int64_t> &scored,
                            std::vector<FuzzyMatch> &matches) {
  const Names names(table);
  const int threshold = thresholdFor(key, kind, query.size(), minScore);
  if (threshold != m_threshold) {
    if (!db.command("SET pg_trgm.similarity_threshold = " + thresholdText(threshold)))
      return false;
    m_threshold = threshold;
  }
  // The key is spliced in, not bound: it holds letters and digits only, and a statement
  // prepared for any key could be planned without the index. Not kept as prepared either.
  const std::string literal = "'" + key + "'";
  const pg::Result near = db.exec(
      names.rows() + " WHERE length(" + names.fold + ")" + kind.rows + " AND " + names.key +
      " OPERATOR(" + m_schema + ".%) " + literal + " ORDER BY " + m_schema + ".similarity(" +
      names.key + ", " + literal + ") DESC, \"Id\" LIMIT " + std::to_string(kFuzzyCandidates));
  if (!near.ok())
    return false;
  scoreRows(near, query, minScore, scored, matches);
  return true;
}

FuzzyResult PgFuzzyIndex::search(pg::Connection &db, const PairTable &table,
                                 std::u16string_view text, std::int32_t minScore,
                                 std::int32_t maxCount) {
  FuzzyResult result;
  const std::u16string query = comparisonForm(text);
  const Names names(table);
  std::unordered_set<std::int64_t> scored;
  std::vector<FuzzyMatch> &matches = result.matches;
  // Exact matches always come, however many rows share their runs.
  const pg::Result equal =
      db.run(names.rows() + " WHERE " + names.fold + " = $1", {pg::toUtf8(query)});
  if (!equal.ok())
    return result;
  scoreRows(equal, query, minScore, scored, matches);
  const std::size_t shortest = shortestAlike(query.size(), minScore);
  const std::size_t longest = longestAlike(query.size(), minScore);
  if (shortest <= kShortLength) {
    // length() counts characters, and a character is one or two units.
    const std::string length = "length(" + names.fold + ")";
    const pg::Result shortTexts = db.run(
        names.rows() + " WHERE " + length + " <= " + std::to_string(kShortLength) + " AND " +
            length + " BETWEEN $1 AND $2 LIMIT " + std::to_string(kShortRows),
        {std::to_string((shortest + 1) / 2), std::to_string(std::min(longest, kShortLength))});
    if (!shortTexts.ok())
      return result;
    scoreRows(shortTexts, query, minScore, scored, matches);
  }
  // Texts of either kind of key may be alike: each kind is asked with its own key of the text.
  if (longest > kShortLength && shortest <= kCharKeyLength &&
      !nearRows(db, table, charKey(query), kCharKey, query, minScore, scored, matches))
    return result;
  if (longest > kCharKeyLength && query.size() >= 3 &&
      !nearRows(db, table, runKey(query), kRunKey, query, minScore, scored, matches))
    return result;
  rankMatches(matches, text, maxCount);
  result.read = true;
  return result;
}

} // namespace kestrine
