// Compiled STRINGTABLE blocks: sixteen strings, each a length and its UTF-16 units.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace tarvelo {

// The strings of block n are numbered (n - 1) * 16 to (n - 1) * 16 + 15.
constexpr int kStringsPerBlock = 16;

// The sixteen strings of a block (an empty one is absent); false when a length runs
// beyond the data.
bool readStringBlock(const QByteArray &data, QStringList &strings);
// The block of up to sixteen strings.
QByteArray writeStringBlock(const QStringList &strings);

} // namespace tarvelo
