// Where a text's literal stands in the script it was read from.
#pragma once

namespace tarvelo {

// Lines and columns count from 1, columns in UTF-16 code units of the decoded line (a
// tab is one column); endColumn stands past the closing quote. A text without a
// literal (a resource without text, a DLGINIT string) has the span of what holds it.
// A script decompiled from a compiled file has no lines of its own: compiled says so,
// and its resource is named by the entry's kind, identifier and the task's language.
struct TextPosition {
  int line = 0; // 0: not known
  int startColumn = 0;
  int endLine = 0;
  int endColumn = 0; // 0: the end is not known
  bool compiled = false;

  bool isKnown() const { return line > 0; }
  bool hasFileLine() const { return line > 0 && !compiled; }
};

} // namespace tarvelo
