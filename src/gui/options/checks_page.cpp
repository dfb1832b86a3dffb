// The "Checks" page of the options: a level per check, the limits file, equal texts.
#include "options/checks_page.h"

#include "findings/check_levels.h"
#include "seam/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace tarvelo::gui {

namespace {

// The combo's rows, in the order they are offered.
const CheckSetting kSettings[] = {FindingLevel::Error, FindingLevel::Warning, FindingLevel::Note,
                                  std::nullopt};

} // namespace

ChecksPage::ChecksPage(Settings &settings, QWidget *parent)
    : QWidget(parent), m_settings(settings) {
  const std::vector<FindingRule> &rules = findingRules();
  m_levels = new QTableWidget(int(rules.size()), 2, this);
  m_levels->setHorizontalHeaderLabels({tr("Check"), tr("Level")});
  m_levels->verticalHeader()->hide();
  m_levels->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  m_levels->setSelectionMode(QAbstractItemView::NoSelection);
  const QStringList names = {tr("Error"), tr("Warning"), tr("Note"), tr("Off")};
  for (int row = 0; row < int(rules.size()); ++row) {
    const QString id = QString::fromLatin1(rules[size_t(row)].id);
    auto *item = new QTableWidgetItem(id);
    item->setFlags(Qt::ItemIsEnabled);
    item->setToolTip(QString::fromUtf8(rules[size_t(row)].fullDescription));
    m_levels->setItem(row, 0, item);
    auto *box = new QComboBox(m_levels);
    box->addItems(names);
    const CheckSetting current = checkSetting(settings, id);
    box->setCurrentIndex(int(std::find(std::begin(kSettings), std::end(kSettings), current) -
                             std::begin(kSettings)));
    m_levels->setCellWidget(row, 1, box);
  }
  m_limits = new QLineEdit(settings.text(QStringLiteral("LimitsFile")), this);
  auto *browse = new QPushButton(tr("..."), this);
  connect(browse, &QPushButton::clicked, this, &ChecksPage::browseLimits);
  auto *limitsRow = new QHBoxLayout;
  limitsRow->addWidget(new QLabel(tr("&Maximum lengths:"), this));
  limitsRow->addWidget(m_limits, 1);
  limitsRow->addWidget(browse);
  m_sameAsSource = new QCheckBox(tr("Report &translations equal to their source"), this);
  m_sameAsSource->setChecked(settings.integer(QStringLiteral("SameAsSource")) != 0);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(m_levels, 1);
  layout->addLayout(limitsRow);
  layout->addWidget(m_sameAsSource);
}

QComboBox *ChecksPage::levelBox(int row) const {
  return qobject_cast<QComboBox *>(m_levels->cellWidget(row, 1));
}

void ChecksPage::browseLimits() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Maximum Lengths"), m_limits->text());
  if (!path.isEmpty())
    m_limits->setText(path);
}

void ChecksPage::apply() {
  QHash<QString, CheckSetting> levels;
  const std::vector<FindingRule> &rules = findingRules();
  for (int row = 0; row < int(rules.size()); ++row) {
    const int index = levelBox(row)->currentIndex();
    if (index >= 0 && index < int(std::size(kSettings)))
      levels.insert(QString::fromLatin1(rules[size_t(row)].id), kSettings[index]);
  }
  m_settings.setText(QStringLiteral("CheckLevels"), formatCheckLevels(levels));
  m_settings.setText(QStringLiteral("LimitsFile"), m_limits->text().trimmed());
  m_settings.setInteger(QStringLiteral("SameAsSource"), m_sameAsSource->isChecked() ? 1 : 0);
}

} // namespace tarvelo::gui
