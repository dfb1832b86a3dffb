// Findings written for continuous integration: SARIF, JUnit XML and GitHub annotations.
#pragma once

#include "findings/finding.h"

#include <QByteArray>
#include <QString>

namespace tarvelo {

// The file's path relative to root, with forward slashes.
QString findingPath(const QString &file, const QString &root);
// The file's URI relative to root, with forward slashes and percent-encoded.
QString findingUri(const QString &file, const QString &root);
// A hash of the rule, file, resource and text, not of the line: it stays when other
// lines move.
QString findingFingerprint(const Finding &finding, const QString &uri);

// Every run and its findings as plain JSON, for scripts of one's own.
QByteArray findingsJson(const std::vector<FindingsRun> &runs, const QString &root);
// SARIF 2.1.0, one run per task, each with its own automationDetails id.
QByteArray sarifDocument(const std::vector<FindingsRun> &runs, const QString &version,
                         const QString &root);
// One testsuite per rule, one testcase per item checked under it.
QByteArray junitDocument(const std::vector<FindingsRun> &runs, const QString &root);
// One workflow command per finding, and one per task that could not be read.
QByteArray githubAnnotations(const std::vector<FindingsRun> &runs, const QString &root);

} // namespace tarvelo
