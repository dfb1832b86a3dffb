// What the task flows need of the translation memory.
#pragma once

namespace tarvelo {

class TextEntry;

// What the task flows need of the translation memory; absent when the memory
// library is not bound.
class MemoryPort {
public:
  virtual ~MemoryPort() = default;
  virtual bool isBound() const = 0;
  // Connects for the task's language pair.
  virtual void connect(int sourceLanguage, int targetLanguage) = 0;
  // Fills empty targets (only clears the cached alternatives when fill is false).
  virtual void fillEmptyTargets(bool fill) = 0;
  // Learns the current translations for the session's source and this language.
  virtual void learnTranslations(int targetLanguage) = 0;
};

} // namespace tarvelo
