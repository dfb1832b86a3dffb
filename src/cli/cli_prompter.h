// Answers the program's questions by command-line policy, printing messages to stderr.
#pragma once

#include "seam/prompter.h"

#include <QTextStream>

namespace tarvelo::cli {

// Answers the program's questions by command-line policy and prints every message
// to standard error.
class CliPrompter : public Prompter {
public:
  // The answer to yes/no questions; messages with an OK button are only printed.
  explicit CliPrompter(bool answerYes = true) : m_answerYes(answerYes) {}

  // Which resources found only in the target are kept on saving.
  enum class KeepTargetOnly { Default, All, None };

  Answer message(const QString &text, Buttons buttons, Icon icon) override;
  // Keeps the placement the matcher made and leaves the fuzzy marks for review.
  void resolveFuzzyItems(FuzzyItemsRequest &request) override;
  bool chooseResourcesToKeep(SavingResourcesRequest &request) override;
  // Included scripts are not paired from the command line: they stay unpaired.
  bool pairIncludedScripts(ScriptPairingRequest &request) override;
  // There is no save dialog on the command line: saving elsewhere is cancelled.
  bool chooseSaveFile(SaveFileRequest &request) override;
  // Texts that are the same in both languages are not learnt unless asked for.
  Answer askSameText(const QString &sourceText) override;
  void setSameTextAnswer(Answer answer) { m_sameText = answer; }

  void setKeepTargetOnly(KeepTargetOnly policy) { m_keep = policy; }
  int messageCount() const { return m_messages; }

private:
  bool m_answerYes;
  KeepTargetOnly m_keep = KeepTargetOnly::Default;
  int m_messages = 0;
  Answer m_sameText = Answer::NoToAll;
};

} // namespace tarvelo::cli
