// Tests: the tokens of the line reader in every encoding.
#include "script/script_reader.h"
#include "support/script_harness.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::Encoding;

const char *kindName(TokenKind kind) {
  switch (kind) {
  case TokenKind::String:
    return "S";
  case TokenKind::Word:
    return "W";
  case TokenKind::Number:
    return "N";
  case TokenKind::HexNumber:
    return "H";
  case TokenKind::Comma:
    return ",";
  case TokenKind::Bar:
    return "|";
  case TokenKind::OpenParen:
    return "(";
  case TokenKind::CloseParen:
    return ")";
  case TokenKind::EndOfFile:
    return "EOF";
  }
  return "?";
}

// Every token of the text as "kind:text" joined by blanks, ending with EOF.
QString tokens(const QByteArray &data, bool skipDirectives = false) {
  ScriptReader reader;
  reader.file().openData(data);
  reader.setCodePage(1252);
  QStringList out;
  QString text;
  for (int guard = 0; guard < 1000; ++guard) {
    const TokenKind kind = reader.nextToken(text, skipDirectives);
    if (kind == TokenKind::EndOfFile) {
      out << "EOF";
      break;
    }
    out << QString::fromLatin1(kindName(kind)) + u':' + text;
  }
  return out.join(u' ');
}

struct TokenCase {
  const char *name;
  const char16_t *input;
  const char16_t *expected;
};

const TokenCase kTokenCases[] = {
    {"braces", u"{ }", u"W:BEGIN W:END EOF"},
    {"line comment", u"A // B C\nD", u"W:A W:D EOF"},
    {"block comment over lines", u"A /* x\ny\nz */B", u"W:A W:B EOF"},
    {"slash star slash does not close", u"A /*/ B */ C", u"W:A W:C EOF"},
    {"comment markers inside quotes", u"\"a//b /* c\"", u"S:a//b /* c EOF"},
    {"doubled quote", u"\"a\"\"b\"", u"S:a\"\"b EOF"},
    // A backslash never escapes a quote, as the resource compiler reads strings.
    {"backslash quote", u"\"a\\\" X", u"S:a\\ W:X EOF"},
    {"two backslashes end", u"\"a\\\\\" X", u"S:a\\\\ W:X EOF"},
    {"escapes kept", u"\"\\t\\n\\\\\"", u"S:\\t\\n\\\\ EOF"},
    {"ends inside string", u"A \"open", u"W:A EOF"},
    {"NOT pair", u"NOT WS_VISIBLE | WS_TABSTOP", u"W:NOT WS_VISIBLE |:| W:WS_TABSTOP EOF"},
    {"NOT pair over blanks", u"NOT   WS_BORDER,1", u"W:NOT WS_BORDER ,:, N:1 EOF"},
    {"word comma number", u"IDC_X,12", u"W:IDC_X ,:, N:12 EOF"},
    {"parens", u"code_page(1252)", u"W:code_page (:( N:1252 ):) EOF"},
    {"hex digits only", u"0x10 0x1A 0X10 0x", u"H:0x10 W:0x1A W:0X10 H:0x EOF"},
    {"number with letters", u"12a 007 9", u"W:12a N:007 N:9 EOF"},
    {"bar without blanks", u"A|B", u"W:A |:| W:B EOF"},
    {"directive kept", u"#define X 1\nY", u"W:#define W:X N:1 W:Y EOF"},
    {"empty string", u"\"\" A", u"S: W:A EOF"},
    {"string over two lines", u"\"a\nb\"", u"S:a\nb EOF"},
};

class TokenTest : public ::testing::TestWithParam<std::tuple<TokenCase, Encoding>> {};

TEST_P(TokenTest, CutsTokens) {
  const auto &[tc, encoding] = GetParam();
  const QString input = QString::fromUtf16(tc.input);
  EXPECT_EQ(tokens(test::encode(input, encoding)), QString::fromUtf16(tc.expected));
}

INSTANTIATE_TEST_SUITE_P(Encodings, TokenTest,
                         ::testing::Combine(::testing::ValuesIn(kTokenCases),
                                            ::testing::Values(Encoding::Ansi, Encoding::Utf16,
                                                              Encoding::Utf8Bom)),
                         [](const auto &info) {
                           std::string name = std::get<0>(info.param).name;
                           for (char &c : name)
                             if (!isalnum(static_cast<unsigned char>(c)))
                               c = '_';
                           return name + "_" + test::encodingName(std::get<1>(info.param));
                         });

TEST(Tokenizer, SkipsDirectiveLinesWhenAsked) {
  EXPECT_EQ(tokens("#define X 1\nY", true), "W:Y EOF");
  EXPECT_EQ(tokens("A\n#if 0\nB", true), "W:A W:B EOF");
}

TEST(Tokenizer, BlockCommentIsOneBlank) {
  ScriptReader reader;
  reader.file().openData("a/* x\n y */b\n");
  EXPECT_EQ(reader.nextChar(true), u'a');
  EXPECT_EQ(reader.nextChar(true), u' ');
  EXPECT_EQ(reader.nextChar(true), u'b');
  EXPECT_EQ(reader.lineNumber(), 2);
}

TEST(Tokenizer, LineCommentGivesLineFeed) {
  ScriptReader reader;
  reader.file().openData("a// b\nc\n");
  EXPECT_EQ(reader.nextChar(true), u'a');
  EXPECT_EQ(reader.nextChar(true), u'\n');
  EXPECT_EQ(reader.nextChar(true), u'c');
}

TEST(Tokenizer, PushBackAndPeek) {
  ScriptReader reader;
  reader.file().openData("ab\ncd\n");
  EXPECT_EQ(reader.nextChar(false), u'a');
  EXPECT_EQ(reader.peek(true), u'b');
  EXPECT_EQ(reader.peek(false), 0);
  EXPECT_EQ(reader.nextChar(false), u'b');
  EXPECT_EQ(reader.peek(false), u'a');
  reader.pushBack();
  EXPECT_EQ(reader.nextChar(false), u'b');
  EXPECT_EQ(reader.nextChar(false), u'\n'); // the line is used up
  reader.pushBack();                        // back to its line feed
  EXPECT_EQ(reader.nextChar(false), u'\n');
  EXPECT_EQ(reader.skipLine(), 1);
  EXPECT_EQ(reader.nextChar(false), u'c');
  EXPECT_EQ(reader.skipLine(), 1);
  EXPECT_EQ(reader.nextChar(false), 0);
  EXPECT_EQ(reader.skipLine(), 0);
}

// The rest of a statement's line is passed over: strings hold no comments, comments
// hold no strings, and a string or a block comment may go on to later lines.
TEST(Tokenizer, SkippingTheRestOfALineKeepsStringsAndCommentsApart) {
  struct Case {
    const char *rest; // after "A", up to the line that starts with NEXT
    const char *next; // the token read after the skip
  };
  const Case cases[] = {
      {" 1, 2, 3\n", "NEXT"},
      {" \"a // b\", 1\n", "NEXT"},
      {" \"a \"\" b\" // c \"\n", "NEXT"},
      {" 1 // \"\n", "NEXT"},
      {" 1 /* \" */ 2\n", "NEXT"},
      {" 1 /* \"\n still a comment */ 2\n", "NEXT"},
      {" \"goes on\n past the line\" 2\n", "NEXT"},
      {" 1 / 2, \"x\"\n", "NEXT"},
      {" L\"wide\", \"a\"\n", "NEXT"},
  };
  for (const Case &c : cases) {
    ScriptReader reader;
    reader.file().openData(QByteArray("A") + c.rest + "NEXT x\n");
    reader.setCodePage(1252);
    QString text;
    ASSERT_EQ(reader.nextToken(text, false), TokenKind::Word) << c.rest;
    EXPECT_EQ(reader.skipLine(), 1) << c.rest;
    reader.nextToken(text, false);
    EXPECT_EQ(text, QString::fromLatin1(c.next)) << c.rest;
  }
}

TEST(Tokenizer, EchoCopiesConsumedLines) {
  ScriptReader reader;
  reader.file().openData("A B\nC\n");
  ScriptFile out;
  out.create(ScriptFile::Utf16);
  reader.setOutput(&out);
  reader.setEcho(true);
  QString text;
  while (reader.nextToken(text, false) != TokenKind::EndOfFile) {
  }
  EXPECT_EQ(reader.linesWritten(), 2);
  EXPECT_EQ(out.data(), QByteArray("\xFF\xFE"
                                   "A\0 \0B\0\n\0C\0\n\0",
                                   14));
}

} // namespace
} // namespace tarvelo
