// The bits of the report setting, and which style words only align text.
#pragma once

#include <QStringView>

namespace tarvelo {

// The bits of the "ReportSetting" value: what the dialogs report looks for.
enum ReportBit : int {
  ReportTooLong = 0x1,
  ReportAlignmentStyles = 0x2,
  ReportOtherStyles = 0x4,
  ReportOverlaps = 0x8,
  ReportOutside = 0x10,
  ReportAccessKeys = 0x20,
};

constexpr int kReportAllChecks = 0x3F;
// The window reports what the command line reports until the translator chooses less.
constexpr int kReportWindowDefault = kReportAllChecks;

// Style words that only align a control's text; every other word counts as another
// style.
bool isAlignmentStyle(QStringView word);

} // namespace tarvelo
