// A prompter that records messages and answers questions from a queue.
#pragma once

#include "seam/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvelo::test {

// Records every message and answers questions from a queue (Yes when it is empty).
class ScriptedPrompter : public Prompter {
public:
  Answer message(const QString &text, Buttons buttons, Icon) override {
    messages.append(text);
    if (buttons == Buttons::Ok)
      return Answer::Ok;
    if (answers.isEmpty())
      return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    return answers.takeFirst();
  }

  void resolveFuzzyItems(FuzzyItemsRequest &request) override {
    fuzzyRequests.append(request);
    if (fuzzyClear >= 0)
      request.clearFuzzyFlag = fuzzyClear != 0;
    for (qsizetype i = 0; i < request.rows.size() && i < fuzzyChoices.size(); ++i)
      request.rows[i].translated = fuzzyChoices[i];
  }
  bool chooseResourcesToKeep(SavingResourcesRequest &request) override {
    savingRequests.append(request);
    for (ResourceChoice &item : request.items)
      if (keepEverything || keepIdentifiers.contains(item.identifier))
        item.checked = true;
      else if (dropIdentifiers.contains(item.identifier))
        item.checked = false;
    return true;
  }

  bool pairIncludedScripts(ScriptPairingRequest &request) override {
    pairingRequests.append(request);
    for (qsizetype i = 0; i < request.pairs.size() && i < pairTargets.size(); ++i) {
      request.pairs[i].targetPath = pairTargets[i];
      request.pairs[i].targetLanguage = pairLanguage;
    }
    return acceptPairing;
  }
  bool chooseSaveFile(SaveFileRequest &request) override {
    saveRequests.append(request);
    if (savePaths.isEmpty())
      return false;
    request.path = savePaths.takeFirst();
    // The form is the file type chosen: given, or the one the answer's name has.
    const TargetKind named = targetKindFor(request.path);
    request.kind = !saveKinds.isEmpty()            ? saveKinds.takeFirst()
                   : request.kinds.contains(named) ? named
                                                   : TargetKind::Script;
    if (saveLanguage != -2)
      request.writeLanguage = saveLanguage;
    for (ResourceChoice &item : request.resources)
      if (dropIdentifiers.contains(item.identifier))
        item.checked = false;
    return true;
  }

  Answer askSameText(const QString &sourceText) override {
    sameTextRequests.append(sourceText);
    return sameTextAnswers.isEmpty() ? Answer::Yes : sameTextAnswers.takeFirst();
  }

  QStringList messages;
  QStringList sameTextRequests;
  QList<Answer> sameTextAnswers; // Yes when none is left
  QList<Answer> answers;
  QList<ScriptPairingRequest> pairingRequests;
  QStringList pairTargets; // targets given to the included scripts, in order
  int pairLanguage = -1;
  bool acceptPairing = true;
  QList<SaveFileRequest> saveRequests;
  QStringList savePaths;       // answers of the save dialog; cancelled when none is left
  QList<TargetKind> saveKinds; // the file types chosen with them
  int saveLanguage = -2;       // -2 keeps the offered language
  QList<FuzzyItemsRequest> fuzzyRequests;
  QStringList fuzzyChoices; // the translated text chosen for each row, in order
  int fuzzyClear = -1;      // -1 leaves the box as offered
  QList<SavingResourcesRequest> savingRequests;
  bool keepEverything = false; // every resource found only in the target stays
  QStringList keepIdentifiers, dropIdentifiers;
};

} // namespace tarvelo::test
