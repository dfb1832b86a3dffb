// What one pass over a script's statements does with them: reading entries, merging a
// target or copying a source each handle the statements the reader recognises.
#pragma once

#include "script/script_result.h"

#include <QString>

namespace tarvelo {

class StatementReader;

// How a pass reads what it is given.
struct ReadingRules {
  // Only a menu's, dialog's or DLGINIT's first text is read; the rest of its block is
  // passed over (a merge writes the block whole).
  bool wholeBlocks = false;
  // A conditional directive inside the section excludes what follows from its own
  // depth on, also inside another one.
  bool innermostExclusion = false;
  // #error lines are passed over without looking for a code page.
  bool errorLinesSkipped = false;
  // TEXTINCLUDE resources of the section are read string line by string line.
  bool textIncludeLines = false;
};

// The hooks of one pass. Each is called by the reader at the point its name says,
// with the reader standing where it was then.
class StatementHandler {
public:
  virtual ~StatementHandler() = default;

  virtual ReadingRules rules() const { return {}; }
  // Before each statement: false ends the pass as cancelled.
  virtual bool goOn() { return true; }
  virtual void lineRead(StatementReader &) {}

  // Whether a resource statement's own lines are left out of the echoed lines.
  virtual bool dropsStatement(bool /*inLanguage*/, bool /*excluded*/) const { return false; }
  virtual void statementStarting(StatementReader &) {}
  virtual void statementRead(StatementReader &, ScriptResult, bool /*inLanguage*/,
                             bool /*excluded*/) {}
  // A text of the wanted language's section (as written, quotes still doubled), or
  // an empty one for a resource that holds no text.
  virtual void entry(StatementReader &, const QString & /*kind*/, const QString & /*identifier*/,
                     const QString & /*text*/) {}

  // An #include line; the handler consumes the rest of the directive.
  virtual void include(StatementReader &reader, bool inSection);
  // After an #if-like directive has been counted, before its line is passed.
  virtual void conditional(StatementReader &) {}
  // A code_page pragma was read and applied.
  virtual void codePagePragma(StatementReader &) {}
  // The tokens of a LANGUAGE statement have been read, its language not yet applied.
  virtual void languageStatement(StatementReader &, bool /*topLevel*/) {}
  // A LANGUAGE statement naming a language, after it was applied.
  virtual void languageRead(StatementReader &, int /*language*/, const QString & /*primary*/,
                            const QString & /*sub*/) {}
  // A string line of a TEXTINCLUDE resource (with ReadingRules::textIncludeLines).
  virtual void textIncludeLine(StatementReader &) {}
};

} // namespace tarvelo
