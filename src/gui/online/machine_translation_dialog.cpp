// "Machine Translation": what to translate and which service does it.
#include "online/machine_translation_dialog.h"

#include "options/help.h"
#include "seam/settings.h"
#include "workbench/item_icons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvelo::gui {

MachineTranslationDialog::MachineTranslationDialog(Settings &settings, const QString &service,
                                                   QWidget *parent)
    : QDialog(parent), m_settings(settings) {
  setWindowTitle(tr("Machine Translation"));
  auto *label = new QLabel(tr("Apply machine translation on following selection:"), this);
  m_selection = new QComboBox(this);
  m_selection->addItems({tr("All items"), tr("Filtered items"), tr("Current Item")});
  label->setBuddy(m_selection);
  m_filterButton = new QPushButton(toolbarIcon(QStringLiteral("filter")), QString(), this);
  m_filterButton->setToolTip(tr("Filter setup..."));
  m_filterButton->setObjectName(QStringLiteral("filterButton"));
  const int what = std::clamp(settings.integer(QStringLiteral("TranslateWhat")), 0, 2);
  m_selection->setCurrentIndex(what);
  m_filterButton->setVisible(what == 1);
  auto *serviceLabel = new QLabel(tr("Service: %1").arg(service), this);
  serviceLabel->setObjectName(QStringLiteral("service"));
  serviceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto *buttons = new QDialogButtonBox(this);
  m_apply = buttons->addButton(tr("Apply"), QDialogButtonBox::AcceptRole);
  m_apply->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &MachineTranslationDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_selection, &QComboBox::currentIndexChanged, this, [this](int index) {
    m_filterButton->setVisible(index == 1);
    if (index != 2 && m_showFilter)
      m_showFilter(index == 1);
  });
  connect(m_filterButton, &QPushButton::clicked, this, [this] {
    if (m_setupFilter)
      m_setupFilter();
  });

  auto *row = new QHBoxLayout;
  row->addWidget(m_selection, 1);
  row->addWidget(m_filterButton);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(row);
  layout->addWidget(serviceLabel);
  layout->addStretch(1);
  layout->addWidget(buttons);
  setMinimumWidth(380);

  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("Google.html")); });
}

void MachineTranslationDialog::setFilterHooks(std::function<void(bool)> show,
                                              std::function<void()> setup) {
  m_showFilter = std::move(show);
  m_setupFilter = std::move(setup);
}

int MachineTranslationDialog::scope() const {
  return m_selection->currentIndex();
}

void MachineTranslationDialog::accept() {
  m_settings.setInteger(QStringLiteral("TranslateWhat"), scope());
  QDialog::accept();
}

} // namespace tarvelo::gui
