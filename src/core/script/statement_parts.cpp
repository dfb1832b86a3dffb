// The parts statements share: texts of adjacent literals and identifiers written as
// expressions.
#include "script/keywords.h"
#include "script/statement_reader.h"

namespace tarvelo {

namespace {

bool isOperand(TokenKind kind) {
  return kind == TokenKind::Word || kind == TokenKind::Number || kind == TokenKind::HexNumber;
}

bool endsWithOperator(const QString &text) {
  return !text.isEmpty() && isOperatorChar(text.back());
}

} // namespace

void StatementReader::readTextRest(QString &text) {
  m_textPosition = m_lines.stringPosition();
  while (m_lines.peekToken(true) == TokenKind::String) {
    text += m_lines.peekedText();
    m_lines.nextToken(m_scratch, true);
    m_textPosition.endLine = m_lines.stringPosition().endLine;
    m_textPosition.endColumn = m_lines.stringPosition().endColumn;
  }
}

bool StatementReader::readOptionalCommaAndIdentifier(QString &identifier) {
  // The comma between a text and the identifier after it is optional to the
  // resource compiler.
  TokenKind kind = m_lines.nextToken(identifier, true);
  if (kind == TokenKind::Comma)
    kind = m_lines.nextToken(identifier, true);
  return readExpression(kind, identifier);
}

bool StatementReader::readExpression(TokenKind kind, QString &text) {
  int depth = 0;
  if (kind == TokenKind::OpenParen)
    depth = 1;
  else if (!isOperand(kind))
    return false;
  bool needOperand = depth > 0 || endsWithOperator(text);
  QString &part = m_scratch;
  for (;;) {
    if (depth == 0 && !needOperand) {
      // The expression goes on only with an operator: a bar, or a word that starts
      // with one ("+", "-1", "<<").
      const TokenKind following = m_lines.peekToken(true);
      if (following == TokenKind::Bar ||
          (following == TokenKind::Word && isOperatorChar(m_lines.peekedText().front()))) {
        m_lines.nextToken(part, true);
        text += part;
        needOperand = following == TokenKind::Bar || endsWithOperator(part);
        continue;
      }
      return true;
    }
    const TokenKind next = m_lines.nextToken(part, true);
    switch (next) {
    case TokenKind::OpenParen:
      ++depth;
      needOperand = true;
      break;
    case TokenKind::CloseParen:
      if (depth == 0 || needOperand)
        return false;
      --depth;
      break;
    case TokenKind::Bar:
      needOperand = true;
      break;
    case TokenKind::Word:
    case TokenKind::Number:
    case TokenKind::HexNumber:
      // Inside parentheses two operands may follow each other ("IDS_BASE +1" reads
      // "+1" as one word).
      needOperand = endsWithOperator(part);
      break;
    default:
      return false;
    }
    text += part;
  }
}

} // namespace tarvelo
