// The report's text: read-only rich text whose dialog names are links.
#pragma once

#include <QTextBrowser>

class QMenu;

namespace tarvelo::gui {

// The report's text: read-only rich text whose dialog names are links.
class ReportView : public QTextBrowser {
  Q_OBJECT
public:
  explicit ReportView(QWidget *parent = nullptr);

  // The context menu: "Setting..." and "&Refresh".
  void fillContextMenu(QMenu &menu);

Q_SIGNALS:
  // The link of the dialog with this index in the report was clicked.
  void dialogChosen(int index);
  void settingRequested();
  void refreshRequested();

protected:
  void contextMenuEvent(QContextMenuEvent *event) override;
};

} // namespace tarvelo::gui
