// The layout editor's commands on control rectangles, in pixels of the client area.
#pragma once

#include "dialogs/dialog_units.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace tarvelo {

class MeasuringFont;
struct DynControlItem;

// The window rectangles here are pixels of the dialog's client area; the client area
// starts at 0, 0.

enum class ArrowKey { Left, Up, Right, Down };

// One arrow key on a control: moved by a pixel, or with resize its width or height
// changed by one, then snapped in the key's direction so that every press changes the
// layout by at least one dialog unit. Left and Up stop with the frame at the client
// area's edge (and shrinking at 1 pixel); Right and Down while the frame's edge is
// inside. Nothing when the control cannot go that way.
std::optional<QRect> controlStep(const QRect &window, ArrowKey key, bool resize,
                                 const QSize &client, BaseUnits units);
// The same on the dialog itself: Left and Up shrink its client area while its edge is
// beyond the controls' extent, Right and Down grow it.
std::optional<QSize> dialogStep(const QSize &client, ArrowKey key, const QPoint &extent,
                                BaseUnits units);

enum class AlignEdge { Left, Right, Top, Bottom };
// The window moved so that its edge equals the reference's, keeping its size.
QRect aligned(const QRect &window, const QRect &reference, AlignEdge edge);

enum class SameSize { Width, Height, Both };
// The window given the reference's width, height or both; left and top stay.
QRect sameSize(const QRect &window, const QRect &reference, SameSize which);

// The window mirrored for right-to-left layouts: with H the client width halved
// (integer division), left becomes 2H - right and right 2H - left.
QRect flipped(const QRect &window, int clientWidth);

// What the system puts around a control's client area: the static edge (also of a
// sunken static), the client edge and the border, in pixels for both sides.
QSize windowFrameSize(const DynControlItem &item);

// The window fitted to the control's text, measured with its font as the control
// draws it: statics on one line, check boxes, radio buttons and group boxes in the room
// the report measures them in (text_fit.h), push buttons inside their frame (with word breaks when
// BS_MULTILINE is set). Nothing for other controls, texts that are pictures or
// missing, and windows that already fit.
std::optional<QRect> fittedToText(const DynControlItem &item, const QRect &window,
                                  const MeasuringFont &font, int boxIndent);
// Whether fitting to text applies to the control at all.
bool fitsToText(const DynControlItem &item);

// The rectangle in dialog units that a control's window stands for. A combo box keeps
// the height parsed, since its window shows the closed box and the rest of the height
// is the list's.
QRect controlUnits(const QRect &window, const DynControlItem &item, int parsedHeight,
                   BaseUnits units);

} // namespace tarvelo
