// The dialogs report written as lines of findings or as JSON.
#include "cli/report_output.h"

#include "dialogs/dialog_report.h"
#include "dialogs/report_fragment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarvelo::cli {

namespace {

QJsonObject rectObject(const QRect &rect) {
  return {{"x", rect.x()}, {"y", rect.y()}, {"width", rect.width()}, {"height", rect.height()}};
}

QJsonValue sizeValue(bool measured, const QSize &size) {
  if (!measured)
    return QJsonValue::Null;
  return QJsonObject{{"width", size.width()}, {"height", size.height()}};
}

QJsonObject controlObject(const ControlReport &control) {
  QJsonArray found;
  for (const ControlFinding &finding : findings(control)) {
    QJsonObject item{{"kind", QLatin1String(findingKey(finding.kind))}, {"text", finding.text}};
    if (!finding.names.isEmpty())
      item.insert("names", QJsonArray::fromStringList(finding.names));
    found.append(item);
  }
  return {{"identifier", control.identifier},
          {"name", control.name},
          {"class", control.className},
          {"keyword", control.keyword},
          {"windowClass", control.writtenClass},
          {"styles", QJsonArray::fromStringList(control.styles)},
          {"exStyles", QJsonArray::fromStringList(control.exStyles)},
          {"text", control.text},
          {"rect", rectObject(control.rect)},
          {"pixels", rectObject(control.pixels)},
          {"room", sizeValue(control.measured, control.room)},
          {"wrapped", control.wrapped},
          {"textSize", sizeValue(control.measured, control.textSize)},
          {"findings", found}};
}

} // namespace

QString reportLines(const DialogsReport &report) {
  QString out;
  for (const DialogReport &dialog : report.dialogs)
    for (const ControlReport &control : dialog.controls)
      for (const ControlFinding &finding : findings(control))
        out += dialog.identifier + u'\t' + control.name + u'\t' + finding.text + u'\n';
  return out;
}

QByteArray reportJson(const DialogsReport &report, const QString &fileName) {
  QJsonArray dialogs;
  for (const DialogReport &dialog : report.dialogs) {
    QJsonArray controls;
    for (const ControlReport &control : dialog.controls)
      controls.append(controlObject(control));
    dialogs.append(QJsonObject{
        {"identifier", dialog.identifier},
        {"file", dialog.fileName.isEmpty() ? fileName : dialog.fileName},
        {"reported", dialog.reported()},
        {"rect", rectObject(dialog.rect)},
        {"extended", dialog.extended},
        {"styles", QJsonArray::fromStringList(dialog.styles)},
        {"exStyles", QJsonArray::fromStringList(dialog.exStyles)},
        {"font", QJsonObject{{"requested", dialog.requestedFace},
                             {"used", dialog.usedFace},
                             {"fallback", dialog.fontFallback},
                             {"notice", dialog.fontNotice},
                             {"statement", dialog.fontStatement},
                             {"points", dialog.points},
                             {"weight", dialog.weight},
                             {"italic", dialog.italic ? 1 : 0},
                             {"charset", dialog.charset}}},
        {"baseUnits", QJsonObject{{"x", dialog.baseUnits.x}, {"y", dialog.baseUnits.y}}},
        {"controls", controls}});
  }
  const QJsonObject root{{"setting", report.setting},
                         {"dialogsReported", report.reportedCount()},
                         {"dialogs", dialogs}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace tarvelo::cli
