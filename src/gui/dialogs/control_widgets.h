// Controls drawn as the system draws them: group boxes, up-down buttons, edits.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <memory>

namespace tarvelo::gui {

class ControlText;

// A group box as the system draws one: an etched frame from the middle of the text
// line down, the title on it, and nothing inside, so that the controls within show.
class GroupBoxControl : public QWidget {
  Q_OBJECT
public:
  explicit GroupBoxControl(std::shared_ptr<const ControlText> rule = nullptr,
                           QWidget *parent = nullptr);
  bool textTooLong() const;
  void setText(const QString &text);
  QString text() const { return m_text; }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QString m_text;
  std::shared_ptr<const ControlText> m_rule;
};

// The two arrow buttons of an up-down control.
class UpDownControl : public QWidget {
  Q_OBJECT
public:
  explicit UpDownControl(QWidget *parent = nullptr);

protected:
  void paintEvent(QPaintEvent *event) override;
};

// An edit of one line; with the static edge of the preview it has no frame of its
// own, only that one-pixel edge, as the system draws it.
class EditControl : public QLineEdit {
  Q_OBJECT
public:
  EditControl(quint32 style, quint32 exStyle, QWidget *parent = nullptr);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  bool m_staticEdge;
};

} // namespace tarvelo::gui
