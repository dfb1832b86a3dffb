// The words of a script text as the spell checker sees them.
#pragma once

#include <QList>
#include <QString>

namespace tarvelo {

// A word of a script text as the spell checker sees it: where it stands in the text
// (access-key marks inside it included) and the word itself without them.
struct SpellWord {
  int start = 0;
  int end = 0; // after the last character
  QString word;

  bool operator==(const SpellWord &) const = default;
};

// The words of a text worth checking. Access-key marks join the parts of a word;
// format specifications, escapes and literal "&&" and "%%" end words and are none;
// what follows the last tab escape (a shortcut such as "Ctrl+O") is skipped, and so
// are single letters, words holding digits and words in capitals only (acronyms).
QList<SpellWord> spellWords(const QString &text);

} // namespace tarvelo
