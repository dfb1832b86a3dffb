// The bytes of a compiled target: a .res file, a language DLL or a copy of the program,
// holding the task's translations.
#pragma once

#include "compiled/target_kind.h"
#include "script/write_context.h"

#include <QByteArray>
#include <QString>

namespace tarvelo {

class EntryList;
struct Task;

// What writing a compiled target gave: its bytes, or why there are none.
struct CompiledTarget {
  QByteArray bytes;
  QString error;                 // empty when bytes hold the target
  bool signatureRemoved = false; // a program copy lost the original's signature
  int added = 0, replaced = 0;   // a program copy's resources of the language
  bool ok() const { return error.isEmpty(); }
};

// The task's resources in language with the entries' translations, in the form kind
// names, for the file at outPath. The resources are the compiled source's; for a script
// source they are those of the compiled file already at outPath, whose texts are
// replaced. A program copy starts from the program at outPath, else from the source.
CompiledTarget compiledTarget(const Task *task, const EntryList &entries,
                              const WriteContext &context, const QString &outPath, TargetKind kind,
                              int language);

} // namespace tarvelo
