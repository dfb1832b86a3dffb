// The room a dialog control gives its text, measured as the dialogs report measures it.
#pragma once

#include "exchange/model_context.h"

#include <memory>

namespace tarvelo {

class DialogReporter;
class TextMeasure;

// Measures a text as a dialog control's translation with the dialog's font, the way the
// dialogs report decides "too long". Use it on the thread that owns the entries.
class ControlRoomGauge {
public:
  explicit ControlRoomGauge(const TextMeasure &measure);
  ~ControlRoomGauge();

  // The control's room and the width the text needs there; not measured for entries
  // that are no dialog control or whose dialog was not laid out.
  RoomFit measure(TextEntry *control, const QString &text);

private:
  std::unique_ptr<DialogReporter> m_reporter;
};

} // namespace tarvelo
