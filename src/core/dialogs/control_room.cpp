// Measuring a candidate translation in its dialog control with the dialog's font.
#include "dialogs/control_room.h"

#include "dialogs/dialog_report.h"
#include "dialogs/report_settings.h"
#include "script/text_entry.h"

#include <algorithm>

namespace tarvelo {

ControlRoomGauge::ControlRoomGauge(const TextMeasure &measure)
    : m_reporter(std::make_unique<DialogReporter>(measure, ReportTooLong)) {}

ControlRoomGauge::~ControlRoomGauge() = default;

RoomFit ControlRoomGauge::measure(TextEntry *control, const QString &text) {
  RoomFit fit;
  if (!control || control->entryClass() != TextEntry::Class::Control)
    return fit;
  TextEntry *head = control->head();
  if (!head || head->entryClass() != TextEntry::Class::Dialog)
    return fit;
  auto &dialog = static_cast<DialogEntry &>(*head);
  if (!dialog.layoutsBuilt)
    return fit;
  // The report shows the target texts: the candidate stands in for a moment.
  const QString kept = control->targetText;
  control->targetText = text;
  const DialogReport report = m_reporter->report(dialog);
  control->targetText = kept;
  for (const ControlReport &shown : report.controls) {
    if (shown.entry != control || !shown.measured || shown.room.width() <= 0)
      continue;
    const int lineHeight = std::max(1, report.baseUnits.y);
    fit.measured = true;
    fit.width = shown.room.width();
    fit.lines = shown.wrapped ? std::max(1, shown.room.height() / lineHeight) : 1;
    fit.averageCharWidth = std::max(1, report.baseUnits.x);
    fit.neededWidth = shown.textSize.width();
    fit.tooLong = shown.tooLong;
    break;
  }
  return fit;
}

} // namespace tarvelo
