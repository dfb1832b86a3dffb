// Pseudo-translation of a task's targets, and its options.
#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace tarvelo {

class EntryList;
class TextEntry;
class UndoStack;

// How pseudo-translation writes a target: "PseudoExpansion" and "PseudoRightToLeft".
struct PseudoOptions {
  // The share, in percent, by which a text grows; short texts grow more.
  int expansion = 40;
  // The text stands between right-to-left marks, so that mirroring problems show.
  bool rightToLeft = false;
  // The code page the target is written in, 0 for a Unicode target: only letters that
  // it holds replace the source's letters.
  int codePage = 0;
};

// The right-to-left mark that encloses a right-to-left pseudo text.
inline constexpr char16_t kRightToLeftMark = u'\u200F';

// The share a text of this many letters and signs grows by: the option's share for
// long texts, up to two and a half times it for the shortest, as real translations grow.
int pseudoGrowth(int visibleLength, int expansion);

// The pseudo-translation of a source text: letters replaced by accented look-alikes,
// padding added, the whole between "[" and "]" (spaces at both ends stay outside).
// Format specifications, escapes, access-key marks with their keys and the
// ampersands and percent signs they double stay exactly as they are.
QString pseudoText(const QString &source, const PseudoOptions &options);

// Whether the code page can hold the right-to-left marks (0 is Unicode).
bool holdsRightToLeftMarks(int codePage);

// Gives every translatable entry with a source text its pseudo-translation, all in one
// undo group, marks them filled and inspects them. Returns the entries changed.
QList<TextEntry *> pseudoTranslate(EntryList &entries, UndoStack &undo,
                                   const std::function<void(TextEntry *)> &inspect,
                                   const PseudoOptions &options);

} // namespace tarvelo
