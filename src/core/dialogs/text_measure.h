#pragma once

#include "dialogs/dialog_units.h"

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

  // A text on one line, "&" marking an access key (not drawn; "&&" is one "&").
  virtual QSize lineSize(const QString &text) const = 0;
  // A text broken at blanks and line feeds into lines no wider than width where it
  // can; a word longer than the width makes the block wider.
  virtual QSize wrappedSize(const QString &text, int width) const = 0;
  virtual int blankWidth() const = 0;
};

// Makes fonts for dialogs. Faces that Windows dialogs use are mapped to fonts with
// the same metrics, so that texts measure as on Windows.
class TextMeasure {
public:
  virtual ~TextMeasure() = default;
  // points <= 0 takes 8; weight as in FONT statements (0 or 400 normal, 700 bold).
  virtual std::unique_ptr<MeasuringFont> font(const QString &face, int points, int weight = 0,
                                              bool italic = false) const = 0;
  // The width the system gives a small icon (the box of check boxes and radio
  // buttons is measured as that).
  virtual int smallIconWidth() const { return 16; }
  virtual int dotsPerInch() const { return 96; }
};

// The face a dialog without FONT statement is shown in.
inline QString defaultDialogFace() {
  return QStringLiteral("MS Shell Dlg");
}

} // namespace tarvelo
