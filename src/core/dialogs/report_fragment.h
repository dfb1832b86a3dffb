// The findings of a control and the dialogs report written as rich text.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tarvelo {

struct ControlReport;
struct DialogsReport;

enum class FindingKind {
  TooLong,
  AddedStyles,
  RemovedStyles,
  AddedExStyles,
  RemovedExStyles,
  Overlaps,
  Outside,
  SameAccessKey,
};
constexpr int kFindingKinds = 8;

struct ControlFinding {
  FindingKind kind;
  QString text;      // as the report writes it, without the blank that follows
  QStringList names; // the style words or the other controls it names
};

// The findings of a control, in the order the report writes them.
std::vector<ControlFinding> findings(const ControlReport &control);
// A name of the kind for machines ("tooLong", "addedStyles", ...).
const char *findingKey(FindingKind kind);

// The report as rich text: per reported dialog the resource keyword, the dialog's
// identifier as a link "dialog:N" (N its index in the report's dialogs), the file
// part, then one line per reported control; or the text that there is nothing to
// report.
QString reportHtml(const DialogsReport &report);
QString nothingToReportText();
QString dialogsReportedText(int count);

} // namespace tarvelo
