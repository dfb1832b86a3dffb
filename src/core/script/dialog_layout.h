// A dialog's header and controls as parsed from its block, and its source/target pairs.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tarvelo {

class TextEntry;

// A dialog's header statements as parsed from its block; texts stay as written.
struct DialogLayout {
  QStringList options; // memory options between DIALOG(EX) and the coordinates
  int x = 0, y = 0, width = 0, height = 0;
  QString helpId; // DIALOGEX only
  QStringList styles, exStyles;
  QString characteristics, className, menuName, version;
  QString language; // "primary,sublanguage"
  QString fontSize, fontFace, fontWeight, fontItalic, fontCharset;
  bool extended = false; // the block was DIALOGEX
  bool parsed = false;   // the header parsed up to its BEGIN
  bool literal = true;   // every coordinate was written as a number
  // The block holds nothing the layout does not model (directives, statements it
  // does not know): printing it again from the layout loses nothing.
  bool modelled = true;
  // Where the caption's literals stand in the block (from the first quote to past
  // the last); -1 without a caption.
  qsizetype captionStart = -1, captionEnd = -1;
  // Where the statements of the header stand in the block, from their first token to
  // past their last: the first line (keyword empty), then STYLE, CAPTION and the others
  // as written, then BEGIN.
  struct Statement {
    QString keyword;
    qsizetype start = 0, end = 0;
  };
  std::vector<Statement> statements;
};

// One control statement.
struct ControlLayout {
  QString keyword;
  TextEntry *textEntry = nullptr; // the control entry that carries its text
  QString imageId;                // an unquoted first argument (ICON, BITMAP, CONTROL)
  QString identifier, className;
  int x = 0, y = 0, width = 0, height = 0;
  QStringList styles, exStyles;
  QString helpId;
  bool hasText = false; // the first argument was a quoted string
  // Where the text's literals stand in the block (from the first quote to past the
  // last); -1 without a text.
  qsizetype textStart = -1, textEnd = -1;
  bool parsed = false;       // the whole statement parsed
  bool literal = true;       // every coordinate was written as a number
  bool classIsString = true; // CONTROL: the class was written as a quoted string
  bool pointOnly = false;    // an ICON given by x and y alone
  // Where the statement stands in its block, from its keyword to past its last token.
  qsizetype statementStart = -1, statementEnd = -1;
};

// The statement a save of a control follows (the target's, or the source's for a
// dialog the target lacks) as it was read: where it stands and what it said.
struct FollowedControl {
  qsizetype start = -1, end = -1;         // -1: there is none
  qsizetype textStart = -1, textEnd = -1; // its text's literals
  bool parsed = false, literal = true;
  std::uint64_t fingerprint = 0; // of what it says (controlFingerprint)
};

// Source and target layouts of one control. The source layout is the control as the
// source defines it: what changes a layout changes the target's.
struct ControlPair {
  ControlLayout source;
  ControlLayout target;
  bool targetFound = false; // the target layout is the target block's own control
  int targetIndex = -1;     // which control of the target block it is
  FollowedControl followed;
};

class BlockTokenizer;

// Fill a layout from a block's verbatim text; the tokenizer stands at the first
// token of the statement. False when the statement does not parse; what was parsed
// up to there stays in the layout.
bool parseDialogHeader(BlockTokenizer &tokens, DialogLayout &layout);
bool parseControl(BlockTokenizer &tokens, ControlLayout &control);

// Parse the header and every control statement of a dialog block.
struct ParsedDialog {
  DialogLayout header;
  std::vector<ControlLayout> controls;
};
ParsedDialog parseDialogBlock(const QString &blockText);

// A hash of what a control statement says (its text and where it stands aside): two
// that differ here say different things.
std::uint64_t controlFingerprint(const ControlLayout &control);
FollowedControl followedControl(const ControlLayout &control);

// Keywords of control statements whose first argument is a text.
bool isTextFirstKeyword(QStringView word);
// Keywords that start a control statement inside a dialog.
bool isControlKeyword(QStringView word);

} // namespace tarvelo
