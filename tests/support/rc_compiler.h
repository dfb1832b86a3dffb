// Compiling a script with llvm-rc, for tests that check what the compiler makes of it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarvelo::test {

// Compiles a script with llvm-rc in the given code page, with the folders to search
// for includes; the .res bytes, or empty with the reason in error.
QByteArray compileScript(const QString &script, const QStringList &includes, int codePage,
                         const QString &outFolder, QString &error);

} // namespace tarvelo::test
