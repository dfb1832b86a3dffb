// Whether a file named as a target can be one: a resource script, a compiled file whose
// resources can be read, or a new file.
#pragma once

#include <QString>

namespace tarvelo {

// Why an existing file that is not named as a script (.rc, .rc2) is no resource script
// (a picture, any file of binary data, or text that does not read as a script); empty
// when it is one, when it is named as one, or when it does not exist yet. A compiled
// file (.res, language DLL, program) is one when its resources can be read.
QString notAScriptReason(const QString &path);

// The message refusing such a file as the target.
QString notAScriptMessage(const QString &path, const QString &reason);

} // namespace tarvelo
