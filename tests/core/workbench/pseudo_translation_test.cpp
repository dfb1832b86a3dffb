// Pseudo-translation must keep everything the program behind a text interprets, and
// still pass the automatic inspection, while every letter changes and the text grows.
#include "script/text_entry.h"
#include "support/qt_printers.h"
#include "support/script_harness.h"
#include "text/code_page.h"
#include "workbench/inspector.h"
#include "workbench/pseudo_translation.h"
#include "workbench/text_markup.h"
#include "workbench/undo_stack.h"

#include "support/generated_task.h"

#include <gtest/gtest.h>

// Failure messages show texts as text.
[[maybe_unused]] static std::ostream &operator<<(std::ostream &out, const QString &text) {
  return out << text.toStdString();
}

namespace tarvelo {
namespace {

using K = MarkupSpan::Kind;

TEST(TextMarkupTest, FindsSpecificationsEscapesAndAccessKeys) {
  const struct {
    const char16_t *text;
    QList<MarkupSpan> spans;
  } cases[] = {
      {u"Plain words", {}},
      {u"&Open", {{K::AccessKeyMark, 0, 1}}},
      {u"Save && Exit", {{K::LiteralAmpersand, 5, 2}}},
      {u"Trailing &", {}},
      {u"%d of %s", {{K::FormatSpecification, 0, 2}, {K::FormatSpecification, 6, 2}}},
      {u"%5.2f%%", {{K::FormatSpecification, 0, 5}, {K::LiteralPercent, 5, 2}}},
      {u"%I64d", {{K::FormatSpecification, 0, 5}}},
      {u"Line\\nNext\\t", {{K::Escape, 4, 2}, {K::Escape, 10, 2}}},
      {u"\\x41B \\0123", {{K::Escape, 0, 5}, {K::Escape, 6, 4}}},
      {u"File %1!s! of %2", {{K::FormatSpecification, 5, 5}, {K::FormatSpecification, 14, 2}}},
      {u"100% sure", {}},
      {u"E&xit\\tAlt+F4", {{K::AccessKeyMark, 1, 1}, {K::Escape, 5, 2}}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(markupSpans(QString::fromUtf16(c.text)), c.spans) << QString::fromUtf16(c.text);
}

// The markup of a text, in order, as one string.
QString markupOf(const QString &text) {
  QString out;
  const QList<MarkupSpan> spans = markupSpans(text);
  for (const MarkupSpan &span : spans) {
    out += text.mid(span.start, span.length);
    // The access key goes with its mark.
    if (span.kind == K::AccessKeyMark)
      out += text[span.end()];
    out += u'|';
  }
  return out;
}

const char16_t *const kSources[] = {
    u"OK",
    u"&Open...",
    u"E&xit\\tAlt+F4",
    u"Save && close",
    u"  Two leading and one trailing ",
    u"Deleted %d of %s files.\\nContinue?",
    u"Progress: %5.2f%% done!",
    u"\"%s\" is not a valid name.",
    u"Column\\tValue\\r\\n",
    u"Size %I64u bytes, %ls",
    u"Message %1 of %2!d!",
    u"Octal \\012 and hex \\x41 escapes",
    u"A rather long sentence that any real translation would make a good deal longer.",
};

TEST(PseudoTextTest, KeepsMarkupAndPassesTheInspection) {
  Inspector inspector;
  for (const char16_t *text : kSources) {
    const QString source = QString::fromUtf16(text);
    for (const bool rtl : {false, true}) {
      PseudoOptions options;
      options.rightToLeft = rtl;
      const QString pseudo = pseudoText(source, options);
      EXPECT_EQ(markupOf(pseudo), markupOf(source)) << pseudo;
      EXPECT_TRUE(inspector.inspect(source, pseudo)) << pseudo << "\n"
                                                     << inspector.explain(source, pseudo).text;
      EXPECT_TRUE(pseudo.contains(u'[') && pseudo.contains(u']')) << pseudo;
      EXPECT_EQ(pseudo.count(kRightToLeftMark), rtl ? 2 : 0) << pseudo;
      EXPECT_GT(pseudo.size(), source.size() * 13 / 10) << pseudo;
    }
  }
}

TEST(PseudoTextTest, ReplacesLettersButNotTheAccessKeyOrShortcut) {
  const struct {
    const char16_t *source, *expected;
    int expansion;
  } cases[] = {
      {u"&Open", u"[&Oƥèñ]", 0},
      {u"E&xit\\tAlt+F4", u"[È&xìť]\\tAlt+F4", 0},
      {u" %d files ", u" [%d ƒìĺèš] ", 0},
      {u"OK", u"[ÒĶ·····]", 100}, // short texts grow two and a half times the share
      {u"Ab cd ef gh ij kl mn op qr st uv", u"[Àƀ çď èƒ ĝĥ ìĵ ķĺ ɱñ òƥ ʠŕ šť ùṽ ···]", 10},
      {u"   ", u"   ", 40},
      {u"\\tTab", u"[\\tŤàƀ···]", 40}, // a leading tab is no shortcut column
  };
  for (const auto &c : cases) {
    PseudoOptions options;
    options.expansion = c.expansion;
    EXPECT_EQ(pseudoText(QString::fromUtf16(c.source), options), QString::fromUtf16(c.expected));
  }
}

TEST(PseudoTextTest, GrowsShortTextsMore) {
  const struct {
    int length, growth;
  } cases[] = {{1, 100}, {10, 100}, {11, 80}, {20, 80}, {21, 60}, {31, 50}, {50, 50}, {51, 40}};
  for (const auto &c : cases)
    EXPECT_EQ(pseudoGrowth(c.length, 40), c.growth) << c.length;
}

TEST(PseudoTextTest, UsesOnlyLettersTheCodePageHolds) {
  const QString source =
      QStringLiteral("The quick brown fox jumps over the lazy dog: THE QUICK BROWN FOX JUMPS");
  for (const int codePage : {1250, 1251, 1252, 1253, 1257, 932}) {
    PseudoOptions options;
    options.codePage = codePage;
    const QString pseudo = pseudoText(source, options);
    EXPECT_EQ(CodePage::toUtf16(CodePage::fromUtf16(pseudo, codePage), codePage), pseudo)
        << codePage << " " << pseudo;
    EXPECT_NE(pseudo.mid(1, source.size()), source) << codePage;
  }
  EXPECT_TRUE(holdsRightToLeftMarks(0));
  EXPECT_TRUE(holdsRightToLeftMarks(1255));
  EXPECT_FALSE(holdsRightToLeftMarks(1252));
}

TEST(PseudoTranslateTest, IsOneUndoStep) {
  test::Workspace ws;
  ASSERT_EQ(ws.readSource(test::encode(u"LANGUAGE 9, 1\n"
                                       "STRINGTABLE\nBEGIN\n"
                                       "  1 \"First %s\"\n"
                                       "  2 \"\"\n"
                                       "  3 \"Third\"\n"
                                       "END\n"_qs,
                                       test::Encoding::Ansi),
                          1033),
            ScriptResult::Ok);
  ws.entries.at(2)->targetText = QStringLiteral("Dritte");
  UndoStack undo;
  int inspected = 0;
  const QList<TextEntry *> changed = pseudoTranslate(
      ws.entries, undo, [&](TextEntry *) { ++inspected; }, PseudoOptions());
  ASSERT_EQ(changed.size(), 2);
  EXPECT_EQ(inspected, 2);
  EXPECT_TRUE(changed[0]->targetText.startsWith(u"[Ƒìŕšť %s"_qs)) << changed[0]->targetText;
  EXPECT_EQ(changed[1]->matchState, Filled);
  ASSERT_TRUE(undo.undo());
  EXPECT_FALSE(undo.canUndo());
  EXPECT_EQ(changed[0]->targetText, QString());
  EXPECT_EQ(changed[1]->targetText, QStringLiteral("Dritte"));
}

TEST(PseudoTranslateTest, EveryItemOfTheGeneratedScriptPassesTheInspection) {
  test::Workspace ws;
  ASSERT_TRUE(
      bench::readGeneratedTask(ws.entries, ws.tasks, ws.prompter, ws.progress, ws.settings, false));
  Inspector inspector;
  UndoStack undo;
  int failing = 0;
  const QList<TextEntry *> changed = pseudoTranslate(
      ws.entries, undo, [&](TextEntry *e) { inspector.apply(*e); }, PseudoOptions());
  ASSERT_GT(changed.size(), 30000);
  for (const TextEntry *entry : changed)
    if (!entry->inspectionPassed && ++failing <= 5)
      ADD_FAILURE() << entry->sourceText << " -> " << entry->targetText;
  EXPECT_EQ(failing, 0);
}

} // namespace
} // namespace tarvelo
