// The records of a compiled DLGINIT resource (type 240, or the type named "DLGINIT").
#pragma once

#include "compiled/res_file.h"

#include <QByteArray>
#include <QList>

namespace tarvelo {

// The message of a record that adds a string to a combo box: the only records whose
// data is a text to translate.
constexpr quint16 kDlgInitComboString = 0x403;

// One record: a control, the message it is sent, and the message's data.
struct DlgInitRecord {
  quint16 control = 0;
  quint16 message = 0;
  QByteArray data;
};

// Whether a resource is DLGINIT data, by number or by name.
bool isDlgInit(const CompiledResource &resource);

// The records up to the terminating zero; false when a record runs past the end or
// anything follows the terminator (a statement would lose it).
bool readDlgInit(const QByteArray &data, QList<DlgInitRecord> &records);

// Records and their terminator, each record's length a double word.
QByteArray writeDlgInit(const QList<DlgInitRecord> &records);

} // namespace tarvelo
