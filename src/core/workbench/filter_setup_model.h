// The state of the "Filter setup" dialog, which writes the filter's settings.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

class Filter;

// The state of the "Filter setup" dialog: the check boxes under "Show items
// with:", the "Text" box and the "in" combo. The dialog only shows it; accept()
// writes the filter's settings.
class FilterSetupModel {
public:
  static constexpr int kConditionCount = 9;

  explicit FilterSetupModel(Filter &filter);

  // The check box of a condition by its bit number (0 to 8).
  static QString conditionCaption(int bit);
  // "original text", "translated text".
  static QStringList inChoices();

  bool isChecked(int bit) const;
  void setChecked(int bit, bool checked);
  // "Different text in the translation memory" only while the memory is bound,
  // "Misspelt words" only while the target language has a dictionary.
  bool isEnabled(int bit) const;

  QString text() const { return m_text; }
  void setText(const QString &text) { m_text = text; }
  int inIndex() const { return m_in; }
  void setInIndex(int index) { m_in = index == 1 ? 1 : 0; }

  // OK: the bit set from the boxes, the text and the combo index are stored.
  void accept();

private:
  Filter &m_filter;
  int m_flags;
  QString m_text;
  int m_in;
};

} // namespace tarvelo
