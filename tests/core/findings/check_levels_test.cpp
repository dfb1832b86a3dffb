// Levels of the checks in the settings: the stored form, defaults, and unknown pieces.
#include "findings/check_levels.h"
#include "seam/settings.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(CheckLevels, DefaultIsTheRulesLevel) {
  MemorySettings settings;
  for (const FindingRule &rule : findingRules()) {
    EXPECT_EQ(checkLevel(settings, QString::fromLatin1(rule.id)), rule.level) << rule.id;
    EXPECT_TRUE(checkOn(settings, QString::fromLatin1(rule.id))) << rule.id;
  }
  EXPECT_EQ(checkLevel(settings, QStringLiteral("same-as-source")), FindingLevel::Note);
  EXPECT_EQ(checkLevel(settings, QStringLiteral("length-limit")), FindingLevel::Warning);
}

TEST(CheckLevels, StoredLevelsRoundTrip) {
  // Every rule at every level, one rule changed at a time.
  const CheckSetting all[] = {FindingLevel::Error, FindingLevel::Warning, FindingLevel::Note,
                              std::nullopt};
  for (const FindingRule &rule : findingRules())
    for (const CheckSetting &wanted : all) {
      const QString id = QString::fromLatin1(rule.id);
      MemorySettings settings;
      settings.setText(QStringLiteral("CheckLevels"), formatCheckLevels({{id, wanted}}));
      EXPECT_EQ(checkSetting(settings, id), wanted) << rule.id;
      EXPECT_EQ(checkOn(settings, id), wanted.has_value()) << rule.id;
      // Off keeps the rule's level for whoever still asks.
      EXPECT_EQ(checkLevel(settings, id), wanted.value_or(rule.level)) << rule.id;
      for (const FindingRule &other : findingRules()) {
        if (&other == &rule)
          continue;
        EXPECT_EQ(checkSetting(settings, QString::fromLatin1(other.id)), other.level);
      }
    }
}

TEST(CheckLevels, StoredFormIsRead) {
  const struct {
    const char *stored;
    const char *rule;
    CheckSetting setting;
  } cases[] = {
      {"overlap=error;", "overlap", FindingLevel::Error},
      {"overlap = Note ; access-key=off", "overlap", FindingLevel::Note},
      {"overlap=note;access-key=off", "access-key", std::nullopt},
      // Unknown rules and levels, and pieces without "=", are skipped.
      {"overlap=fatal;", "overlap", FindingLevel::Warning},
      {"nothing=off;overlap", "overlap", FindingLevel::Warning},
      {"overlap=off;overlap=error", "overlap", FindingLevel::Error},
  };
  for (const auto &c : cases) {
    MemorySettings settings;
    settings.setText(QStringLiteral("CheckLevels"), QString::fromLatin1(c.stored));
    EXPECT_EQ(checkSetting(settings, QString::fromLatin1(c.rule)), c.setting) << c.stored;
  }
}

TEST(CheckLevels, DefaultsAreNotStored) {
  EXPECT_EQ(formatCheckLevels({{QStringLiteral("overlap"), FindingLevel::Warning},
                               {QStringLiteral("same-as-source"), std::nullopt},
                               {QStringLiteral("format-specification"), FindingLevel::Note}}),
            QStringLiteral("format-specification=note;same-as-source=off;"));
}

} // namespace
} // namespace tarvelo
