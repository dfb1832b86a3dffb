// The dialog view of the board: the live preview, its layout editor and the controls list.
#pragma once

#include "dialogs/controls_properties.h"
#include "measure/qt_text_measure.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QToolBar;

namespace tarvelo {
class DialogEntry;
class Prompter;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

class DialogPreview;
class LayoutEditor;

// The dialog resource an entry belongs to, once its layouts are built; else null.
DialogEntry *dialogOf(const TextEntry *entry);

// The "DIALOG" board view: the live preview of the current dialog resource in a
// scrolled view with a margin around it, the layout editor over it, the view's tool
// bar with the fields "Position" and "Size" of the reference item, and the controls
// list with one row per control ("IDOK (DEFPUSHBUTTON)", "IDC_LIST (SysListView32)").
// The row of the current entry's control is selected; choosing a row makes that
// control's entry current.
class DialogBoard : public QWidget {
  Q_OBJECT
public:
  // Room around the preview inside the view.
  static constexpr int kMargin = 12;
  static constexpr int kScrollRoom = 50;

  explicit DialogBoard(Prompter &prompter, QWidget *parent = nullptr);
  ~DialogBoard() override;

  // Shows the dialog the entry belongs to (rebuilt when it is another one) and
  // selects the entry's control in the list and in the editor. Entries of other
  // resources change nothing.
  void showEntry(TextEntry *entry);
  // The translations changed: the preview shows them.
  void refreshTexts();
  // Lets go of the dialog shown, before its entries go away.
  void clear();
  // Builds the dialog shown again from its layouts (another side or font); the
  // selection and the undo list are lost.
  void reload();

  DialogEntry *shownDialog() const { return m_dialog; }
  DialogPreview *preview() const { return m_preview; }
  QListWidget *controlsList() const { return m_list; }
  // The widget the preview stands on; the layout editor takes its input here.
  QWidget *canvas() const { return m_canvas; }
  LayoutEditor *editor() const { return m_editor; }
  QToolBar *toolBar() const { return m_toolBar; }
  QLineEdit *positionField() const { return m_position; }
  QLineEdit *sizeField() const { return m_size; }
  // Says which font stands in for a dialog face that is not installed; hidden else.
  QLabel *fontNotice() const { return m_notice; }
  // The view's commands go on its tool bar before the fields.
  void addCommands(const QList<QAction *> &actions);

  // Whether the translator works in the view now: the undo and redo of the
  // workbench and its selecting commands are the editor's then.
  bool inUse() const;
  // "Dialog controls properties", made on first use.
  ControlsPropertiesWindow *properties() const { return m_properties; }
  bool propertiesVisible() const;
  void setPropertiesVisible(bool visible);
  // "Set default font": the question, then MS Shell Dlg at 8 points.
  void setDefaultFont();
  // The face the dialog is shown in.
  QString shownFace() const;

Q_SIGNALS:
  // A row of the controls list was chosen: its control's entry is to be current.
  void entrySelected(TextEntry *entry);
  // A change was written to the target's layout.
  void layoutChanged();
  // Something the workbench's commands read changed: the dialog shown, the editor's
  // selection or undo list, whether the view is in use, the properties shown.
  void commandStateChanged();

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void hideEvent(QHideEvent *event) override;
  void showEvent(QShowEvent *event) override;

private:
  void buildToolBar();
  QWidget *buildViews();
  void connectEditor();
  void build(DialogEntry *dialog, bool keepState);
  void selectRowOf(const TextEntry *entry);
  void rowChosen(int row);
  void referenceChosen(int item);
  void showPlace();
  void fitCanvas();
  bool owns(const QWidget *widget) const;
  // Whether the focus coming to the widget says if the view is in use.
  bool decidesUse(const QWidget *widget) const;
  void setInUse(bool inUse);

  Prompter &m_prompter;
  QtTextMeasure m_measure;
  QToolBar *m_toolBar;
  QAction *m_fieldsStart = nullptr;
  QLineEdit *m_position;
  QLineEdit *m_size;
  QLabel *m_notice;
  QScrollArea *m_scroll;
  QWidget *m_canvas;
  QListWidget *m_list;
  LayoutEditor *m_editor;
  QPointer<ControlsPropertiesWindow> m_properties;
  DialogPreview *m_preview = nullptr;
  DialogEntry *m_dialog = nullptr;
  bool m_selecting = false;
  bool m_inUse = false;
  bool m_propertiesWereVisible = false;
};

} // namespace tarvelo::gui
