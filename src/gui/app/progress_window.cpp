// The program's one progress window: a text line, a bar and "Cancel".
#include "app/progress_window.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo::gui {

ProgressWindow::~ProgressWindow() {
  end();
}

void ProgressWindow::begin(const QString &title) {
  m_cancelled = false;
  if (!m_dialog) {
    m_dialog = new QDialog(m_owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_dialog->setModal(false);
    auto *layout = new QVBoxLayout(m_dialog);
    m_text = new QLabel(m_dialog);
    m_text->setMinimumWidth(m_dialog->fontMetrics().averageCharWidth() * 50);
    m_bar = new QProgressBar(m_dialog);
    m_bar->setTextVisible(false);
    auto *buttons = new QDialogButtonBox(m_dialog);
    QPushButton *cancel = buttons->addButton(QApplication::translate("ProgressWindow", "Cancel"),
                                             QDialogButtonBox::RejectRole);
    QObject::connect(cancel, &QPushButton::clicked, m_dialog, [this] { m_cancelled = true; });
    // Esc or closing the window counts as Cancel, never as hiding it.
    QObject::connect(m_dialog, &QDialog::rejected, m_dialog, [this] {
      m_cancelled = true;
      if (m_dialog)
        m_dialog->show();
    });
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addWidget(buttons);
    if (m_owner) {
      m_ownerWasEnabled = m_owner->isEnabled();
      m_owner->setEnabled(false);
    }
    m_dialog->setEnabled(true);
    m_dialog->adjustSize();
    if (m_owner && m_owner->isVisible())
      m_dialog->move(m_owner->geometry().center() - m_dialog->rect().center());
    m_dialog->show();
  }
  m_dialog->setWindowTitle(title);
  m_served.invalidate();
  serve();
}

void ProgressWindow::setText(const QString &text) {
  if (m_text)
    m_text->setText(text);
}

void ProgressWindow::setRange(int minimum, int maximum) {
  if (m_bar)
    m_bar->setRange(minimum, maximum);
}

void ProgressWindow::setPosition(int position) {
  if (m_bar && m_bar->value() != position)
    m_bar->setValue(position);
}

void ProgressWindow::serve() {
  // Callers serve between steps, thousands of times a second when reading a script: the
  // window is served as often as a change can be seen, and Cancel taken as soon.
  constexpr qint64 kInterval = 40; // milliseconds
  if (!m_dialog || (m_served.isValid() && m_served.elapsed() < kInterval))
    return;
  QApplication::processEvents(QEventLoop::AllEvents, 20);
  m_served.start();
}

void ProgressWindow::end() {
  if (!m_dialog)
    return;
  QDialog *dialog = m_dialog;
  m_dialog = nullptr;
  m_text = nullptr;
  m_bar = nullptr;
  dialog->hide();
  dialog->deleteLater();
  if (m_owner) {
    m_owner->setEnabled(m_ownerWasEnabled);
    m_owner->activateWindow();
    m_owner->raise();
  }
  m_cancelled = false;
}

} // namespace tarvelo::gui
