// Laying out and measuring texts with a dialog font, and the notice of a stand-in face.
#include "dialogs/text_measure.h"

#include <QCoreApplication>

namespace tarvelo {

std::vector<GdiLine> MeasuringFont::lines(const QString &text, const GdiTextFlags &flags) const {
  return gdiLines(
      text, flags, [this](QStringView character) { return advance(character); }, tabStop());
}

QSize MeasuringFont::lineSize(const QString &text, bool prefix) const {
  GdiTextFlags flags;
  flags.prefix = prefix;
  flags.singleLine = true;
  return gdiExtent(lines(text, flags), pixelHeight());
}

QSize MeasuringFont::wrappedSize(const QString &text, int width, bool prefix) const {
  GdiTextFlags flags;
  flags.prefix = prefix;
  flags.wrap = true;
  flags.width = std::max(1, width);
  return gdiExtent(lines(text, flags), pixelHeight());
}

QString fontNotice(const MeasuringFont &font) {
  if (!font.isFallback())
    return QString();
  return QCoreApplication::translate("tarvelo::DialogReport", "%1 not installed: measured with %2")
      .arg(font.requestedFace(), font.usedFace());
}

} // namespace tarvelo
