// The closing summary of a command as text, as nothing, or as one JSON object.
#include "cli/summary_output.h"

#include "script/verification.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace tarvelo::cli {

namespace {

// One run is one command: what it summarised waits here for the JSON object.
struct Summary {
  SummaryMode mode = SummaryMode::Text;
  QJsonArray lines;
  QJsonObject counts;
};

Summary &summary() {
  static Summary state;
  return state;
}

} // namespace

bool takeSummaryOptions(QStringList &arguments, QString &error) {
  const bool quiet = arguments.removeAll(QStringLiteral("--quiet")) > 0;
  const bool json = arguments.removeAll(QStringLiteral("--json")) > 0;
  if (quiet && json) {
    error = QStringLiteral("--quiet and --json do not go together");
    return false;
  }
  summary().mode = quiet ? SummaryMode::Quiet : json ? SummaryMode::Json : SummaryMode::Text;
  return true;
}

void printSummary(const QString &line, const SummaryCounts &counts) {
  Summary &state = summary();
  if (state.mode == SummaryMode::Text)
    std::printf("%s\n", line.toUtf8().constData());
  if (state.mode != SummaryMode::Json)
    return;
  if (!line.isEmpty())
    state.lines.append(line);
  for (const auto &[name, value] : counts)
    state.counts.insert(name, value);
}

void printVerificationSummary(const EntryList &entries) {
  const VerificationCounts counts = verificationCounts(entries);
  printSummary(verificationSummary(entries), {{"items", counts.total},
                                              {"verified", counts.verified},
                                              {"matched", counts.matched},
                                              {"fuzzy", counts.fuzzy},
                                              {"notFound", counts.notFound},
                                              {"sourceModified", counts.modified},
                                              {"filled", counts.filled}});
}

void finishSummary(const QString &command, int status) {
  const Summary &state = summary();
  if (state.mode != SummaryMode::Json)
    return;
  const QJsonObject object{
      {"command", command}, {"status", status}, {"summary", state.lines}, {"counts", state.counts}};
  std::fputs(QJsonDocument(object).toJson(QJsonDocument::Indented).constData(), stdout);
}

} // namespace tarvelo::cli
