// Prints the rows of an item list as a table.
#pragma once

class QPrinter;

namespace tarvelo {
class ItemListModel;
}

namespace tarvelo::gui {

// Prints the rows of an item list as a table: state, source, target and comment,
// the header repeated on every page.
void printItemList(const ItemListModel &model, QPrinter &printer);

} // namespace tarvelo::gui
