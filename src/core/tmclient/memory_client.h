// The program's side of the translation memory: lookups, filling and learning.
#pragma once

#include "tmclient/auto_completion.h"
#include "tmclient/memory_options.h"
#include "tmclient/tm_library.h"
#include "workbench/item_menu.h"
#include "workbench/memory_port.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace tarvelo {

class EntryList;
class Progress;
class Prompter;
class Settings;
class TextEntry;

// What a learning run did: the pairs the memory stored, and those it was given but did
// not store (the translator has been told why).
struct LearnResult {
  int stored = 0;
  int notStored = 0;
  bool damaged = false; // the memory reported itself damaged
};

// What filling did: the targets filled, and the empty ones that could not be looked up
// because the memory failed (the translator has been told).
struct FillResult {
  int filled = 0; // fuzzy ones included
  int fuzzy = 0;  // filled with a fuzzy match, and marked fuzzy
  int unread = 0;
};

// A stored pair whose source is like a text.
struct FuzzyPair {
  QString source;
  QString target;
  int score = 0;
};

// The program's side of the translation memory: connecting for the open task's
// languages, filling empty targets, the remembered translations of an entry,
// learning translations and the options of the memory. Every feature tests the
// export it needs and is silently absent without it.
class MemoryClient final : public MemoryPort {
public:
  MemoryClient(const TmExports &exports, EntryList &entries, Settings &settings, Prompter &prompter,
               Progress &progress);

  // Re-runs the automatic inspection of an entry whose target the memory filled.
  void setInspector(std::function<void(TextEntry *)> inspect) { m_inspect = std::move(inspect); }

  // Start-up: reads the options and points the library at the memory folder.
  void start();
  // Exit: writes the options back.
  void finish();
  const MemoryOptions &options() const { return m_options; }
  // What the library offers; the options page, for one, needs AddPair.
  const TmExports &exports() const { return m_exports; }

  // MemoryPort
  bool isBound() const override { return m_exports.connectTM != nullptr; }
  void connect(int sourceLanguage, int targetLanguage) override {
    connectTo(sourceLanguage, targetLanguage);
  }
  void fillEmptyTargets(bool fill) override { fillTargets(fill); }
  void learnTranslations(int targetLanguage) override { learn(targetLanguage); }

  // Connects for a language pair; false when the memory cannot be used.
  bool connectTo(int sourceLanguage, int targetLanguage);
  int sourceLanguage() const { return m_sourceLanguage; }
  int targetLanguage() const { return m_targetLanguage; }

  // Forgets every entry's remembered translations and, when fill is true, sets each
  // empty target to the most used one; with the fuzzy fill on, what stays empty gets the
  // best fuzzy match and is marked fuzzy, to be reviewed.
  FillResult fillTargets(bool fill);
  // The remembered translations of any source text, most used first; none when the
  // memory knows none or cannot be read.
  QStringList remembered(const QString &source);
  // The remembered translations of the entry's source text, most used first, kept on
  // the first entry of its occurrence chain.
  QStringList alternatives(TextEntry *entry);
  // The same for readers that hold the entry read-only, such as the filter: the cache
  // is not part of what the entry says.
  QStringList alternatives(const TextEntry &entry) {
    return alternatives(const_cast<TextEntry *>(&entry));
  }

  // Learns the translations of the entry list for the connected source language and
  // this target language, then connects to the task's pair again. What the memory
  // failed to store is reported through the prompter.
  LearnResult learn(int targetLanguage);
  // Learns one pair, asking first when both texts are the same. 1 when stored.
  int learnPair(const QString &source, const QString &target, int increment);

  // The target editor's completion after a typed character: needs AutoComplete on
  // and the remembered translations of the entry shown.
  std::optional<Completion> complete(TextEntry *entry, const QString &text, int selectionStart,
                                     int selectionEnd);

  // AddPair is bound: "Add to Translation Memory" and the options page are offered,
  // whether or not the memory can be connected.
  bool addPairBound() const { return m_exports.addPair != nullptr; }
  // "Add to Translation Memory": whether it is offered, and the pair stored at once.
  bool canAddToMemory(const TextEntry &entry) const;
  bool addToMemory(TextEntry *entry);
  // "Paste Translation Memory": each remembered text once, labelled for a menu.
  QList<MenuText> pasteTexts(TextEntry *entry);
  // Whether the library finds fuzzy matches.
  bool fuzzyBound() const { return m_exports.fuzzyTM && m_exports.freeTM; }
  // The stored pairs whose source scores at least minScore against the text, best first;
  // when the memory could not be read, none, and *failure (when given) says why.
  QList<FuzzyPair> fuzzyPairs(const QString &text, int minScore, int maxCount,
                              MemoryFailure *failure = nullptr);
  // The item menu's memory translations: the remembered ones (100), then the fuzzy
  // matches of the source text from kMenuFuzzyScore on.
  QList<MemoryMatch> memoryMatches(TextEntry *entry);
  static constexpr int kMenuFuzzyScore = 50;
  static constexpr int kMenuFuzzyCount = 10;

  // The filter's memory criterion: the target is not empty, there are remembered
  // translations and the target is none of them.
  bool differsFromMemory(TextEntry *entry);

  // The stored pairs (source, target) whose source holds all or any of the words; when the
  // memory could not be read, none, and *failure (when given) says why.
  QList<QPair<QString, QString>> search(const QStringList &words, bool allWords,
                                        MemoryFailure *failure = nullptr);
  // The memory as the translator should see it in messages: a folder, or a server's URI
  // without its password.
  QString location() const { return memoryFolder(); }

  // OK of the options: a new memory folder takes effect at once; the options are
  // kept and written to the settings.
  void applyOptions(const MemoryOptions &options);
  // Why the library cannot hold a memory at the location (a server not answering, a
  // folder that cannot be made); empty when it can or cannot tell.
  QString locationProblem(const QString &location) const;

  // How long learning goes on trying the pairs that a memory locked by another program
  // refused, once the library's own wait for the lock has run out.
  void setBusyRetry(std::chrono::milliseconds bound) { m_busyRetry = bound; }
  static constexpr std::chrono::milliseconds kBusyRetry{5000};

private:
  struct Batch;
  struct Offered;

  void forgetAlternatives();
  // Null failed is for callers that do without the memory quietly when it fails.
  QStringList rootAlternatives(TextEntry *root, bool *failed = nullptr);
  // Fills one empty entry with its chain's most used translation, else with the best
  // fuzzy match (asked once per chain); true when the memory could not be read.
  bool fillEntry(TextEntry *entry, TextEntry *root, bool fuzzy,
                 QHash<const TextEntry *, QString> &bestFuzzy, FillResult &result);
  // Tells the translator how many empty items the memory could not fill.
  void reportUnfilled(int unread, int searched);
  // Whether the pair is to be learnt: both texts, and the same-text question.
  bool wantsPair(const QString &source, const QString &target);
  Batch endBatch(int offered);
  void retryLocked(const std::vector<Offered> &offered, Batch &outcome);
  void reportNotLearnt(const LearnResult &result, int failure, const QString &reason);
  QString memoryFolder() const;

  TmExports m_exports;
  EntryList &m_entries;
  Settings &m_settings;
  Prompter &m_prompter;
  Progress &m_progress;
  std::function<void(TextEntry *)> m_inspect;
  MemoryOptions m_options;
  int m_sourceLanguage = 0;
  int m_targetLanguage = 0;
  // The same-text choice: 0 ask, 1 Yes to All, -1 No to All.
  int m_sameTextChoice = 0;
  std::chrono::milliseconds m_busyRetry = kBusyRetry;
};

} // namespace tarvelo
