// A text measure with round numbers, so tests can tell which text fits.
#pragma once
// A measure with round numbers, so that tests can say which text fits: every
// character is 6 pixels wide but "i" (2) and the blank (3); a line is 13 pixels high;
// base units 6 x 13 as MS Shell Dlg 8 gives them; tab stops every 32 pixels.
#include "dialogs/text_measure.h"

#include <QStringList>

namespace tarvelo::test {

class FixedFont final : public MeasuringFont {
public:
  FixedFont(QString face, int points) : m_face(std::move(face)), m_points(points) {}
  QString requestedFace() const override { return m_face; }
  QString usedFace() const override { return m_face; }
  bool isFallback() const override { return false; }
  int points() const override { return m_points; }
  int pixelHeight() const override { return 13; }
  BaseUnits baseUnits() const override { return {6, 13}; }
  // The layout is the measurement's own (gdi_layout.h); only the widths are fixed.
  int advance(QStringView character) const override {
    return character == u"i" ? 2 : character == u" " ? 3 : 6;
  }
  int tabStop() const override { return 32; }

private:
  QString m_face;
  int m_points;
};

class FixedMeasure final : public TextMeasure {
public:
  std::unique_ptr<MeasuringFont> font(const QString &face, int points, int, bool) const override {
    return std::make_unique<FixedFont>(face, points);
  }
};

} // namespace tarvelo::test
