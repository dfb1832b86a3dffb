// "Tarvelo - Dialogs Report": the report of the open tasks' dialogs in its own window.
#include "report/report_frame.h"

#include "dialogs/report_fragment.h"
#include "dialogs/report_settings.h"
#include "options/help.h"
#include "report/report_setting_dialog.h"
#include "report/report_view.h"
#include "seam/settings.h"
#include "workbench/session.h"

#include <QFontMetrics>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace tarvelo::gui {

namespace {

const QString kSettingKey = QStringLiteral("ReportSetting");

} // namespace

ReportFrame::ReportFrame(Session &session, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_session(session) {
  setWindowTitle(tr("Tarvelo - Dialogs Report"));
  if (parent)
    setWindowIcon(parent->windowIcon());
  m_view = new ReportView(this);
  // Courier, or the machine's typewriter face standing in for it, at the size of the
  // main window's font.
  QFont font(QStringLiteral("Courier"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF((parent ? parent->font() : this->font()).pointSizeF());
  m_view->setFont(font);
  setCentralWidget(m_view);
  m_status = new QLabel(this);
  statusBar()->addWidget(m_status, 1);

  connect(m_view, &ReportView::dialogChosen, this, [this](int index) {
    if (index >= 0 && index < int(m_report.dialogs.size()))
      Q_EMIT dialogChosen(m_report.dialogs[size_t(index)].entry);
  });
  connect(m_view, &ReportView::settingRequested, this, &ReportFrame::editSetting);
  connect(m_view, &ReportView::refreshRequested, this, &ReportFrame::rebuild);
  // The links point into the session's entries: a new set of entries is a new report.
  connect(&m_session, &Session::entriesReset, this, &ReportFrame::rebuild);
  auto *help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this,
          [this] { showHelp(this, QStringLiteral("report.html")); });
  resize(640, 420);
}

ReportFrame::~ReportFrame() = default;

void ReportFrame::rebuild() {
  DialogReporter reporter(m_measure, m_session.settings().integer(kSettingKey));
  m_report = reporter.reportAll(m_session.entries(), m_session.severalTasks());
  m_view->setHtml(reportHtml(m_report));
  alignColumns();
  m_status->setText(dialogsReportedText(m_report.reportedCount()));
  m_view->moveCursor(QTextCursor::Start);
  m_view->ensureCursorVisible();
}

// The controls' identifiers stand in a column: the first tab indents, the second
// stands past the longest identifier reported.
void ReportFrame::alignColumns() {
  const QFontMetrics metrics(m_view->font());
  int longest = 0;
  for (const DialogReport &dialog : m_report.dialogs)
    for (const ControlReport &control : dialog.controls)
      if (control.reported())
        longest = std::max(longest, metrics.horizontalAdvance(control.name));
  const qreal indent = metrics.horizontalAdvance(QStringLiteral("    "));
  QTextBlockFormat format;
  format.setTabPositions(
      {QTextOption::Tab(indent, QTextOption::LeftTab),
       QTextOption::Tab(indent + longest + metrics.horizontalAdvance(QStringLiteral("  ")),
                        QTextOption::LeftTab)});
  QTextCursor all(m_view->document());
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(format);
}

QString ReportFrame::statusText() const {
  return m_status->text();
}

void ReportFrame::editSetting() {
  ReportSettingDialog dialog(m_session.settings().integer(kSettingKey), this);
  if (dialog.exec() == QDialog::Accepted)
    applySetting(dialog.setting());
}

void ReportFrame::applySetting(int setting) {
  const bool changed = setting != m_session.settings().integer(kSettingKey);
  m_session.settings().setInteger(kSettingKey, setting);
  if (changed)
    rebuild();
}

} // namespace tarvelo::gui
