// The dialogs report as rich text, and the findings of a control in order.
#include "dialogs/report_fragment.h"

#include "dialogs/dialog_report.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

constexpr char kContext[] = "tarvelo::DialogReport";

QString translated(const char *text) {
  return QCoreApplication::translate(kContext, text);
}

void addWords(std::vector<ControlFinding> &out, FindingKind kind, const char *format,
              const QStringList &words) {
  if (!words.isEmpty())
    out.push_back({kind, translated(format).arg(words.join(u',')), words});
}

} // namespace

std::vector<ControlFinding> findings(const ControlReport &control) {
  std::vector<ControlFinding> out;
  if (control.tooLong)
    out.push_back({FindingKind::TooLong,
                   QCoreApplication::translate("tarvelo::DialogReport", "Text is too long!"),
                   {}});
  addWords(out, FindingKind::AddedStyles,
           QT_TRANSLATE_NOOP("tarvelo::DialogReport", "Added Styles: %1"), control.addedStyles);
  addWords(out, FindingKind::RemovedStyles,
           QT_TRANSLATE_NOOP("tarvelo::DialogReport", "Removed Styles: %1"), control.removedStyles);
  addWords(out, FindingKind::AddedExStyles,
           QT_TRANSLATE_NOOP("tarvelo::DialogReport", "Added Extended Styles: %1"),
           control.addedExStyles);
  addWords(out, FindingKind::RemovedExStyles,
           QT_TRANSLATE_NOOP("tarvelo::DialogReport", "Removed Extended Styles: %1"),
           control.removedExStyles);
  addWords(out, FindingKind::Overlaps, QT_TRANSLATE_NOOP("tarvelo::DialogReport", "Overlaps %1!"),
           control.overlaps);
  if (control.outside)
    out.push_back(
        {FindingKind::Outside,
         QCoreApplication::translate("tarvelo::DialogReport", "Reaches outside the dialog!"),
         {}});
  addWords(out, FindingKind::SameAccessKey,
           QT_TRANSLATE_NOOP("tarvelo::DialogReport", "Same access key as %1!"),
           control.sameAccessKey);
  return out;
}

const char *findingKey(FindingKind kind) {
  switch (kind) {
  case FindingKind::TooLong:
    return "tooLong";
  case FindingKind::AddedStyles:
    return "addedStyles";
  case FindingKind::RemovedStyles:
    return "removedStyles";
  case FindingKind::AddedExStyles:
    return "addedExtendedStyles";
  case FindingKind::RemovedExStyles:
    return "removedExtendedStyles";
  case FindingKind::Overlaps:
    return "overlaps";
  case FindingKind::Outside:
    return "outside";
  case FindingKind::SameAccessKey:
    return "sameAccessKey";
  }
  return "";
}

QString nothingToReportText() {
  return QCoreApplication::translate("tarvelo::DialogReport", "There is nothing to report.");
}

QString dialogsReportedText(int count) {
  if (count == 1)
    return QCoreApplication::translate("tarvelo::DialogReport", "1 dialog reported");
  return QCoreApplication::translate("tarvelo::DialogReport", "%1 dialogs reported").arg(count);
}

QString reportHtml(const DialogsReport &report) {
  QString html = QStringLiteral("<html><body>");
  int reported = 0;
  for (size_t index = 0; index < report.dialogs.size(); ++index) {
    const DialogReport &dialog = report.dialogs[index];
    QString lines;
    for (const ControlReport &control : dialog.controls) {
      if (!control.reported())
        continue;
      lines += QStringLiteral("<br/>\t") + control.name.toHtmlEscaped() + u'\t';
      for (const ControlFinding &finding : findings(control))
        lines += finding.text.toHtmlEscaped() + u' ';
    }
    if (lines.isEmpty())
      continue;
    ++reported;
    const QString file = dialog.fileName.isEmpty()
                             ? QString()
                             : QStringLiteral("(%1)").arg(dialog.fileName).toHtmlEscaped();
    // A face that is not at hand is said, since every measure depends on it.
    const QString notice = dialog.fontNotice.isEmpty()
                               ? QString()
                               : QStringLiteral(" <span style=\"color:#969696\">[%1]</span>")
                                     .arg(dialog.fontNotice.toHtmlEscaped());
    html += QStringLiteral("<p style=\"white-space:pre-wrap; margin-top:2px; margin-bottom:0\">"
                           "%1 <a href=\"dialog:%2\"><span style=\"font-weight:bold; "
                           "color:#0000ff; text-decoration:underline\">%3</span></a> "
                           "<span style=\"color:#969696\">%4</span>%6 %5</p>")
                .arg(dialog.keyword.toHtmlEscaped(), QString::number(index),
                     dialog.identifier.toHtmlEscaped(), file, lines, notice);
  }
  if (reported == 0)
    html += QStringLiteral("<p>") + nothingToReportText().toHtmlEscaped() + QStringLiteral("</p>");
  return html + QStringLiteral("</body></html>");
}

} // namespace tarvelo
