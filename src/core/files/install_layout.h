// Where a program finds its library, translations and companion programs, installed or built.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

// The memory library's candidates, most specific first, as QLibrary names (no prefix or
// suffix): beside the program (the build tree, or a folder shipped as one), then the
// installed library folder relative to the program. The system's search comes after these.
QStringList memoryLibraryCandidates(const QString &programFolder);

// The library's major version: its SONAME is libkestrine.so.<major>.
int memoryLibraryMajorVersion();

// The folder holding the interface translations (tarvelo_NNNN.qm): the installed one
// relative to the program when it exists, else the program's own folder.
QString translationsFolder(const QString &programFolder);

// Whether the program runs from an installed layout (its translations in the shared data
// folder beside bin/) rather than from a build tree or a folder shipped as one.
bool isInstalledProgram(const QString &programFolder);

// The path of a companion program: in the installed helpers folder relative to the program
// when it is there, else beside the program.
QString companionProgram(const QString &programFolder, const QString &name);

} // namespace tarvelo
