// The generated source and target read into entries, English to German.
#pragma once

namespace tarvelo {
class EntryList;
class Prompter;
class Progress;
class Settings;
class TaskChain;
} // namespace tarvelo

namespace tarvelo::bench {

constexpr int kEnglish = 0x0409;
constexpr int kGerman = 0x0407;

// Reads the generated source (and the translated target when wanted) into entries,
// as a task English to German.
bool readGeneratedTask(EntryList &entries, TaskChain &tasks, Prompter &prompter, Progress &progress,
                       Settings &settings, bool withTarget);

} // namespace tarvelo::bench
