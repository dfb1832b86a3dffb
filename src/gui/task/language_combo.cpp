// A language chooser, by the languages' names or tags; the item data is the identifier.
#include "task/language_combo.h"

#include "text/language_tags.h"
#include "text/locale_table.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>

namespace tarvelo::gui {

namespace {

// What the completer searches: the name and the tag ("German (Austria)  de-AT").
constexpr int kSearchRole = Qt::UserRole + 1;

} // namespace

LanguageCombo::LanguageCombo(QWidget *parent) : QComboBox(parent) {
  addItem(tr("<No Language>"), -1);
  addItem(tr("Neutral"), 0);
  for (const LocaleInfo *info : installedLocales()) {
    const QString name = localizedLanguageName(info->lcid);
    if (name.isEmpty())
      continue;
    addItem(name, int(info->lcid));
    setItemData(count() - 1, name + QStringLiteral("  ") + QLatin1String(info->tag), kSearchRole);
  }
  // Long locale names must not make the dialogs as wide as the longest of them.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(22);
  offerSearch();
}

void LanguageCombo::offerSearch() {
  // Typed text finds a language by any part of its name or tag.
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  auto *search = new QCompleter(model(), this);
  search->setCompletionRole(kSearchRole);
  search->setFilterMode(Qt::MatchContains);
  search->setCaseSensitivity(Qt::CaseInsensitive);
  setCompleter(search);
  connect(search, qOverload<const QModelIndex &>(&QCompleter::activated), this,
          [this](const QModelIndex &index) { setLanguage(index.data(Qt::UserRole).toInt()); });
  connect(lineEdit(), &QLineEdit::editingFinished, this, &LanguageCombo::takeTypedText);
}

void LanguageCombo::takeTypedText() {
  const QString typed = lineEdit()->text().trimmed();
  if (typed == itemText(currentIndex()))
    return;
  int language = -2;
  QString error;
  const int byName = findText(typed, Qt::MatchFixedString);
  if (byName >= 0)
    setCurrentIndex(byName);
  else if (parseLanguage(typed, language, error) && findData(language) >= 0)
    setLanguage(language);
  // Text that names no language of the list gives way to the chosen one.
  lineEdit()->setText(itemText(currentIndex()));
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
