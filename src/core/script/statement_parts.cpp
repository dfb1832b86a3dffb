#include "script/keywords.h"
#include "script/resource_script.h"

namespace tarvelo {

namespace {

bool isOperand(TokenKind kind) {
  return kind == TokenKind::Word || kind == TokenKind::Number || kind == TokenKind::HexNumber;
}

bool endsWithOperator(const QString &text) {
  return !text.isEmpty() && isOperatorChar(text.back());
}

} // namespace

void ResourceScript::readTextRest(QString &text) {
  while (peekToken(true) == TokenKind::String) {
    text += peekedText();
    nextToken(m_scratch, true);
  }
}

bool ResourceScript::readOptionalCommaAndIdentifier(QString &identifier) {
  // The comma between a text and the identifier after it is optional to the
  // resource compiler.
  TokenKind kind = nextToken(identifier, true);
  if (kind == TokenKind::Comma)
    kind = nextToken(identifier, true);
  return readExpression(kind, identifier);
}

bool ResourceScript::readExpression(TokenKind kind, QString &text) {
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
      const TokenKind following = peekToken(true);
      if (following == TokenKind::Bar ||
          (following == TokenKind::Word && isOperatorChar(peekedText().front()))) {
        nextToken(part, true);
        text += part;
        needOperand = following == TokenKind::Bar || endsWithOperator(part);
        continue;
      }
      return true;
    }
    const TokenKind next = nextToken(part, true);
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
