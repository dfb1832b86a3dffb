// Where each text's literal stands, as the reader records it, against the line and
// column found by searching the decoded script for the literal.
#include "script/text_entry.h"
#include "support/script_harness.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::Encoding;

struct PositionCase {
  const char *name;
  Encoding encoding;
  int codePage;
  QString script;
};

// Every text of these scripts is unique and written in one literal, so that its
// quoted form stands once in the decoded script.
QString commonScript(const QString &before) {
  return QStringLiteral("STRINGTABLE\nBEGIN\n") + before +
         QStringLiteral("IDS_ONE \"Open\"\n\tIDS_TWO,\t\"Save \"\"all\"\"\"\nEND\n"
                        "IDM_MAIN MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n"
                        "\tMENUITEM \"E&xit\",\tIDM_EXIT\n  END\nEND\n"
                        "IDD_ABOUT DIALOGEX 0, 0, 100, 50\nCAPTION \"About\"\nBEGIN\n"
                        "  LTEXT  L\"Wide text\", IDC_STATIC, 7, 7, 80, 8\n"
                        "\tPUSHBUTTON \"OK\",IDOK,7,20,50,14\nEND\n");
}

QList<PositionCase> positionCases() {
  const QString eAcute = QString(QChar(0xE9));
  const QString clef = QString::fromUtf16(u"\U0001D11E"); // two UTF-16 units
  return {
      {"utf16", Encoding::Utf16, 1252, commonScript(QString())},
      {"utf8_bom", Encoding::Utf8Bom, 1252,
       commonScript(QStringLiteral("IDS_PRE /* ") + eAcute + clef +
                    QStringLiteral(" */ \"Pre\"\n"))},
      {"cp1252", Encoding::Ansi, 1252,
       commonScript(QStringLiteral("IDS_CAF") + eAcute + QStringLiteral(" \"Caf") + eAcute +
                    QStringLiteral("\"\n"))},
      {"tabs", Encoding::Ansi, 1252,
       commonScript(QStringLiteral("\t\t\tIDS_TABS\t\t\"Tabbed\"\n"))},
      {"megabyte_line", Encoding::Ansi, 1252,
       commonScript(QStringLiteral("IDS_LONG /* ") + QString(1 << 20, u'x') +
                    QStringLiteral(" */ \"Far away\" IDS_LONGER \"") + QString(1 << 20, u'y') +
                    QStringLiteral("\"\n"))},
  };
}

// The literal of a text as the script writes it, quotes doubled.
QString literalOf(const QString &text) {
  return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Line and columns of the one place the literal stands in the decoded lines.
TextPosition expectedPosition(const QStringList &lines, const QString &literal, bool wide) {
  TextPosition found;
  const QString searched = wide ? u'L' + literal : literal;
  for (int i = 0; i < lines.size(); ++i) {
    const qsizetype at = lines[i].indexOf(searched);
    if (at < 0)
      continue;
    EXPECT_EQ(found.line, 0) << "the literal stands twice: " << literal.left(40).toStdString();
    const int quote = int(at) + (wide ? 1 : 0);
    found = {i + 1, quote + 1, i + 1, quote + 1 + int(literal.size()), false};
  }
  return found;
}

class TextPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(TextPositionTest, EveryLiteralWhereTheDecodedLineHasIt) {
  const PositionCase &c = GetParam();
  const QByteArray data = test::encode(c.script, c.encoding, c.codePage);
  test::Workspace space;
  ASSERT_EQ(space.readSource(data, 1033), ScriptResult::Ok);
  ASSERT_EQ(space.readTarget(data, 1033), ScriptResult::Ok);
  const QStringList lines = c.script.split(u'\n');
  int checked = 0;
  for (const auto &entry : space.entries) {
    if (entry->sourceText.isEmpty())
      continue;
    const bool wide = entry->sourceText == QLatin1String("Wide text");
    const TextPosition expected = expectedPosition(lines, literalOf(entry->sourceText), wide);
    ASSERT_GT(expected.line, 0) << entry->sourceText.left(40).toStdString();
    for (const TextPosition &got : {entry->sourcePosition, entry->targetPosition}) {
      EXPECT_EQ(got.line, expected.line) << entry->identifier.toStdString();
      EXPECT_EQ(got.startColumn, expected.startColumn) << entry->identifier.toStdString();
      EXPECT_EQ(got.endLine, expected.endLine) << entry->identifier.toStdString();
      EXPECT_EQ(got.endColumn, expected.endColumn) << entry->identifier.toStdString();
      EXPECT_FALSE(got.compiled);
    }
    ++checked;
  }
  EXPECT_GE(checked, 7);
}

INSTANTIATE_TEST_SUITE_P(Encodings, TextPositionTest, ::testing::ValuesIn(positionCases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TextPosition, AdjacentLiteralsSpanFromTheFirstQuoteToTheLastOne) {
  const QString script = QStringLiteral("STRINGTABLE\nBEGIN\n  IDS_A \"one\" \"two\"\n"
                                        "  IDS_B \"three\"\n    \"four\"\nEND\n");
  test::Workspace space;
  ASSERT_EQ(space.readSource(test::encode(script, Encoding::Ansi), 1033), ScriptResult::Ok);
  ASSERT_EQ(space.entries.size(), 2u);
  const TextPosition a = space.entries.at(0)->sourcePosition;
  EXPECT_EQ(a.line, 3);
  EXPECT_EQ(a.startColumn, 9);
  EXPECT_EQ(a.endLine, 3);
  EXPECT_EQ(a.endColumn, 20);
  const TextPosition b = space.entries.at(1)->sourcePosition;
  EXPECT_EQ(b.line, 4);
  EXPECT_EQ(b.startColumn, 9);
  EXPECT_EQ(b.endLine, 5);
  EXPECT_EQ(b.endColumn, 11);
}

TEST(TextPosition, ALiteralOverTwoLinesEndsOnTheSecond) {
  const QString script = QStringLiteral("STRINGTABLE\nBEGIN\n  IDS_A \"first\nsecond\"\nEND\n");
  test::Workspace space;
  ASSERT_EQ(space.readSource(test::encode(script, Encoding::Ansi), 1033), ScriptResult::Ok);
  ASSERT_EQ(space.entries.size(), 1u);
  const TextPosition p = space.entries.at(0)->sourcePosition;
  EXPECT_EQ(p.line, 3);
  EXPECT_EQ(p.startColumn, 9);
  EXPECT_EQ(p.endLine, 4);
  EXPECT_EQ(p.endColumn, 8);
}

TEST(TextPosition, AResourceWithoutTextStandsAtItsStatement) {
  const QString script =
      QStringLiteral("\n  IDI_APP ICON \"app.ico\"\nIDR_DATA RCDATA\nBEGIN\n 1, 2\nEND\n");
  test::Workspace space;
  ASSERT_EQ(space.readSource(test::encode(script, Encoding::Ansi), 1033), ScriptResult::Ok);
  ASSERT_EQ(space.entries.size(), 2u);
  EXPECT_EQ(space.entries.at(0)->sourcePosition.line, 2);
  EXPECT_EQ(space.entries.at(0)->sourcePosition.startColumn, 3);
  EXPECT_EQ(space.entries.at(1)->sourcePosition.line, 3);
  EXPECT_EQ(space.entries.at(1)->sourcePosition.startColumn, 1);
}

TEST(TextPosition, ADlgInitStringStandsAtItsRecord) {
  const QString script = QStringLiteral("IDD_X DLGINIT\nBEGIN\n    IDC_COMBO, 0x403, 4, 0\n"
                                        "0x6e4f, 0x0065,\n    0\nEND\n");
  test::Workspace space;
  ASSERT_EQ(space.readSource(test::encode(script, Encoding::Ansi), 1033), ScriptResult::Ok);
  ASSERT_EQ(space.entries.size(), 2u);
  const TextPosition p = space.entries.at(1)->sourcePosition;
  EXPECT_EQ(space.entries.at(1)->sourceText, QStringLiteral("One"));
  EXPECT_EQ(p.line, 3);
  EXPECT_EQ(p.startColumn, 5);
  EXPECT_EQ(p.endLine, 4);
  EXPECT_EQ(p.endColumn, 15);
}

} // namespace
} // namespace tarvelo
