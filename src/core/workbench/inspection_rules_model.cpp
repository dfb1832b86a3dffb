// The rules page of the options: editing, removing and accepting rules.
#include "workbench/inspection_rules_model.h"

#include "seam/settings.h"

namespace tarvelo {

InspectionRulesModel::InspectionRulesModel(Inspector &inspector, Settings &settings,
                                           QObject *parent)
    : QAbstractTableModel(parent), m_inspector(inspector), m_settings(settings),
      m_rules(inspector.rules()),
      m_autoInspect(settings.integer(QStringLiteral("AutoInspect")) != 0),
      m_formatOrder(settings.integer(QStringLiteral("FormatOrder")) != 0) {
  select(emptyRow());
}

QStringList InspectionRulesModel::positionChoices() {
  return {Inspector::positionWord(AtBeginning), Inspector::positionWord(AtEnd),
          Inspector::positionWord(Anywhere)};
}

void InspectionRulesModel::select(int row) {
  m_selected = row >= 0 && row <= emptyRow() ? row : -1;
  if (m_selected >= 0 && m_selected < emptyRow()) {
    m_text = m_rules[m_selected].text;
    m_position = m_rules[m_selected].position;
  } else if (m_selected == emptyRow()) {
    m_text.clear();
  }
  Q_EMIT editorChanged();
}

void InspectionRulesModel::commitText() {
  if (m_selected < 0 || !Inspector::isValidRuleText(m_text)) {
    // An empty text would count forever and a ";" would split the stored rule: the
    // box shows the selected rule's text again.
    if (m_selected >= 0 && m_selected < emptyRow())
      m_text = m_rules[m_selected].text;
    Q_EMIT editorChanged();
    return;
  }
  if (m_selected < emptyRow()) {
    m_rules[m_selected].text = m_text;
    emitRowChanged(m_selected);
    return;
  }
  const int row = emptyRow();
  beginInsertRows(QModelIndex(), row, row);
  m_rules.append({m_position, m_text});
  endInsertRows();
  m_selected = row;
  Q_EMIT editorChanged();
}

void InspectionRulesModel::setPosition(int index) {
  if (index < AtBeginning || index > Anywhere)
    return;
  m_position = index;
  if (m_selected >= 0 && m_selected < emptyRow() && m_rules[m_selected].position != index) {
    m_rules[m_selected].position = index;
    emitRowChanged(m_selected);
    return;
  }
  Q_EMIT editorChanged();
}

void InspectionRulesModel::removeSelected() {
  if (!removeEnabled())
    return;
  const int row = m_selected;
  beginRemoveRows(QModelIndex(), row, row);
  m_rules.removeAt(row);
  endRemoveRows();
  // The row that took its place (the next rule, or the empty row) is selected.
  select(row);
}

void InspectionRulesModel::accept() {
  m_inspector.setRules(m_rules);
  m_settings.setInteger(QStringLiteral("AutoInspect"), m_autoInspect ? 1 : 0);
  m_settings.setInteger(QStringLiteral("FormatOrder"), m_formatOrder ? 1 : 0);
  m_inspector.storeRules(m_settings);
  // With every rule removed the inspector went back to the defaults: show them.
  if (m_inspector.rules() != m_rules) {
    beginResetModel();
    m_rules = m_inspector.rules();
    endResetModel();
    select(emptyRow());
  }
}

void InspectionRulesModel::revert() {
  beginResetModel();
  m_rules = m_inspector.rules();
  m_autoInspect = m_settings.integer(QStringLiteral("AutoInspect")) != 0;
  m_formatOrder = m_settings.integer(QStringLiteral("FormatOrder")) != 0;
  endResetModel();
  select(emptyRow());
}

void InspectionRulesModel::emitRowChanged(int row) {
  Q_EMIT dataChanged(index(row, TextColumn), index(row, PositionColumn));
  Q_EMIT editorChanged();
}

int InspectionRulesModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : emptyRow() + 1;
}

int InspectionRulesModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant InspectionRulesModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole || index.row() > emptyRow())
    return {};
  if (index.row() == emptyRow())
    return QString();
  const InspectionRule &rule = m_rules[index.row()];
  if (index.column() == TextColumn)
    return QStringLiteral("\"%1\"").arg(rule.text);
  return Inspector::positionWord(rule.position);
}

} // namespace tarvelo
