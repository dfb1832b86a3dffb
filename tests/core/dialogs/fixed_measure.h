#pragma once
// A measure with round numbers, so that tests can say which text fits: every
// character is 6 pixels wide but "i" (2) and the blank (3); a line is 13 pixels high;
// base units 6 x 13 as MS Shell Dlg 8 gives them.
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
  int blankWidth() const override { return 3; }

  QSize lineSize(const QString &text) const override {
    QString flat = drawn(text);
    flat.replace(u'\n', u' ');
    return {width(flat), 13};
  }

  // Greedy breaks at blanks; a word wider than the room makes its line wider.
  QSize wrappedSize(const QString &text, int room) const override {
    int widest = 0, lines = 0;
    for (const QString &paragraph : drawn(text).split(u'\n')) {
      QString line;
      for (const QString &word : paragraph.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && width(longer) > room) {
          widest = std::max(widest, width(line));
          ++lines;
          line = word;
        } else {
          line = longer;
        }
      }
      widest = std::max(widest, width(line));
      ++lines;
    }
    return {widest, 13 * lines};
  }

private:
  static QString drawn(const QString &text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (text[i] == u'&' && i + 1 < text.size() && text[i + 1] == u'&')
        out += u'&', ++i;
      else if (text[i] != u'&' && text[i] != u'\r')
        out += text[i];
    }
    return out;
  }
  static int width(const QString &text) {
    int w = 0;
    for (const QChar c : text)
      w += c == u'i' ? 2 : c == u' ' ? 3 : 6;
    return w;
  }

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
