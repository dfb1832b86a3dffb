// A STATIC window as the system draws one, by the type in its style.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QPainter;

namespace tarvelo::gui {

class ControlText;

// A STATIC window as the system draws one, by the type in its low style bits: texts
// (left, centred, right with word breaks; simple; without word wrap), rectangles
// and frames in black, grey or white, etched lines and frames, and images (empty
// here: the script's icons and bitmaps are not at hand). The text shows its access
// key underlined unless SS_NOPREFIX is set; laid out by the rule of the dialogs report,
// in dark red when it does not fit.
class StaticControl : public QWidget {
  Q_OBJECT
public:
  StaticControl(quint32 style, quint32 exStyle, QWidget *parent = nullptr,
                std::shared_ptr<const ControlText> rule = nullptr);

  void setText(const QString &text);
  QString text() const { return m_text; }
  quint32 style() const { return m_style; }
  quint32 staticType() const;
  bool textTooLong() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  void paintText(QPainter &painter, const QRect &area);

  quint32 m_style;
  quint32 m_exStyle;
  QString m_text;
  std::shared_ptr<const ControlText> m_rule;
};

// The one-pixel sunken edge of WS_EX_STATICEDGE (and SS_SUNKEN) around the area.
void drawStaticEdge(QPainter &painter, const QRect &area);
// The two-pixel etched edges: the whole frame, or only its top or left line.
enum class EtchedEdge { Frame, Top, Left };
void drawEtchedEdge(QPainter &painter, const QRect &area, EtchedEdge edge);

} // namespace tarvelo::gui
