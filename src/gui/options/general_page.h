// The "General" page of the options: language, opening, saving, dictionary, inspection.
#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvelo {
class InspectionRulesModel;
class Settings;
} // namespace tarvelo

namespace tarvelo::gui {

class InspectionGroup;

// The user-interface languages on offer: English (1033) and every translation
// "tarvelo_NNNN.qm" in the folder whose number names a known language.
QList<int> interfaceLanguages(const QString &folder);

// The "General" page of the options.
class GeneralPage : public QWidget {
  Q_OBJECT
public:
  // The translations are looked for in programFolder (the program's own by default).
  GeneralPage(Settings &settings, InspectionRulesModel &rules, QWidget *parent = nullptr,
              const QString &programFolder = QString());

  QComboBox *language() const { return m_language; }
  QCheckBox *startWithOpen() const { return m_startOfd; }
  QCheckBox *useSearch() const { return m_useSearch; }
  QRadioButton *savingChoice(int option) const { return m_saving[option]; }
  QLineEdit *userText() const { return m_userText; }
  QCheckBox *regenerateDialogs() const { return m_regenerateDialogs; }
  QCheckBox *relativePath() const { return m_relativePath; }
  QCheckBox *autoUpdate() const { return m_autoUpdate; }
  QLineEdit *dictionaryPath() const { return m_dictionary; }
  InspectionGroup *inspection() const { return m_inspection; }

  bool languageChanged() const;
  bool dictionaryChanged() const;
  // OK: writes the settings of the page and stores the inspection rules.
  void apply();
  // Cancel: the inspection rules and boxes as they were stored.
  void revert();

private:
  QGroupBox *addSavingGroup();
  QGroupBox *addDictionaryGroup();
  void updateEnabled();
  void browseDictionary();

  Settings &m_settings;
  InspectionRulesModel &m_rules;
  QComboBox *m_language;
  QCheckBox *m_startOfd, *m_useSearch, *m_relativePath, *m_autoUpdate, *m_regenerateDialogs;
  QRadioButton *m_saving[3];
  QLineEdit *m_userText;
  QLineEdit *m_dictionary;
  QPushButton *m_dictionaryBrowse;
  InspectionGroup *m_inspection;
  int m_initialLanguage;
  QString m_initialDictionary;
};

} // namespace tarvelo::gui
