// Find in the item list: the row of the next match, and the not-found message.
#pragma once

#include <QString>

namespace tarvelo {

class ItemListModel;

// Finds the text in the source or target text of the item list's rows after
// (down) or before the given row, without wrapping; with matchCase off both sides
// are lowered with the program's case table. The row found, or -1.
int findItem(const ItemListModel &model, const QString &text, bool matchCase, bool down,
             int fromRow);

// The message when nothing is found: "'%s' can't be found".
QString notFoundMessage(const QString &text);

} // namespace tarvelo
