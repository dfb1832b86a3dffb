// "Report Setting": a check box per check of the dialogs report.
#include "report/report_setting_dialog.h"

#include "dialogs/report_settings.h"
#include "options/help.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvelo::gui {

ReportSettingDialog::ReportSettingDialog(int setting, QWidget *parent) : QDialog(parent) {
  setWindowTitle(tr("Report Setting"));
  auto *layout = new QVBoxLayout(this);
  const std::pair<int, QString> boxes[] = {
      {ReportTooLong, tr("Report too long texts")},
      {ReportAlignmentStyles, tr("Report different alignment styles")},
      {ReportOtherStyles, tr("Report different other styles")},
      {ReportOverlaps, tr("Report controls that now overlap others")},
      {ReportOutside, tr("Report controls that now reach outside the dialog")},
      {ReportAccessKeys, tr("Report controls with the same access key")},
  };
  for (const auto &[bit, text] : boxes) {
    auto *box = new QCheckBox(text, this);
    box->setChecked(setting & bit);
    layout->addWidget(box);
    m_boxes.append({bit, box});
  }
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("report.html")); });
}

int ReportSettingDialog::setting() const {
  int bits = 0;
  for (const auto &[bit, box] : m_boxes)
    if (box->isChecked())
      bits |= bit;
  return bits;
}

QCheckBox *ReportSettingDialog::box(int bit) const {
  for (const auto &[boxBit, box] : m_boxes)
    if (boxBit == bit)
      return box;
  return nullptr;
}

} // namespace tarvelo::gui
