// Finding a text in the item list's rows, and the message when it is not found.
#include "workbench/find.h"

#include "script/text_entry.h"
#include "text/case_table.h"
#include "workbench/item_list_model.h"

namespace tarvelo {

namespace {

QString lowered(QString text) {
  caseLowerInPlace(reinterpret_cast<char16_t *>(text.data()), size_t(text.size()));
  return text;
}

} // namespace

int findItem(const ItemListModel &model, const QString &text, bool matchCase, bool down,
             int fromRow) {
  if (text.isEmpty())
    return -1;
  const QString wanted = matchCase ? text : lowered(text);
  const int step = down ? 1 : -1;
  for (int row = fromRow + step; row >= 0 && row < model.rowCount(); row += step) {
    const TextEntry *entry = model.entryAt(row);
    const QString source = matchCase ? entry->sourceText : lowered(entry->sourceText);
    const QString target = matchCase ? entry->targetText : lowered(entry->targetText);
    if (source.contains(wanted) || target.contains(wanted))
      return row;
  }
  return -1;
}

QString notFoundMessage(const QString &text) {
  return QStringLiteral("'%1' can't be found").arg(text);
}

} // namespace tarvelo
