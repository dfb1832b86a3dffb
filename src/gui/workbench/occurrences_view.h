// The occurrences of the current entry's source text, each with its check box.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QListView;

namespace tarvelo {
class OccurrencesModel;
class TextEntry;
} // namespace tarvelo

namespace tarvelo::gui {

// The occurrences of the current entry's source text, each with the check box that
// says whether a new translation goes to it too, and the three-state box for all.
class OccurrencesView : public QWidget {
  Q_OBJECT
public:
  OccurrencesView(OccurrencesModel &model, QWidget *parent = nullptr);

  // Selects the current entry's row and refreshes the title and the box.
  void showEntry(TextEntry *entry);
  void selectAll();
  QListView *list() const { return m_list; }

Q_SIGNALS:
  void entrySelected(TextEntry *entry);

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  void refreshHeader();

  OccurrencesModel &m_model;
  QCheckBox *m_all;
  QLabel *m_title;
  QListView *m_list;
};

} // namespace tarvelo::gui
