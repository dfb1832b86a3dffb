// What the dialogs report finds and measures on each dialog and control.
#pragma once

#include "dialogs/dialog_units.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace tarvelo {

class DialogEntry;
class EntryList;
class MeasuringFont;
class TextEntry;
class TextMeasure;

// What the report found on one control, and what it measured there.
struct ControlReport {
  QString identifier;
  // How the report names it: the identifier, told apart from other controls of the
  // dialog with the same identifier by its text, or by where it stands.
  QString name;
  TextEntry *entry = nullptr; // the entry of its text, if any
  QString className;          // the window class it is shown as
  QString text;               // as stored (escapes as written)
  // The statement as written: keyword, class of a CONTROL statement, style words.
  QString keyword, writtenClass;
  QStringList styles, exStyles;
  QRect rect;   // dialog units, as shown
  QRect pixels; // the corner and the size converted apart
  // The measured text: the room the control gives it and the size it needs there.
  bool measured = false;
  bool wrapped = false; // measured with word breaks in the room's width
  QSize room, textSize;

  bool tooLong = false;
  QStringList addedStyles, removedStyles, addedExStyles, removedExStyles;
  QStringList overlaps;      // the controls it now overlaps
  bool outside = false;      // it now reaches outside the dialog
  QStringList sameAccessKey; // the first control with its access key

  bool reported() const;
};

struct DialogReport {
  DialogEntry *entry = nullptr; // the dialog's head, which the report links to
  QString keyword;              // the resource keyword, "DIALOG"
  QString identifier;
  QString fileName; // the task's file, when several tasks are open together
  QString requestedFace, usedFace;
  bool fontFallback = false;  // no font provides the face
  QString fontNotice;         // "Segoe UI not installed: measured with Tahoma"
  bool fontStatement = false; // the dialog has a FONT statement
  int points = 0, weight = 0;
  bool italic = false;
  int charset = 1;
  bool extended = false; // DIALOGEX
  QStringList styles, exStyles;
  BaseUnits baseUnits;
  QRect rect; // dialog units
  std::vector<ControlReport> controls;

  bool reported() const;
};

struct DialogsReport {
  int setting = 0;
  std::vector<DialogReport> dialogs; // every dialog, reported or not
  int reportedCount() const;
};

// Makes the report of dialogs with one measure and one "ReportSetting" value. Fonts
// are made once per face and size.
class DialogReporter {
public:
  DialogReporter(const TextMeasure &measure, int setting);
  ~DialogReporter();

  // One dialog whose layouts have been built.
  DialogReport report(DialogEntry &entry);
  // Every dialog of the list, in item order; with several tasks each dialog names
  // its task's file.
  DialogsReport reportAll(const EntryList &entries, bool severalTasks);

private:
  const MeasuringFont &font(const QString &face, int points, int weight, bool italic);

  const TextMeasure &m_measure;
  int m_setting;
  struct Fonts;
  std::unique_ptr<Fonts> m_fonts;
};

// The file name of the script a task's dialog is reported from: the target's, or the
// source's while the target is to be specified later.
QString reportFileName(const QString &targetPath, const QString &sourcePath);

} // namespace tarvelo
