// Text laid out as the system's DrawText lays out a control's text: whole-pixel
// advances added up, access-key marks, tab stops and word breaks.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace tarvelo {

// How a text is drawn: "&" marks the access key unless prefix is off; with a width
// the text is broken at blanks (and between East Asian characters) into lines no
// wider where it can be; without one every line break still starts a line.
struct GdiTextFlags {
  bool prefix = true;
  bool wrap = false;
  bool singleLine = false; // line breaks are drawn as blanks
  int width = 0;           // the room's width when wrapping
};

// One line of a laid-out text: where it stands in the text as given (marks
// included) and its width in pixels.
struct GdiLine {
  qsizetype start = 0, length = 0;
  int width = 0;
};

// The width of one character (a UTF-16 unit or a surrogate pair) in whole pixels.
using AdvanceOf = std::function<int(QStringView character)>;

// Lays a text out; tabStop is the distance of tab stops in pixels.
std::vector<GdiLine> gdiLines(const QString &text, const GdiTextFlags &flags,
                              const AdvanceOf &advance, int tabStop);
// The widest line and the lines' height at lineHeight each.
QSize gdiExtent(const std::vector<GdiLine> &lines, int lineHeight);
// A line's text as drawn: access-key marks taken out unless prefix is off.
QString gdiDrawnText(QStringView line, bool prefix);
// Whether a line may break between these two characters though no blank stands there.
bool breaksBetween(char32_t before, char32_t after);

} // namespace tarvelo
