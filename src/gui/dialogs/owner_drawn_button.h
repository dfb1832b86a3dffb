// Push buttons drawn by the preview, with the mark of a text that does not fit.
#pragma once

#include <QColor>
#include <QPushButton>
#include <memory>

class QFontMetrics;

namespace tarvelo::gui {

class ControlText;

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
  // With a rule the text is laid out and judged as the dialogs report does.
  OwnerDrawnButton(quint32 style, QWidget *parent = nullptr,
                   std::shared_ptr<const ControlText> rule = nullptr);

  bool isMultiline() const { return m_multiline; }
  // Whether the current text is painted as too long.
  bool textTooLong() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  quint32 m_style;
  bool m_multiline;
  std::shared_ptr<const ControlText> m_rule;
};

} // namespace tarvelo::gui
