// The statement reader: one pass over a script's directives, LANGUAGE statements and
// resource statements, handing what it finds to a handler.
#pragma once

#include "script/raw_block.h"
#include "script/script_reader.h"
#include "script/script_result.h"
#include "script/statement_handler.h"

#include <QString>

namespace tarvelo {

// Follows the directives and LANGUAGE statements, recognises the resource statements,
// keeps each statement's block verbatim and hands the texts of the wanted language to
// the handler. One object makes one pass over the lines it is given.
class StatementReader {
public:
  StatementReader(ScriptReader &lines, StatementHandler &handler, int wantedLanguage);

  // Reads every statement: Ok at the end of the file, SyntaxError where one does not
  // parse, Cancelled when the handler says so.
  ScriptResult run();

  ScriptReader &lines() { return m_lines; }
  ScriptFile &file() { return m_lines.file(); }
  int wantedLanguage() const { return m_wantedLanguage; }
  bool inWantedLanguage() const { return m_inWantedLanguage; }
  bool languageFound() const { return m_languageFound; }
  // The language of the last top-level LANGUAGE statement, -1 before the first.
  int lastLanguage() const { return m_lastLanguage; }
  int designDepth() const { return m_designDepth; }
  // The block of the resource statement being read, null outside one.
  const RawBlockPtr &block() const { return m_block; }
  // Where the line of the statement's first token starts.
  qsizetype statementStart() const { return m_statementStart; }
  // Where the text handed to the handler stands: its literals, or for a resource
  // without text, the statement's first token.
  const TextPosition &textPosition() const { return m_textPosition; }
  // The #include lines outside conditional directives.
  const QString &header() const { return m_header; }

private:
  ScriptResult readStatement(TokenKind kind, const QString &token);
  void readDirective(const QString &word);
  void readInclude();
  void readIf();
  void readEndif();
  void readPragma(bool isError);
  ScriptResult readLanguage(bool topLevel);
  ScriptResult readResourceStatement(TokenKind firstKind, QString first);
  ScriptResult readGenericBlock(const QString &kind, const QString &identifier);
  ScriptResult readTextInclude();
  ScriptResult readStringTable();
  ScriptResult readMenu(const QString &identifier);
  ScriptResult readMenuItems();
  ScriptResult readDialog(const QString &identifier);
  ScriptResult readDialogHeader(QString &caption);
  ScriptResult readDlgInit(const QString &identifier);
  ScriptResult readDlgInitRecord(bool &ended);
  // Skips tokens up to BEGIN, following LANGUAGE statements of the resource header.
  ScriptResult skipToBegin();
  // Skips the rest of a block whose BEGIN has been read, to its END.
  ScriptResult skipBlockBody();
  // The rest of a text whose first literal has been read: adjacent literals
  // ("abc" "def") make one text.
  void readTextRest(QString &text);
  // An identifier whose first token has been read: a value, or an expression of
  // values, operators and parentheses ("(IDS_BASE + 1)", "IDC_X|0x100"), kept
  // without blanks. False when the tokens form none.
  bool readExpression(TokenKind kind, QString &text);
  // After a text: an optional comma, then an identifier.
  bool readOptionalCommaAndIdentifier(QString &identifier);
  void addEntry(const QString &kind, const QString &identifier, const QString &text);
  void startBlock();
  void releaseBlock();

  ScriptReader &m_lines;
  StatementHandler &m_handler;
  const ReadingRules m_rules;
  const int m_wantedLanguage;
  bool m_languageFound = false;
  bool m_inWantedLanguage = false;
  int m_lastLanguage = -1;
  int m_ifDepth = 0;
  int m_designDepth = 0;
  int m_excludedFromDepth = 0;
  QString m_header;
  QString m_scratch; // storage for tokens read on the way
  qsizetype m_statementStart = 0;
  TextPosition m_statementPosition; // the statement's first token
  TextPosition m_textPosition;
  RawBlockPtr m_block;
};

} // namespace tarvelo
