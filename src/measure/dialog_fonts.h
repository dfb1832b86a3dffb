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

} // namespace tarvelo
