// The --format, --root, --out and --fail-on options of check and report, and the
// findings written in the chosen form.
#pragma once

#include "findings/finding.h"

#include <QString>

namespace tarvelo::cli {

class CliArguments;

enum class OutputFormat { Text, Json, Sarif, Junit, Github };
enum class FailOn { Default, Error, Warning, Never };

struct FindingsOptions {
  OutputFormat format = OutputFormat::Text;
  QString root; // relative URIs start here; the current folder when empty
  QString out;  // standard output when empty
  FailOn failOn = FailOn::Default;

  // SARIF, JUnit and GitHub are written from findings.
  bool wantsFindings() const { return format >= OutputFormat::Sarif; }
  // JUnit lists the items that pass too.
  bool withPasses() const { return format == OutputFormat::Junit; }
};

// The option names the parser must accept.
QStringList findingsOptionNames();
// Reads the options; false with the reason for a bad value.
bool parseFindingsOptions(const CliArguments &read, FindingsOptions &options, QString &error);

// Writes the runs in the chosen form to standard output, or atomically to --out; false,
// with the reason on standard error, when the file could not be written.
bool writeFindings(const std::vector<FindingsRun> &runs, const FindingsOptions &options);
// Writes text already formatted (text or JSON output) the same way.
bool writeOutput(const QByteArray &content, const FindingsOptions &options);

// The exit status --fail-on gives: 2 when a task could not be read, 1 when a finding
// reaches the level, else 0; without --fail-on, the command's own status.
int findingsStatus(const std::vector<FindingsRun> &runs, FailOn failOn, int ownStatus);

} // namespace tarvelo::cli
