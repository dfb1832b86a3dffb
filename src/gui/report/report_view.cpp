// The report's text: read-only rich text whose dialog names are links.
#include "report/report_view.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace tarvelo::gui {

ReportView::ReportView(QWidget *parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setReadOnly(true);
  connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
    if (link.scheme() != QLatin1String("dialog"))
      return;
    bool ok = false;
    const int index = link.path().toInt(&ok);
    if (ok)
      Q_EMIT dialogChosen(index);
  });
}

void ReportView::fillContextMenu(QMenu &menu) {
  connect(menu.addAction(tr("Setting...")), &QAction::triggered, this,
          &ReportView::settingRequested);
  connect(menu.addAction(tr("&Refresh")), &QAction::triggered, this, &ReportView::refreshRequested);
}

void ReportView::contextMenuEvent(QContextMenuEvent *event) {
  QMenu menu(this);
  fillContextMenu(menu);
  menu.exec(event->globalPos());
}

} // namespace tarvelo::gui
