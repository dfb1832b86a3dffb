// The rules check and report find by, as the tool's description lists them.
#include "findings/finding.h"

namespace tarvelo {

const char *levelName(FindingLevel level) {
  switch (level) {
  case FindingLevel::Error:
    return "error";
  case FindingLevel::Warning:
    return "warning";
  case FindingLevel::Note:
    break;
  }
  return "note";
}

const std::vector<FindingRule> &findingRules() {
  // The ids are stable: fingerprints and suppressions of code scanning follow them.
  static const std::vector<FindingRule> rules = {
      {"format-specification", "Format specifications differ",
       "The translation has other format specifications (%s, %d, ...) than the source, or "
       "has them in another order.",
       "Give the translation the source's format specifications, in the same order: the "
       "program fills them in and may fail on others.",
       FindingLevel::Error},
      {"access-key", "Access keys differ",
       "The translation has another number of access-key ampersands than the source.",
       "Mark one access key with & where the source has one, and none where it has none.",
       FindingLevel::Warning},
      {"character-count", "Characters counted differently",
       "An inspection rule's character (spaces at either end, ?, !, quotes, escapes) stands "
       "a different number of times in the translation than in the source.",
       "Keep the characters the inspection rules count as the source has them.",
       FindingLevel::Warning},
      {"misspelt-word", "Misspelt word",
       "A word of the translation is not in the target language's dictionary.",
       "Correct the word, or add it to the user dictionary when it is right.", FindingLevel::Note},
      {"text-too-long", "Text too long for its control",
       "The translated text needs more room than its control gives it in the dialog's font.",
       "Shorten the text or make the control larger.", FindingLevel::Warning},
      {"overlap", "Controls overlap", "The control now overlaps another control of the dialog.",
       "Move or resize the controls so that they no longer overlap.", FindingLevel::Warning},
      {"outside-dialog", "Control outside the dialog",
       "The control now reaches outside the dialog.",
       "Move the control into the dialog, or make the dialog larger.", FindingLevel::Warning},
      {"same-access-key", "Same access key twice",
       "Two controls of the dialog, or two items of one menu level (the menu bar or one "
       "popup), have the same access key.",
       "Give each control of the dialog and each item of the menu its own access key.",
       FindingLevel::Warning},
      {"style-changed", "Styles differ from the source",
       "The control's styles or extended styles differ from the source's.",
       "Keep the source's styles unless the translation needs others.", FindingLevel::Note},
      {"length-limit", "Translation longer than allowed",
       "The translation has more characters (the access-key & not counted) than the limits "
       "file allows for its identifier.",
       "Shorten the translation to the maximum the first matching line of the limits file "
       "gives.",
       FindingLevel::Warning},
      {"same-as-source", "Translation equals the source",
       "The translation is the source text unchanged although the languages differ.",
       "Translate the text, or set the check off where the texts are meant to stay.",
       FindingLevel::Note},
  };
  return rules;
}

int findingRuleIndex(const QString &id) {
  const std::vector<FindingRule> &rules = findingRules();
  for (size_t i = 0; i < rules.size(); ++i)
    if (id == QLatin1String(rules[i].id))
      return int(i);
  return -1;
}

FindingLevel defaultLevel(const QString &id) {
  const int index = findingRuleIndex(id);
  return index >= 0 ? findingRules()[size_t(index)].level : FindingLevel::Warning;
}

} // namespace tarvelo
