// The dialogs report's findings on controls, one per rule, at the control's text.
#include "findings/report_findings.h"

#include "dialogs/dialog_report.h"
#include "dialogs/report_fragment.h"
#include "dialogs/report_settings.h"
#include "findings/check_findings.h"
#include "script/task.h"
#include "script/text_entry.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

QString tr(const char *text) {
  return QCoreApplication::translate("tarvelo::Findings", text);
}

// A rule of the report: the setting bits that turn it on and the kinds it gathers.
struct ReportRule {
  const char *id;
  int bits;
  FindingKind kinds[4];
  int kindCount;
};

constexpr ReportRule kReportRules[] = {
    {"text-too-long", ReportTooLong, {FindingKind::TooLong}, 1},
    {"overlap", ReportOverlaps, {FindingKind::Overlaps}, 1},
    {"outside-dialog", ReportOutside, {FindingKind::Outside}, 1},
    {"same-access-key", ReportAccessKeys, {FindingKind::SameAccessKey}, 1},
    {"style-changed",
     ReportAlignmentStyles | ReportOtherStyles,
     {FindingKind::AddedStyles, FindingKind::RemovedStyles, FindingKind::AddedExStyles,
      FindingKind::RemovedExStyles},
     4},
};

bool gathers(const ReportRule &rule, FindingKind kind) {
  for (int i = 0; i < rule.kindCount; ++i)
    if (rule.kinds[i] == kind)
      return true;
  return false;
}

// The finding of one rule on a control, at its text or else at the dialog's statement.
Finding controlFinding(const DialogReport &dialog, const ControlReport &control, const Task &task,
                       const char *rule) {
  const TextEntry *entry = control.entry ? control.entry : dialog.entry;
  Finding finding;
  if (entry) {
    finding = itemFinding(*entry, task, rule);
  } else {
    finding.rule = QString::fromLatin1(rule);
    finding.level = defaultLevel(finding.rule);
    finding.file = task.targetPath.isEmpty() ? task.sourcePath : task.targetPath;
  }
  finding.resourceKind = dialog.keyword;
  finding.resource = dialog.identifier;
  // The name tells controls of one identifier apart.
  finding.identifier = control.name;
  finding.sourceText.clear();
  finding.text = control.text;
  return finding;
}

void controlFindings(const DialogReport &dialog, const ControlReport &control, const Task &task,
                     int setting, bool withPasses, std::vector<Finding> &out) {
  const std::vector<ControlFinding> found = findings(control);
  for (const ReportRule &rule : kReportRules) {
    if (!(setting & rule.bits))
      continue;
    QStringList lines;
    for (const ControlFinding &item : found)
      if (gathers(rule, item.kind))
        lines.append(item.text);
    // A control whose text was not measured is not checked for its length.
    const bool checked = rule.bits != ReportTooLong || control.measured;
    if (lines.isEmpty() && !(withPasses && checked))
      continue;
    Finding finding = controlFinding(dialog, control, task, rule.id);
    finding.failed = !lines.isEmpty();
    if (finding.failed)
      finding.message = tr("%1 %2, control %3: %4")
                            .arg(dialog.keyword, dialog.identifier, control.name, lines.join(u' '));
    out.push_back(std::move(finding));
  }
}

} // namespace

void reportFindings(const DialogsReport &report, const Task &task, bool withPasses,
                    std::vector<Finding> &out) {
  for (const DialogReport &dialog : report.dialogs)
    for (const ControlReport &control : dialog.controls)
      controlFindings(dialog, control, task, report.setting, withPasses, out);
}

} // namespace tarvelo
