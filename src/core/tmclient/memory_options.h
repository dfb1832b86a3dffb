// The options that govern the memory, and the fuzzy scores a fill may use.
#pragma once

#include <QString>

namespace tarvelo {

class Settings;

// The scores a fuzzy fill may start from: below half alike a match misleads more than it
// helps, and 100 is an exact match, which the ordinary fill gives.
inline constexpr int kLeastFuzzyScore = 50;
inline constexpr int kMostFuzzyScore = 99;

// The options that govern the memory. The first three are kept by the program while
// it runs; SaveTM is read from the settings whenever it is needed.
struct MemoryOptions {
  bool initTm = true;       // "InitTM": fill empty targets when a task is opened
  bool autoComplete = true; // "AutoComplete": complete the target while typing
  QString tmPath;           // "TMPath": folder of the memory database
  int saveTm = 0;           // "SaveTM": 0 on save, 1 on close, 2 on demand
  bool fuzzyFill = false;   // "FuzzyFill": fill what stays empty with the best fuzzy match
  int fuzzyScore = 75;      // "FuzzyScore": the least score (%) such a match needs
  // "SameText": what learning does with a pair whose two texts are the same, unless the
  // translator answered for the whole run.
  enum SameText { AskSameText = 0, AlwaysSaveSameText = 1, NeverSaveSameText = 2 };
  int sameText = AskSameText;

  static MemoryOptions read(const Settings &settings);
  void write(Settings &settings) const;
};

// The folder "TM" beside the program, or in the user's data folder when the program is
// installed (its folder belongs to the system) or its folder cannot be written to.
QString defaultTmPath(const QString &programFolder, const QString &userDataFolder, bool installed);
// Installs that default for the "TMPath" key, from the running program's folders, and
// makes the user's data folder when the memory goes there, so that the memory library
// can make "TM" in it on first use.
void installDefaultTmPath();

// Whether two memory folders name the same folder, as the file system compares names.
bool sameTmPath(const QString &a, const QString &b);

} // namespace tarvelo
