// A block's text cut into statements, each standing on whole lines, for comparing a
// target's resource with the written one statement by statement.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace tarvelo {

struct StatementUnit {
  qsizetype start = 0; // start of its first line
  qsizetype end = 0;   // past the line feed of its last line
  // Its tokens as the compiler reads them (keywords in upper case, numbers by value,
  // commas left out), every string as one mark: equal keys mean the same statement
  // but for its texts.
  QString key;
  // Where the characters between the quotes of each of its strings stand.
  std::vector<std::pair<qsizetype, qsizetype>> strings;
};

struct BlockUnits {
  std::vector<StatementUnit> units;
  // A comment over several lines, or a string that does not end, would be cut by
  // moving statements: such a block is not followed.
  bool followable = true;
};

// How statements begin: at their keywords (and, in string tables, at the identifier
// after a string; in DLGINIT data, at the control of each record).
enum class UnitRule { Statements, StringTable, Records };

BlockUnits splitStatements(const QString &text, UnitRule rule);

// Where the line holding position at begins, and past the line feed that ends it.
qsizetype lineStartOf(QStringView text, qsizetype at);
qsizetype lineEndOf(QStringView text, qsizetype at);

// The key a text's tokens make (an identifier alone, for instance).
QString tokensKey(const QString &text);

// The statements' keys and texts, all in one: two blocks that compile alike, comments
// and layout aside, give the same signature.
QString blockSignature(const QString &text, UnitRule rule);

} // namespace tarvelo
