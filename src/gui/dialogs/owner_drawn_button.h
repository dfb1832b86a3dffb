#pragma once

#include <QColor>
#include <QPushButton>

class QFontMetrics;

namespace tarvelo::gui {

// The colour of a text that does not fit its push button.
inline const QColor tooLongTextColour{200, 0, 0};

// Where a push button's text goes: the client rectangle made smaller by 4 pixels
// left and right and 2 top and bottom for multi-line buttons, else by 2 all round.
QRect ownerDrawnTextRect(const QRect &client, bool multiline);
// Whether the text, as drawn with the font, is wider than that rectangle (or, with
// word breaks on a multi-line button, higher).
bool ownerDrawnTextTooLong(const QFontMetrics &metrics, const QRect &textRect, const QString &text,
                           bool multiline);

// A push button as the preview paints it, so that a text that does not fit is seen
// at once: the text centred in dark red when it is too long, else in black, and the
// push-button frame around it.
class OwnerDrawnButton : public QPushButton {
  Q_OBJECT
public:
  OwnerDrawnButton(quint32 style, QWidget *parent = nullptr);

  bool isMultiline() const { return m_multiline; }
  // Whether the current text is painted as too long.
  bool textTooLong() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  bool m_multiline;
};

} // namespace tarvelo::gui
