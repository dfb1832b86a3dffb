// What reading and writing a script talk through, and the code pages they choose.
#pragma once

#include <QString>

namespace tarvelo {

class EntryList;
class Prompter;
class Progress;
class Settings;
class TaskChain;

// What a script reads into and talks through.
struct ScriptContext {
  EntryList *entries = nullptr;
  TaskChain *tasks = nullptr;
  Prompter *prompter = nullptr;
  Progress *progress = nullptr;
  Settings *settings = nullptr;
};

// The code page of a side for a language; -1 takes the side's default language.
int sideCodePage(const ScriptContext &context, int language, bool sourceSide);
// The code page a written code_page pragma names: UTF-8 for a UTF-8 file.
QString pragmaCodePage(bool utf8Output, int language);

} // namespace tarvelo
