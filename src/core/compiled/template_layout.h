// A dialog's translated layout (as the target has it, or as the layout editor left it)
// written into its compiled template.
#pragma once

#include "compiled/dialog_template.h"

namespace tarvelo {

class DialogEntry;

// Which template the layout goes into: the source's (a compiled source, whose controls
// are the source's in order) or the target's own (a script source's compiled target).
enum class TemplateSide { Source, Target };

// Gives the template the translated dialog's rectangles, font, and the style words the
// translated layout adds to or takes from the source's; nothing when the dialog is
// written in the source's layout or its layouts were not built.
void applyTranslatedLayout(CompiledDialog &dialog, const DialogEntry &entry, TemplateSide side);

} // namespace tarvelo
