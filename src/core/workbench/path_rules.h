// Rules for the paths of scripts: extensions, absolute paths, same file.
#pragma once

#include <QString>

namespace tarvelo {

// A target name whose extension is neither "rc" nor "rc2" (in any case) gets
// "." and the given extension; a name ending in "." gets only the extension.
QString withScriptExtension(const QString &path, const QString &extension = QStringLiteral("rc"));

// The path made absolute, as the program stores paths.
QString absolutePath(const QString &path);

// Whether two paths name one file: the same file through links when both exist, else
// the same absolute path. Empty paths name no file.
bool sameFile(const QString &a, const QString &b);

} // namespace tarvelo
