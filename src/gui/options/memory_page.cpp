// The "Translation Memory" page of the options.
#include "options/memory_page.h"

#include "tmclient/memory_client.h"
#include "tmclient/memory_location.h"
#include "workbench/path_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

namespace tarvelo::gui {

MemoryPage::MemoryPage(MemoryClient &memory, const Settings &settings, QWidget *parent)
    : QWidget(parent), m_memory(memory) {
  // The settings hold the options as last confirmed anywhere (the Open Resources
  // dialog writes InitTM too).
  const MemoryOptions options = MemoryOptions::read(settings);
  QLabel *hint = nullptr;
  QHBoxLayout *pathRow = addPathRow(options, hint);
  addFillBoxes(options);
  QGridLayout *choices = addSaveChoices(options);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(pathRow);
  layout->addWidget(hint);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(m_initTm);
  auto *fuzzyRow = new QHBoxLayout;
  fuzzyRow->addWidget(m_fuzzyFill);
  fuzzyRow->addWidget(m_fuzzyScore);
  fuzzyRow->addStretch(1);
  layout->addLayout(fuzzyRow);
  layout->addWidget(m_autoComplete);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addLayout(choices);
  layout->addStretch(1);
}

// The memory's folder or server address, with its button "..." and the hint below.
QHBoxLayout *MemoryPage::addPathRow(const MemoryOptions &options, QLabel *&hint) {
  m_path = new QLineEdit(
      isServerLocation(options.tmPath) ? options.tmPath : QDir::toNativeSeparators(options.tmPath),
      this);
  m_path->setObjectName(QStringLiteral("tmPath"));
  m_path->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
  auto *pathLabel = new QLabel(tr("&Path:"), this);
  pathLabel->setBuddy(m_path);
  auto *browse = new QPushButton(tr("..."), this);
  hint = new QLabel(tr("A folder, or the address of a team memory on a PostgreSQL server, such as "
                       "postgresql://translator@server/memory or postgresql:///?service=memory"),
                    this);
  hint->setWordWrap(true);
  hint->setEnabled(false);
  browse->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  browse->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);
  auto *pathRow = new QHBoxLayout;
  pathRow->addWidget(pathLabel);
  pathRow->addWidget(m_path, 1);
  pathRow->addWidget(browse);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Translation Memory Folder"), QDir::fromNativeSeparators(m_path->text()));
    if (!folder.isEmpty())
      m_path->setText(QDir::toNativeSeparators(folder));
  });
  return pathRow;
}

// Filling and completing from the memory.
void MemoryPage::addFillBoxes(const MemoryOptions &options) {
  m_initTm =
      new QCheckBox(tr("&Fill empty target items from  Translation Memory when opening"), this);
  m_initTm->setChecked(options.initTm);
  m_autoComplete =
      new QCheckBox(tr("&Automaticaly complete item from Translation Memory when writing"), this);
  m_autoComplete->setChecked(options.autoComplete);
  // Reads "Fill fuzzy matches from 75%"; offered only by a library that finds them.
  m_fuzzyFill = new QCheckBox(tr("Fill fu&zzy matches from"), this);
  m_fuzzyFill->setChecked(options.fuzzyFill);
  m_fuzzyScore = new QSpinBox(this);
  m_fuzzyScore->setObjectName(QStringLiteral("fuzzyScore"));
  m_fuzzyScore->setRange(kLeastFuzzyScore, kMostFuzzyScore);
  m_fuzzyScore->setSuffix(QStringLiteral("%"));
  m_fuzzyScore->setValue(options.fuzzyScore);
  m_fuzzyFill->setEnabled(m_memory.fuzzyBound());
  m_fuzzyScore->setEnabled(m_memory.fuzzyBound() && options.fuzzyFill);
  connect(m_fuzzyFill, &QCheckBox::toggled, m_fuzzyScore, &QSpinBox::setEnabled);
}

// When translations are saved to the memory, and texts the same in both languages.
QGridLayout *MemoryPage::addSaveChoices(const MemoryOptions &options) {
  m_saveTm = new QComboBox(this);
  m_saveTm->addItems({tr("On Save File"), tr("On Close File"), tr("On Demand")});
  m_saveTm->setCurrentIndex(options.saveTm >= 0 && options.saveTm < 3 ? options.saveTm : 0);
  auto *saveLabel = new QLabel(tr("&Save current translations to the Translation memory:"), this);
  saveLabel->setBuddy(m_saveTm);
  // In the order of MemoryOptions::SameText.
  m_sameText = new QComboBox(this);
  m_sameText->setObjectName(QStringLiteral("sameText"));
  m_sameText->addItems({tr("Ask"), tr("Always"), tr("Never")});
  m_sameText->setCurrentIndex(options.sameText);
  auto *sameLabel = new QLabel(tr("Save texts that are the same in both &languages:"), this);
  sameLabel->setBuddy(m_sameText);
  // The two choices in one grid, their lists one below the other.
  auto *choices = new QGridLayout;
  choices->addWidget(saveLabel, 0, 0);
  choices->addWidget(m_saveTm, 0, 1);
  choices->addWidget(sameLabel, 1, 0);
  choices->addWidget(m_sameText, 1, 1);
  choices->setColumnStretch(2, 1);
  return choices;
}

QString MemoryPage::location() const {
  const QString path = m_path->text().trimmed();
  if (path.isEmpty())
    return m_memory.options().tmPath;
  return isServerLocation(path) ? path : absolutePath(path);
}

QString MemoryPage::problem() const {
  const QString path = location();
  if (sameTmPath(path, m_memory.options().tmPath))
    return {};
  // What cannot be parsed here might hide a password from the check below, and the
  // library's parser would repeat it in its reason.
  if (isServerLocation(path) && !QUrl(path, QUrl::StrictMode).isValid())
    return tr("The address of the Translation Memory '%1' is not a connection URI that can be "
              "read.")
        .arg(shownLocation(path));
  if (locationHasPassword(path))
    return tr("The address of the Translation Memory holds a password, which the settings "
              "would keep in clear text. Leave the password out of the address and put it in "
              "the file .pgpass (pgpass.conf on Windows), or name a service of "
              "pg_service.conf instead.");
  const QString why = m_memory.locationProblem(path);
  if (why.isEmpty())
    return {};
  return tr("The Translation Memory at '%1' cannot be used: %2").arg(shownLocation(path), why);
}

void MemoryPage::apply() {
  MemoryOptions options;
  options.tmPath = location();
  options.initTm = m_initTm->isChecked();
  options.autoComplete = m_autoComplete->isChecked();
  options.saveTm = m_saveTm->currentIndex();
  options.fuzzyFill = m_fuzzyFill->isChecked();
  options.fuzzyScore = m_fuzzyScore->value();
  options.sameText = m_sameText->currentIndex();
  m_memory.applyOptions(options);
}

} // namespace tarvelo::gui
