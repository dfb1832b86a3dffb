// Measuring dialog texts with QFontMetrics, with the heights and widths Windows gives.
#include "measure/qt_text_measure.h"

#include "measure/dialog_fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QMutex>
#include <QRawFont>
#include <QtEndian>
#include <cmath>

namespace tarvelo {

namespace {

// Bounds that keep absurd FONT statements measurable.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 400;

// The character height the system gives the font: its Windows ascent and descent
// (OS/2 table), each rounded at the pixel size. Bitmap faces carry their height.
int windowsHeight(const QFont &font, const QFontMetrics &metrics) {
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.fontTable("OS/2");
  const qreal unitsPerEm = raw.unitsPerEm();
  if (os2.size() < 78 || unitsPerEm < 64)
    return metrics.height();
  const quint16 ascent = qFromBigEndian<quint16>(os2.constData() + 74);
  const quint16 descent = qFromBigEndian<quint16>(os2.constData() + 76);
  const qreal scale = font.pixelSize() / unitsPerEm;
  const int height = int(std::lround(ascent * scale)) + int(std::lround(descent * scale));
  return height > 0 ? height : metrics.height();
}

// The font's average character width as the system gives it (the OS/2 table's, at the
// pixel size): tab stops stand at eight of them. A raster face's is the width of "x".
int windowsAverageWidth(const QFont &font, int xWidth) {
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.fontTable("OS/2");
  const qreal unitsPerEm = raw.unitsPerEm();
  if (os2.size() < 4 || unitsPerEm < 64 || !raw.fontTable("bdat").isEmpty() ||
      !raw.fontTable("EBDT").isEmpty())
    return xWidth;
  const qint16 average = qFromBigEndian<qint16>(os2.constData() + 2);
  const int width = int(std::lround(average * font.pixelSize() / unitsPerEm));
  return width > 0 && width <= 2 * font.pixelSize() ? width : xWidth;
}

// The System font is a raster face of one size.
constexpr int kSystemPixels = 16;

class QtMeasuringFont final : public MeasuringFont {
public:
  QtMeasuringFont(const QString &face, int points, int weight, bool italic, int dpi)
      : m_requested(face), m_points(points) {
    int pixels = std::max(1, -fontHeightForPoints(std::clamp(points, kMinPoints, kMaxPoints), dpi));
    if (isSystemFace(face))
      pixels = kSystemPixels * dpi / 96;
    QString family = dialogFontFamily(face, pixels);
    if (family.isEmpty()) {
      family = fallbackDialogFamily(pixels);
      m_fallback = true;
    } else if (isStandInFace(face)) {
      m_fallback = true;
    }
    m_used = family;
    // The raster MS Sans Serif is drawn at its one size.
    if (family == QLatin1String("MS Sans Serif") && isSansSerifBitmapSize(pixels))
      pixels = kSansSerifPixels;
    m_font.setFamily(family);
    m_font.setPixelSize(pixels);
    m_font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
    m_font.setItalic(italic);
    // Characters the face lacks come from another font, as Windows links fonts.
    m_font.setHintingPreference(QFont::PreferFullHinting);
    m_font.setKerning(false);
    const QFontMetrics metrics(m_font);
    m_height = windowsHeight(m_font, metrics);
    int letters = 0;
    for (const QChar c : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
      letters += advance(QStringView(&c, 1));
    m_units = baseUnitsFromLetters(letters, m_height);
    m_tabStop = 8 * std::max(1, windowsAverageWidth(m_font, advance(u"x")));
  }

  QString requestedFace() const override { return m_requested; }
  QString usedFace() const override { return m_used; }
  bool isFallback() const override { return m_fallback; }
  int points() const override { return m_points; }
  int pixelHeight() const override { return m_height; }
  BaseUnits baseUnits() const override { return m_units; }
  int tabStop() const override { return m_tabStop; }

  // Whole pixels per character, as the system adds them: no kerning, no ligatures.
  int advance(QStringView character) const override {
    const QString key = character.toString();
    QMutexLocker lock(&m_mutex);
    if (const auto it = m_advances.constFind(key); it != m_advances.constEnd())
      return it.value();
    const int width = QFontMetrics(m_font).horizontalAdvance(key);
    m_advances.insert(key, width);
    return width;
  }

  QFont font() const { return m_font; }

private:
  QString m_requested, m_used;
  bool m_fallback = false;
  int m_points;
  QFont m_font;
  int m_height = 0;
  int m_tabStop = 0;
  BaseUnits m_units;
  mutable QMutex m_mutex;
  mutable QHash<QString, int> m_advances;
};

} // namespace

std::unique_ptr<MeasuringFont> QtTextMeasure::font(const QString &face, int points, int weight,
                                                   bool italic) const {
  const QString chosen = face.trimmed().isEmpty() ? defaultDialogFace() : face;
  return std::make_unique<QtMeasuringFont>(chosen, points <= 0 ? 8 : points, weight, italic,
                                           dotsPerInch());
}

} // namespace tarvelo

namespace tarvelo {

QFont qtFontOf(const MeasuringFont &font) {
  if (const auto *qt = dynamic_cast<const QtMeasuringFont *>(&font))
    return qt->font();
  QFont fallback(font.usedFace());
  fallback.setPixelSize(std::max(1, font.pixelHeight()));
  return fallback;
}

} // namespace tarvelo
