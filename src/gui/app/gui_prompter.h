// The program's questions and messages as message boxes over the main window.
#pragma once

#include "seam/prompter.h"

#include <QPointer>

class QWidget;

namespace tarvelo::gui {

// Asks the program's questions with message boxes and dialogs over the main window.
class GuiPrompter final : public Prompter {
public:
  explicit GuiPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget *parent) { m_parent = parent; }

  Answer message(const QString &text, Buttons buttons, Icon icon) override;
  Answer captionedMessage(const QString &caption, const QString &text, Buttons buttons,
                          Icon icon) override;
  void resolveFuzzyItems(FuzzyItemsRequest &request) override;
  bool chooseResourcesToKeep(SavingResourcesRequest &request) override;
  bool pairIncludedScripts(ScriptPairingRequest &request) override;
  bool chooseSaveFile(SaveFileRequest &request) override;
  Answer askSameText(const QString &sourceText) override;
  bool chooseTerminologyColumns(TerminologyRequest &request) override;

private:
  QPointer<QWidget> m_parent;
};

} // namespace tarvelo::gui
