// A machine-translation run through a language model, with context and the fit loop.
#pragma once

#include "exchange/machine_translation_run.h"

namespace tarvelo {

// translateEntries for a language model: each chain's item carries its context, the
// terms aids.terms finds and, for a dialog control, its room by aids.fit. An answer that
// does not fit is sent back once with the width it needed; if the second still does
// not fit it is kept and listed as too long.
MtRunResult translateWithModel(EntryList &entries, UndoStack &undo,
                               const std::function<void(TextEntry *)> &inspect,
                               const EntryTest &selected, const MachineTranslator &translator,
                               Progress &progress, const ModelAids &aids);

} // namespace tarvelo
