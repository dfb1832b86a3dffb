// Text measuring with QFontMetrics, for the dialogs report and preview.
#pragma once

#include "dialogs/text_measure.h"

#include <QFont>

namespace tarvelo {

// Measures with QFontMetrics. Needs a QGuiApplication (the command line runs one on
// the offscreen platform).
class QtTextMeasure final : public TextMeasure {
public:
  std::unique_ptr<MeasuringFont> font(const QString &face, int points, int weight = 0,
                                      bool italic = false) const override;
};

// The Qt font a measuring font measures with, for drawing what it measured.
QFont qtFontOf(const MeasuringFont &font);

} // namespace tarvelo
