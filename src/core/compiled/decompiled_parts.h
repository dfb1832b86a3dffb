// The pieces the decompiler's files share.
#pragma once

#include "compiled/decompiler.h"

namespace tarvelo {

// A resource's name or type as a script writes it: a number, a word, or a quoted name.
QString resourceName(const ResourceId &id);
// A number as the header's macro for the kind, or as a number when it has none.
QString numberName(qint64 value, const HeaderNames *names, NameKind kind);
// A resource's name: a numbered one by the header's macro where it defines one.
QString resourceName(const ResourceId &id, const HeaderNames *names, NameKind kind);
// A DIALOG or DIALOGEX statement, or empty when the template holds what a script
// cannot say (creation data, a template that does not read).
QString dialogStatement(const CompiledResource &resource, const HeaderNames *names);
// Bytes as the 16-bit words of raw data, low byte first, eight a line; an odd last byte
// as a string.
QString dataLines(const QByteArray &data);
// The resource as raw data of its type; bytes a script cannot spell go to a side file.
QString rawData(const CompiledResource &resource, const QString &sideName,
                QList<SideFile> &sideFiles, qsizetype spelledData, const HeaderNames *names);

struct CompiledMenu;
struct CompiledMenuItem;
struct CompiledControl;
// Whether a MENU item is written as MENUITEM SEPARATOR (it then holds no text).
bool isSeparator(const CompiledMenu &menu, const CompiledMenuItem &item);
// Whether a dialog's control is written with a quoted text (a number, or a statement
// that takes none, is not).
bool controlHasText(const CompiledControl &control);

} // namespace tarvelo
