// Finding the strings of a block's entries in the block's text, in order.
#pragma once

#include "script/block_tokenizer.h"

#include <QString>

namespace tarvelo {

// Finds the strings of a block's entries in the block's verbatim text, one entry
// after the other with a position that only moves forward.
class StringFinder {
public:
  // captionsOnly: a string that follows a comma is an argument (a control class),
  // not a caption, and is never taken.
  StringFinder(const QString &blockText, bool captionsOnly)
      : m_tokens(blockText), m_captionsOnly(captionsOnly) {}

  struct Hit {
    bool found = false;
    qsizetype start = 0;      // the opening quote
    qsizetype end = 0;        // past the closing quote
    qsizetype ownerStart = 0; // where the token before it (not a comma) starts
  };

  // The next string whose stored text equals text. Without a hit the position
  // stays at the end, so the later entries find nothing either.
  Hit find(const QString &text);

private:
  BlockTokenizer m_tokens;
  bool m_captionsOnly;
  TokenKind m_previous = TokenKind::EndOfFile;
  qsizetype m_ownerStart = 0;
};

// Replacements of ranges of a text, applied at once.
class TextEdits {
public:
  void replace(qsizetype start, qsizetype end, const QString &text) {
    m_edits.push_back({start, end, text});
  }
  QString apply(const QString &original) const;

private:
  struct Edit {
    qsizetype start, end;
    QString text;
  };
  std::vector<Edit> m_edits;
};

} // namespace tarvelo
