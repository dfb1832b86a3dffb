// The text measure of the measuring program, handed to the commands that use one.
#include "cli/measure_source.h"

#include "dialogs/text_measure.h"

namespace tarvelo::cli {

namespace {
MeasureFactory g_factory = nullptr;
} // namespace

void setMeasureFactory(MeasureFactory factory) {
  g_factory = factory;
}

std::unique_ptr<TextMeasure> makeMeasure() {
  return g_factory ? g_factory() : nullptr;
}

} // namespace tarvelo::cli
