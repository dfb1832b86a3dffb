// An analysis run written as text, CSV, JSON or an HTML page.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tarvelo {

class AnalysisRun;
struct BandCount;
enum class CountingRule;

enum class AnalysisFormat { Text, Csv, Json, Html };

// "text", "csv", "json" or "html"; false for any other name.
bool parseAnalysisFormat(const QString &name, AnalysisFormat &format);

// The bands' counts added up.
BandCount addedBands(const std::vector<BandCount> &bands);
// Words as the results print them: whole words under the character rule, weighted words
// to two decimals.
QString analysisWordsText(double words, CountingRule rule);

// Each task's counts per band and its total, then the total of every task, in UTF-8.
QByteArray formatAnalysis(const AnalysisRun &run, AnalysisFormat format);

} // namespace tarvelo
