// Prints the rows of an item list as a table.
#include "workbench/item_list_printer.h"

#include "workbench/item_icons.h"
#include "workbench/item_list_model.h"
#include "workbench/item_roles.h"

#include <QPainter>
#include <QPrinter>
#include <QTextOption>

namespace tarvelo::gui {

void printItemList(const ItemListModel &model, QPrinter &printer) {
  QPainter painter;
  if (!painter.begin(&printer))
    return;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const double width = page.width();
  const double iconWidth = width * 0.04;
  const double textWidth = (width - iconWidth) * 0.4;
  const double commentWidth = width - iconWidth - 2 * textWidth;
  const double columns[] = {0, iconWidth, iconWidth + textWidth, iconWidth + 2 * textWidth};
  const double widths[] = {iconWidth, textWidth, textWidth, commentWidth};
  QFont font = painter.font();
  font.setPointSizeF(9);
  painter.setFont(font);
  const double pad = printer.resolution() / 30.0;
  QTextOption wrap;
  wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

  const auto header = [&](double &y) {
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    const double height = painter.fontMetrics().height() + 2 * pad;
    for (int c = 1; c < ItemListModel::ColumnCount; ++c)
      painter.drawText(QRectF(columns[c] + pad, y + pad, widths[c] - 2 * pad, height),
                       model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().trimmed());
    y += height;
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    painter.setFont(font);
  };

  double y = 0;
  header(y);
  for (int row = 0; row < model.rowCount(); ++row) {
    double height = painter.fontMetrics().height();
    QString texts[ItemListModel::ColumnCount];
    for (int c = 1; c < ItemListModel::ColumnCount; ++c) {
      texts[c] = model.data(model.index(row, c), Qt::DisplayRole).toString();
      const QRectF bound =
          painter.boundingRect(QRectF(0, 0, widths[c] - 2 * pad, 1e6), texts[c], wrap);
      height = std::max(height, bound.height());
    }
    height += 2 * pad;
    if (y + height > page.height() && y > 0) {
      printer.newPage();
      y = 0;
      header(y);
    }
    const int image = model.data(model.index(row, 0), StateImageRole).toInt();
    const double iconHeight = std::min(height - 2 * pad, iconWidth * 2.0 / 3.0);
    itemListIcon(image).paint(&painter,
                              QRectF(pad, y + pad, iconWidth - 2 * pad, iconHeight).toRect());
    for (int c = 1; c < ItemListModel::ColumnCount; ++c)
      painter.drawText(QRectF(columns[c] + pad, y + pad, widths[c] - 2 * pad, height - 2 * pad),
                       texts[c], wrap);
    y += height;
    painter.setPen(Qt::lightGray);
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    painter.setPen(Qt::black);
  }
  painter.end();
}

} // namespace tarvelo::gui
