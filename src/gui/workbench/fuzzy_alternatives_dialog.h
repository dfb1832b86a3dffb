// "Fuzzy Item Translation Alternatives": target texts that could not be placed.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace tarvelo {
class TextEntry;
}

namespace tarvelo::gui {

// "Fuzzy Item Translation Alternatives": the target texts found for the entry's
// identifier that could not be placed, to choose one as the translation.
class FuzzyAlternativesDialog : public QDialog {
  Q_OBJECT
public:
  FuzzyAlternativesDialog(const TextEntry &entry, const QFont &listFont, QWidget *parent = nullptr);

  // The distinct non-empty alternatives with the entry's identifier.
  static QStringList alternativesOf(const TextEntry &entry);
  QString chosenText() const;

private:
  QListWidget *m_list;
  QPushButton *m_use;
};

} // namespace tarvelo::gui
