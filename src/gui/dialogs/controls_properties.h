// "Dialog controls properties": the dialog view's window of places, alignment and styles.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace tarvelo::gui {

class LayoutEditor;

// "Dialog controls properties": the modeless window of the dialog view with the
// controls list, whose selection and the editor's follow each other, and the tabs
// "Size && Position" (dialog units applied to the selected controls), "Alignment"
// (the style words of the alignment lists and boxes) and "Styles" (the style words of
// the selected controls; a word removed leaves every one of them). With no control
// selected the tabs are the dialog's.
class ControlsPropertiesWindow : public QDialog {
  Q_OBJECT
public:
  ControlsPropertiesWindow(LayoutEditor &editor, QWidget *parent = nullptr);

  // The controls of the dialog shown, and the editor's selection and values.
  void refresh();

  QListWidget *controlsList() const { return m_list; }
  QTabWidget *tabs() const { return m_tabs; }
  QLineEdit *field(int index) const { return m_fields[index]; } // X, Y, Width, Height
  QPushButton *applyButton() const { return m_apply; }
  QComboBox *horizontalList() const { return m_horizontal; }
  QComboBox *verticalList() const { return m_vertical; }
  QCheckBox *flagBox(int flag) const { return m_flags[flag]; }
  QListWidget *stylesList() const { return m_styles; }
  QPushButton *removeButton() const { return m_remove; }

Q_SIGNALS:
  // Shown or hidden, by the view's command or the window's own close button.
  void visibilityChanged();

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;

private:
  QWidget *sizeTab();
  QWidget *alignmentTab();
  QWidget *stylesTab();
  void rowsChosen();
  void showSelection();
  void showValues();
  void apply();
  void horizontalChosen(int index);
  void verticalChosen(int index);
  void flagClicked(int flag, bool on);
  void removeWords();

  LayoutEditor &m_editor;
  QListWidget *m_list;
  QTabWidget *m_tabs;
  QLineEdit *m_fields[4] = {};
  QPushButton *m_apply = nullptr;
  QComboBox *m_horizontal = nullptr;
  QComboBox *m_vertical = nullptr;
  QCheckBox *m_flags[4] = {};
  QListWidget *m_styles = nullptr;
  QPushButton *m_remove = nullptr;
  bool m_updating = false;
  int m_rowsFor = -1;             // the number of controls the list was filled with
  const void *m_rowsOf = nullptr; // the dialog it was filled for
};

} // namespace tarvelo::gui
