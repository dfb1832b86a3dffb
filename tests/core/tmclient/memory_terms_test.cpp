// The memory's terms for a language model: pairs whose source occurs in the text.
#include "core/tmclient/memory_fixture.h"
#include "tmclient/memory_terms.h"

namespace tarvelo::test {
namespace {

class MemoryTermsTest : public MemoryFixture {};

using Pairs = QList<QPair<QString, QString>>;

TEST_F(MemoryTermsTest, FindsStoredSourcesInTheTextWithTheirMostUsedTranslation) {
  ASSERT_TRUE(connect());
  remember("file", "Datei");
  remember("settings", "Optionen");
  remember("settings", "Einstellungen", 4);
  remember("Save", "Speichern");
  remember("Save settings to a file", "Whole sentence"); // the text itself is no term
  remember("profile", "Profil"); // "file" inside "profile" is no word of the text
  remember("window", "Fenster"); // not in the text
  MemoryTerms terms(*client);
  // In the order they stand in the text, matched whole and regardless of case.
  EXPECT_EQ(terms("Save settings to a file"),
            (Pairs{{"Save", "Speichern"}, {"settings", "Einstellungen"}, {"file", "Datei"}}));
  EXPECT_EQ(terms("Open the profile"), (Pairs{{"profile", "Profil"}}));
  EXPECT_TRUE(terms("Nothing known here").isEmpty());
  EXPECT_TRUE(terms("%d").isEmpty());
}

struct WordCase {
  const char *text, *term;
  int at;
};

TEST(WholeWords, MatchOnlyBetweenWordBoundaries) {
  const WordCase cases[] = {
      {"Save file", "file", 5},   {"Profile", "file", -1}, {"file.txt", "file", 0},
      {"Files", "file", -1},      {"a FILE b", "file", 2}, {"profile file", "file", 8},
      {"&Save as", "Save as", 1}, {"file2", "file", -1},   {"", "file", -1},
  };
  for (const WordCase &c : cases)
    EXPECT_EQ(wholeWordsAt(QString::fromUtf8(c.text), QString::fromUtf8(c.term)), c.at)
        << c.text << " / " << c.term;
}

} // namespace
} // namespace tarvelo::test
