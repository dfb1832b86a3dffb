// The dialogs report against Windows' own dialog manager: the dialogs of
// tests/data/wine_dialogs/dialogs.rc were built in Wine (tools/wine_dialogs) and the
// windows, rooms and text sizes it gave are expected here, control by control.
#include "dialogs/dialog_report.h"
#include "dialogs/report_settings.h"
#include "measure/qt_text_measure.h"
#include "support/dialog_reading.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QRect rectOf(const QJsonValue &value) {
  const QJsonArray a = value.toArray();
  return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

QSize sizeOf(const QJsonValue &value) {
  const QJsonArray a = value.toArray();
  return QSize(a[0].toInt(), a[1].toInt());
}

TEST(WineFigures, TheReportPlacesAndMeasuresAsWindowsDoes) {
  const QString folder = QStringLiteral(TARVELO_TEST_DATA "/wine_dialogs/");
  QFile file(folder + QStringLiteral("expected.json"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QJsonArray expected = QJsonDocument::fromJson(file.readAll()).array();
  const auto ws = test::readAsItsOwnTarget(folder + QStringLiteral("dialogs.rc"), 1033);
  ASSERT_TRUE(ws);
  QtTextMeasure measure;
  const DialogsReport report = DialogReporter(measure, ReportTooLong).reportAll(ws->entries, false);
  ASSERT_EQ(report.dialogs.size(), size_t(expected.size()));
  int texts = 0;
  for (qsizetype d = 0; d < expected.size(); ++d) {
    const QJsonObject wine = expected[d].toObject();
    const DialogReport &dialog = report.dialogs[size_t(d)];
    SCOPED_TRACE(dialog.identifier.toStdString());
    const QSize units = sizeOf(wine[QStringLiteral("baseUnits")]);
    EXPECT_EQ(dialog.baseUnits, (BaseUnits{units.width(), units.height()}));
    const QJsonArray controls = wine[QStringLiteral("controls")].toArray();
    ASSERT_EQ(dialog.controls.size(), size_t(controls.size()));
    for (qsizetype c = 0; c < controls.size(); ++c) {
      const QJsonObject windows = controls[c].toObject();
      const ControlReport &ours = dialog.controls[size_t(c)];
      SCOPED_TRACE(ours.identifier.toStdString());
      EXPECT_EQ(ours.pixels, rectOf(windows[QStringLiteral("rect")]));
      if (!windows.contains(QStringLiteral("need")))
        continue;
      ++texts;
      const QSize room = sizeOf(windows[QStringLiteral("room")]);
      const QSize need = sizeOf(windows[QStringLiteral("need")]);
      const bool wrapped = windows[QStringLiteral("wrapped")].toBool();
      EXPECT_EQ(ours.room, room);
      EXPECT_EQ(ours.textSize, need);
      EXPECT_EQ(ours.wrapped, wrapped);
      const bool tooLong =
          need.width() > room.width() || (wrapped && need.height() > room.height());
      EXPECT_EQ(ours.tooLong, tooLong);
    }
  }
  EXPECT_GE(texts, 20);
}

} // namespace
} // namespace tarvelo
