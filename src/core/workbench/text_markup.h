// The parts of a script text that are markup, not words.
#pragma once

#include <QList>
#include <QString>

namespace tarvelo {

// The parts of a script text that are not words a translator writes: what the
// inspection counts and what the program behind the resource interprets.
struct MarkupSpan {
  enum Kind {
    FormatSpecification, // "%s", "%5.2f", "%I64d", and "%1", "%1!d!" of message texts
    LiteralPercent,      // "%%"
    Escape,              // "\n", "\t", "\\", "\x41", "\012"
    AccessKeyMark,       // the "&" before an access key
    LiteralAmpersand,    // "&&"
  };
  Kind kind;
  int start;
  int length;

  int end() const { return start + length; }
  bool operator==(const MarkupSpan &) const = default;
};

// Every markup span of the text in order; the spans never overlap. Format
// specifications are those the inspection compares.
QList<MarkupSpan> markupSpans(const QString &text);

} // namespace tarvelo
