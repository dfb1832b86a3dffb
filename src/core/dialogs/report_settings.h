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

// The window starts with the three checks it always had; the command line runs them all.
constexpr int kReportWindowDefault = ReportTooLong | ReportAlignmentStyles | ReportOtherStyles;
constexpr int kReportAllChecks = 0x3F;

// Style words that only align a control's text; every other word counts as another
// style.
bool isAlignmentStyle(QStringView word);

} // namespace tarvelo
