// A task with every text that travels badly, read for the exchange tests.
#pragma once

#include "exchange/task_exchange.h"
#include "script/after_read.h"
#include "support/script_harness.h"
#include "workbench/undo_stack.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo::test {

inline constexpr int kEnglish = 1033;
inline constexpr int kGerman = 1031;

// A source and its translation with every kind of text that travels badly: quotes,
// backslashes, \n escapes, tabs, right-to-left and CJK texts, a source translated two
// ways, spaces around a text and an empty translation.
inline const QString kSource =
    QStringLiteral("LANGUAGE 9, 1\n"
                   "STRINGTABLE\nBEGIN\n"
                   "    IDS_QUOTE \"Say \"\"hello\"\" now\"\n"
                   "    IDS_QUOTED \"\"\"Quoted\"\"\"\n"
                   "    IDS_PATH \"C:\\\\Program Files\\\\App\"\n"
                   "    IDS_LINES \"First line\\nSecond line\\nThird\"\n"
                   "    IDS_KEEP \"Keep \\\\n as is\"\n"
                   "    IDS_TAB \"Name:\\tValue\"\n"
                   "    IDS_RAWTAB \"A\tB\"\n"
                   "    IDS_RTL \"Right to left\"\n"
                   "    IDS_CJK \"Chinese text\"\n"
                   "    IDS_OPEN1 \"Open\"\n"
                   "    IDS_OPEN2 \"Open\"\n"
                   "    IDS_OPEN3 \"Open\"\n"
                   "    IDS_EMPTY \"Not translated yet\"\n"
                   "    IDS_SPACES \"  Padded  \"\n"
                   "    IDS_PERCENT \"%d files, 100%% done\"\n"
                   "END\n"
                   "IDD_ABOUT DIALOGEX 0, 0, 100, 50\nCAPTION \"About\"\nBEGIN\n"
                   "    PUSHBUTTON \"Open\",IDOK,7,20,40,14\n"
                   "END\n");

inline const QString kTarget = QString::fromUtf8(
    "LANGUAGE 7, 1\n"
    "STRINGTABLE\nBEGIN\n"
    "    IDS_QUOTE \"Sag \"\"hallo\"\" jetzt\"\n"
    "    IDS_QUOTED \"\"\"Zitiert\"\"\"\n"
    "    IDS_PATH \"C:\\\\Programme\\\\App\"\n"
    "    IDS_LINES \"Erste Zeile\\nZweite Zeile\\nDritte\"\n"
    "    IDS_KEEP \"Behalte \\\\n so\"\n"
    "    IDS_TAB \"Name:\\tWert\"\n"
    "    IDS_RAWTAB \"C\tD\"\n"
    "    IDS_RTL \"\xd9\x85\xd9\x86 \xd8\xa7\xd9\x84\xd9\x8a\xd9\x85\xd9\x8a\xd9\x86\"\n"
    "    IDS_CJK \"\xe4\xb8\xad\xe6\x96\x87\xe6\x96\x87\xe6\x9c\xac\"\n"
    "    IDS_OPEN1 \"\xc3\x96"
    "ffnen\"\n"
    "    IDS_OPEN2 \"Aufmachen\"\n"
    "    IDS_OPEN3 \"\xc3\x96"
    "ffnen\"\n"
    "    IDS_EMPTY \"\"\n"
    "    IDS_SPACES \"  Gepolstert  \"\n"
    "    IDS_PERCENT \"%d Dateien, 100%% fertig\"\n"
    "END\n"
    "IDD_ABOUT DIALOGEX 0, 0, 100, 50\nCAPTION \"Info\"\nBEGIN\n"
    "    PUSHBUTTON \"Aufmachen\",IDOK,7,20,40,14\n"
    "END\n");

// A task read into a workspace: translated, or with every target empty.
struct ExchangeTask {
  Workspace ws;
  UndoStack undo;
  QList<TextEntry *> inspected;

  void read(bool translated, const QString &source = kSource, const QString &target = kTarget) {
    ASSERT_EQ(ws.readSource(encode(source, Encoding::Utf16), kEnglish), ScriptResult::Ok);
    ws.tasks.head()->sourcePath = QStringLiteral("/work/example.rc");
    ws.tasks.head()->targetLanguage = kGerman;
    if (translated) {
      ASSERT_EQ(ws.readTarget(encode(target, Encoding::Utf16), kGerman), ScriptResult::Ok);
    }
    bool clearFuzzy = false;
    AfterReadContext context{&ws.entries, &ws.prompter, QString(), &clearFuzzy};
    afterTargetRead(ws.tasks.head(), context);
  }
  ImportTarget target(EntryTest filter = nullptr) {
    return {ws.entries, undo, [this](TextEntry *entry) { inspected.append(entry); },
            std::move(filter)};
  }
  // Exports to the file; false when it was not written (error then says why).
  bool exportTo(ExchangeFormat format, const QString &path, EntryTest filter = nullptr,
                QString *error = nullptr) {
    ExportRequest request;
    request.format = format;
    request.path = path;
    request.filter = std::move(filter);
    request.sourcePath = QStringLiteral("/work/example.rc");
    request.targetPath = QStringLiteral("/work/example_de.rc");
    request.sourceLanguage = kEnglish;
    request.targetLanguage = kGerman;
    const ExportResult result = exportTask(ws.entries, request);
    if (error)
      *error = result.error;
    return result.written;
  }
  ImportResult importFrom(ExchangeFormat format, const QString &path, int bits = 3,
                          EntryTest filter = nullptr) {
    ImportTarget into = target(std::move(filter));
    return importTask(into, format, path, bits, kEnglish, kGerman, ws.prompter, ws.progress);
  }
  // Identifier and target of every entry, one a line.
  QString targets() const {
    QString out;
    for (const auto &entry : ws.entries)
      out += entry->identifier + u'=' + entry->targetText + u'\n';
    return out;
  }
  TextEntry *find(const QString &identifier) const {
    for (const auto &entry : ws.entries)
      if (entry->identifier == identifier)
        return entry.get();
    return nullptr;
  }
};

inline QByteArray fileBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A glossary file as the program writes one: UTF-16 with byte-order mark.
inline QByteArray utf16File(const QString &text) {
  QByteArray out("\xff\xfe", 2);
  out.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
  return out;
}

} // namespace tarvelo::test
