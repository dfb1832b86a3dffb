#include "measure/qt_text_measure.h"

#include "measure/dialog_fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QRawFont>
#include <QTextLayout>
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

// The text as drawn: "&" marks the access key and "&&" is one "&"; line ends become
// line separators (or blanks on one line).
QString drawnText(const QString &text, bool oneLine) {
  QString out;
  out.reserve(text.size());
  const QChar lineBreak = oneLine ? QChar(u' ') : QChar(QChar::LineSeparator);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'&') {
      if (i + 1 < text.size() && text[i + 1] == u'&')
        out += u'&', ++i;
      continue;
    }
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n')
        ++i;
      out += lineBreak;
    } else if (c == u'\n') {
      out += lineBreak;
    } else {
      out += c;
    }
  }
  return out;
}

class QtMeasuringFont final : public MeasuringFont {
public:
  QtMeasuringFont(const QString &face, int points, int weight, bool italic, int dpi)
      : m_requested(face), m_points(points) {
    const int pixels =
        std::max(1, -fontHeightForPoints(std::clamp(points, kMinPoints, kMaxPoints), dpi));
    QString family = dialogFontFamily(face, pixels);
    if (family.isEmpty()) {
      family = fallbackDialogFamily(pixels);
      m_fallback = true;
    }
    m_used = family;
    m_font.setFamily(family);
    m_font.setPixelSize(pixels);
    m_font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
    m_font.setItalic(italic);
    m_font.setStyleStrategy(QFont::NoFontMerging);
    m_font.setHintingPreference(QFont::PreferFullHinting);
    m_font.setKerning(false);
    const QFontMetrics metrics(m_font);
    m_height = windowsHeight(m_font, metrics);
    m_units = baseUnitsFromLetters(metrics.horizontalAdvance(QStringLiteral(
                                       "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                                   m_height);
    m_blank = metrics.horizontalAdvance(u' ');
    // Tab stops every eight average characters, as the system draws them.
    m_option.setTabStopDistance(8 * std::max(1, m_units.x));
  }

  QString requestedFace() const override { return m_requested; }
  QString usedFace() const override { return m_used; }
  bool isFallback() const override { return m_fallback; }
  int points() const override { return m_points; }
  int pixelHeight() const override { return m_height; }
  BaseUnits baseUnits() const override { return m_units; }
  int blankWidth() const override { return m_blank; }

  QSize lineSize(const QString &text) const override { return layout(drawnText(text, true), -1); }

  QSize wrappedSize(const QString &text, int width) const override {
    return layout(drawnText(text, false), std::max(1, width));
  }

private:
  // Lays the text out (wrapping at blanks within width, or on one line when width is
  // negative): the widest line, and lines times the system's character height.
  QSize layout(const QString &text, int width) const {
    if (text.isEmpty())
      return QSize(0, m_height);
    QTextOption option = m_option;
    option.setWrapMode(width < 0 ? QTextOption::NoWrap : QTextOption::WordWrap);
    QTextLayout textLayout(text, m_font);
    textLayout.setTextOption(option);
    textLayout.beginLayout();
    qreal widest = 0;
    int lines = 0;
    for (QTextLine line = textLayout.createLine(); line.isValid(); line = textLayout.createLine()) {
      line.setLineWidth(width >= 0 ? width : 1e7);
      widest = std::max(widest, line.naturalTextWidth());
      ++lines;
    }
    textLayout.endLayout();
    return QSize(int(std::ceil(widest - 1e-6)), std::max(1, lines) * m_height);
  }

  QString m_requested, m_used;
  bool m_fallback = false;
  int m_points;
  QFont m_font;
  int m_height = 0;
  int m_blank = 0;
  BaseUnits m_units;
  QTextOption m_option;
};

} // namespace

std::unique_ptr<MeasuringFont> QtTextMeasure::font(const QString &face, int points, int weight,
                                                   bool italic) const {
  const QString chosen = face.trimmed().isEmpty() ? defaultDialogFace() : face;
  return std::make_unique<QtMeasuringFont>(chosen, points <= 0 ? 8 : points, weight, italic,
                                           dotsPerInch());
}

} // namespace tarvelo
