// Compiled resources written as a resource script: the texts as statements a translator
// reads, everything else as the data it holds.
#pragma once

#include "compiled/header_names.h"
#include "compiled/res_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <limits>

namespace tarvelo {

// A file the script names for a resource whose bytes a script cannot spell out.
struct SideFile {
  QString name;
  QByteArray data;
};

constexpr qsizetype kSpellEveryByte = std::numeric_limits<qsizetype>::max();

struct DecompiledScript {
  QString text;              // the script, to be saved as UTF-8 and compiled as code page 65001
  QList<SideFile> sideFiles; // to be saved beside it under their names
};

// STRINGTABLE, MENU, MENUEX, DIALOG, DIALOGEX, DLGINIT and VERSIONINFO become their
// statements, each language's under its LANGUAGE statement; every other resource
// becomes raw data of its numbered or named type. sideName is the stem of side files
// ("program" gives "program_1.bin"). Data of more than spelledData bytes goes to a side
// file too. With names, the numbers the header defines are written as its macros and
// the script includes the header.
DecompiledScript decompileResources(const QList<CompiledResource> &resources,
                                    const QString &sideName,
                                    qsizetype spelledData = kSpellEveryByte,
                                    const HeaderNames *names = nullptr);

// A text as a quoted literal of a script: quotes doubled, backslashes and control
// characters as escapes.
QString scriptLiteral(const QString &text);

} // namespace tarvelo
