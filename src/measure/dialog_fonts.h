// The font family that stands in for a Windows dialog face at a pixel height.
#pragma once

#include <QString>

namespace tarvelo {

// The font family that stands in for a Windows dialog face at a pixel height: the
// faces Windows dialogs use are mapped to metric-compatible fonts (loaded on first
// use); a face that the machine has is itself; an empty text when no font provides
// the face.
QString dialogFontFamily(const QString &face, int pixelHeight);
// The family measured when no font provides a face: the one of the system's dialog
// font.
QString fallbackDialogFamily(int pixelHeight);
// MS Sans Serif is a raster face whose one size serves 8 and 9 points at 96 dpi (11
// and 12 pixels); at other sizes the system's scalable dialog face, close to Tahoma,
// stands in.
constexpr int kSansSerifPixels = 11;
bool isSansSerifBitmapSize(int pixelHeight);
// "System": Windows' raster system font, of one size (16 pixels at 96 dpi).
bool isSystemFace(const QString &face);
// An East Asian dialog face that an installed family of its script stands in for,
// with other metrics.
bool isStandInFace(const QString &face);

} // namespace tarvelo
