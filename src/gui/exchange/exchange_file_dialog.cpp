// The file dialog of Export and Import with its panel of items and delimiters.
#include "exchange/exchange_file_dialog.h"

#include "exchange/csv_fields.h"
#include "options/help.h"
#include "seam/settings.h"
#include "workbench/item_icons.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace tarvelo::gui {

namespace {

QStringList exchangeFilters() {
  return {QCoreApplication::translate("tarvelo::gui::ExchangeFileDialog", "Glossary (*.csv)"),
          QCoreApplication::translate("tarvelo::gui::ExchangeFileDialog", "Catalog (*.po)"),
          QCoreApplication::translate("tarvelo::gui::ExchangeFileDialog", "XLIFF (*.xlf *.xliff)")};
}

} // namespace

ExchangeFileDialog::ExchangeFileDialog(Mode mode, Settings &settings, QWidget *parent)
    : QFileDialog(parent), m_mode(mode), m_settings(settings) {
  setObjectName(QStringLiteral("exchangeFileDialog"));
  // The panel needs the dialog's own widgets.
  setOption(QFileDialog::DontUseNativeDialog);
  setWindowTitle(mode == Mode::Export ? tr("Export") : tr("Import"));
  setAcceptMode(mode == Mode::Export ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  setFileMode(mode == Mode::Export ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = exchangeFilters();
  setNameFilters(filters);
  const int format = std::clamp(settings.integer(QStringLiteral("ImportFormat")), 0, 2);
  selectNameFilter(filters[format]);

  auto *selection = new QGroupBox(tr("Selection:"), this);
  m_all = new QRadioButton(tr("All items"), selection);
  m_filtered = new QRadioButton(tr("Filtered items"), selection);
  m_filterButton = new QPushButton(toolbarIcon(QStringLiteral("filter")), QString(), selection);
  m_filterButton->setToolTip(tr("Filter setup..."));
  m_filterButton->setObjectName(QStringLiteral("filterButton"));
  const bool filtered = settings.integer(QStringLiteral("ImportWhat")) == 1;
  (filtered ? m_filtered : m_all)->setChecked(true);
  m_filterButton->setVisible(filtered);
  auto *selectionLayout = new QHBoxLayout(selection);
  selectionLayout->addWidget(m_all);
  selectionLayout->addWidget(m_filtered);
  selectionLayout->addWidget(m_filterButton);
  selectionLayout->addStretch(1);
  connect(m_filtered, &QRadioButton::toggled, this, [this](bool on) {
    m_filterButton->setVisible(on);
    if (m_showFilter)
      m_showFilter(on);
  });
  connect(m_filterButton, &QPushButton::clicked, this, [this] {
    if (m_setupFilter)
      m_setupFilter();
  });

  auto *panel = new QHBoxLayout;
  panel->addWidget(selection);
  if (mode == Mode::Import) {
    auto *delimiters = new QGroupBox(tr("Delimiters:"), this);
    auto *delimiterLayout = new QHBoxLayout(delimiters);
    const int bits = settings.integer(QStringLiteral("ImportFlag"));
    const QString names[] = {tr("Tab"), tr("Semicolon"), tr("Comma")};
    for (int i = 0; i < 3; ++i) {
      m_delimiters[i] = new QCheckBox(names[i], delimiters);
      m_delimiters[i]->setChecked(bits & (1 << i));
      delimiterLayout->addWidget(m_delimiters[i]);
      connect(m_delimiters[i], &QCheckBox::toggled, this, &ExchangeFileDialog::updateOk);
    }
    panel->addWidget(delimiters);
  }
  auto *help = new QPushButton(tr("Help"), this);
  connect(help, &QPushButton::clicked, this,
          [this] { showHelp(this, QStringLiteral("Imp-Exp.html")); });
  panel->addWidget(help, 0, Qt::AlignBottom);
  if (auto *grid = qobject_cast<QGridLayout *>(layout()))
    grid->addLayout(panel, grid->rowCount(), 0, 1, grid->columnCount());
  connect(this, &QFileDialog::currentChanged, this, &ExchangeFileDialog::updateOk);
  updateOk();
}

void ExchangeFileDialog::setFilterHooks(std::function<void(bool)> show,
                                        std::function<void()> setup) {
  m_showFilter = std::move(show);
  m_setupFilter = std::move(setup);
}

// The type chosen in the list, unless the name typed ends in another format's extension.
ExchangeFormat ExchangeFileDialog::format() const {
  const int index = int(exchangeFilters().indexOf(selectedNameFilter()));
  const ExchangeFormat chosen = ExchangeFormat(std::max(0, index));
  const QStringList files = selectedFiles();
  return files.isEmpty() ? chosen : formatOfPath(files.first(), chosen);
}

QString ExchangeFileDialog::chosenPath() const {
  const QStringList files = selectedFiles();
  if (files.isEmpty())
    return QString();
  return m_mode == Mode::Export ? withExtension(files.first(), format()) : files.first();
}

bool ExchangeFileDialog::filteredItems() const {
  return m_filtered->isChecked();
}

int ExchangeFileDialog::delimiterBits() const {
  int bits = 0;
  for (int i = 0; i < 3; ++i)
    if (m_delimiters[i] && m_delimiters[i]->isChecked())
      bits |= 1 << i;
  return bits;
}

void ExchangeFileDialog::updateOk() {
  if (m_mode != Mode::Import)
    return;
  if (auto *buttons = findChild<QDialogButtonBox *>())
    if (QPushButton *ok = buttons->button(QDialogButtonBox::Open))
      ok->setEnabled(delimiterBits() != 0);
}

void ExchangeFileDialog::accept() {
  // An import needs at least one delimiter.
  if (m_mode == Mode::Import && delimiterBits() == 0)
    return;
  m_settings.setInteger(QStringLiteral("ImportWhat"), filteredItems() ? 1 : 0);
  if (m_mode == Mode::Import)
    m_settings.setInteger(QStringLiteral("ImportFlag"), delimiterBits());
  QFileDialog::accept();
}

void ExchangeFileDialog::done(int result) {
  m_settings.setInteger(QStringLiteral("ImportFormat"), int(format()));
  QFileDialog::done(result);
}

} // namespace tarvelo::gui
