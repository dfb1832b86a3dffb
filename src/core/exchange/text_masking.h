// Source texts masked for a translation service, and their translations unmasked.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace tarvelo {

// A source text prepared for a translation service: what the translation must keep
// verbatim (format specifications, escapes, "&&", numbered placeholders) stands as
// "{n}", the access-key mark is taken out, and leading and trailing spaces and
// pieces are kept aside, so that the service can neither break nor move them.
struct MaskedText {
  QString sent;       // what the service translates; empty when nothing needs it
  QString prefix;     // kept before the translation, as written
  QString suffix;     // kept after it
  QStringList pieces; // "{n}" stands for pieces[n]
  QChar accessKey;    // the character that followed "&", or null
};

MaskedText maskText(const QString &source);

// The length of the piece at text[i] that a translation keeps as written (a format
// specification, an escape, "&&", a numbered placeholder, or the single "&" of an
// access key), or 0.
int verbatimPieceLength(const QString &text, int i);

// A translation longer than this many times the text sent, and this many characters
// more, is not one.
inline constexpr int kAnswerGrowth = 10;
inline constexpr int kAnswerSlack = 100;

// Why the service's answer to masked.sent cannot be taken: it is far longer than the
// text sent, or it holds more placeholders than were sent (each would become a piece
// again). Empty when it can.
QString answerRefusal(const MaskedText &masked, const QString &translation);

// The translation of masked.sent made whole again: the pieces back in their places
// (those the service dropped at the end), the access key before the same letter when
// the translation has it, else before its first letter, and the prefix and suffix
// around it. Empty when the translation is empty.
QString unmaskText(const MaskedText &masked, const QString &translation);

} // namespace tarvelo
