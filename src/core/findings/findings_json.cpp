// Findings as plain JSON: every run with its findings and where each stands.
#include "findings/finding_writers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarvelo {

namespace {

QJsonObject findingObject(const Finding &finding, const QString &root) {
  QJsonObject object{{"rule", finding.rule},
                     {"level", QString::fromLatin1(levelName(finding.level))},
                     {"message", finding.message},
                     {"file", findingPath(finding.file, root)},
                     {"kind", finding.resourceKind},
                     {"resource", finding.resource},
                     {"identifier", finding.identifier},
                     {"text", finding.text}};
  const TextPosition &at = finding.position;
  if (at.hasFileLine()) {
    object.insert("line", at.line);
    object.insert("startColumn", at.startColumn);
    object.insert("endLine", at.endLine);
    object.insert("endColumn", at.endColumn);
  } else if (at.compiled) {
    object.insert("language", finding.language);
  }
  return object;
}

} // namespace

QByteArray findingsJson(const std::vector<FindingsRun> &runs, const QString &root) {
  QJsonArray array;
  for (const FindingsRun &run : runs) {
    QJsonArray findings;
    for (const Finding &finding : run.findings)
      if (finding.failed)
        findings.append(findingObject(finding, root));
    QJsonObject object{
        {"command", run.command}, {"file", findingPath(run.file, root)}, {"findings", findings}};
    if (run.readFailed)
      object.insert("failure", run.failure);
    array.append(object);
  }
  return QJsonDocument(QJsonObject{{"runs", array}}).toJson(QJsonDocument::Indented);
}

} // namespace tarvelo
