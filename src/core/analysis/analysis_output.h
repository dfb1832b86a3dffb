// An analysis run written as text, CSV, JSON or an HTML page.
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvelo {

class AnalysisRun;

enum class AnalysisFormat { Text, Csv, Json, Html };

// "text", "csv", "json" or "html"; false for any other name.
bool parseAnalysisFormat(const QString &name, AnalysisFormat &format);

// Each task's counts per band and its total, then the total of every task, in UTF-8.
QByteArray formatAnalysis(const AnalysisRun &run, AnalysisFormat format);

} // namespace tarvelo
