// "About Tarvelo": the version and the product's addresses.
#include "options/about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvelo::gui {

namespace {

const char *const kWebAddress = "https://tarvelo.org";
const char *const kMailAddress = "support@tarvelo.org";

QLabel *link(const QString &href, const QString &text, QWidget *parent) {
  auto *label =
      new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(href, text.toHtmlEscaped()), parent);
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  label->setOpenExternalLinks(true);
  return label;
}

} // namespace

AboutDialog::AboutDialog(const QString &version, QWidget *parent) : QDialog(parent) {
  setWindowTitle(tr("About Tarvelo"));
  auto *icon = new QLabel(this);
  const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize) * 3 / 2;
  QIcon appIcon = QApplication::windowIcon();
  if (appIcon.isNull())
    appIcon = style()->standardIcon(QStyle::SP_DesktopIcon);
  icon->setPixmap(appIcon.pixmap(extent, extent));
  icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto *name = new QLabel(tr("Tarvelo"), this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  auto *versionLabel = new QLabel(tr("Version %1").arg(version), this);
  versionLabel->setObjectName(QStringLiteral("version"));
  versionLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto *purpose = new QLabel(tr("Translates the texts of Windows resource scripts."), this);
  auto *web = link(QLatin1String(kWebAddress), QLatin1String(kWebAddress), this);
  web->setObjectName(QStringLiteral("webAddress"));
  auto *mail = link(QStringLiteral("mailto:") + QLatin1String(kMailAddress),
                    QLatin1String(kMailAddress), this);
  mail->setObjectName(QStringLiteral("mailAddress"));

  auto *text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(versionLabel);
  text->addSpacing(fontMetrics().height() / 2);
  text->addWidget(purpose);
  text->addSpacing(fontMetrics().height() / 2);
  text->addWidget(web);
  text->addWidget(mail);
  text->addStretch(1);
  auto *top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(fontMetrics().averageCharWidth() * 2);
  top->addLayout(text, 1);

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tarvelo::gui
