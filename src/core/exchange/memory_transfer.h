// Glossary and TMX transfers into and out of a memory, and the import's resume record.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace tarvelo {

class MemoryClient;
class Progress;
class Prompter;
class Settings;

// The resume record of a cancelled glossary import ("ImportState"): the last line
// processed, the two languages, the file and the delimiter bits.
struct ImportState {
  int lastLine = 0;
  int sourceLanguage = 0;
  int targetLanguage = 0;
  QString path;
  int bits = 3;

  QString text() const;
  // The record of a non-empty setting; delimiter bits without Tab, Semicolon or Comma
  // become 3. Nothing when it names no file.
  static std::optional<ImportState> parse(const QString &text);
};

// The file, languages and delimiters the open dialog of "Import glossary..." yields.
struct GlossaryChoice {
  QString path;
  int sourceLanguage = 0;
  int targetLanguage = 0;
  int bits = 3;
};

// What a transfer between a file and the memory did.
struct MemoryTransfer {
  enum class Status {
    Finished,        // the whole file was read (or written)
    Cancelled,       // the translator stopped it; what was learnt stays
    NotRead,         // the file could not be opened, read or written (error says why)
    Malformed,       // the file is not what it should be; nothing was learnt
    NotConnected,    // the memory could not be opened for the languages
    ChoiceCancelled, // the terminology columns were not chosen
  };
  Status status = Status::Finished;
  int pairs = 0;    // pairs learnt or written
  int lastLine = 0; // the last line of a glossary processed
  QString error;
  bool damaged = false; // the memory reported itself damaged, and takes no more writes
};

// Moves pairs between files and the memory, for a language pair that need not be the
// open task's; the memory is connected to the task's pair again afterwards.
class MemoryTransfers {
public:
  MemoryTransfers(MemoryClient &client, Settings &settings, Prompter &prompter, Progress &progress);

  // The glossary import into the memory, from after line firstLine (0 for a new import).
  // Records "ImportState" when cancelled and clears it when the file was read to its end.
  MemoryTransfer importGlossary(const QString &path, int firstLine, int sourceLanguage,
                                int targetLanguage, int delimiterBits);
  // "Import glossary...": an import that was cancelled is offered for resuming when its
  // file still exists; otherwise `choose` asks for the file (false when cancelled) and
  // the import runs from its start. Nothing when neither happened.
  std::optional<MemoryTransfer>
  glossaryCommand(const std::function<bool(GlossaryChoice &)> &choose);
  // The question that offers to resume an import.
  static QString resumeQuestion(const ImportState &state);

  // Learns the units of a TMX 1.4 file, each with its use counter.
  MemoryTransfer importTmx(const QString &path, int sourceLanguage, int targetLanguage);
  // Writes every pair of the language pair as TMX 1.4; a cancelled export writes nothing.
  MemoryTransfer exportTmx(const QString &path, int sourceLanguage, int targetLanguage);

private:
  bool connectFor(int sourceLanguage, int targetLanguage);
  // Ends a learning batch; false, with the failure in the result, when the memory did not
  // store every pair.
  bool endBatch(MemoryTransfer &result);
  // The memory failed (as the library says right after the call): the result says why.
  void failed(MemoryTransfer &result, const QString &what);
  // Back to the task's pair; the entries forget their remembered translations when the
  // pair was the task's.
  void reconnect(int sourceLanguage, int targetLanguage, bool learnt);

  MemoryClient &m_client;
  Settings &m_settings;
  Prompter &m_prompter;
  Progress &m_progress;
};

} // namespace tarvelo
