// A language chooser, by the languages' names or tags; the item data is the identifier.
#pragma once

#include <QComboBox>

namespace tarvelo::gui {

// A language chooser: "<No Language>" (-1), "Neutral" (0), then every locale the
// program knows by its name; the item data is the language identifier. Typing finds a
// language by part of its name or its tag ("de-AT"), and a tag or number typed whole
// chooses its language.
class LanguageCombo : public QComboBox {
  Q_OBJECT
public:
  explicit LanguageCombo(QWidget *parent = nullptr);

  // The chosen language identifier; -1 for "<No Language>".
  int language() const;
  // Selects the language; a value not in the list selects the first item.
  void setLanguage(int language);

private:
  void offerSearch();
  void takeTypedText();
};

} // namespace tarvelo::gui
