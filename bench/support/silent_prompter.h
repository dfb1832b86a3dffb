// A prompter that answers every question at once, for the benchmarks.
#pragma once

#include "seam/prompter.h"

namespace tarvelo::bench {

// Answers every question at once, as a benchmark needs; texts that are the same in
// both languages are learnt or not as the benchmark says.
class SilentPrompter : public Prompter {
public:
  explicit SilentPrompter(Answer sameText = Answer::No) : m_sameText(sameText) {}
  Answer message(const QString &, Buttons, Icon) override { return Answer::Ok; }
  void resolveFuzzyItems(FuzzyItemsRequest &) override {}
  bool chooseResourcesToKeep(SavingResourcesRequest &) override { return true; }
  bool pairIncludedScripts(ScriptPairingRequest &) override { return false; }
  bool chooseSaveFile(SaveFileRequest &) override { return false; }
  Answer askSameText(const QString &) override { return m_sameText; }

private:
  Answer m_sameText;
};

} // namespace tarvelo::bench
