// "About Tarvelo": the version and the product's addresses.
#pragma once

#include <QDialog>

namespace tarvelo::gui {

// "About Tarvelo": the version and the product's web and mail addresses as links.
class AboutDialog : public QDialog {
  Q_OBJECT
public:
  explicit AboutDialog(const QString &version, QWidget *parent = nullptr);
};

} // namespace tarvelo::gui
