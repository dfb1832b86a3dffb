// SARIF 2.1.0 as GitHub code scanning takes it: one run per task, rules with stable ids,
// results with regions or, for compiled files, the resource as a logical location.
#include "findings/finding_writers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace tarvelo {

QString findingPath(const QString &file, const QString &root) {
  const QString absolute = QFileInfo(file).absoluteFilePath();
  QString relative = QDir(root.isEmpty() ? QDir::currentPath() : root).relativeFilePath(absolute);
  return relative.replace(u'\\', u'/');
}

QString findingUri(const QString &file, const QString &root) {
  return QString::fromLatin1(QUrl::toPercentEncoding(findingPath(file, root), "/"));
}

QString findingFingerprint(const Finding &finding, const QString &uri) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  for (const QString &part : {finding.rule, uri, finding.resourceKind, finding.resource,
                              finding.identifier, finding.text}) {
    hash.addData(part.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
  }
  return QString::fromLatin1(hash.result().toHex().left(32));
}

namespace {

QJsonObject textObject(const QString &text) {
  return QJsonObject{{"text", text}};
}

QJsonArray rulesArray() {
  QJsonArray rules;
  for (const FindingRule &rule : findingRules())
    rules.append(QJsonObject{
        {"id", QString::fromLatin1(rule.id)},
        {"shortDescription", textObject(QString::fromLatin1(rule.shortDescription))},
        {"fullDescription", textObject(QString::fromLatin1(rule.fullDescription))},
        {"help", textObject(QString::fromLatin1(rule.help))},
        {"defaultConfiguration",
         QJsonObject{{"level", QString::fromLatin1(levelName(rule.level))}}},
    });
  return rules;
}

QJsonObject locationOf(const Finding &finding, const QString &uri) {
  QJsonObject physical{{"artifactLocation", QJsonObject{{"uri", uri}}}};
  QJsonObject location;
  const TextPosition &at = finding.position;
  if (at.hasFileLine()) {
    QJsonObject region{{"startLine", at.line}, {"startColumn", at.startColumn}};
    if (at.endLine > at.line)
      region.insert("endLine", at.endLine);
    if (at.endColumn > 0)
      region.insert("endColumn", at.endColumn);
    physical.insert("region", region);
  } else if (at.compiled) {
    // A compiled file has no lines: its resource is named instead.
    const QString name = finding.resourceKind + u'/' + finding.resource + u'/' +
                         finding.identifier + u'/' + QString::number(finding.language);
    location.insert("logicalLocations", QJsonArray{QJsonObject{{"name", finding.identifier},
                                                               {"fullyQualifiedName", name},
                                                               {"kind", "resource"}}});
  }
  location.insert("physicalLocation", physical);
  return location;
}

QJsonObject resultOf(const Finding &finding, const QString &root) {
  const QString uri = findingUri(finding.file, root);
  return QJsonObject{
      {"ruleId", finding.rule},
      {"ruleIndex", findingRuleIndex(finding.rule)},
      {"level", QString::fromLatin1(levelName(finding.level))},
      {"message", textObject(finding.message)},
      {"locations", QJsonArray{locationOf(finding, uri)}},
      {"partialFingerprints",
       QJsonObject{{"tarveloItemHash/v1", findingFingerprint(finding, uri)}}},
  };
}

QJsonObject runOf(const FindingsRun &run, const QString &version, const QString &root) {
  QJsonArray results;
  for (const Finding &finding : run.findings)
    if (finding.failed)
      results.append(resultOf(finding, root));
  QJsonObject invocation{{"executionSuccessful", !run.readFailed}};
  if (run.readFailed)
    invocation.insert(
        "toolExecutionNotifications",
        QJsonArray{QJsonObject{{"level", "error"}, {"message", textObject(run.failure)}}});
  const QJsonObject driver{{"name", "Tarvelo"}, {"version", version}, {"rules", rulesArray()}};
  return QJsonObject{
      {"tool", QJsonObject{{"driver", driver}}},
      // Code scanning keeps one analysis per category: each command on each task is its own.
      {"automationDetails",
       QJsonObject{
           {"id", QStringLiteral("tarvelo-%1/%2/").arg(run.command, findingPath(run.file, root))}}},
      {"invocations", QJsonArray{invocation}},
      {"results", results},
  };
}

} // namespace

QByteArray sarifDocument(const std::vector<FindingsRun> &runs, const QString &version,
                         const QString &root) {
  QJsonArray array;
  for (const FindingsRun &run : runs)
    array.append(runOf(run, version, root));
  const QJsonObject document{
      {"$schema", "https://json.schemastore.org/sarif-2.1.0.json"},
      {"version", "2.1.0"},
      {"runs", array},
  };
  return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace tarvelo
