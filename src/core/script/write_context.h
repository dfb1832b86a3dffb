// What the block writers need besides the entries: saving option, task, languages.
#pragma once

#include <QString>

namespace tarvelo {

class Settings;
struct Task;

// What the block writers need besides the entries themselves.
struct WriteContext {
  const Task *task = nullptr; // only the entries of this task are written
  // What an empty translation becomes: 0 an empty text, 1 the source text,
  // 2 userText ("SavingOption" and "UserText").
  int savingOption = 0;
  QString userText = QStringLiteral("--untranslated--");
  // The languages a source's VERSIONINFO is turned from and to when it is written into
  // the target (-1 keeps it).
  int versionFromLanguage = -1;
  int versionToLanguage = -1;
  // Dialogs are printed again from their layout in one format ("RegenerateDialogs"),
  // instead of changing only what changed in the block they replace.
  bool regenerateDialogs = false;
};

// The context the settings give: "SavingOption", "UserText" and "RegenerateDialogs".
WriteContext writeContextOf(const Settings &settings);

} // namespace tarvelo
