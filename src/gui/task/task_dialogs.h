// The dialogs through which the program's richer questions are answered.
#pragma once

#include "seam/prompter.h"

class QWidget;

namespace tarvelo::gui {

// The dialogs through which the program's richer questions are answered; each
// returns as its Prompter counterpart does.

// "Fuzzy Items": the translator confirms or corrects the placement of target texts.
void execFuzzyItemsDialog(QWidget *parent, FuzzyItemsRequest &request);
// "Saving resources": which resources found only in the target are kept.
bool execSavingResourcesDialog(QWidget *parent, SavingResourcesRequest &request);
// "Directives #import": pairing the scripts a source includes with their targets.
bool execDirectivesImportDialog(QWidget *parent, ScriptPairingRequest &request);
// The save dialog with the write language and the resources for save.
bool execSaveToFileDialog(QWidget *parent, SaveFileRequest &request);
// "Translation Memory": learn a pair whose two texts are the same?
Prompter::Answer execSameTextDialog(QWidget *parent, const QString &sourceText);

} // namespace tarvelo::gui
