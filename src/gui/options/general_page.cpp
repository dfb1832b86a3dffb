// The "General" page of the options: language, opening, saving, dictionary, inspection.
#include "options/general_page.h"

#include "files/install_layout.h"
#include "options/inspection_group.h"
#include "seam/settings.h"
#include "text/locale_table.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/path_rules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

constexpr int kEnglish = 1033;

} // namespace

QList<int> interfaceLanguages(const QString &folder) {
  QList<int> languages{kEnglish};
  static const QRegularExpression name(QStringLiteral("^tarvelo_(\\d{1,5})\\.qm$"));
  const QStringList files =
      QDir(folder).entryList({QStringLiteral("tarvelo_*.qm")}, QDir::Files, QDir::Name);
  for (const QString &file : files) {
    const QRegularExpressionMatch match = name.match(file);
    if (!match.hasMatch())
      continue;
    const int language = match.captured(1).toInt();
    if (language == 0 || languages.contains(language) || localizedLanguageName(language).isEmpty())
      continue;
    languages.append(language);
  }
  return languages;
}

GeneralPage::GeneralPage(Settings &settings, InspectionRulesModel &rules, QWidget *parent,
                         const QString &programFolder)
    : QWidget(parent), m_settings(settings), m_rules(rules) {
  const QString folder =
      programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
  m_language = new QComboBox(this);
  m_language->setObjectName(QStringLiteral("interfaceLanguage"));
  for (int language : interfaceLanguages(translationsFolder(folder)))
    m_language->addItem(localizedLanguageName(language), language);
  m_initialLanguage = settings.integer(QStringLiteral("Language"));
  const int current = m_language->findData(m_initialLanguage);
  m_language->setCurrentIndex(current < 0 ? 0 : current);
  auto *languageLabel = new QLabel(tr("&Language:"), this);
  languageLabel->setBuddy(m_language);

  m_startOfd = new QCheckBox(tr("&Start with Open File Dialog"), this);
  m_startOfd->setChecked(settings.integer(QStringLiteral("StartOFD")) != 0);
  m_useSearch = new QCheckBox(tr("Use Searc&h Dialog for Open"), this);
  m_useSearch->setChecked(settings.integer(QStringLiteral("UseSearch")) != 0);

  QGroupBox *saving = addSavingGroup();

  m_regenerateDialogs = new QCheckBox(tr("Write every saved &dialog again in one format"), this);
  m_regenerateDialogs->setToolTip(
      tr("Off: a save changes only the dialog statements whose text or layout changed. "
         "On: every dialog of the target is printed again as DIALOGEX from its layout."));
  m_regenerateDialogs->setChecked(settings.integer(QStringLiteral("RegenerateDialogs")) != 0);

  m_relativePath =
      new QCheckBox(tr("Use &relative path of the resource files in the project"), this);
  m_relativePath->setChecked(settings.integer(QStringLiteral("RelativePath")) != 0);
  m_autoUpdate = new QCheckBox(tr("&Auto Update Enabled"), this);
  m_autoUpdate->setChecked(settings.integer(QStringLiteral("AutoUpdate")) != 0);

  QGroupBox *dictionary = addDictionaryGroup();

  m_inspection = new InspectionGroup(rules, this);

  auto *top = new QHBoxLayout;
  top->addWidget(languageLabel);
  top->addWidget(m_language, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_startOfd);
  layout->addWidget(m_useSearch);
  layout->addWidget(saving);
  layout->addWidget(m_regenerateDialogs);
  layout->addWidget(m_relativePath);
  layout->addWidget(m_autoUpdate);
  layout->addWidget(dictionary);
  layout->addWidget(m_inspection, 1);

  updateEnabled();
}

// What a save writes for an empty item: nothing, the source or a text of one's own.
QGroupBox *GeneralPage::addSavingGroup() {
  auto *saving = new QGroupBox(tr("When saving, replace empty items with"), this);
  auto *savingGroup = new QButtonGroup(this);
  m_saving[0] = new QRadioButton(tr("E&mpty"), saving);
  m_saving[1] = new QRadioButton(tr("So&urce"), saving);
  m_saving[2] = new QRadioButton(tr("&Text:"), saving);
  for (int i = 0; i < 3; ++i)
    savingGroup->addButton(m_saving[i], i);
  const int savingOption = m_settings.integer(QStringLiteral("SavingOption"));
  m_saving[savingOption >= 0 && savingOption < 3 ? savingOption : 0]->setChecked(true);
  m_userText = new QLineEdit(m_settings.text(QStringLiteral("UserText")), saving);
  m_userText->setObjectName(QStringLiteral("userText"));
  auto *savingLayout = new QHBoxLayout(saving);
  savingLayout->addWidget(m_saving[0]);
  savingLayout->addWidget(m_saving[1]);
  savingLayout->addWidget(m_saving[2]);
  savingLayout->addWidget(m_userText, 1);
  connect(savingGroup, &QButtonGroup::idToggled, this, &GeneralPage::updateEnabled);
  return saving;
}

QGroupBox *GeneralPage::addDictionaryGroup() {
  auto *dictionary = new QGroupBox(tr("External dictionary"), this);
  m_initialDictionary = m_settings.text(QStringLiteral("ExternalLexicon"));
  m_dictionary = new QLineEdit(m_initialDictionary, dictionary);
  m_dictionary->setObjectName(QStringLiteral("dictionaryPath"));
  m_dictionaryBrowse = new QPushButton(tr("..."), dictionary);
  m_dictionaryBrowse->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  m_dictionaryBrowse->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
  auto *pathLabel = new QLabel(tr("&Path:"), dictionary);
  pathLabel->setBuddy(m_dictionary);
  auto *dictionaryLayout = new QHBoxLayout(dictionary);
  dictionaryLayout->addWidget(pathLabel);
  dictionaryLayout->addWidget(m_dictionary, 1);
  dictionaryLayout->addWidget(m_dictionaryBrowse);
  connect(m_dictionaryBrowse, &QPushButton::clicked, this, &GeneralPage::browseDictionary);
  return dictionary;
}

void GeneralPage::updateEnabled() {
  m_userText->setEnabled(m_saving[2]->isChecked());
}

void GeneralPage::browseDictionary() {
  QFileDialog dialog(this, tr("External Dictionary"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QString exeFiles = tr("Exe files (*.exe)");
  const QString allFiles = tr("All files (*)");
  dialog.setNameFilters({exeFiles, allFiles});
#ifdef Q_OS_WIN
  dialog.selectNameFilter(exeFiles);
#else
  // Programs here have no extension: any executable file will do.
  dialog.selectNameFilter(allFiles);
#endif
  if (!m_dictionary->text().isEmpty())
    dialog.selectFile(m_dictionary->text());
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    m_dictionary->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

bool GeneralPage::languageChanged() const {
  return m_language->currentData().toInt() != m_initialLanguage;
}

bool GeneralPage::dictionaryChanged() const {
  return m_dictionary->text().trimmed() != m_initialDictionary;
}

void GeneralPage::apply() {
  m_settings.setInteger(QStringLiteral("Language"), m_language->currentData().toInt());
  const QString dictionary = m_dictionary->text().trimmed();
  m_settings.setText(QStringLiteral("ExternalLexicon"),
                     dictionary.isEmpty() ? QString() : absolutePath(dictionary));
  m_settings.setInteger(QStringLiteral("StartOFD"), m_startOfd->isChecked() ? 1 : 0);
  m_settings.setInteger(QStringLiteral("AutoInspect"), m_rules.autoInspect() ? 1 : 0);
  m_settings.setInteger(QStringLiteral("UseSearch"), m_useSearch->isChecked() ? 1 : 0);
  int savingOption = 0;
  for (int i = 0; i < 3; ++i)
    if (m_saving[i]->isChecked())
      savingOption = i;
  m_settings.setInteger(QStringLiteral("SavingOption"), savingOption);
  m_settings.setText(QStringLiteral("UserText"), m_userText->text());
  m_settings.setInteger(QStringLiteral("RelativePath"), m_relativePath->isChecked() ? 1 : 0);
  m_settings.setInteger(QStringLiteral("AutoUpdate"), m_autoUpdate->isChecked() ? 1 : 0);
  m_settings.setInteger(QStringLiteral("FormatOrder"), m_rules.formatOrder() ? 1 : 0);
  m_settings.setInteger(QStringLiteral("RegenerateDialogs"),
                        m_regenerateDialogs->isChecked() ? 1 : 0);
  m_rules.accept();
}

void GeneralPage::revert() {
  m_rules.revert();
}

} // namespace tarvelo::gui
