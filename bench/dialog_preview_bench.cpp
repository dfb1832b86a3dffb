// Building and showing the live preview of a dialog of 300 controls offscreen, as
// the DIALOG board does when a dialog is opened: the items, the control windows, the
// classic look, and the first paint. The target is under 100 ms.

#include "dialogs/dialog_preview.h"
#include "dialogs/live_dialog.h"
#include "dialogs/shown_dialog.h"
#include "measure/qt_text_measure.h"
#include "script/dialog_layout.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <deque>

namespace tarvelo {
namespace {

// The kinds a large dialog is made of, round and round.
struct Kind {
  const char *keyword;
  const char *className;
  const char *style;
  int height;
};
constexpr Kind kKinds[] = {
    {"LTEXT", "", "", 8},
    {"EDITTEXT", "", "ES_AUTOHSCROLL", 14},
    {"PUSHBUTTON", "", "", 14},
    {"CONTROL", "Button", "BS_AUTOCHECKBOX", 10},
    {"COMBOBOX", "", "CBS_DROPDOWNLIST", 60},
    {"AUTORADIOBUTTON", "", "", 10},
    {"GROUPBOX", "", "", 30},
    {"LISTBOX", "", "LBS_NOTIFY", 40},
    {"CONTROL", "SysListView32", "", 40},
    {"CONTROL", "msctls_progress32", "", 10},
};

void buildAndShowLargeDialog(benchmark::State &state) {
  constexpr int kControls = 300;
  constexpr int kColumns = 10;
  std::deque<ControlLayout> layouts;
  ShownDialog shown;
  shown.caption = QStringLiteral("Three hundred controls");
  shown.hasFont = true;
  shown.fontFace = QStringLiteral("MS Shell Dlg");
  shown.fontPoints = 8;
  shown.rect = QRect(0, 0, kColumns * 64 + 10, (kControls / kColumns) * 44 + 10);
  for (int i = 0; i < kControls; ++i) {
    const Kind &kind = kKinds[size_t(i) % std::size(kKinds)];
    ControlLayout &layout = layouts.emplace_back();
    layout.keyword = QString::fromLatin1(kind.keyword);
    layout.className = QString::fromLatin1(kind.className);
    layout.identifier = QStringLiteral("IDC_CONTROL_%1").arg(i);
    if (*kind.style)
      layout.styles = QStringList{QString::fromLatin1(kind.style)};
    ShownControl control;
    control.layout = &layout;
    control.text = QStringLiteral("&Control text %1").arg(i);
    control.rect = QRect(5 + (i % kColumns) * 64, 5 + (i / kColumns) * 44, 60, kind.height);
    shown.controls.push_back(control);
  }
  const QtTextMeasure measure;
  QImage canvas;
  for (auto _ : state) {
    gui::DialogPreview preview(shown, DialogSide::Translated, measure);
    preview.show();
    if (canvas.size() != preview.size())
      canvas = QImage(preview.size(), QImage::Format_ARGB32_Premultiplied);
    preview.render(&canvas);
    benchmark::DoNotOptimize(canvas.constBits());
    if (preview.liveDialog()->controls().size() != size_t(kControls))
      state.SkipWithError("a control is missing");
  }
  state.counters["controls"] = kControls;
}
BENCHMARK(buildAndShowLargeDialog)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace tarvelo

int main(int argc, char **argv) {
  // Widgets need their application; they draw offscreen wherever this runs.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
