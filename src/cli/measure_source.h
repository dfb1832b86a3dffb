// The text measure a command gets in the program that measures with Qt's fonts.
#pragma once

#include <memory>

namespace tarvelo {
class TextMeasure;
}

namespace tarvelo::cli {

using MeasureFactory = std::unique_ptr<TextMeasure> (*)();

// Set by tarvelo-cli-report, whose QGuiApplication lets it measure.
void setMeasureFactory(MeasureFactory factory);
// A measure, or null in tarvelo-cli, which links QtCore only.
std::unique_ptr<TextMeasure> makeMeasure();

} // namespace tarvelo::cli
