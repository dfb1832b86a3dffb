// Compiled files as sources of tasks: a program's or a .res file's resources read as the
// script the decompiler writes of them.
#pragma once

#include "compiled/decompiler.h"

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

// The same, looking at the first bytes of a file only.
bool isCompiledFile(const QString &path);

// Opens a source: a script as it is, a compiled file as the script of its resources
// (the file keeps its path), spelt with the macros of header when one is given. False
// when the file cannot be read, a compiled one is damaged or its header cannot be
// read; then error says why. Large data the script names as files is given in
// sideFiles, to be written beside a script target made from it.
bool openSourceScript(ScriptFile &file, const QString &path, QString *error = nullptr,
                      QList<SideFile> *sideFiles = nullptr, const QString &header = QString());

// Writes the side files into the folder of besidePath; false with error at the first
// that cannot be written.
bool writeSideFiles(const QList<SideFile> &sideFiles, const QString &besidePath, QString *error);

} // namespace tarvelo
