// A language chooser, by the languages' names; the item data is the identifier.
#include "task/language_combo.h"

#include "text/locale_table.h"

namespace tarvelo::gui {

LanguageCombo::LanguageCombo(QWidget *parent) : QComboBox(parent) {
  addItem(tr("<No Language>"), -1);
  addItem(tr("Neutral"), 0);
  for (const LocaleInfo *info : installedLocales()) {
    const QString name = localizedLanguageName(info->lcid);
    if (!name.isEmpty())
      addItem(name, int(info->lcid));
  }
  // Long locale names must not make the dialogs as wide as the longest of them.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(22);
}

int LanguageCombo::language() const {
  const QVariant data = currentData();
  return data.isValid() ? data.toInt() : -1;
}

void LanguageCombo::setLanguage(int language) {
  const int index = findData(language);
  setCurrentIndex(index < 0 ? 0 : index);
}

} // namespace tarvelo::gui
