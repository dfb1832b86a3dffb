// The program's questions and messages as message boxes over the main window.
#include "app/gui_prompter.h"

#include "exchange/terminology_dialog.h"
#include "task/task_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvelo::gui {

Prompter::Answer GuiPrompter::message(const QString &text, Buttons buttons, Icon icon) {
  return captionedMessage(QApplication::applicationDisplayName(), text, buttons, icon);
}

Prompter::Answer GuiPrompter::captionedMessage(const QString &caption, const QString &text,
                                               Buttons buttons, Icon icon) {
  QMessageBox box(m_parent);
  // The program's messages are keyed by their English text, so a translation of the
  // user interface can replace the fixed ones.
  box.setWindowTitle(QCoreApplication::translate("Prompter", caption.toUtf8().constData()));
  box.setText(QCoreApplication::translate("Prompter", text.toUtf8().constData()));
  // Messages carry text from servers and files: never rich text with live links.
  box.setTextFormat(Qt::PlainText);
  switch (icon) {
  case Icon::Information:
    box.setIcon(QMessageBox::Information);
    break;
  case Icon::Warning:
    box.setIcon(QMessageBox::Warning);
    break;
  case Icon::Error:
    box.setIcon(QMessageBox::Critical);
    break;
  case Icon::Question:
    box.setIcon(QMessageBox::Question);
    break;
  }
  switch (buttons) {
  case Buttons::Ok:
    box.setStandardButtons(QMessageBox::Ok);
    break;
  case Buttons::OkCancel:
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    break;
  case Buttons::YesNo:
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    break;
  case Buttons::YesNoCancel:
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    break;
  }
  switch (box.exec()) {
  case QMessageBox::Yes:
    return Answer::Yes;
  case QMessageBox::No:
    return Answer::No;
  case QMessageBox::Cancel:
    return Answer::Cancel;
  default:
    return buttons == Buttons::YesNo ? Answer::No
           : buttons == Buttons::Ok  ? Answer::Ok
                                     : Answer::Cancel;
  }
}

void GuiPrompter::resolveFuzzyItems(FuzzyItemsRequest &request) {
  execFuzzyItemsDialog(m_parent, request);
}

bool GuiPrompter::chooseResourcesToKeep(SavingResourcesRequest &request) {
  return execSavingResourcesDialog(m_parent, request);
}

bool GuiPrompter::pairIncludedScripts(ScriptPairingRequest &request) {
  return execDirectivesImportDialog(m_parent, request);
}

bool GuiPrompter::chooseSaveFile(SaveFileRequest &request) {
  return execSaveToFileDialog(m_parent, request);
}

Prompter::Answer GuiPrompter::askSameText(const QString &sourceText) {
  return execSameTextDialog(m_parent, sourceText);
}

bool GuiPrompter::chooseTerminologyColumns(TerminologyRequest &request) {
  return execTerminologyDialog(m_parent, request);
}

} // namespace tarvelo::gui
