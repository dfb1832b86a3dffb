// The statement reader's pass: directives, LANGUAGE statements and the framing of
// resource statements.
#include "script/statement_reader.h"

#include "script/keywords.h"
#include "script/language.h"

namespace tarvelo {

namespace {

// The primary language and the sublanguage of a LANGUAGE statement: names or numbers.
bool isLanguagePart(TokenKind kind) {
  return kind == TokenKind::Word || kind == TokenKind::Number || kind == TokenKind::HexNumber;
}

} // namespace

void StatementHandler::include(StatementReader &reader, bool) {
  reader.lines().skipDirectiveLine();
}

StatementReader::StatementReader(ScriptReader &lines, StatementHandler &handler, int wantedLanguage)
    : m_lines(lines), m_handler(handler), m_rules(handler.rules()),
      m_wantedLanguage(wantedLanguage) {}

ScriptResult StatementReader::run() {
  m_lines.setLineListener([this] { m_handler.lineRead(*this); });
  QString token;
  ScriptResult result = ScriptResult::Ok;
  while (result == ScriptResult::Ok) {
    if (!m_handler.goOn()) {
      result = ScriptResult::Cancelled;
      break;
    }
    const TokenKind kind = m_lines.nextToken(token, false);
    if (kind == TokenKind::EndOfFile)
      break;
    m_statementStart = m_lines.file().lastLineStart();
    m_statementPosition = {m_lines.tokenLine(), m_lines.tokenColumn() + 1, m_lines.tokenLine(), 0,
                           false};
    result = readStatement(kind, token);
    releaseBlock();
  }
  m_lines.setLineListener({});
  return result;
}

ScriptResult StatementReader::readStatement(TokenKind kind, const QString &token) {
  if (kind == TokenKind::Word && token.startsWith(u'#')) {
    readDirective(token);
    return ScriptResult::Ok;
  }
  if (kind == TokenKind::Word && token == QLatin1String("LANGUAGE"))
    return readLanguage(true);
  // A script without LANGUAGE statements is all in the wanted language.
  const bool saved = m_inWantedLanguage;
  if (!m_inWantedLanguage && m_designDepth == 0 && m_lastLanguage == -1)
    m_inWantedLanguage = true;
  const bool inLanguage = m_inWantedLanguage;
  const bool excluded = m_excludedFromDepth != 0;
  const bool dropped = m_handler.dropsStatement(inLanguage, excluded);
  if (dropped)
    m_lines.setEcho(false);
  m_handler.statementStarting(*this);
  const ScriptResult result = readResourceStatement(kind, token);
  m_handler.statementRead(*this, result, inLanguage, excluded);
  if (dropped)
    m_lines.setEchoFromNextLine();
  // A LANGUAGE statement inside a resource header applies to that resource only.
  m_inWantedLanguage = saved;
  return result;
}

void StatementReader::readDirective(const QString &word) {
  if (startsWith(word, u"#include"))
    readInclude();
  else if (startsWith(word, u"#if"))
    readIf();
  else if (startsWith(word, u"#endif"))
    readEndif();
  else if (startsWith(word, u"#pragma"))
    readPragma(false);
  else if (startsWith(word, u"#error"))
    readPragma(true);
  else // #define, #undef, #else, #elif and any other directive
    m_lines.skipDirectiveLine();
}

void StatementReader::readInclude() {
  if (m_ifDepth == 0)
    m_header += m_lines.currentLine();
  const bool inSection = m_inWantedLanguage || (m_lastLanguage == -1 && m_designDepth == 0);
  m_handler.include(*this, inSection);
}

void StatementReader::readIf() {
  ++m_ifDepth;
  if (m_designDepth > 0)
    ++m_designDepth;
  else if (m_lines.currentLine().indexOf(QLatin1String("APSTUDIO_INVOKED"), 1) > 0)
    m_designDepth = 1;
  if (m_inWantedLanguage && (m_rules.innermostExclusion || m_excludedFromDepth == 0))
    m_excludedFromDepth = m_ifDepth;
  m_handler.conditional(*this);
  m_lines.skipDirectiveLine();
}

void StatementReader::readEndif() {
  if (m_ifDepth > 0)
    --m_ifDepth;
  if (m_designDepth > 0)
    --m_designDepth;
  if (m_ifDepth < m_excludedFromDepth)
    m_excludedFromDepth = 0;
  m_lines.skipDirectiveLine();
}

void StatementReader::readPragma(bool isError) {
  if (isError && m_rules.errorLinesSkipped) {
    m_lines.skipDirectiveLine();
    return;
  }
  QString token;
  const int line = m_lines.lineNumber();
  if (m_lines.nextToken(token, false) == TokenKind::Word && token == QLatin1String("code_page") &&
      m_lines.lineNumber() == line && m_lines.nextToken(token, false) == TokenKind::OpenParen) {
    QString number;
    if (m_lines.nextToken(number, false) == TokenKind::Number &&
        m_lines.nextToken(token, false) == TokenKind::CloseParen && m_lines.lineNumber() == line) {
      // A UTF-8 file is UTF-8 whatever its pragma says; decoding its bytes in another
      // code page would corrupt every text when it is written back.
      if (!m_lines.file().isUtf8())
        m_lines.setCodePage(number.toInt());
      m_handler.codePagePragma(*this);
    }
  }
  if (m_lines.lineNumber() == line)
    m_lines.skipDirectiveLine();
}

ScriptResult StatementReader::readLanguage(bool topLevel) {
  QString primary, comma, sub;
  const TokenKind primaryKind = m_lines.nextToken(primary, true);
  if (primaryKind == TokenKind::EndOfFile)
    return ScriptResult::SyntaxError;
  if (m_lines.nextToken(comma, true) != TokenKind::Comma)
    return ScriptResult::SyntaxError;
  const TokenKind subKind = m_lines.nextToken(sub, true);
  if (subKind == TokenKind::EndOfFile)
    return ScriptResult::SyntaxError;
  m_handler.languageStatement(*this, topLevel);
  if (isLanguagePart(primaryKind) && isLanguagePart(subKind)) {
    const int language = languageFromNames(primary, sub);
    m_inWantedLanguage = language == m_wantedLanguage;
    if (m_inWantedLanguage)
      m_languageFound = true;
    if (topLevel)
      m_lastLanguage = language;
    m_handler.languageRead(*this, language, primary, sub);
  }
  m_lines.skipLine();
  return ScriptResult::Ok;
}

ScriptResult StatementReader::skipToBegin() {
  QString token;
  for (;;) {
    const TokenKind kind = m_lines.nextToken(token, true);
    if (kind == TokenKind::EndOfFile)
      return ScriptResult::SyntaxError;
    if (kind != TokenKind::Word)
      continue;
    if (token == QLatin1String("BEGIN"))
      return ScriptResult::Ok;
    if (token == QLatin1String("LANGUAGE") && readLanguage(false) != ScriptResult::Ok)
      return ScriptResult::SyntaxError;
  }
}

ScriptResult StatementReader::readResourceStatement(TokenKind firstKind, QString first) {
  if (first == QLatin1String("STRINGTABLE")) {
    startBlock();
    return readStringTable();
  }
  // A resource named by a quoted name, or by an expression.
  if (firstKind != TokenKind::String && !readExpression(firstKind, first))
    return ScriptResult::SyntaxError;
  QString type;
  if (m_lines.nextToken(type, false) == TokenKind::EndOfFile)
    return ScriptResult::SyntaxError;
  startBlock();
  // A quoted name on the rest of the line makes a one-line file resource.
  if (m_lines.restOfLineStartsString()) {
    addEntry(asciiUpper(type), first, QString());
    m_lines.skipLine();
    return ScriptResult::Ok;
  }
  if (m_rules.textIncludeLines && m_inWantedLanguage && type == QLatin1String("TEXTINCLUDE"))
    return readTextInclude();
  if (type == QLatin1String("DLGINIT"))
    return readDlgInit(first);
  if (type == QLatin1String("MENU"))
    return readMenu(first);
  if (type == QLatin1String("DIALOG") || type == QLatin1String("DIALOGEX"))
    return readDialog(first);
  // Resource types are names the compiler reads in any case.
  return readGenericBlock(asciiUpper(type), first);
}

ScriptResult StatementReader::readGenericBlock(const QString &kind, const QString &identifier) {
  addEntry(kind, identifier, QString());
  if (skipToBegin() != ScriptResult::Ok)
    return ScriptResult::SyntaxError;
  return skipBlockBody();
}

// TEXTINCLUDE holds only strings, handed over line by line.
ScriptResult StatementReader::readTextInclude() {
  if (skipToBegin() != ScriptResult::Ok)
    return ScriptResult::SyntaxError;
  QString token;
  for (;;) {
    const TokenKind kind = m_lines.nextToken(token, false);
    if (kind == TokenKind::Word && token == QLatin1String("END"))
      return ScriptResult::Ok;
    if (kind != TokenKind::String)
      return ScriptResult::SyntaxError;
    m_handler.textIncludeLine(*this);
  }
}

ScriptResult StatementReader::skipBlockBody() {
  return m_lines.skipBlockRest(1) == 1 ? ScriptResult::Ok : ScriptResult::SyntaxError;
}

void StatementReader::addEntry(const QString &kind, const QString &identifier,
                               const QString &text) {
  if (m_inWantedLanguage && m_excludedFromDepth == 0) {
    // A text read from literals has their position; a resource without one, its
    // statement's.
    if (!m_textPosition.isKnown())
      m_textPosition = m_statementPosition;
    m_textPosition.compiled = m_lines.file().isDecompiled();
    m_handler.entry(*this, kind, identifier, text);
  }
  m_textPosition = TextPosition();
}

// A block starts with the line of its statement; it ends where reading stands
// when the statement is done.
void StatementReader::startBlock() {
  ScriptFile &file = m_lines.file();
  m_block = std::make_shared<RawBlock>();
  const RawBlock::Encoding encoding = file.isUnicode() ? RawBlock::Encoding::Utf16
                                      : file.isUtf8()  ? RawBlock::Encoding::Utf8
                                                       : RawBlock::Encoding::Ansi;
  m_block->setSource(file.data(), m_statementStart, file.readPosition(), encoding,
                     m_lines.codePage());
}

void StatementReader::releaseBlock() {
  if (m_block)
    m_block->setEnd(m_lines.file().readPosition());
  m_block.reset();
}

} // namespace tarvelo
