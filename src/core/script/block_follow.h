// Writing a resource in the target's own form: the statements it already holds keep
// their bytes, only texts that changed are replaced, and the target's comments stay.
#pragma once

#include "script/statement_units.h"

#include <QString>

namespace tarvelo {

// The written block (the source's resource with the translations) given the layout of
// the target's block: each statement the two share, texts aside, is the target's with
// the written texts; statements only the written block has go after the shared one
// before them; statements only the target has are left out. What the compiler reads
// is always exactly the written block's; when that cannot be made sure, the written
// block is returned as it is.
QString followTargetBlock(const QString &written, const QString &target, UnitRule rule);

} // namespace tarvelo
