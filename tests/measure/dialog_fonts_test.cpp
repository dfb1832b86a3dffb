// The dialog fonts: Windows' base units, the fallback and East Asian faces.
#include "measure/qt_text_measure.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Windows' dialog base units for its dialog faces at 96 dpi; the metric-compatible
// fonts must give the same, or every dialog would be laid out at another size.
TEST(DialogFonts, WindowsFacesGiveWindowsBaseUnits) {
  struct Case {
    const char *face;
    int points;
    BaseUnits units;
  };
  const Case cases[] = {
      {"MS Shell Dlg", 8, {6, 13}},   {"MS Sans Serif", 8, {6, 13}}, {"ms shell dlg", 8, {6, 13}},
      {"MS Shell Dlg 2", 8, {6, 13}}, {"Tahoma", 8, {6, 13}},
  };
  QtTextMeasure measure;
  for (const Case &c : cases) {
    const auto font = measure.font(QString::fromLatin1(c.face), c.points);
    EXPECT_EQ(font->baseUnits(), c.units)
        << c.face << " " << c.points << ": " << font->baseUnits().x << "x" << font->baseUnits().y;
    EXPECT_FALSE(font->isFallback()) << c.face;
  }
}

TEST(DialogFonts, AFaceNoFontProvidesFallsBackAndSaysSo) {
  QtTextMeasure measure;
  const auto font = measure.font(QStringLiteral("No Such Face Anywhere"), 8);
  EXPECT_TRUE(font->isFallback());
  EXPECT_EQ(font->baseUnits(), (BaseUnits{6, 13}));
}

// East Asian dialog faces are measured with an installed face of their script, and
// say so; East Asian texts in a Western face are measured with such a face too, as
// Windows links fonts, never as boxes.
TEST(DialogFonts, EastAsianFacesAndTextsAreMeasuredWithAFaceOfTheirScript) {
  const struct {
    const char16_t *face;
    const char *used;
  } cases[] = {
      {u"MS UI Gothic", "Noto Sans CJK JP"},
      {u"\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af", "Noto Sans CJK JP"},
      {u"Meiryo UI", "Noto Sans CJK JP"},
      {u"SimSun", "Noto Sans CJK SC"},
      {u"\u5fae\u8f6f\u96c5\u9ed1", "Noto Sans CJK SC"},
      {u"Microsoft JhengHei", "Noto Sans CJK TC"},
      {u"Gulim", "Noto Sans CJK KR"},
  };
  QtTextMeasure measure;
  for (const auto &c : cases) {
    const QString face = QString::fromUtf16(c.face);
    const auto font = measure.font(face, 9);
    EXPECT_EQ(font->usedFace(), QLatin1String(c.used)) << c.used;
    EXPECT_TRUE(font->isFallback()) << c.used;
    EXPECT_EQ(
        fontNotice(*font),
        QStringLiteral("%1 not installed: measured with %2").arg(face, QLatin1String(c.used)));
    // Full-width characters are about as wide as the font is high.
    EXPECT_GE(font->advance(u"\u30ef"), 10) << c.used;
    EXPECT_LE(font->advance(u"\u30ef"), 14) << c.used;
  }
  const auto segoe = measure.font(QStringLiteral("Segoe UI"), 9);
  EXPECT_EQ(segoe->usedFace(), QStringLiteral("Tahoma"));
  for (const char16_t *text : {u"\u30ef", u"\u5b57", u"\u6587"}) {
    EXPECT_GE(segoe->advance(text), 10);
    EXPECT_LE(segoe->advance(text), 14);
  }
}

TEST(DialogFonts, AbsurdSizesStillMeasure) {
  QtTextMeasure measure;
  for (int points : {0, 1, 200, 100000}) {
    const auto font = measure.font(QStringLiteral("MS Shell Dlg"), points);
    EXPECT_GT(font->baseUnits().x, 0) << points;
    EXPECT_GT(font->lineSize(QStringLiteral("Save")).width(), 0) << points;
  }
}

TEST(DialogFonts, AccessKeysAndWordBreaksMeasureAsDrawn) {
  QtTextMeasure measure;
  const auto font = measure.font(QStringLiteral("MS Shell Dlg"), 8);
  EXPECT_EQ(font->lineSize(QStringLiteral("&Save")).width(),
            font->lineSize(QStringLiteral("Save")).width());
  const QSize oneLine = font->lineSize(QStringLiteral("Save the file"));
  const QSize broken = font->wrappedSize(QStringLiteral("Save the file"), oneLine.width() / 2);
  EXPECT_GE(broken.height(), 2 * oneLine.height());
  EXPECT_LE(broken.width(), oneLine.width() / 2 + 1);
  // A word longer than the room makes the block wider than the room.
  EXPECT_GT(font->wrappedSize(QStringLiteral("Speicherplatzverwaltung"), 20).width(), 20);
}

} // namespace
} // namespace tarvelo
