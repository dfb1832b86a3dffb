// Check's and report's output options, and the findings written as SARIF, JUnit or
// GitHub annotations.
#include "cli/findings_output.h"

#include "cli/cli_arguments.h"
#include "files/file_transaction.h"
#include "findings/finding_writers.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

QStringList findingsOptionNames() {
  return {QStringLiteral("format"), QStringLiteral("root"), QStringLiteral("out"),
          QStringLiteral("fail-on")};
}

bool parseFindingsOptions(const CliArguments &read, FindingsOptions &options, QString &error) {
  static const QHash<QString, OutputFormat> formats = {{"text", OutputFormat::Text},
                                                       {"json", OutputFormat::Json},
                                                       {"sarif", OutputFormat::Sarif},
                                                       {"junit", OutputFormat::Junit},
                                                       {"github", OutputFormat::Github}};
  static const QHash<QString, FailOn> levels = {
      {"error", FailOn::Error}, {"warning", FailOn::Warning}, {"never", FailOn::Never}};
  const QString format = read.value(QStringLiteral("format"), QStringLiteral("text"));
  if (!formats.contains(format)) {
    error = QStringLiteral("bad value '%1' for --format (text, json, sarif, junit or github)")
                .arg(format);
    return false;
  }
  options.format = formats.value(format);
  if (read.has(QStringLiteral("fail-on"))) {
    const QString level = read.value(QStringLiteral("fail-on"));
    if (!levels.contains(level)) {
      error = QStringLiteral("bad value '%1' for --fail-on (error, warning or never)").arg(level);
      return false;
    }
    options.failOn = levels.value(level);
  }
  options.root = read.value(QStringLiteral("root"));
  if (!options.root.isEmpty() && !QFileInfo(options.root).isDir()) {
    error = QStringLiteral("--root '%1' is not a folder").arg(options.root);
    return false;
  }
  options.out = read.value(QStringLiteral("out"));
  if (!options.out.isEmpty() && options.format == OutputFormat::Text) {
    error = QStringLiteral("--out goes with --format json, sarif, junit or github");
    return false;
  }
  return true;
}

bool writeOutput(const QByteArray &content, const FindingsOptions &options) {
  if (options.out.isEmpty()) {
    std::fwrite(content.constData(), 1, size_t(content.size()), stdout);
    return std::fflush(stdout) == 0;
  }
  QString message;
  if (writeFileSafely(options.out, content, &message))
    return true;
  std::fprintf(stderr, "error: %s\n", message.toUtf8().constData());
  return false;
}

bool writeFindings(const std::vector<FindingsRun> &runs, const FindingsOptions &options) {
  const QString root = options.root.isEmpty() ? QDir::currentPath() : options.root;
  switch (options.format) {
  case OutputFormat::Sarif:
    return writeOutput(sarifDocument(runs, QStringLiteral(TARVELO_VERSION), root), options);
  case OutputFormat::Junit:
    return writeOutput(junitDocument(runs, root), options);
  case OutputFormat::Github:
    return writeOutput(githubAnnotations(runs, root), options);
  case OutputFormat::Text:
  case OutputFormat::Json:
    break;
  }
  return false;
}

int findingsStatus(const std::vector<FindingsRun> &runs, FailOn failOn, int ownStatus) {
  for (const FindingsRun &run : runs)
    if (run.readFailed)
      return 2;
  if (failOn == FailOn::Default)
    return ownStatus;
  for (const FindingsRun &run : runs)
    for (const Finding &finding : run.findings) {
      if (!finding.failed || failOn == FailOn::Never)
        continue;
      if (finding.level == FindingLevel::Error ||
          (failOn == FailOn::Warning && finding.level == FindingLevel::Warning))
        return 1;
    }
  return 0;
}

} // namespace tarvelo::cli
