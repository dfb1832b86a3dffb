// An analysis run written as text, CSV, JSON or an HTML page.
#include "analysis/analysis_output.h"

#include "analysis/analysis_run.h"
#include "exchange/csv_fields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tarvelo {

BandCount addedBands(const std::vector<BandCount> &bands) {
  BandCount sum;
  for (const BandCount &band : bands)
    sum.add(band);
  return sum;
}

QString analysisWordsText(double words, CountingRule rule) {
  return rule == CountingRule::Characters ? QString::number(std::llround(words))
                                          : QString::number(words, 'f', 2);
}

namespace {

double wordsValue(double words, CountingRule rule) {
  return rule == CountingRule::Characters ? double(std::llround(words))
                                          : std::round(words * 100) / 100;
}

// The rows of one task or of the total: each band, then "Total".
template <typename F>
void forEachRow(const AnalysisRun &run, const std::vector<BandCount> &bands, F &&row) {
  for (int i = 0; i < run.limits().count(); ++i)
    row(run.limits().label(i), bands[size_t(i)]);
  row(QStringLiteral("Total"), addedBands(bands));
}

QString textTable(const AnalysisRun &run, const std::vector<BandCount> &bands) {
  QString out = QStringLiteral("  %1 %2 %3 %4\n")
                    .arg(QStringLiteral("Band"), -16)
                    .arg(QStringLiteral("Segments"), 10)
                    .arg(QStringLiteral("Words"), 12)
                    .arg(QStringLiteral("Characters"), 12);
  forEachRow(run, bands, [&](const QString &label, const BandCount &count) {
    out += QStringLiteral("  %1 %2 %3 %4\n")
               .arg(label, -16)
               .arg(count.segments, 10)
               .arg(analysisWordsText(count.words, run.rule()), 12)
               .arg(count.characters, 12);
  });
  return out;
}

QString asText(const AnalysisRun &run) {
  QString out = QStringLiteral("Counting: %1\n").arg(countingRuleName(run.rule()));
  for (const TaskAnalysis &task : run.tasks()) {
    out += QStringLiteral("\nTask: %1\n").arg(task.name);
    out += task.error.isEmpty() ? textTable(run, task.bands)
                                : QStringLiteral("  not analysed: %1\n").arg(task.error);
  }
  out += QStringLiteral("\nAll tasks\n") + textTable(run, run.total());
  return out;
}

QString asCsv(const AnalysisRun &run) {
  QString out =
      QStringLiteral("\"Task\",\"Band\",\"Segments\",\"Words\",\"Characters\",\"Error\"\n");
  const auto rows = [&](const QString &name, const std::vector<BandCount> &bands,
                        const QString &error) {
    if (!error.isEmpty()) {
      out += quotedCsvField(name) + QStringLiteral(",,,,,") + quotedCsvField(error) + u'\n';
      return;
    }
    forEachRow(run, bands, [&](const QString &label, const BandCount &count) {
      out += quotedCsvField(name) + u',' + quotedCsvField(label) + u',' +
             QString::number(count.segments) + u',' + analysisWordsText(count.words, run.rule()) +
             u',' + QString::number(count.characters) + QStringLiteral(",\n");
    });
  };
  for (const TaskAnalysis &task : run.tasks())
    rows(task.name, task.bands, task.error);
  rows(QStringLiteral("All tasks"), run.total(), QString());
  out += QStringLiteral("\"Counting\",") + quotedCsvField(countingRuleName(run.rule())) +
         QStringLiteral(",,,,\n");
  return out;
}

QJsonArray jsonBands(const AnalysisRun &run, const std::vector<BandCount> &bands) {
  QJsonArray array;
  forEachRow(run, bands, [&](const QString &label, const BandCount &count) {
    array.append(QJsonObject{{QStringLiteral("band"), label},
                             {QStringLiteral("segments"), count.segments},
                             {QStringLiteral("words"), wordsValue(count.words, run.rule())},
                             {QStringLiteral("characters"), count.characters}});
  });
  return array;
}

QByteArray asJson(const AnalysisRun &run) {
  QJsonArray tasks;
  for (const TaskAnalysis &task : run.tasks()) {
    QJsonObject object{{QStringLiteral("name"), task.name}};
    if (task.error.isEmpty())
      object.insert(QStringLiteral("bands"), jsonBands(run, task.bands));
    else
      object.insert(QStringLiteral("error"), task.error);
    tasks.append(object);
  }
  const QJsonObject root{{QStringLiteral("counting"), countingRuleName(run.rule())},
                         {QStringLiteral("tasks"), tasks},
                         {QStringLiteral("total"), jsonBands(run, run.total())}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString htmlTable(const AnalysisRun &run, const std::vector<BandCount> &bands) {
  // Numbers right-aligned by attribute too: readers without style sheets keep them so.
  QString out = QStringLiteral("<table>\n<tr><th>Band</th><th align=\"right\">Segments</th>"
                               "<th align=\"right\">Words</th><th align=\"right\">Characters"
                               "</th></tr>\n");
  forEachRow(run, bands, [&](const QString &label, const BandCount &count) {
    out += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3"
                          "</td><td align=\"right\">%4</td></tr>\n")
               .arg(label.toHtmlEscaped())
               .arg(count.segments)
               .arg(analysisWordsText(count.words, run.rule()))
               .arg(count.characters);
  });
  return out + QStringLiteral("</table>\n");
}

QString asHtml(const AnalysisRun &run) {
  QString out = QStringLiteral(
      "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Analysis</title>\n"
      "<style>td:not(:first-child){text-align:right}th,td{padding:0 0.5em}</style>\n"
      "</head>\n<body>\n<h1>Analysis</h1>\n");
  out += QStringLiteral("<p>Counting: %1</p>\n").arg(countingRuleName(run.rule()).toHtmlEscaped());
  for (const TaskAnalysis &task : run.tasks()) {
    out += QStringLiteral("<h2>%1</h2>\n").arg(task.name.toHtmlEscaped());
    out += task.error.isEmpty()
               ? htmlTable(run, task.bands)
               : QStringLiteral("<p>Not analysed: %1</p>\n").arg(task.error.toHtmlEscaped());
  }
  out += QStringLiteral("<h2>All tasks</h2>\n") + htmlTable(run, run.total());
  return out + QStringLiteral("</body>\n</html>\n");
}

} // namespace

bool parseAnalysisFormat(const QString &name, AnalysisFormat &format) {
  if (name == QLatin1String("text"))
    format = AnalysisFormat::Text;
  else if (name == QLatin1String("csv"))
    format = AnalysisFormat::Csv;
  else if (name == QLatin1String("json"))
    format = AnalysisFormat::Json;
  else if (name == QLatin1String("html"))
    format = AnalysisFormat::Html;
  else
    return false;
  return true;
}

QByteArray formatAnalysis(const AnalysisRun &run, AnalysisFormat format) {
  switch (format) {
  case AnalysisFormat::Csv:
    return asCsv(run).toUtf8();
  case AnalysisFormat::Json:
    return asJson(run);
  case AnalysisFormat::Html:
    return asHtml(run).toUtf8();
  case AnalysisFormat::Text:
    break;
  }
  return asText(run).toUtf8();
}

} // namespace tarvelo
