// A dialog font for measuring: its height, base units, character widths and layouts.
#pragma once

#include "dialogs/dialog_units.h"
#include "dialogs/gdi_layout.h"

#include <QSize>
#include <QString>
#include <memory>

namespace tarvelo {

// A dialog font as the measurement found it.
class MeasuringFont {
public:
  virtual ~MeasuringFont() = default;

  // The face asked for, and the font family that measures it: a metric-compatible
  // stand-in for the faces of Windows dialogs, or the fallback when no font provides
  // the face (then isFallback says so).
  virtual QString requestedFace() const = 0;
  virtual QString usedFace() const = 0;
  virtual bool isFallback() const = 0;
  virtual int points() const = 0;
  // The font's character height in pixels, and its dialog base units.
  virtual int pixelHeight() const = 0;
  virtual BaseUnits baseUnits() const = 0;

  // The width of one character (a UTF-16 unit or a surrogate pair) in whole pixels,
  // as the system adds them up.
  virtual int advance(QStringView character) const = 0;
  // The distance of tab stops: eight average character widths.
  virtual int tabStop() const = 0;

  int blankWidth() const { return advance(u" "); }
  // A text laid out as the system draws it (gdi_layout.h).
  std::vector<GdiLine> lines(const QString &text, const GdiTextFlags &flags) const;
  // A text on one line, "&" marking an access key unless prefix is off ("&&" is one
  // "&").
  QSize lineSize(const QString &text, bool prefix = true) const;
  // A text broken at blanks and line breaks into lines no wider than width where it
  // can; a word longer than the width makes the block wider.
  QSize wrappedSize(const QString &text, int width, bool prefix = true) const;
};

// Makes fonts for dialogs. Faces that Windows dialogs use are mapped to fonts with
// the same metrics, so that texts measure as on Windows.
class TextMeasure {
public:
  virtual ~TextMeasure() = default;
  // points <= 0 takes 8; weight as in FONT statements (0 or 400 normal, 700 bold).
  virtual std::unique_ptr<MeasuringFont> font(const QString &face, int points, int weight = 0,
                                              bool italic = false) const = 0;
  // Where a check box or radio button starts its text: its box of 13 pixels and the
  // gap after it, as Windows' dialog manager draws them at 96 dpi.
  virtual int boxTextIndent() const { return 17; }
  virtual int dotsPerInch() const { return 96; }
};

// What a dialog's font stands in for, when the face itself is not at hand: "Segoe UI
// not installed: measured with Tahoma"; empty otherwise.
QString fontNotice(const MeasuringFont &font);

// The face "Set default font" gives a dialog.
inline QString defaultDialogFace() {
  return QStringLiteral("MS Shell Dlg");
}
// The face a dialog without FONT statement is drawn in: Windows' System font.
inline QString systemDialogFace() {
  return QStringLiteral("System");
}

} // namespace tarvelo
