// A command's closing summary: printed as text, left out (--quiet), or gathered into one
// JSON object (--json) that names the command, its counts and its exit status.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace tarvelo {
class EntryList;
}

namespace tarvelo::cli {

enum class SummaryMode { Text, Quiet, Json };

// Takes --quiet and --json out of the command's arguments and chooses the mode; false
// with the reason when both are given.
bool takeSummaryOptions(QStringList &arguments, QString &error);

using SummaryCounts = QList<QPair<QString, qint64>>;

// A line of the summary with the numbers it states, under their names for JSON.
void printSummary(const QString &line, const SummaryCounts &counts);
// The verification summary of the entries, with its counts.
void printVerificationSummary(const EntryList &entries);

// With --json, the object of everything summarised, once the command has ended.
void finishSummary(const QString &command, int status);

} // namespace tarvelo::cli
