// "Search Translation Memory": the pairs of the memory that hold the words searched.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace tarvelo {
class MemoryClient;
class Prompter;
} // namespace tarvelo

namespace tarvelo::gui {

// The modeless window "Search Translation Memory": finds stored pairs by words and
// phrases (all or any of them) and removes unwanted pairs.
class MemorySearchWindow : public QDialog {
  Q_OBJECT
public:
  // The languages decide which columns read right to left.
  MemorySearchWindow(MemoryClient &memory, Prompter &prompter, QWidget *parent = nullptr);

  void setLanguages(int sourceLanguage, int targetLanguage);
  // Runs the search of the text in the search box.
  void search();
  // Asks, then removes the selected pair from the memory.
  void deleteSelected();

  QLineEdit *searchBox() const { return m_text; }
  QTreeWidget *list() const { return m_list; }
  QRadioButton *andButton() const { return m_and; }
  QPushButton *deleteButton() const { return m_delete; }
  QString itemsText() const;

Q_SIGNALS:
  void visibilityChanged(bool visible);

protected:
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  QPushButton *addSearchFields();
  void addPairList(QWidget *parent);
  void addPairBoxes();
  void arrange(QPushButton *searchButton);
  void showSelected();
  void fitColumns();

  MemoryClient &m_memory;
  Prompter &m_prompter;
  int m_sourceLanguage = 0;
  int m_targetLanguage = 0;
  QLineEdit *m_text = nullptr;
  QRadioButton *m_or = nullptr;
  QRadioButton *m_and = nullptr;
  QTreeWidget *m_list = nullptr;
  QLabel *m_items = nullptr;
  QPlainTextEdit *m_source = nullptr;
  QPlainTextEdit *m_target = nullptr;
  QPushButton *m_delete = nullptr;
};

} // namespace tarvelo::gui
