// Findings of the dialogs report, one per control and rule.
#pragma once

#include "findings/finding.h"

namespace tarvelo {

struct DialogsReport;
struct Task;

// What the report found on each control of each dialog, placed at the control's text
// (or at the dialog's statement for a control without text). withPasses adds the
// controls that pass each check the report setting turns on, for JUnit.
void reportFindings(const DialogsReport &report, const Task &task, bool withPasses,
                    std::vector<Finding> &out);

} // namespace tarvelo
