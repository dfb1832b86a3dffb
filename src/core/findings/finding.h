// A finding of check or report: which rule, where the text stands, and what was found.
#pragma once

#include "script/text_position.h"

#include <QString>
#include <vector>

namespace tarvelo {

enum class FindingLevel { Error, Warning, Note };

// "error", "warning" or "note", as SARIF and GitHub name them.
const char *levelName(FindingLevel level);

// One checked item under one rule: a finding when it failed, else a pass that only
// JUnit lists.
struct Finding {
  QString rule; // the rule's stable id, "access-key"
  FindingLevel level = FindingLevel::Warning;
  bool failed = true;
  QString message;
  QString file;          // the script (or compiled file) as the task names it
  TextPosition position; // compiled: the resource names it instead
  QString resourceKind;  // "DIALOG"
  QString resource;      // the resource's name, "IDD_ABOUT"; "STRINGTABLE" for strings
  QString identifier;    // the item's, "IDOK"
  QString sourceText;    // names items whose identifier does not (popup menus)
  int language = -1;
  QString text; // the item's text, which the fingerprint follows
};

// The findings of one task: the command and the file it checked, and what was found,
// or why the task could not be read.
struct FindingsRun {
  QString command; // "check" or "report"
  QString file;    // the target checked (the source when there is none)
  std::vector<Finding> findings;
  bool readFailed = false;
  QString failure;
};

// What is said about a rule in the tool's description.
struct FindingRule {
  const char *id;
  const char *shortDescription;
  const char *fullDescription;
  const char *help;
  FindingLevel level;
};

// Every rule check and report find by, in a fixed order (the rule indexes).
const std::vector<FindingRule> &findingRules();
// The index of a rule id, -1 for none.
int findingRuleIndex(const QString &id);
// The rule's level unless the settings say otherwise; warning for an unknown rule.
FindingLevel defaultLevel(const QString &id);

} // namespace tarvelo
