// The Alignment tab's properties of a control, read from and written to its style words.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tarvelo {

struct ControlLayout;
struct DialogLayout;

// The values of the lists, in their order.
enum class Horizontal { Left = 0, Right = 1, Center = 2 };
enum class Vertical { Top = 0, Bottom = 1, Center = 2 };
// The four check boxes.
enum class AlignmentFlag { RtlReading, RightText, LeftScrollbar, Multiline };

// What the Alignment tab shows of a control, read from its style words; -1 or an
// absent flag when the property does not apply to it.
struct Alignment {
  int horizontal = -1;
  int vertical = -1;
  int flags = 0;      // bits of 1 << AlignmentFlag that are set
  int applicable = 0; // bits of the flags the control offers
  bool offers(AlignmentFlag flag) const { return applicable & (1 << int(flag)); }
  bool has(AlignmentFlag flag) const { return flags & (1 << int(flag)); }
};

Alignment readAlignment(const ControlLayout &control);
// The dialog offers the reading order and the right-aligned text.
Alignment readAlignment(const DialogLayout &dialog);

// Write a value as style words where the control offers the property; true when a
// word changed. The words of the other values of that list leave the control. A
// static written LTEXT, RTEXT or CTEXT becomes an LTEXT when its alignment changes,
// since the keywords carry an alignment that style words cannot take back.
bool setHorizontal(ControlLayout &control, Horizontal value);
bool setVertical(ControlLayout &control, Vertical value);
bool setFlag(ControlLayout &control, AlignmentFlag flag, bool on);
bool setFlag(DialogLayout &dialog, AlignmentFlag flag, bool on);

// The style and extended-style words of the layouts, each once, in the order first met.
QStringList styleWords(const std::vector<const QStringList *> &lists);
// Removes every occurrence of the word from the list; true when there was one.
bool removeWord(QStringList &list, const QString &word);

} // namespace tarvelo
