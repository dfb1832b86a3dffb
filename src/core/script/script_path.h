// File names as written in scripts and on Windows, resolved on this system.
#pragma once

#include <QString>

namespace tarvelo {

// A file name as written in a script or a file made on Windows: "\" and "/" both
// separate folders, and the doubled "\\" of a C string counts once. Relative names
// are taken from baseFolder. When the exact name does not exist on a case-sensitive
// file system, the one entry of its folder whose name differs only in case is taken.
QString resolveWindowsPath(const QString &baseFolder, const QString &name);

// The part of a path after its last separator ("\" or "/").
QString fileNameOf(const QString &path);

} // namespace tarvelo
