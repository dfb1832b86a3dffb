// Compiled resource files (.res): their resource records, read and written.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelo {

// A resource's type or name: a number, or a name of UTF-16 text.
struct ResourceId {
  quint16 number = 0;
  QString name; // empty for a number

  static ResourceId fromNumber(quint16 number) { return {number, QString()}; }
  bool isNumber() const { return name.isEmpty(); }
  // "#5" for a number, else the name.
  QString text() const { return isNumber() ? u'#' + QString::number(number) : name; }
  bool operator==(const ResourceId &other) const = default;
};

// One resource of a compiled file: its header's fields and its data.
struct CompiledResource {
  ResourceId type;
  ResourceId name;
  quint16 language = 0;
  quint16 memoryFlags = 0;
  quint32 dataVersion = 0;
  quint32 version = 0;
  quint32 characteristics = 0;
  QByteArray data;
};

// What reading a .res file gave: every resource, or those before the place it stopped,
// with where and why.
struct ResFileRead {
  QList<CompiledResource> resources;
  QString error; // empty when the whole file was read
  qsizetype errorOffset = -1;
  bool ok() const { return error.isEmpty(); }
};

// Reads the resources of a .res file; the empty resource that begins such a file is
// not one of them. Every size and name is checked against the bytes there are.
ResFileRead readResFile(const QByteArray &bytes);

// A .res file of the resources: the empty resource first, each header and each data
// aligned on four bytes, as the resource compilers write them.
QByteArray writeResFile(const QList<CompiledResource> &resources);

} // namespace tarvelo
