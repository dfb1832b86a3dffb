// A real memory library in a temporary folder, with recording helpers, for client tests.
#pragma once

#include "script/after_read.h"
#include "script/entry_list.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "test_support.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"

#include <QDir>
#include <QList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace tarvelo::test {

inline constexpr int kEnglish = 1033;
inline constexpr int kGerman = 1031;
inline constexpr int kCzech = 1029;

// The built memory library.
inline QString kestrinePath() {
  return QDir(QStringLiteral(TARVELO_BIN_DIR)).filePath(QStringLiteral("kestrine"));
}

// Records what the progress window is told and cancels after a number of steps.
class RecordingProgress : public Progress {
public:
  void begin(const QString &title) override { titles.append(title); }
  void setText(const QString &text) override { texts.append(text); }
  void setRange(int, int maximum) override { this->maximum = maximum; }
  void setPosition(int position) override { ++steps, this->position = position; }
  void serve() override {}
  bool cancelled() const override { return cancelAfter >= 0 && steps >= cancelAfter; }
  void end() override { ++ended; }

  QStringList titles, texts;
  int maximum = -1, position = -1, steps = 0, ended = 0;
  int cancelAfter = -1; // -1 never
};

// Calls into the library, counted and recorded on the way.
struct ExportLog {
  static inline GetTMFn realGetTM = nullptr;
  static inline LookupTMFn realLookupTM = nullptr;
  static inline AddPairFn realAddPair = nullptr;
  static inline QStringList lookups;
  static inline QList<std::tuple<QString, QString, int>> added;

  static int32_t getTM(const char16_t *text, TmTextList *list) {
    lookups.append(QString::fromUtf16(text));
    return realGetTM(text, list);
  }
  static int32_t lookupTM(const char16_t *text, TmTextList *list) {
    lookups.append(QString::fromUtf16(text));
    return realLookupTM(text, list);
  }
  static int32_t addPair(const char16_t *source, const char16_t *target, int32_t increment) {
    added.append({QString::fromUtf16(source), QString::fromUtf16(target), increment});
    return realAddPair(source, target, increment);
  }
  // The exports with lookups and learning recorded.
  static TmExports wrap(const TmExports &exports) {
    realGetTM = exports.getTM;
    realLookupTM = exports.lookupTM;
    realAddPair = exports.addPair;
    lookups.clear();
    added.clear();
    TmExports wrapped = exports;
    wrapped.getTM = &getTM;
    wrapped.lookupTM = exports.lookupTM ? &lookupTM : nullptr;
    wrapped.addPair = &addPair;
    return wrapped;
  }
};

// A real memory in a temporary folder, with an entry list to work on.
class MemoryFixture : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(library.load(kestrinePath())) << library.fileName().toStdString();
    settings.setText(QStringLiteral("TMPath"), folder.filePath(QStringLiteral("TM")));
    makeClient(ExportLog::wrap(library.exports()));
  }

  void makeClient(const TmExports &exports) {
    client = std::make_unique<MemoryClient>(exports, entries, settings, prompter, progress);
    client->start();
    client->setInspector([this](TextEntry *entry) { inspected.append(entry); });
  }
  bool connect(int source = kEnglish, int target = kGerman) {
    return client->connectTo(source, target);
  }
  // Stores a pair directly, count times.
  void remember(const QString &source, const QString &target, int count = 1) {
    library.exports().addPair(reinterpret_cast<const char16_t *>(source.utf16()),
                              reinterpret_cast<const char16_t *>(target.utf16()), count);
  }
  TextEntry *add(const QString &source, const QString &target = QString(),
                 const QString &kind = QStringLiteral("STRINGTABLE")) {
    auto entry = makeEntry(kind, false);
    entry->kind = kind;
    entry->identifier = QStringLiteral("ID_%1").arg(entries.size());
    entry->sourceText = source;
    entry->targetText = target;
    return entries.append(std::move(entry));
  }
  void link() { linkOccurrences(entries); }

  // Points the client, connected for its pair, at another memory folder.
  void useMemory(const QString &path) {
    MemoryOptions options = client->options();
    options.tmPath = path;
    client->applyOptions(options);
  }
  static std::filesystem::path databaseIn(const QString &path) {
    return std::filesystem::path(path.toStdString()) / "Kestrine.db";
  }
  // A memory of many pairs ("Text number i" -> "Text i", English to German) whose file
  // is damaged from its second page to three quarters of it: it opens, but no lookup
  // and no learning gets through.
  QString damagedMemory() {
    const QString path = folder.filePath(QStringLiteral("Damaged"));
    const TmExports &memory = library.exports();
    memory.disconnectTM(); // a new folder takes effect at the next connection
    memory.setTMPath(reinterpret_cast<const char16_t *>(path.utf16()));
    EXPECT_EQ(memory.connectTM(kEnglish, kGerman), 1);
    memory.beginTMBatch();
    for (int i = 0; i < 3000; ++i)
      remember(QStringLiteral("Text number %1").arg(i), QStringLiteral("Text %1").arg(i));
    memory.endTMBatch();
    memory.disconnectTM();
    EXPECT_TRUE(kestrine_test::damagePages(databaseIn(path), 0, 0.75, 7));
    return path;
  }

  QTemporaryDir folder;
  TmLibrary library;
  EntryList entries;
  MemorySettings settings;
  ScriptedPrompter prompter;
  RecordingProgress progress;
  std::unique_ptr<MemoryClient> client;
  QList<TextEntry *> inspected;
};

} // namespace tarvelo::test
