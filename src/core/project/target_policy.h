// Where the targets named by a project file may be written, and the verdict on one.
#pragma once

// Where the targets named by a project file may be written: the one place that
// decides it, for the window and the command line alike.

#include <QString>

namespace tarvelo {

enum class TargetPlace {
  Inside,  // in the project's folder tree: written as any target is
  Outside, // outside that tree: written only when the user agrees
  Refused, // never written for a project
};

struct TargetVerdict {
  TargetPlace place = TargetPlace::Refused;
  QString path;   // the target judged
  QString reason; // why it is refused
};

// Judges a target that a project file in projectFolder names, as read (see
// resolveFromProject). Refused: a name that begins with a dot, a name that is not a
// resource script (.rc, .rc2), a Windows path on another system, or a file that
// exists and does not parse as a script. Otherwise Inside when the target, with every
// link on its way followed, lies in the project folder or below it; else Outside.
TargetVerdict judgeProjectTarget(const QString &projectFolder, const QString &target);

// The question before a target outside the project's folder is written.
QString outsideTargetQuestion(const QString &path);
// The message for a refused target.
QString refusedTargetMessage(const TargetVerdict &verdict);

} // namespace tarvelo
