// The inspection rules page's state: a list of rules edited until accepted.
#pragma once

#include "workbench/inspector.h"

#include <QAbstractTableModel>

namespace tarvelo {

class Settings;

// The rules page of the options: the rules as a two-column list (text in double
// quotes, position word) ending with an empty row that stands for a new rule, the
// rule text box, the position combo, "Remove" and the two check boxes. The page
// widget only shows this state and forwards the user's actions. Changes are kept
// here until accept(); revert() forgets them, so that Cancel leaves the inspector and
// the settings as they were and the next sheet starts from them.
class InspectionRulesModel : public QAbstractTableModel {
  Q_OBJECT
public:
  enum Column { TextColumn, PositionColumn, ColumnCount };

  InspectionRulesModel(Inspector &inspector, Settings &settings, QObject *parent = nullptr);

  // The position combo's items; the index is the position.
  static QStringList positionChoices();

  const QList<InspectionRule> &rules() const { return m_rules; }
  // The row of the empty line after the rules.
  int emptyRow() const { return int(m_rules.size()); }

  // Selection: a rule's row shows its text and position; the empty row clears the
  // text box; -1 selects nothing.
  int selectedRow() const { return m_selected; }
  void select(int row);
  bool removeEnabled() const { return m_selected >= 0 && m_selected < emptyRow(); }

  // The rule text box.
  QString text() const { return m_text; }
  void setText(const QString &text) { m_text = text; }
  // The text box lost the focus: the selected rule takes the text, or the empty row
  // makes a new rule of it (listed before the empty row and selected).
  void commitText();

  // The position combo; changing it changes the selected rule's position.
  int position() const { return m_position; }
  void setPosition(int index);

  void removeSelected();

  bool autoInspect() const { return m_autoInspect; }
  void setAutoInspect(bool on) { m_autoInspect = on; }
  bool formatOrder() const { return m_formatOrder; }
  void setFormatOrder(bool on) { m_formatOrder = on; }

  // OK: the rules go to the inspector and are stored with the two flags.
  void accept();
  // Cancel: the rules and both flags as the inspector and the settings hold them.
  void revert() override;

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;

Q_SIGNALS:
  // The selection, the text box, the combo or Remove's state changed.
  void editorChanged();

private:
  void emitRowChanged(int row);

  Inspector &m_inspector;
  Settings &m_settings;
  QList<InspectionRule> m_rules;
  int m_selected = -1;
  QString m_text;
  int m_position = AtBeginning;
  bool m_autoInspect = true;
  bool m_formatOrder = true;
};

} // namespace tarvelo
