// The colours of Windows' classic scheme, in which previews are drawn.
#include "dialogs/classic_look.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace tarvelo::gui {

QStyle *classicStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = QStyleFactory::create(QStringLiteral("Windows"));
    // Without the Windows style (a Qt built without it) the application's stands in.
    if (!style)
      return QApplication::style();
    style->setParent(qApp);
  }
  return style;
}

QPalette classicPalette() {
  // Window text, button, light, dark, mid, text, bright text, base, window.
  QPalette palette(classic::text, classic::face, classic::highlight, classic::shadow,
                   classic::shadow, classic::text, classic::highlight, classic::window,
                   classic::face);
  palette.setColor(QPalette::Midlight, classic::face);
  palette.setColor(QPalette::Shadow, classic::darkShadow);
  palette.setColor(QPalette::Highlight, classic::selection);
  palette.setColor(QPalette::HighlightedText, classic::highlight);
  palette.setColor(QPalette::ButtonText, classic::text);
  palette.setColor(QPalette::AlternateBase, classic::window);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, classic::shadow);
  return palette;
}

void applyClassicLook(QWidget *root) {
  QStyle *style = classicStyle();
  root->setPalette(classicPalette());
  root->setStyle(style);
  // A widget's style does not reach its children.
  for (QWidget *child : root->findChildren<QWidget *>())
    child->setStyle(style);
}

} // namespace tarvelo::gui
