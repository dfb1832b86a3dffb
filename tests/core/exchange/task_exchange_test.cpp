// Export and import of a task's translations: round trips in every format, the edge
// cases of the glossary and the catalog, and files that are not what they claim.
#include "exchange/catalog_file.h"
#include "exchange/csv_fields.h"
#include "exchange/exchange_file.h"
#include "exchange/exchange_pairs.h"
#include "exchange_fixture.h"
#include "workbench/filter.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tarvelo::test {
namespace {

class TaskExchangeTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
};

class RoundTrip : public TaskExchangeTest, public ::testing::WithParamInterface<ExchangeFormat> {};

TEST_P(RoundTrip, ImportingTheExportIntoAnEmptyTargetRestoresEveryTranslation) {
  ExchangeTask translated;
  translated.read(true);
  const QString file = path("exchange.out");
  ASSERT_TRUE(translated.exportTo(GetParam(), file));

  ExchangeTask fresh;
  fresh.read(false);
  const ImportResult result = fresh.importFrom(GetParam(), file);
  EXPECT_EQ(result.status, ImportResult::Status::Finished) << result.error.toStdString();
  EXPECT_EQ(fresh.targets(), translated.targets());
  // Every changed entry was filled, inspected, and each record that changed one is one
  // undo step; a record whose text an entry holds already (the empty translation)
  // changes nothing.
  for (TextEntry *entry : result.changed)
    EXPECT_EQ(entry->matchState, Filled);
  for (TextEntry *entry : result.changed)
    EXPECT_TRUE(fresh.inspected.contains(entry)) << entry->identifier.toStdString();
  int steps = 0;
  while (fresh.undo.undo())
    ++steps;
  EXPECT_EQ(steps, result.applied);
  EXPECT_LE(result.applied, result.matched);
  ExchangeTask empty;
  empty.read(false);
  EXPECT_EQ(fresh.targets(), empty.targets());
}

TEST_P(RoundTrip, ASecondExportIsTheSameFile) {
  ExchangeTask translated;
  translated.read(true);
  ASSERT_TRUE(translated.exportTo(GetParam(), path("first")));
  ExchangeTask fresh;
  fresh.read(false);
  fresh.importFrom(GetParam(), path("first"));
  ASSERT_TRUE(fresh.exportTo(GetParam(), path("second")));
  QByteArray first = fileBytes(path("first")), second = fileBytes(path("second"));
  if (GetParam() == ExchangeFormat::Catalog) {
    // The dates of the header may differ by a minute.
    first = first.mid(first.indexOf("\n\n"));
    second = second.mid(second.indexOf("\n\n"));
  }
  QString firstText = QString::fromUtf8(first), secondText = QString::fromUtf8(second);
  if (GetParam() == ExchangeFormat::Xliff) {
    // Imported translations are "filled": they await review.
    EXPECT_TRUE(secondText.contains(QLatin1String("needs-review-translation")));
    const QRegularExpression state(QStringLiteral(" state=\"[^\"]*\""));
    firstText.remove(state);
    secondText.remove(state);
  }
  EXPECT_EQ(secondText, firstText);
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip,
                         ::testing::Values(ExchangeFormat::Glossary, ExchangeFormat::Catalog,
                                           ExchangeFormat::Xliff),
                         [](const auto &info) {
                           return std::string(info.param == ExchangeFormat::Glossary  ? "Csv"
                                              : info.param == ExchangeFormat::Catalog ? "Po"
                                                                                      : "Xliff");
                         });

// A file larger than an import reads is refused before a byte of it is read, in every
// format, with the limit in the message.
TEST_F(TaskExchangeTest, AFileOverTheLimitIsRefusedWithAMessage) {
  QFile huge(path("huge.xlf"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxExchangeFileBytes + 1));
  huge.close();
  for (const ExchangeFormat format :
       {ExchangeFormat::Glossary, ExchangeFormat::Catalog, ExchangeFormat::Xliff}) {
    ExchangeTask task;
    task.read(false);
    const ImportResult result = task.importFrom(format, path("huge.xlf"));
    EXPECT_EQ(result.status, ImportResult::Status::Malformed) << int(format);
    EXPECT_TRUE(result.error.contains("is larger than 100 MB, the most that is read"))
        << result.error.toStdString();
    EXPECT_TRUE(result.changed.isEmpty());
  }
}

TEST_F(TaskExchangeTest, AGlossaryIsUtf16WithItsHeaderAndOneLinePerDistinctPair) {
  ExchangeTask task;
  task.read(true,
            QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Save\"\n  B \"Save\"\n"
                           "  C \"Save\"\n  D \"Say \"\"hi\"\"\"\nEND\n"),
            QStringLiteral("LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n  A \"Sichern\"\n  B \"Sichern\"\n"
                           "  C \"Sichern\"\n  D \"Sag \"\"hi\"\"\"\nEND\n"));
  task.find(QStringLiteral("A"))->setTargetComment(QStringLiteral("checked"));
  ASSERT_TRUE(task.exportTo(ExchangeFormat::Glossary, path("g.csv")));
  const QByteArray bytes = fileBytes(path("g.csv"));
  ASSERT_TRUE(bytes.startsWith("\xff\xfe"));
  const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                          (bytes.size() - 2) / 2);
  EXPECT_EQ(text, QStringLiteral("\"Tarvelo Export - Source File: '/work/example.rc', Source "
                                 "Language: English (United States), Target File: "
                                 "'/work/example_de.rc', Target Language: German (Germany)\""
                                 "\t\t\t\r\n\r\n"
                                 "\"Save\"\t\"\"\t\"Sichern\"\t\"checked\"\r\n"
                                 "\"Say \"\"hi\"\"\"\t\"\"\t\"Sag \"\"hi\"\"\"\t\"\"\r\n"));
}

TEST_F(TaskExchangeTest, ACatalogSplitsAfterEachNewlineEscapeAndTellsRepeatedSourcesApart) {
  ExchangeTask task;
  task.read(true);
  ASSERT_TRUE(task.exportTo(ExchangeFormat::Catalog, path("c.po")));
  const QString text = QString::fromUtf8(fileBytes(path("c.po")));
  EXPECT_FALSE(text.contains(u'\r'));
  EXPECT_TRUE(text.contains(QStringLiteral("msgid \"\"\n\"First line\\n\"\n\"Second line\\n\"\n"
                                           "\"Third\"\nmsgstr \"\"\n\"Erste Zeile\\n\"\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("msgid \"Keep \\\\n as is\"\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("msgid \"Say \\\"hello\\\" now\"\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("msgctxt \"STRINGTABLE IDS_OPEN1, STRINGTABLE "
                                           "IDS_OPEN3\"\nmsgid \"Open\"\n")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("msgctxt \"STRINGTABLE IDS_OPEN2, DIALOG "
                                           "IDD_ABOUT/IDOK\"\nmsgid \"Open\"\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("\"Content-Type: text/plain; charset=UTF-8\\n\"\n")));
}

TEST_F(TaskExchangeTest, FilteredItemsExportOnlyThosePassingTheFilter) {
  ExchangeTask task;
  task.read(true);
  const EntryTest emptyOnly = [](const TextEntry &entry) { return entry.targetText.isEmpty(); };
  ASSERT_TRUE(task.exportTo(ExchangeFormat::Catalog, path("f.po"), emptyOnly));
  const QString text = QString::fromUtf8(fileBytes(path("f.po")));
  EXPECT_EQ(text.count(QStringLiteral("msgid ")), 2) << text.toStdString(); // header and one
  EXPECT_TRUE(text.contains(QStringLiteral("msgid \"Not translated yet\"\nmsgstr \"\"\n")));
}

TEST_F(TaskExchangeTest, AGlossaryTargetTakesTheSpacesOfTheEntrysSource) {
  ExchangeTask task;
  task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"  Open\"\nEND\n"));
  writeFile(path("g.csv"), utf16File(QStringLiteral("\" Open \"\t\"\"\t\" Offen \"\r\n")));
  task.importFrom(ExchangeFormat::Glossary, path("g.csv"));
  EXPECT_EQ(task.find(QStringLiteral("A"))->targetText, QStringLiteral("  Offen"));
}

TEST_F(TaskExchangeTest, GlossaryLayouts) {
  const struct {
    const char *name;
    QString file;
    int bits;
    const char *expected;
  } cases[] = {
      // Two fields without the program's header: the target is read from the third.
      {"two fields", QStringLiteral("Open\tOffen\r\n"), 1, ""},
      {"three fields", QStringLiteral("Open\tx\tOffen\r\n"), 1, "Offen"},
      {"comma only", QStringLiteral("Open,x,Offen;y\r\n"), 4, "Offen;y"},
      {"wrong delimiter", QStringLiteral("Open;x;Offen\r\n"), 4, ""},
      {"empty lines", QStringLiteral("\r\n\r\nOpen\tx\tOffen\r\n\r\n"), 1, "Offen"},
      {"unbalanced quotes", QStringLiteral("\"Open\tx\tOffen\r\n"), 1, ""},
      {"own header",
       QStringLiteral("\"Tarvelo Export - x\"\t\t\t\r\nOpen\tx\tWrong\r\n"
                      "\"Open\"\t\"\"\t\"Offen\"\t\"\"\r\n"),
       1, "Offen"},
  };
  for (const auto &c : cases) {
    ExchangeTask task;
    task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Open\"\nEND\n"));
    writeFile(path("g.csv"), utf16File(c.file));
    const ImportResult result = task.importFrom(ExchangeFormat::Glossary, path("g.csv"), c.bits);
    EXPECT_EQ(result.status, ImportResult::Status::Finished) << c.name;
    EXPECT_EQ(task.find(QStringLiteral("A"))->targetText, QString::fromUtf8(c.expected)) << c.name;
  }
}

TEST_F(TaskExchangeTest, AGlossaryInTheSystemCodePageIsRead) {
  ExchangeTask task;
  task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Open\"\nEND\n"));
  writeFile(path("g.csv"), "Open;x;\xd6"
                           "ffnen\r\n");
  task.importFrom(ExchangeFormat::Glossary, path("g.csv"), DelimiterSemicolon);
  EXPECT_EQ(task.find(QStringLiteral("A"))->targetText, QString::fromUtf8("\xc3\x96"
                                                                          "ffnen"));
}

TEST_F(TaskExchangeTest, ATerminologyFileAsksForItsColumns) {
  QString file;
  for (int i = 1; i <= 10; ++i)
    file += QStringLiteral("Microsoft Terminology line %1\r\n").arg(i);
  file += QStringLiteral("ID\tEnglish (United States)\tPOS\tGerman (Germany)\tFrench (France)\r\n"
                         "x\r\ny\r\n"
                         "1\tfile\tnoun\tDatei\tfichier\r\n");
  writeFile(path("t.csv"), utf16File(file));
  for (const bool accept : {true, false}) {
    ExchangeTask task;
    task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"file\"\nEND\n"));
    struct Choosing : ScriptedPrompter {
      bool accept = true;
      QList<TerminologyRequest> asked;
      bool chooseTerminologyColumns(TerminologyRequest &request) override {
        asked.append(request);
        return accept;
      }
    } prompter;
    prompter.accept = accept;
    ImportTarget into = task.target();
    const ImportResult result = importTask(into, ExchangeFormat::Glossary, path("t.csv"), 1,
                                           kEnglish, kGerman, prompter, task.ws.progress);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].fields, QStringList({"ID", "English (United States)", "POS",
                                                     "German (Germany)", "French (France)"}));
    EXPECT_EQ(prompter.asked[0].source, 1);
    EXPECT_EQ(prompter.asked[0].target, 3);
    EXPECT_EQ(task.find(QStringLiteral("A"))->targetText,
              accept ? QStringLiteral("Datei") : QString());
    EXPECT_EQ(result.status,
              accept ? ImportResult::Status::Finished : ImportResult::Status::ChoiceCancelled);
  }
}

TEST_F(TaskExchangeTest, CatalogRecords) {
  const struct {
    const char *name;
    const char *file;
    const char *expected; // the target of A, which was "Alt"
  } cases[] = {
      {"plain", "msgid \"Open\"\nmsgstr \"Offen\"\n", "Offen"},
      {"empty msgstr empties", "msgid \"Open\"\nmsgstr \"\"\n", ""},
      {"fuzzy is skipped", "#, fuzzy, c-format\nmsgid \"Open\"\nmsgstr \"Offen\"\n", "Alt"},
      {"fuzzy mark cleared after a record",
       "#, fuzzy\nmsgid \"x\"\nmsgstr \"y\"\n\nmsgid \"Open\"\nmsgstr \"Offen\"\n", "Offen"},
      {"continued lines", "msgid \"\"\n\"Op\"\n\"en\"\nmsgstr \"\"\n\"Of\"\n\"fen\"\n", "Offen"},
      {"unterminated msgid", "msgid \"Open\nmsgstr \"Offen\"\n", "Alt"},
      {"unterminated msgstr line ends it", "msgid \"Open\"\nmsgstr \"Offen\"\n\"more\n", "Offen"},
      {"escaped quote at the end", "msgid \"Open\"\nmsgstr \"Offen\\\"\n", "Alt"},
      {"no header, first record applies", "msgid \"Open\"\nmsgstr \"Offen\"", "Offen"},
      {"obsolete records", "#~ msgid \"Open\"\n#~ msgstr \"Offen\"\n", "Alt"},
      {"context of another tool", "msgctxt \"menu\"\nmsgid \"Open\"\nmsgstr \"Offen\"\n", "Offen"},
      {"context of the entry", "msgctxt \"STRINGTABLE A\"\nmsgid \"Open\"\nmsgstr \"Offen\"\n",
       "Offen"},
      {"crlf lines", "msgid \"Open\"\r\nmsgstr \"Offen\"\r\n", "Offen"},
  };
  for (const auto &c : cases) {
    ExchangeTask task;
    task.read(true, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Open\"\nEND\n"),
              QStringLiteral("LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n  A \"Alt\"\nEND\n"));
    writeFile(path("c.po"), QByteArray(c.file));
    task.importFrom(ExchangeFormat::Catalog, path("c.po"));
    EXPECT_EQ(task.find(QStringLiteral("A"))->targetText, QString::fromUtf8(c.expected)) << c.name;
  }
}

TEST_F(TaskExchangeTest, ACatalogIsReadInTheCodePageItsHeaderNames) {
  ExchangeTask task;
  task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Yes\"\nEND\n"));
  writeFile(path("c.po"),
            "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=windows-1250\\n\"\n"
            "\nmsgid \"Yes\"\nmsgstr \"\xc1no \x9a\"\n");
  task.importFrom(ExchangeFormat::Catalog, path("c.po"));
  EXPECT_EQ(task.find(QStringLiteral("A"))->targetText, QString::fromUtf8("\xc3\x81no \xc5\xa1"));
}

TEST_F(TaskExchangeTest, OnlyFilteredItemsChangeWhenSoChosen) {
  ExchangeTask task;
  task.read(true,
            QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Open\"\n  B \"Open\"\nEND\n"),
            QStringLiteral("LANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n  A \"\"\n  B \"Auf\"\nEND\n"));
  writeFile(path("c.po"), "msgid \"Open\"\nmsgstr \"Offen\"\n");
  task.importFrom(ExchangeFormat::Catalog, path("c.po"), 3,
                  [](const TextEntry &entry) { return entry.targetText.isEmpty(); });
  EXPECT_EQ(task.targets(), QStringLiteral("A=Offen\nB=Auf\n"));
}

TEST_F(TaskExchangeTest, BrokenXliffChangesNothing) {
  const struct {
    const char *name;
    const char *file;
    const char *says;
  } cases[] = {
      {"not well-formed",
       "<xliff version=\"1.2\"><file><body><trans-unit id=\"1\"><source>Open</source>"
       "<target>Offen</target></trans-unit><trans-unit>",
       "not well-formed"},
      {"another version", "<xliff version=\"2.0\"><file/></xliff>", "XLIFF 2.0"},
      {"not xliff", "<html/>", "not an XLIFF"},
      {"entity bomb",
       "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
       "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
       "<xliff version=\"1.2\"><file><body><trans-unit id=\"1\"><source>Open</source>"
       "<target>&c;</target></trans-unit></body></file></xliff>",
       "entities"},
      {"external entity",
       "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM \"/etc/passwd\">]>"
       "<xliff version=\"1.2\"><file><body><trans-unit id=\"1\"><source>Open</source>"
       "<target>&e;</target></trans-unit></body></file></xliff>",
       "entities"},
      {"undeclared entity",
       "<xliff version=\"1.2\"><file><body><trans-unit id=\"1\"><source>Open</source>"
       "<target>&e;</target></trans-unit></body></file></xliff>",
       "ntity"},
  };
  for (const auto &c : cases) {
    ExchangeTask task;
    task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Open\"\nEND\n"));
    writeFile(path("x.xlf"), QByteArray(c.file));
    const ImportResult result = task.importFrom(ExchangeFormat::Xliff, path("x.xlf"));
    EXPECT_EQ(result.status, ImportResult::Status::Malformed) << c.name;
    EXPECT_TRUE(result.error.contains(QLatin1String(c.says)))
        << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(task.find(QStringLiteral("A"))->targetText, QString()) << c.name;
    EXPECT_FALSE(task.undo.canUndo()) << c.name;
  }
}

TEST_F(TaskExchangeTest, XliffUnitsOfOtherToolsAreMatchedBySourceOrIdentifier) {
  ExchangeTask task;
  task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Open\"\n  B \"Open\"\n"
                                  "  C \"Close\"\nEND\n"));
  writeFile(path("x.xlf"),
            "<?xml version=\"1.0\"?>\n<xliff version=\"1.2\" "
            "xmlns=\"urn:oasis:names:tc:xliff:document:1.2\"><file original=\"x\" "
            "source-language=\"en\" datatype=\"plaintext\"><body>"
            "<trans-unit id=\"a\" resname=\"B\"><source>Open</source><target>Auf<g "
            "id=\"1\">machen</g></target><note>from a tool</note></trans-unit>"
            "<trans-unit id=\"b\"><source>Close</source><target>Schlie&#xdf;en</target>"
            "</trans-unit><trans-unit id=\"c\"><source>Gone</source></trans-unit>"
            "</body></file></xliff>");
  const ImportResult result = task.importFrom(ExchangeFormat::Xliff, path("x.xlf"));
  EXPECT_EQ(result.records, 2);
  EXPECT_EQ(task.targets(), QString::fromUtf8("A=\nB=Aufmachen\nC=Schlie\xc3\x9f"
                                              "en\n"));
  EXPECT_EQ(task.find(QStringLiteral("B"))->targetComment(), QStringLiteral("from a tool"));
}

TEST_F(TaskExchangeTest, GarbageImportsNothingAndEndsQuickly) {
  QByteArray garbage;
  garbage.reserve(8 << 20);
  quint32 seed = 7;
  while (garbage.size() < (8 << 20)) {
    seed = seed * 1664525u + 1013904223u;
    garbage.append(char(seed >> 24));
  }
  writeFile(path("g.po"), garbage);
  writeFile(path("g.csv"), garbage);
  writeFile(path("g.xlf"), garbage);
  for (const auto &[format, name] :
       {std::pair{ExchangeFormat::Catalog, "g.po"}, std::pair{ExchangeFormat::Glossary, "g.csv"},
        std::pair{ExchangeFormat::Xliff, "g.xlf"}}) {
    ExchangeTask task;
    task.read(false, QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n  A \"Open\"\nEND\n"));
    const ImportResult result = task.importFrom(format, path(name));
    EXPECT_TRUE(result.changed.isEmpty()) << name;
  }
}

TEST_F(TaskExchangeTest, AFileThatCannotBeWrittenIsReportedAndLeavesNoTrace) {
  ExchangeTask task;
  task.read(true);
  // The message names the file and the cause, as every failed write does.
  QString error;
  EXPECT_FALSE(task.exportTo(ExchangeFormat::Catalog, path("missing/dir/c.po"), nullptr, &error));
  EXPECT_EQ(error, QStringLiteral("The file '%1' could not be written: No such file or "
                                  "directory. The files on the disk were left as they were.")
                       .arg(QDir::toNativeSeparators(path("missing/dir/c.po"))));
  EXPECT_FALSE(task.exportTo(ExchangeFormat::Catalog, dir.path(), nullptr, &error));
  EXPECT_TRUE(error.contains(QStringLiteral("could not be written: it is not a regular file")))
      << error.toStdString();
  EXPECT_EQ(task.importFrom(ExchangeFormat::Catalog, path("none.po")).status,
            ImportResult::Status::NotRead);
  EXPECT_EQ(task.importFrom(ExchangeFormat::Catalog, dir.path()).status,
            ImportResult::Status::NotRead);
}

TEST_F(TaskExchangeTest, CancellingStopsAfterTheCurrentRecordWhoseStepsStay) {
  ExchangeTask translated;
  translated.read(true);
  ASSERT_TRUE(translated.exportTo(ExchangeFormat::Xliff, path("x.xlf")));
  ExchangeTask task;
  task.read(false);
  struct Cancelling : NullProgress {
    int positions = 0;
    void setPosition(int) override { ++positions; }
    bool cancelled() const override { return positions >= 3; }
  } progress;
  ImportTarget into = task.target();
  const ImportResult result = importTask(into, ExchangeFormat::Xliff, path("x.xlf"), 3, kEnglish,
                                         kGerman, task.ws.prompter, progress);
  EXPECT_EQ(result.status, ImportResult::Status::Cancelled);
  EXPECT_EQ(result.records, 3);
  int steps = 0;
  while (task.undo.undo())
    ++steps;
  EXPECT_EQ(steps, 3);
}

} // namespace
} // namespace tarvelo::test
