// The resources of a compiled .res file, and a dialog template's geometry.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelo::test {

// One resource of a compiled .res file.
struct CompiledResource {
  QString type; // "#5" for an ordinal type, else the name
  QString name; // "#100" for an ordinal name, else the name
  quint16 language = 0;
  QByteArray data;
};

// Reads the resources of a .res file; an empty list when it is not one.
QList<CompiledResource> readResFile(const QByteArray &bytes);

// The layout of a compiled DIALOGEX or DIALOG template without its texts:
// styles, geometry, control identifiers and classes, one line per item.
QString dialogGeometry(const QByteArray &data);

} // namespace tarvelo::test
