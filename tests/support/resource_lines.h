// Compiled resources as one line each, for comparing two sets of them in one assertion.
#pragma once

#include "compiled/res_file.h"

#include <QStringList>

namespace tarvelo::test {

// Type, name, language and data in hexadecimal, sorted: resource directories and
// scripts grouped by language order them differently.
inline QStringList resourceLines(const QList<CompiledResource> &resources) {
  QStringList out;
  for (const CompiledResource &r : resources)
    out << QStringLiteral("%1 %2 %3 %4")
               .arg(r.type.text(), r.name.text())
               .arg(r.language)
               .arg(QString::fromLatin1(r.data.toHex()));
  out.sort();
  return out;
}

} // namespace tarvelo::test
