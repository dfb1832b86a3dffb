// The automatic inspection of translations and its rules.
#pragma once

#include <QList>
#include <QString>
#include <QVarLengthArray>
#include <utility>
#include <vector>

namespace tarvelo {

class Settings;
class TextEntry;

// Where a rule counts its text.
enum RulePosition {
  AtBeginning = 0, // adjacent copies from the start
  AtEnd = 1,       // adjacent copies up to the end
  Anywhere = 2,    // non-overlapping occurrences
};

struct InspectionRule {
  int position = Anywhere;
  QString text;

  bool operator==(const InspectionRule &) const = default;
};

// The automatic inspection of translations: counts of given texts at the beginning,
// the end or anywhere must match between source and target, and optionally the
// format specifications must come in the same order.
class Inspector {
public:
  Inspector();

  // The rules used whenever the stored list yields none.
  static QList<InspectionRule> defaultRules();
  // The stored form: "%u%s;" per rule. Pieces of one character are skipped, and so
  // are pieces whose position is not 0, 1 or 2.
  static QList<InspectionRule> parseRules(const QString &stored);
  static QString formatRules(const QList<InspectionRule> &rules);
  // "at the beginning", "at the end" or "anywhere".
  static QString positionWord(int position);
  // How often the rule's text stands in the text, counted as the rule's position says.
  static int count(const QString &text, const InspectionRule &rule);
  // A rule text must be non-empty (an empty one counts forever) and free of ";"
  // (the separator of the stored form).
  static bool isValidRuleText(const QString &text);

  // "FormatOrder", "InspectItems" and the levels of the checks.
  void loadRules(const Settings &settings);
  // Which of its three checks run, as "CheckLevels" sets them: "format-specification"
  // (the %s, %d ... placeholders and their order), "access-key" (the rule counting "&")
  // and "character-count" (every other rule).
  void loadCheckLevels(const Settings &settings);
  // Writes "InspectItems", then reads "FormatOrder" again.
  void storeRules(Settings &settings);
  void reloadFormatOrder(const Settings &settings);

  const QList<InspectionRule> &rules() const { return m_rules; }
  // Replaces every rule; an empty list brings the default rules back.
  void setRules(const QList<InspectionRule> &rules);
  // False when the text is not a valid rule text.
  bool addRule(int position, const QString &text);
  void removeRule(int index);

  bool formatOrder() const { return m_formatOrder; }
  void setFormatOrder(bool check) { m_formatOrder = check; }

  bool inspect(const QString &source, const QString &target) const;
  bool inspect(const TextEntry &entry) const;
  // Inspects the entry and keeps the result on it.
  void apply(TextEntry &entry) const;

  struct Explanation {
    bool passed = true;
    QString text;
  };
  Explanation explain(const QString &source, const QString &target) const;
  Explanation explain(const TextEntry &entry) const;

private:
  // The "anywhere" rules by the first character of their text, for counting.
  void indexRules();
  // How often each rule's text stands in the text, in the order of the rules; the
  // "anywhere" rules all in one pass over the text.
  QVarLengthArray<int, 32> counts(const QString &text) const;
  // Whether the rule's count is compared: its check is not off.
  bool compared(const InspectionRule &rule) const;

  QList<InspectionRule> m_rules;
  std::vector<std::pair<char16_t, int>> m_anywhere; // first character, rule
  quint64 m_asciiFirsts[2] = {0, 0};                // first characters below 128
  bool m_formatOrder = true;
  bool m_formatOn = true, m_accessKeysOn = true, m_charactersOn = true;
};

} // namespace tarvelo
