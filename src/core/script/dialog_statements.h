// Dialog statements written anew in the style of the statements around them.
#pragma once

#include "script/dialog_layout.h"

#include <QString>

namespace tarvelo {

// How a block lays out its statements.
struct StatementStyle {
  QString indent = QStringLiteral("    "); // before a control's keyword
  int keywordWidth = 16;                   // the keyword padded to this width; 0 one blank
  QString comma = QStringLiteral(",");     // after each argument but the last
  QString bar = QStringLiteral(" | ");     // between style items
  int breakAfter = 0;                      // a longer line is continued on the next; 0 never
  QString continuation;                    // what a continued line starts with
};

// The style of the control statement standing at [start, end) of the text.
StatementStyle controlStyle(const QString &text, qsizetype start, qsizetype end);
// The style of the header statement at [start, end): its commas, bars and breaks.
StatementStyle headerStyle(const QString &text, qsizetype start, qsizetype end);

// A control statement, from its keyword to its last argument (no indent before it, no
// line feed after it); quotedText is its text with the quotes, or empty.
QString printControl(const ControlLayout &control, const QString &quotedText,
                     const StatementStyle &style);
// "STYLE a | b" and "EXSTYLE a | b".
QString printItems(const QString &keyword, const QStringList &items, const StatementStyle &style);
// The first line of a dialog: identifier, keyword, options and rectangle.
QString printDialogHead(const QString &identifier, bool extended, const DialogLayout &layout,
                        const StatementStyle &style);
// FONT with the layout's size, face and (for DIALOGEX) weight, italic and charset.
QString printFont(const DialogLayout &layout, const StatementStyle &style);

// Whether two lists of style items say the same (numbers compared by value).
bool sameItems(const QStringList &a, const QStringList &b);

} // namespace tarvelo
