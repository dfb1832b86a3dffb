// A dialog tried out as a real modal dialog.
#pragma once

#include <QDialog>

namespace tarvelo {
class DialogEntry;
class TextMeasure;
struct ShownDialog;
} // namespace tarvelo

namespace tarvelo::gui {

class LiveDialog;

// A dialog shown as a real modal dialog, to try it out: the caption as its title,
// the live dialog as its content. Escape or the close button close it.
class TestDisplay : public QDialog {
  Q_OBJECT
public:
  TestDisplay(const ShownDialog &dialog, const TextMeasure &measure, QWidget *parent = nullptr);
  LiveDialog *liveDialog() const { return m_live; }

private:
  LiveDialog *m_live;
};

// "Show original": the dialog as the source defines it, with the source texts, shown
// modally until it is closed.
void showOriginal(const DialogEntry &dialog, QWidget *parent);

} // namespace tarvelo::gui
