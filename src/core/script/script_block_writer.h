// The script text a target is given for a resource.
#pragma once

#include <QString>

namespace tarvelo {

class TextEntry;
struct WriteContext;

// The resource's text for the target script, or empty when nothing is written: only
// head entries of the context's task write. writeAll is false in a selective save
// (then only entries selected for saving are written); keepSource writes the source
// texts. codePage is the one the text is written in.
QString writeScriptBlock(const TextEntry &entry, const WriteContext &context, int codePage,
                         bool writeAll, bool keepSource);

} // namespace tarvelo
