// Parsing a dialog block into its layout: header statements and control statements.
#include "script/dialog_layout.h"

#include "script/block_tokenizer.h"
#include "script/keywords.h"

#include <cstdint>
#include <string_view>
#include <unordered_set>

namespace tarvelo {

namespace {

// Words of dialogs are short: a plain multiplicative hash of their characters does.
struct ViewHash {
  using is_transparent = void;
  size_t operator()(QStringView text) const {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const QChar c : text)
      hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
    return size_t(hash);
  }
};
struct ViewEqual {
  using is_transparent = void;
  bool operator()(QStringView a, QStringView b) const { return a == b; }
};

// The words of dialogs repeat: keywords, classes, style names, identifiers of both
// sides. One shared copy of each saves an allocation and the memory of every other.
// The cache is bounded, and emptied when it grows past the bound.
QString interned(QStringView text) {
  constexpr size_t kBound = 8192;
  thread_local std::unordered_set<QString, ViewHash, ViewEqual> words;
  if (const auto it = words.find(text); it != words.end())
    return *it;
  if (words.size() >= kBound)
    words.clear();
  return *words.insert(text.toString()).first;
}

QString internedText(const BlockToken &token) {
  return interned(token.text());
}

bool isValue(const BlockToken &token) {
  return token.kind == TokenKind::Word || token.kind == TokenKind::Number ||
         token.kind == TokenKind::HexNumber;
}

bool isNumber(const BlockToken &token) {
  return token.kind == TokenKind::Number || token.kind == TokenKind::HexNumber;
}

// A coordinate as written; a macro or an expression counts 0 and is not literal.
int numberOf(QStringView text, bool &literal) {
  long long value = 0;
  if (!numberValue(text, value)) {
    literal = false;
    return 0;
  }
  return int(value);
}

bool endsWithOperator(QStringView text) {
  return !text.isEmpty() && isOperatorChar(text.back());
}

// Opening minus closing parentheses.
int parenthesisDepth(QStringView text) {
  int depth = 0;
  for (const QChar c : text)
    depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
  return depth;
}

// A value or an expression of values ("IDC_BASE + 1", "(IDC_X|0x100)"), kept
// without blanks; parentheses belong to the words here.
// Whether the next token goes on with the expression before it: a bar, or a word
// or a number that starts with an operator ("+1", "-1").
bool joinsExpression(const BlockToken &following) {
  return following.kind == TokenKind::Bar ||
         ((following.kind == TokenKind::Word || following.kind == TokenKind::Number) &&
          isOperatorChar(following.text().front()));
}

// The rest of an expression whose first token is out.
bool readExpressionRest(BlockTokenizer &tokens, QString &out) {
  int depth = parenthesisDepth(out);
  bool needOperand = endsWithOperator(out);
  for (;;) {
    const BlockToken &following = tokens.peek();
    const bool joins = joinsExpression(following);
    if (!needOperand && depth <= 0 && !joins)
      return true;
    if (!joins && !isValue(following))
      return false;
    const BlockToken part = tokens.next();
    const QStringView text = part.text();
    out += text;
    depth += parenthesisDepth(text);
    needOperand = part.kind == TokenKind::Bar || endsWithOperator(text);
  }
}

bool readValue(BlockTokenizer &tokens, QString &out) {
  const BlockToken first = tokens.next();
  if (!isValue(first))
    return false;
  out = internedText(first);
  return readExpressionRest(tokens, out);
}

// A coordinate: most are one number, read without copying it.
bool readCoordinate(BlockTokenizer &tokens, int &value, bool &literal) {
  if (tokens.takeNumberBeforeComma(value))
    return true;
  const BlockToken first = tokens.next();
  if (!isValue(first))
    return false;
  const QStringView text = first.text();
  if (parenthesisDepth(text) == 0 && !endsWithOperator(text) && !joinsExpression(tokens.peek())) {
    value = numberOf(text, literal);
    return true;
  }
  QString expression = text.toString();
  if (!readExpressionRest(tokens, expression))
    return false;
  value = numberOf(expression, literal);
  return true;
}

// A text of one or more adjacent literals; its range runs from the first quote to
// past the last.
void readTextRange(BlockTokenizer &tokens, const BlockToken &first, qsizetype &start,
                   qsizetype &end) {
  start = first.start;
  end = first.end;
  while (tokens.peek().kind == TokenKind::String)
    end = tokens.next().end;
}

bool nextIs(BlockTokenizer &tokens, TokenKind kind) {
  if (kind == TokenKind::Comma && tokens.takeComma())
    return true;
  if (tokens.peek().kind != kind)
    return false;
  tokens.next();
  return true;
}

// Items joined by bars: STYLE WS_CHILD | WS_VISIBLE | NOT WS_BORDER.
bool readItems(BlockTokenizer &tokens, QStringList &items) {
  const BlockToken first = tokens.next();
  if (!isValue(first))
    return false;
  items.append(internedText(first));
  while (nextIs(tokens, TokenKind::Bar)) {
    const BlockToken item = tokens.next();
    if (!isValue(item))
      return false;
    items.append(internedText(item));
  }
  return true;
}

// x, y, width and height; an ICON may give only x and y.
bool readRectangle(BlockTokenizer &tokens, int &x, int &y, int &width, int &height,
                   bool pointSuffices, bool &literal, bool *pointOnly = nullptr) {
  int *values[] = {&x, &y, &width, &height};
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      if (i == 2 && pointSuffices && tokens.peek().kind != TokenKind::Comma) {
        width = height = 0;
        if (pointOnly)
          *pointOnly = true;
        return true;
      }
      if (!nextIs(tokens, TokenKind::Comma))
        return false;
      if (i == 2 && pointSuffices && !isValue(tokens.peek())) {
        width = height = 0;
        if (pointOnly)
          *pointOnly = true;
        return true;
      }
    }
    if (!readCoordinate(tokens, *values[i], literal))
      return false;
  }
  return true;
}

enum class ControlKeyword { None, Other, TextFirst };

// Every statement of a dialog is asked about: its keyword is compared as bytes.
ControlKeyword controlKeyword(QStringView word) {
  static constexpr std::string_view kTextFirst[] = {
      "LTEXT",      "PUSHBUTTON", "CONTROL",  "DEFPUSHBUTTON", "GROUPBOX",    "CTEXT",
      "RTEXT",      "ICON",       "CHECKBOX", "AUTOCHECKBOX",  "RADIOBUTTON", "AUTORADIOBUTTON",
      "AUTO3STATE", "STATE3",     "PUSHBOX",  "BITMAP"};
  static constexpr std::string_view kOthers[] = {"EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR",
                                                 "HEDIT",    "IEDIT",    "BEDIT"};
  constexpr qsizetype kLongest = 15;
  const qsizetype size = word.size();
  if (size < 4 || size > kLongest)
    return ControlKeyword::None;
  char bytes[kLongest];
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = word[i].unicode();
    if (c > 0x7F)
      return ControlKeyword::None;
    bytes[i] = char(c);
  }
  const std::string_view text(bytes, size_t(size));
  for (const std::string_view keyword : kTextFirst)
    if (keyword == text)
      return ControlKeyword::TextFirst;
  for (const std::string_view keyword : kOthers)
    if (keyword == text)
      return ControlKeyword::Other;
  return ControlKeyword::None;
}

} // namespace

bool isTextFirstKeyword(QStringView word) {
  return controlKeyword(word) == ControlKeyword::TextFirst;
}

bool isControlKeyword(QStringView word) {
  return controlKeyword(word) != ControlKeyword::None;
}

namespace {

// The first line: identifier, DIALOG or DIALOGEX, options, rectangle and help identifier.
bool parseDialogLine(BlockTokenizer &tokens, DialogLayout &layout) {
  const BlockToken identifier = tokens.next();
  if (identifier.kind == TokenKind::EndOfFile)
    return false;
  const BlockToken type = tokens.next();
  if (type.text() == QLatin1String("DIALOGEX"))
    layout.extended = true;
  else if (type.text() != QLatin1String("DIALOG"))
    return false;
  while (tokens.peek().kind == TokenKind::Word)
    layout.options.append(tokens.next().textString());
  if (!readRectangle(tokens, layout.x, layout.y, layout.width, layout.height, false,
                     layout.literal))
    return false;
  if (tokens.peek().kind == TokenKind::Comma) {
    if (!layout.extended)
      return false;
    tokens.next();
    if (!readValue(tokens, layout.helpId))
      return false;
  }
  layout.statements.push_back({QString(), identifier.start, tokens.position()});
  return true;
}

// FONT size, "face" and, in a DIALOGEX, weight, italic and character set.
bool readFont(BlockTokenizer &tokens, DialogLayout &layout) {
  const BlockToken size = tokens.next();
  if (!isValue(size) || !nextIs(tokens, TokenKind::Comma))
    return false;
  const BlockToken face = tokens.next();
  if (face.kind != TokenKind::String)
    return false;
  layout.fontSize = size.textString();
  layout.fontFace = face.textString();
  if (!layout.extended)
    return true;
  QString *extras[] = {&layout.fontWeight, &layout.fontItalic, &layout.fontCharset};
  for (QString *extra : extras) {
    if (!nextIs(tokens, TokenKind::Comma))
      break;
    const BlockToken value = tokens.next();
    if (!isValue(value))
      return false;
    *extra = value.textString();
  }
  return true;
}

// A name given as a value or as a quoted name, kept as written.
bool readName(BlockTokenizer &tokens, QString &name, bool valueOnly) {
  const BlockToken value = tokens.next();
  if (valueOnly ? !isValue(value) && value.kind != TokenKind::String
                : value.kind == TokenKind::EndOfFile)
    return false;
  name = value.kind == TokenKind::String ? u'"' + value.textString() + u'"' : value.textString();
  return true;
}

// One statement of the header after its keyword; false when it does not parse.
bool readHeaderStatement(BlockTokenizer &tokens, QStringView word, DialogLayout &layout) {
  if (word == QLatin1String("CAPTION")) {
    const BlockToken caption = tokens.next();
    if (caption.kind != TokenKind::String)
      return false;
    readTextRange(tokens, caption, layout.captionStart, layout.captionEnd);
    return true;
  }
  if (word == QLatin1String("CHARACTERISTICS") || word == QLatin1String("VERSION")) {
    const BlockToken value = tokens.next();
    if (!isNumber(value))
      return false;
    (word == QLatin1String("VERSION") ? layout.version : layout.characteristics) =
        value.textString();
    return true;
  }
  if (word == QLatin1String("CLASS"))
    return readName(tokens, layout.className, false);
  if (word == QLatin1String("MENU"))
    return readName(tokens, layout.menuName, true);
  if (word == QLatin1String("STYLE"))
    return readItems(tokens, layout.styles);
  if (word == QLatin1String("EXSTYLE"))
    return readItems(tokens, layout.exStyles);
  if (word == QLatin1String("FONT"))
    return readFont(tokens, layout);
  if (word == QLatin1String("LANGUAGE")) {
    const BlockToken primary = tokens.next();
    if (!isValue(primary) || !nextIs(tokens, TokenKind::Comma))
      return false;
    const BlockToken sub = tokens.next();
    if (!isValue(sub))
      return false;
    layout.language = primary.textString() + u',' + sub.textString();
    return true;
  }
  return false;
}

} // namespace

bool parseDialogHeader(BlockTokenizer &tokens, DialogLayout &layout) {
  layout = DialogLayout();
  if (!parseDialogLine(tokens, layout))
    return false;
  for (;;) {
    // The statement read last ends where the tokens stand now.
    if (layout.statements.size() > 1)
      layout.statements.back().end = tokens.position();
    const BlockToken token = tokens.next();
    if (token.kind != TokenKind::Word)
      return false;
    const QStringView word = token.text();
    layout.statements.push_back({word.toString(), token.start, token.end});
    if (word == QLatin1String("BEGIN")) {
      layout.parsed = true;
      return true;
    }
    if (!readHeaderStatement(tokens, word, layout))
      return false;
  }
}

namespace {

// The rectangle and the optional tails after it, each after a comma: styles (not for
// CONTROL, whose styles come before), extended styles, help identifier.
bool readPlaceAndTails(BlockTokenizer &tokens, ControlLayout &control, bool isIcon,
                       bool isControl) {
  if (!readRectangle(tokens, control.x, control.y, control.width, control.height, isIcon,
                     control.literal, &control.pointOnly))
    return false;
  QStringList *lists[] = {&control.styles, &control.exStyles};
  for (int i = isControl ? 1 : 0; i < 2; ++i) {
    if (!nextIs(tokens, TokenKind::Comma))
      return true;
    if (!readItems(tokens, *lists[i]))
      return false;
  }
  if (!nextIs(tokens, TokenKind::Comma))
    return true;
  return readValue(tokens, control.helpId);
}

} // namespace

bool parseControl(BlockTokenizer &tokens, ControlLayout &control) {
  control = ControlLayout();
  const BlockToken keyword = tokens.next();
  if (keyword.kind != TokenKind::Word)
    return false;
  control.keyword = internedText(keyword);
  const bool isControl = keyword.text() == QLatin1String("CONTROL");
  // The compiler takes a comma straight after the keyword ("EDITTEXT, IDC_X, ...").
  nextIs(tokens, TokenKind::Comma);
  if (isTextFirstKeyword(keyword.text())) {
    const BlockToken first = tokens.next();
    if (first.kind == TokenKind::String) {
      control.hasText = true;
      readTextRange(tokens, first, control.textStart, control.textEnd);
      // The comma after a text is optional to the resource compiler.
      nextIs(tokens, TokenKind::Comma);
    } else if (isValue(first)) {
      // An image identifier, or a text given by a macro: kept as written.
      control.imageId = first.textString();
      if (!nextIs(tokens, TokenKind::Comma))
        return false;
    } else {
      return false;
    }
  }
  if (!readValue(tokens, control.identifier) || !nextIs(tokens, TokenKind::Comma))
    return false;
  if (!isControl)
    return readPlaceAndTails(tokens, control, keyword.text() == QLatin1String("ICON"), false);
  const BlockToken className = tokens.next();
  if (className.kind != TokenKind::String && !isValue(className))
    return false;
  control.className = internedText(className);
  control.classIsString = className.kind == TokenKind::String;
  if (!nextIs(tokens, TokenKind::Comma))
    return false;
  const qsizetype afterClass = tokens.position();
  if (readItems(tokens, control.styles) && nextIs(tokens, TokenKind::Comma) &&
      readPlaceAndTails(tokens, control, false, true))
    return true;
  if (control.classIsString)
    return false;
  // A class written as a macro may hold the style too (7-Zip's MY_CHECKBOX is
  // "Button", BS_AUTOCHECKBOX | WS_TABSTOP): the rectangle follows it.
  tokens.setPosition(afterClass);
  control.styles.clear();
  control.exStyles.clear();
  control.helpId.clear();
  control.literal = true;
  return readPlaceAndTails(tokens, control, false, true);
}

ParsedDialog parseDialogBlock(const QString &blockText) {
  ParsedDialog dialog;
  BlockTokenizer tokens(blockText);
  parseDialogHeader(tokens, dialog.header);
  // Resume at the first BEGIN when the header stopped early.
  if (!dialog.header.parsed) {
    for (BlockToken token = tokens.next(); token.kind != TokenKind::EndOfFile;
         token = tokens.next())
      if (token.kind == TokenKind::Word && token.text() == QLatin1String("BEGIN"))
        break;
  }
  for (;;) {
    const BlockToken token = tokens.peek();
    if (token.kind == TokenKind::EndOfFile)
      break;
    if (token.kind == TokenKind::Word && token.text() == QLatin1String("END"))
      break;
    if (token.kind == TokenKind::Word && isControlKeyword(token.text())) {
      ControlLayout control;
      const qsizetype start = tokens.position();
      const qsizetype keywordStart = token.start;
      control.parsed = parseControl(tokens, control);
      control.statementStart = keywordStart;
      control.statementEnd = tokens.position();
      dialog.controls.push_back(control);
      if (control.parsed)
        continue;
      // A statement that does not parse stays with what was read; go on after its keyword.
      tokens.setPosition(start);
    } else {
      // A directive or a statement the layout does not know.
      dialog.header.modelled = false;
    }
    tokens.next();
  }
  return dialog;
}

} // namespace tarvelo
