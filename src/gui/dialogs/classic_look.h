// The colours of Windows' classic scheme, in which previews are drawn.
#pragma once

#include <QColor>
#include <QPalette>

class QStyle;
class QWidget;

namespace tarvelo::gui {

// The colours of Windows' classic scheme ("Windows Standard"), in which previews are
// drawn whatever the desktop's theme.
namespace classic {
inline const QColor face{212, 208, 200};
inline const QColor shadow{128, 128, 128};
inline const QColor darkShadow{64, 64, 64};
inline const QColor highlight{255, 255, 255};
inline const QColor window{255, 255, 255};
inline const QColor text{0, 0, 0};
inline const QColor selection{10, 36, 106};
inline const QColor captionLeft{10, 36, 106};
inline const QColor captionRight{166, 202, 240};
inline const QColor captionText{255, 255, 255};
} // namespace classic

// Qt's "Windows" style, one for every preview; it lives as long as the application.
QStyle *classicStyle();
QPalette classicPalette();
// Gives the widget and everything inside it the classic style, palette and look.
void applyClassicLook(QWidget *root);

} // namespace tarvelo::gui
