#pragma once

#include "measure/qt_text_measure.h"

#include <QWidget>

class QListWidget;
class QScrollArea;

namespace tarvelo {
class DialogEntry;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

class DialogPreview;

// The dialog resource an entry belongs to, once its layouts are built; else null.
DialogEntry *dialogOf(const TextEntry *entry);

// The "DIALOG" board view: the live preview of the current dialog resource in a
// scrolled view with a margin around it, and the controls list with one row per
// control ("IDOK (DEFPUSHBUTTON)", "IDC_LIST (SysListView32)"). The row of the
// current entry's control is selected; choosing a row makes that control's entry
// current.
class DialogBoard : public QWidget {
  Q_OBJECT
public:
  // Room around the preview inside the view.
  static constexpr int kMargin = 12;
  static constexpr int kScrollRoom = 50;

  explicit DialogBoard(QWidget *parent = nullptr);
  ~DialogBoard() override;

  // Shows the dialog the entry belongs to (rebuilt when it is another one) and
  // selects the entry's control in the list. Entries of other resources change
  // nothing.
  void showEntry(TextEntry *entry);
  // The translations changed: the preview shows them.
  void refreshTexts();
  // Lets go of the dialog shown, before its entries go away.
  void clear();

  DialogEntry *shownDialog() const { return m_dialog; }
  DialogPreview *preview() const { return m_preview; }
  QListWidget *controlsList() const { return m_list; }
  // The widget the preview stands on; the layout editor takes its input here.
  QWidget *canvas() const { return m_canvas; }

Q_SIGNALS:
  // A row of the controls list was chosen: its control's entry is to be current.
  void entrySelected(TextEntry *entry);

private:
  void build(DialogEntry *dialog);
  void selectRowOf(const TextEntry *entry);
  void rowChosen(int row);

  QtTextMeasure m_measure;
  QScrollArea *m_scroll;
  QWidget *m_canvas;
  QListWidget *m_list;
  DialogPreview *m_preview = nullptr;
  DialogEntry *m_dialog = nullptr;
  bool m_selecting = false;
};

} // namespace tarvelo::gui
