// Following the target's own statements when a translated resource replaces it.
#include "script/block_follow.h"

#include "script/sequence_match.h"

#include <QHash>

namespace tarvelo {

namespace {

// The target's statement with the written statement's texts where they differ.
void appendWithTexts(QString &out, const QString &target, const StatementUnit &kept,
                     const QString &written, const StatementUnit &source) {
  qsizetype at = kept.start;
  for (size_t k = 0; k < kept.strings.size() && k < source.strings.size(); ++k) {
    const auto [from, to] = kept.strings[k];
    const QStringView wanted = QStringView(written).mid(
        source.strings[k].first, source.strings[k].second - source.strings[k].first);
    if (QStringView(target).mid(from, to - from) == wanted)
      continue;
    out += QStringView(target).mid(at, from - at);
    out += wanted;
    at = to;
  }
  out += QStringView(target).mid(at, kept.end - at);
}

} // namespace

QString followTargetBlock(const QString &written, const QString &target, UnitRule rule) {
  if (written == target || target.isEmpty() || written.isEmpty())
    return written;
  const BlockUnits w = splitStatements(written, rule);
  const BlockUnits t = splitStatements(target, rule);
  if (!w.followable || !t.followable || w.units.empty() || t.units.empty())
    return written;
  std::vector<std::uint64_t> wKeys, tKeys;
  for (const StatementUnit &unit : w.units)
    wKeys.push_back(qHash(unit.key));
  for (const StatementUnit &unit : t.units)
    tKeys.push_back(qHash(unit.key));
  const std::vector<std::pair<int, int>> pairs = matchSequences(
      wKeys, tKeys, [&](int i, int j) { return w.units[size_t(i)].key == t.units[size_t(j)].key; });
  if (pairs.empty())
    return written;

  QString out;
  out.reserve(target.size() + written.size() / 4);
  qsizetype cursor = 0; // in the target
  int nextWritten = 0, nextTarget = 0;
  const auto insertWritten = [&](int until) {
    for (; nextWritten < until; ++nextWritten) {
      const StatementUnit &added = w.units[size_t(nextWritten)];
      out += QStringView(written).mid(added.start, added.end - added.start);
      if (!out.endsWith(u'\n'))
        out += u'\n';
    }
  };
  // Between two shared statements: statements only the target has are dropped (the
  // comments around them stay), and those only the written block has take the place
  // of the first dropped one, or follow the shared statement before them.
  const auto bridge = [&](int writtenUntil, int targetUntil, qsizetype position) {
    if (nextTarget < targetUntil) {
      const StatementUnit &first = t.units[size_t(nextTarget)];
      out += QStringView(target).mid(cursor, first.start - cursor);
      cursor = first.end;
      ++nextTarget;
    }
    insertWritten(writtenUntil);
    for (; nextTarget < targetUntil; ++nextTarget) {
      const StatementUnit &dropped = t.units[size_t(nextTarget)];
      out += QStringView(target).mid(cursor, dropped.start - cursor);
      cursor = dropped.end;
    }
    out += QStringView(target).mid(cursor, position - cursor);
    cursor = position;
  };
  for (const auto &[i, j] : pairs) {
    const StatementUnit &kept = t.units[size_t(j)];
    bridge(i, j, kept.start);
    appendWithTexts(out, target, kept, written, w.units[size_t(i)]);
    cursor = kept.end;
    nextWritten = i + 1;
    nextTarget = j + 1;
  }
  bridge(int(w.units.size()), int(t.units.size()), target.size());
  if (!out.endsWith(u'\n'))
    out += u'\n';
  // What the compiler reads must be the written block's, whatever the target held.
  if (blockSignature(out, rule) != blockSignature(written, rule))
    return written;
  return out;
}

} // namespace tarvelo
