// "Fuzzy Items": a translation chosen for each fuzzy row among the target's texts.
#pragma once

#include "seam/prompter.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace tarvelo::gui {

// "Fuzzy Items": each fuzzy row's translation is chosen among the texts the target
// offered for the resource. A choice goes into the request at once.
class FuzzyItemsDialog : public QDialog {
  Q_OBJECT
public:
  FuzzyItemsDialog(FuzzyItemsRequest &request, QWidget *parent = nullptr);

  QTableWidget *table() const { return m_table; }
  QComboBox *choiceBox(int row) const;
  QCheckBox *clearFuzzyFlag() const { return m_clear; }

  void done(int result) override;

private:
  FuzzyItemsRequest &m_request;
  QTableWidget *m_table;
  QCheckBox *m_clear;
};

} // namespace tarvelo::gui
