// Translations left as their source: which equal texts are findings.
#include "findings/same_as_source.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(SameAsSource, SkipsTextsUsuallyKept) {
  const struct {
    const char *source, *target;
    bool suspect;
  } cases[] = {
      {"Open file", "Open file", true},
      {"Open file", "Datei \u00f6ffnen", false},
      {"&Open", "&Open", true},
      {"&Open", "Open", false},
      {"42", "42", false},
      {"%s", "%s", false},
      {"%d of %s", "%d of %s", true},
      {"%d / %s", "%d / %s", false},
      {"\\n%s\\t", "\\n%s\\t", false},
      {"100%%", "100%%", false},
      {"...", "...", false},
      {"", "", false},
      {"OK", "OK", false},
      {"&OK", "&OK", false},
      {"ok", "ok", false},
      {"Info:", "Info:", false},
      {"Version...", "Version...", false},
      {"Version 2", "Version 2", true},
      {"OKAY", "OKAY", true},
  };
  for (const auto &c : cases)
    EXPECT_EQ(suspectSameAsSource(QString::fromUtf8(c.source), QString::fromUtf8(c.target)),
              c.suspect)
        << c.source << " / " << c.target;
}

TEST(SameAsSource, LanguagesDifferByPrimaryLanguage) {
  EXPECT_TRUE(languagesDiffer(1033, 1031));  // English, German
  EXPECT_FALSE(languagesDiffer(1033, 2057)); // English US, English UK
  EXPECT_FALSE(languagesDiffer(1031, 1031));
  EXPECT_TRUE(languagesDiffer(-1, 1031));
}

} // namespace
} // namespace tarvelo
