// What a task's file is (a script, compiled resources, a language DLL, a program), and
// in which form a target is written.
#pragma once

#include <QString>

namespace tarvelo {

// What a file on the disk holds, looked at by its first bytes and headers.
enum class FileKind { Missing, Script, CompiledResources, LanguageDll, Program };

// The form a target is written in.
enum class TargetKind { Script, CompiledResources, LanguageDll, ProgramCopy };

FileKind fileKindOf(const QString &path);

// The form a target at path is written in: the form of the compiled file there, else
// the one its extension names (.res; .dll and .mui a language DLL; .exe, .ocx, .cpl a
// copy of the program), else a script.
TargetKind targetKindFor(const QString &path);

// "Resource script", "Program", ... for the task's properties.
QString fileKindName(FileKind kind);
QString targetKindName(TargetKind kind);

} // namespace tarvelo
