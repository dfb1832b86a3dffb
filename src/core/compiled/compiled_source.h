// Compiled files as sources of tasks: a program's or a .res file's resources read as the
// script the decompiler writes of them.
#pragma once

#include "compiled/res_file.h"

#include <QByteArray>
#include <QString>

namespace tarvelo {

class ScriptFile;

// Whether the bytes are a program (they begin with MZ) or a .res file (they begin with
// the empty resource that marks one).
bool isCompiledResources(const QByteArray &bytes);

// The resources of a program or .res file; false with error (where and what) when the
// file is damaged.
bool readCompiledResources(const QByteArray &bytes, QList<CompiledResource> &resources,
                           QString &error);

// Opens a source: a script as it is, a compiled file as the script of its resources
// (the file keeps its path). False when the file cannot be read or a compiled one is
// damaged; then error says why.
bool openSourceScript(ScriptFile &file, const QString &path, QString *error = nullptr);

} // namespace tarvelo
