// Format specifications and the inspector's rules, counts and explanations.
#include "support/qt_printers.h"
#include "workbench/format_specification.h"
#include "workbench/inspector.h"

#include "seam/settings.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QStringList specificationsOf(const QString &text) {
  QStringList out;
  QString spec;
  for (int at = nextFormatSpecification(text, 0, &spec); at >= 0;
       at = nextFormatSpecification(text, at, &spec))
    out << spec;
  return out;
}

TEST(FormatSpecificationTest, FindsThePrintfSpecifications) {
  const struct {
    const char *text;
    QStringList specs;
  } cases[] = {
      {"%d of %s", {"d", "s"}},
      {"%5.2f", {"5.2f"}},
      {"%.2f", {".2f"}},
      {"%%", {}},
      {"100%% sure: %d", {"d"}},
      {"%%d", {}},
      {"%I64d", {"I64d"}},
      {"%I64u and %I32d", {"I64u"}},
      {"%E", {}},
      {"%E then %x", {"x"}},
      {"%-08.3lf", {"-08.3lf"}},
      {"%*d", {"*d"}},
      {"%*5d", {}}, // no width after "*"; "5" ends nothing
      {"%.*s", {".*s"}},
      {"%ls %hs %S %C %lc", {"ls", "hs", "S", "C", "lc"}},
      {"%#x %+i %0o %p %n %G %X %e %g %u", {"#x", "+i", "0o", "p", "n", "G", "X", "e", "g", "u"}},
      {"%Np %Fs %Ld", {"Np", "Fs", "Ld"}},
      {"% d", {}}, // the space is not a flag
      {"%lld", {}},
      {"50%", {}},
      {"%5", {}},
      {"no percent", {}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(specificationsOf(QString::fromUtf8(c.text)), c.specs) << c.text;
}

TEST(FormatSpecificationTest, ScansFromTheGivenPosition) {
  QString spec;
  EXPECT_EQ(nextFormatSpecification("%d and %s", 2, &spec), 9);
  EXPECT_EQ(spec, "s");
  EXPECT_EQ(nextFormatSpecification("%d", 2, &spec), -1);
}

TEST(InspectorTest, CountsAtTheBeginningAtTheEndAndAnywhere) {
  const struct {
    const char *text;
    int position;
    const char *rule;
    int count;
  } cases[] = {
      {"Open...", AtEnd, ".", 3},
      {"Open..", AtEnd, ".", 2},
      {"a.b.", AtEnd, ".", 1},
      {"...", AtEnd, "..", 1},
      {"babab", AtEnd, "ab", 2},
      {"", AtEnd, ".", 0},
      {"  a", AtBeginning, " ", 2},
      {"a  ", AtBeginning, " ", 0},
      {"ababa", AtBeginning, "ab", 2},
      {"a", AtBeginning, "ab", 0},
      {"a  ", AtEnd, " ", 2},
      {"&a&b", Anywhere, "&", 2},
      {"aaaa", Anywhere, "aa", 2},
      {"aaa", Anywhere, "aa", 1},
      {"a\\nb\\n", Anywhere, "\\n", 2},
      {"line\nbreak", Anywhere, "\\n", 0}, // a real line break is not the escape
  };
  for (const auto &c : cases)
    EXPECT_EQ(Inspector::count(c.text, {c.position, c.rule}), c.count)
        << c.text << " / " << c.position << " \"" << c.rule << '"';
  EXPECT_EQ(Inspector::count("abc", {AtBeginning, QString()}), 0); // never counts forever
}

TEST(InspectorTest, InspectsWithTheRulesAndTheFormatOrder) {
  const struct {
    const char *source, *target;
    const char *extraRule; // stored form of rules added to the defaults, or null
    bool formatOrder;
    bool passes;
  } cases[] = {
      {"Open...", "Offnen..", nullptr, true, true},
      {"Open...", "Offnen..", "1.", true, false},
      {" Name", "Name", nullptr, true, false},
      {"Name ", "Name", nullptr, true, false},
      {"Name", "Name", nullptr, true, true},
      {"%d of %s", "%s de %d", nullptr, true, false},
      {"%d of %s", "%s de %d", nullptr, false, true},
      {"%5.2f", "%.2f", nullptr, true, false},
      {"%5.2f", "%.2f", nullptr, false, true},
      {"100%%", "100 %%", nullptr, true, true},
      {"%I64d files", "%I64d Dateien", nullptr, true, true},
      {"%I64d files", "%d Dateien", nullptr, false, false}, // "%d" counted once only there
      {"%E", "%Z", nullptr, true, true},                    // %E is no specification
      {"Save?", "Speichern", nullptr, true, false},
      {"&File", "&Datei", nullptr, true, true},
      {"\"%s\"", "\u201e%s\u201c", nullptr, true, false},
      {"Line\\nNext", "Zeile\\nWeiter", nullptr, true, true},
      {"Line\\nNext", "Zeile Weiter", nullptr, true, false},
      {"", "", nullptr, true, true},
      // Occurrences do not overlap, rules may share their first character, and that
      // character may be any.
      {"aaa", "aa", "2aa", true, true},
      {"aaaa", "aa", "2aa", true, false},
      {"\\r\\n", "\\n\\r", nullptr, true, true},
      {"\\r\\n", "\\n\\n", nullptr, true, false},
      {"\u00fcber \u00fcb", "\u00fcb", "2\u00fcb", true, false},
  };
  for (const auto &c : cases) {
    Inspector inspector;
    inspector.setFormatOrder(c.formatOrder);
    if (c.extraRule)
      for (const InspectionRule &rule : Inspector::parseRules(c.extraRule))
        inspector.addRule(rule.position, rule.text);
    EXPECT_EQ(inspector.inspect(QString::fromUtf8(c.source), QString::fromUtf8(c.target)), c.passes)
        << c.source << " / " << c.target;
    // Explain and Inspect never disagree.
    EXPECT_EQ(inspector.explain(QString::fromUtf8(c.source), QString::fromUtf8(c.target)).passed,
              c.passes)
        << c.source << " / " << c.target;
  }
}

TEST(InspectorTest, ExplainsEveryFailingRule) {
  const struct {
    const char *source, *target;
    const char *text;
  } cases[] = {
      {" Open?", "Offnen",
       "Mismatch the count of following characters:\n\t\" \" at the beginning\n\t\"?\" anywhere"},
      {"Name ", "Name", "Mismatch the count of following characters:\n\t\" \" at the end"},
      {"%d of %s", "%s de %d", "Mismatch Format Specification!"},
      {"%d items!", "%s Elemente",
       "Mismatch the count of following characters:\n\t\"!\" anywhere\n\t\"%s\" anywhere\n\t\"%d\" "
       "anywhere\nMismatch Format Specification!"},
      {"Tab\\t", "Tab", "Mismatch the count of following characters:\n\t\"\\t\" anywhere"},
  };
  Inspector inspector;
  for (const auto &c : cases) {
    const Inspector::Explanation explanation = inspector.explain(c.source, c.target);
    EXPECT_FALSE(explanation.passed) << c.source;
    EXPECT_EQ(explanation.text, QString::fromUtf8(c.text)) << c.source;
  }
}

TEST(InspectorTest, ReadsAndWritesTheStoredRules) {
  using Rules = QList<InspectionRule>;
  const struct {
    const char *stored;
    Rules rules;
  } cases[] = {
      {"2?;0 ;", {{Anywhere, "?"}, {AtBeginning, " "}}},
      {"2;;1.;", {{AtEnd, "."}}},       // pieces of one character are skipped
      {"1...", {{AtEnd, "..."}}},       // the last piece needs no ";"
      {"5x;x?;2!;", {{Anywhere, "!"}}}, // positions other than 0, 1 and 2 are skipped
      {"", {}},
      {";;;", {}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(Inspector::parseRules(c.stored), c.rules) << c.stored;

  EXPECT_EQ(Inspector::formatRules({{Anywhere, "?"}, {AtBeginning, " "}}), "2?;0 ;");
  EXPECT_EQ(Inspector::parseRules(Inspector::formatRules(Inspector::defaultRules())),
            Inspector::defaultRules());

  MemorySettings settings;
  Inspector inspector;
  inspector.loadRules(settings); // nothing stored: the fifteen defaults
  ASSERT_EQ(inspector.rules().size(), 15);
  EXPECT_EQ(inspector.rules().front(), (InspectionRule{AtBeginning, " "}));
  EXPECT_EQ(inspector.rules()[6], (InspectionRule{Anywhere, "\\n"}));
  EXPECT_EQ(inspector.rules().back(), (InspectionRule{Anywhere, "%c"}));
  EXPECT_TRUE(inspector.formatOrder());

  settings.setText("InspectItems", "2?;0 ;");
  settings.setInteger("FormatOrder", 0);
  inspector.loadRules(settings);
  EXPECT_EQ(inspector.rules(), (Rules{{Anywhere, "?"}, {AtBeginning, " "}}));
  EXPECT_FALSE(inspector.formatOrder());

  settings.setText("InspectItems", "9;");
  inspector.loadRules(settings); // a stored list without a rule gives the defaults
  EXPECT_EQ(inspector.rules(), Inspector::defaultRules());

  EXPECT_FALSE(inspector.addRule(Anywhere, ""));
  EXPECT_FALSE(inspector.addRule(Anywhere, "a;b"));
  EXPECT_FALSE(inspector.addRule(3, "x"));
  EXPECT_TRUE(inspector.addRule(AtEnd, ":"));
  inspector.removeRule(0);
  settings.setInteger("FormatOrder", 1);
  inspector.storeRules(settings);
  EXPECT_EQ(settings.text("InspectItems"),
            "1 ;2?;2!;2&;2\";2\\n;2\\r;2\\t;2%s;2%u;2%d;2%f;2%g;2%c;1:;");
  EXPECT_TRUE(inspector.formatOrder()); // read again after storing
}

} // namespace
} // namespace tarvelo
