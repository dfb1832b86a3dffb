// The questions core code asks the user, and the requests each one carries.
#pragma once

#include "compiled/target_kind.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvelo {

// The "Fuzzy Items" choice: the translator confirms or corrects the placement of
// target texts in a resource whose items changed in count or order.
struct FuzzyItemsRequest {
  QString caption; // "Dialog IDD_ABOUT", "Menu IDR_MAIN", "Dialog controls init IDD_X"
  QString text;    // the explanation line
  struct Row {
    QString original;
    QString translated; // the prompter may change it to one of the choices
  };
  QList<Row> rows;
  QStringList choices;         // an empty text, then the block's alternatives
  bool clearFuzzyFlag = false; // in: the remembered state of the box; out: its state
};

// A resource offered with a check box, grouped as in the resource tree.
struct ResourceChoice {
  QString group; // "Dialog controls init", "Dialog", "Menu", "String Table" or a kind
  QString identifier;
  bool checked = true;
};

// The "Saving resources" choice: which resources found only in the target to keep.
struct SavingResourcesRequest {
  QString title; // caption, " - " and the target's file name
  QList<ResourceChoice> items;
};

// The "Directives #import" choice: the scripts a source includes become further
// tasks; the translator pairs each with its target (path and language).
struct ScriptPairingRequest {
  struct Pair {
    QString sourcePath;
    int sourceLanguage = -1;
    QString targetPath; // empty: to be specified later
    int targetLanguage = -1;
  };
  QList<Pair> pairs; // the prompter fills in the targets
};

// The save dialog of a target: where to write, in which language, and which of the
// task's resources (all checked unless removed or not selected for saving).
struct SaveFileRequest {
  QString title;          // "Save As - " and the source's file name
  QString path;           // in: the initial name; out: the chosen file
  int writeLanguage = -1; // in and out
  bool languageEditable = true;
  QList<ResourceChoice> resources; // the prompter may uncheck some
  // The forms the target may be written in (a script first), and in: the form of the
  // initial name, out: the one chosen.
  QList<TargetKind> kinds{TargetKind::Script};
  TargetKind kind = TargetKind::Script;
};

// The "Import Microsoft Terminology" choice: which columns of a terminology file hold
// the source and the target texts. The fields are the header's non-empty ones.
struct TerminologyRequest {
  QStringList fields;
  int source = 0; // in: the preselected field; out: the chosen one
  int target = 0;
};

// Every message box and question of the program goes through a Prompter, so that
// flows in the core run the same under the GUI, the command line and tests.
class Prompter {
public:
  enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
  enum class Icon { Information, Warning, Error, Question };
  enum class Answer { Ok, Cancel, Yes, No, YesToAll, NoToAll };

  virtual ~Prompter() = default;

  // A message box with the exact text; returns the button pressed.
  virtual Answer message(const QString &text, Buttons buttons, Icon icon) = 0;
  // The same box with a caption of its own (such as "Automatic Inspection") instead
  // of the program's name. A prompter that shows no captions need not override it.
  virtual Answer captionedMessage(const QString & /*caption*/, const QString &text, Buttons buttons,
                                  Icon icon) {
    return message(text, buttons, icon);
  }

  // The Fuzzy Items dialog; rows and the box come back as the translator left them.
  virtual void resolveFuzzyItems(FuzzyItemsRequest &request) = 0;
  // The "Saving resources" dialog; false when it was cancelled.
  virtual bool chooseResourcesToKeep(SavingResourcesRequest &request) = 0;
  // The "Directives #import" dialog; false when it was cancelled.
  virtual bool pairIncludedScripts(ScriptPairingRequest &request) = 0;
  // The save dialog; false when it was cancelled.
  virtual bool chooseSaveFile(SaveFileRequest &request) = 0;
  // The "Translation Memory" question before a pair whose two texts are the same is
  // learnt: "Saving text:" with the text, and Yes, No, Yes to All or No to All.
  virtual Answer askSameText(const QString &sourceText) = 0;
  // The "Import Microsoft Terminology" dialog; false when it was cancelled. A prompter
  // that cannot ask takes the preselected fields.
  virtual bool chooseTerminologyColumns(TerminologyRequest & /*request*/) { return true; }

  // Shorthands for the common boxes.
  void inform(const QString &text) { message(text, Buttons::Ok, Icon::Information); }
  void warn(const QString &text) { message(text, Buttons::Ok, Icon::Warning); }
  void error(const QString &text) { message(text, Buttons::Ok, Icon::Error); }
  bool askYesNo(const QString &text) {
    return message(text, Buttons::YesNo, Icon::Question) == Answer::Yes;
  }
};

} // namespace tarvelo
