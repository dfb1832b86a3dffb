// Searching resource scripts by folder, Visual C++ workspace or project.
#pragma once

#include <QDateTime>
#include <QString>
#include <atomic>
#include <functional>

namespace tarvelo {

// Where resource scripts are looked for.
enum class SearchMethod { Folder = 0, VisualCpp = 1, Project = 2 };

// One search: what to search and which scripts pass.
struct SearchRequest {
  SearchMethod method = SearchMethod::Folder;
  QString start;      // the folder, the Visual C++ file or the project file
  int language = -1;  // scripts must declare this language; -1: any
  QDateTime earliest; // last-write time range; both invalid: any time
  QDateTime latest;
  // The target of the open task passes the language filter even when it cannot be read.
  QString openTargetPath;
};

// Finds resource scripts (.rc, .rc2) and hands each passing one to found, in the
// order met; the same script may be handed more than once. Runs until done or until
// stop is set, which it tests between files. Unreadable folders and files, loops of
// symbolic links and malformed Visual C++ files are passed over without a word.
// Returns the number of scripts handed on.
int searchScripts(const SearchRequest &request, const std::atomic_bool &stop,
                  const std::function<void(const QString &)> &found);

// Whether the name ends in ".rc" or ".rc2", in any case.
bool hasScriptExtension(const QString &name);

} // namespace tarvelo
