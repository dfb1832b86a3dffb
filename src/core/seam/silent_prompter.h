// A prompter that shows nothing and answers No, for work nobody watches.
#pragma once

// A prompter for work nobody watches (a search, a check): it shows nothing and
// answers every question No.

#include "seam/prompter.h"

namespace tarvelo {

class SilentPrompter final : public Prompter {
public:
  Answer message(const QString &, Buttons, Icon) override { return Answer::No; }
  void resolveFuzzyItems(FuzzyItemsRequest &) override {}
  bool chooseResourcesToKeep(SavingResourcesRequest &) override { return false; }
  bool pairIncludedScripts(ScriptPairingRequest &) override { return false; }
  bool chooseSaveFile(SaveFileRequest &) override { return false; }
  Answer askSameText(const QString &) override { return Answer::No; }
};

} // namespace tarvelo
