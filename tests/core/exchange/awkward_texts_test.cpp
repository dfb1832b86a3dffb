// Every text that travels badly comes back exactly from every exchange format, as a
// source and as a translation; the tools of the trade read the same texts from our
// files, and what they write again imports as well.
#include "exchange/catalog_file.h"
#include "exchange/csv_fields.h"
#include "exchange/tmx_file.h"
#include "exchange_fixture.h"
#include "tool_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace tarvelo::test {
namespace {

struct Awkward {
  const char *name;
  QString text; // as held: script escapes as written
};

const std::vector<Awkward> &awkwardTexts() {
  static const std::vector<Awkward> texts = {
      {"lone backslash", u"C:\\dir"_qs},
      {"backslash at the end", u"end\\"_qs},
      {"escaped backslashes", u"C:\\\\Program Files\\\\App"_qs},
      {"escaped backslash and n", u"keep \\\\n so"_qs},
      {"backslash and quote", u"a\\\"b"_qs},
      {"newline escape", u"First\\nSecond"_qs},
      {"newline escape at the end", u"Ends\\n"_qs},
      {"tab escape", u"Name:\\tValue"_qs},
      {"octal and hex escapes", u"\\251 \\x41"_qs},
      {"tab", u"A\tB"_qs},
      {"line feed", u"Line\nfeed"_qs},
      {"carriage return and line feed", u"Dos\r\nline"_qs},
      {"line feed first", u"\nLeading"_qs},
      {"quotes", u"Say \"hello\" now"_qs},
      {"quoted", u"\"Quoted\""_qs},
      {"percent", u"%d of %s, 100%%"_qs},
      {"ampersands", u"Save && E&xit"_qs},
      {"umlauts", u"Gr\u00f6\u00dfe \u00e4ndern"_qs},
      {"chinese", u"\u4e2d\u6587\u6587\u672c"_qs},
      {"arabic", u"\u0645\u0646 \u0627\u0644\u064a\u0645\u064a\u0646"_qs},
      {"outside the basic plane", u"\U0001F600 Smile"_qs},
      {"delimiters", u"a;b,c\td"_qs},
      {"catalog lookalike", u"#, fuzzy msgid \"x\""_qs},
      {"markup", u"<b>&amp;</b> ]]>"_qs},
  };
  return texts;
}

// The translation of an awkward source, and the source of an awkward translation.
QString translationOf(const QString &text) {
  return u"\u00dc "_qs + text;
}
QString sourceFor(size_t i) {
  return QStringLiteral("Quelle %1").arg(i);
}

// A task of two entries per awkward text: the text as source (A), and as translation (B).
void readTask(ExchangeTask &task, bool translated) {
  QString script = QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n");
  for (size_t i = 0; i < awkwardTexts().size(); ++i)
    script += QStringLiteral("  A%1 \"a%1\"\n  B%1 \"b%1\"\n").arg(i);
  task.read(false, script + QStringLiteral("END\n"));
  for (size_t i = 0; i < awkwardTexts().size(); ++i) {
    const QString &text = awkwardTexts()[i].text;
    TextEntry *a = task.find(QStringLiteral("A%1").arg(i));
    TextEntry *b = task.find(QStringLiteral("B%1").arg(i));
    a->sourceText = text;
    b->sourceText = sourceFor(i);
    if (translated) {
      a->targetText = translationOf(text);
      b->targetText = text;
    }
  }
}

// The pairs of the task as the file should carry them.
QList<QStringList> heldPairs() {
  QList<QStringList> pairs;
  for (size_t i = 0; i < awkwardTexts().size(); ++i) {
    const QString &text = awkwardTexts()[i].text;
    pairs.append({text, translationOf(text)});
    pairs.append({sourceFor(i), text});
  }
  return pairs;
}

QList<QStringList> jsonPairs(const QByteArray &json) {
  QList<QStringList> pairs;
  for (const QJsonValue &unit : QJsonDocument::fromJson(json).array())
    pairs.append({unit[0].toString(), unit[1].toString()});
  return pairs;
}

QString printable(QString text) {
  return text.replace(u'\n', QLatin1String("<LF>")).replace(u'\r', QLatin1String("<CR>"));
}

// Reads the file with the tools of the trade; with a rewrite path they write it again.
ToolRun readUnits(const char *kind, const QString &path, const QString &rewrite = {}) {
  QStringList arguments{QStringLiteral(TARVELO_TEST_DATA "/exchange/read_units.py"),
                        QLatin1String(kind), path};
  if (!rewrite.isEmpty())
    arguments.append(rewrite);
  return runTool(QStringLiteral("/usr/bin/python3"), arguments);
}

struct Format {
  ExchangeFormat format;
  const char *kind; // of read_units.py
  friend void PrintTo(const Format &format, std::ostream *out) { *out << format.kind; }
};

class AwkwardTexts : public ::testing::TestWithParam<Format> {
protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

  // Imports the file into the task with empty targets; every target must be the held one.
  // A glossary is read with the delimiters it was written with.
  void expectImportRestores(const QString &file,
                            int delimiters = DelimiterTab | DelimiterSemicolon) {
    ExchangeTask translated, fresh;
    readTask(translated, true);
    readTask(fresh, false);
    const ImportResult result = fresh.importFrom(GetParam().format, file, delimiters);
    EXPECT_EQ(result.status, ImportResult::Status::Finished) << result.error.toStdString();
    for (size_t i = 0; i < awkwardTexts().size(); ++i)
      for (const char *side : {"A", "B"}) {
        const QString identifier = QLatin1String(side) + QString::number(i);
        EXPECT_EQ(printable(fresh.find(identifier)->targetText),
                  printable(translated.find(identifier)->targetText))
            << awkwardTexts()[i].name << " as " << (*side == 'A' ? "source" : "translation");
      }
  }

  QTemporaryDir dir;
};

TEST_P(AwkwardTexts, ARoundTripRestoresEveryTextExactly) {
  ExchangeTask task;
  readTask(task, true);
  ASSERT_TRUE(task.exportTo(GetParam().format, path("out")));
  expectImportRestores(path("out"));
}

// What the tools read is the held text: exactly, where the format carries texts as
// they are, and for a catalog wherever a record is written as held; its other records
// hold the script's escapes as PO escapes.
TEST_P(AwkwardTexts, TheToolsOfTheTradeReadTheHeldTexts) {
  ExchangeTask task;
  readTask(task, true);
  ASSERT_TRUE(task.exportTo(GetParam().format, path("out")));
  const ToolRun run = readUnits(GetParam().kind, path("out"));
  ASSERT_EQ(run.status, 0) << run.output.toStdString();
  const QList<QStringList> read = jsonPairs(run.standard);
  const QList<QStringList> held = heldPairs();
  ASSERT_EQ(read.size(), held.size()) << run.output.toStdString();
  for (qsizetype i = 0; i < held.size(); ++i) {
    const bool asHeld = GetParam().format != ExchangeFormat::Catalog ||
                        heldNeedsLiteral(held[i][0]) || heldNeedsLiteral(held[i][1]);
    for (int side : {0, 1}) {
      const QString expected = asHeld ? held[i][side] : poDecoded(poEscaped(held[i][side]));
      EXPECT_EQ(printable(read[i][side]), printable(expected))
          << awkwardTexts()[size_t(i / 2)].name << " side " << side;
    }
  }
}

// A file those tools read and wrote again restores the texts just as well.
TEST_P(AwkwardTexts, TheToolsRewrittenFileRestoresEveryText) {
  ExchangeTask task;
  readTask(task, true);
  ASSERT_TRUE(task.exportTo(GetParam().format, path("out")));
  const ToolRun run = readUnits(GetParam().kind, path("out"), path("rewritten"));
  ASSERT_EQ(run.status, 0) << run.output.toStdString();
  // Python's csv module quotes only the fields that need it for its one delimiter.
  expectImportRestores(path("rewritten"), DelimiterTab);
}

INSTANTIATE_TEST_SUITE_P(Formats, AwkwardTexts,
                         ::testing::Values(Format{ExchangeFormat::Glossary, "csv"},
                                           Format{ExchangeFormat::Catalog, "po"},
                                           Format{ExchangeFormat::Xliff, "xliff"}),
                         [](const auto &info) { return std::string(info.param.kind); });

class AwkwardCatalog : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    readTask(task, true);
    ASSERT_TRUE(task.exportTo(ExchangeFormat::Catalog, path("c.po")));
  }
  QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
  ExchangeTask task;
};

// gettext checks the catalog and rewrites it; the rewritten catalog restores the texts.
TEST_F(AwkwardCatalog, GettextChecksAndRewritesIt) {
  const ToolRun check =
      runTool(QStringLiteral("msgfmt"),
              {QStringLiteral("-c"), QStringLiteral("-o"), path("c.mo"), path("c.po")});
  EXPECT_EQ(check.status, 0) << check.output.toStdString();
  const ToolRun cat =
      runTool(QStringLiteral("msgcat"), {QStringLiteral("-o"), path("cat.po"), path("c.po")});
  ASSERT_EQ(cat.status, 0) << cat.output.toStdString();
  ExchangeTask fresh;
  readTask(fresh, false);
  fresh.importFrom(ExchangeFormat::Catalog, path("cat.po"));
  EXPECT_EQ(printable(fresh.targets()), printable(task.targets()));
}

// Only the records that need it are written as held; the others keep the script's
// escapes as PO escapes, as the catalog always had them.
TEST_F(AwkwardCatalog, OnlyRecordsThatNeedItAreWrittenAsHeld) {
  const QString catalog = QString::fromUtf8(fileBytes(path("c.po")));
  EXPECT_TRUE(catalog.contains(QStringLiteral("msgid \"C:\\\\dir\"")));
  EXPECT_TRUE(catalog.contains(QStringLiteral("msgid \"\"\n\"First\\n\"\n\"Second\"")));
  EXPECT_TRUE(catalog.contains(QStringLiteral("msgid \"\"\n\"Line\\n\"\n\"feed\"")));
  const qsizetype lone = catalog.indexOf(QStringLiteral("msgid \"C:\\\\dir\""));
  EXPECT_EQ(catalog.lastIndexOf(QLatin1String(kLiteralComment), lone),
            catalog.lastIndexOf(QStringLiteral("\n\n"), lone) + 2);
  qsizetype needing = 0;
  for (const QStringList &pair : heldPairs())
    needing += heldNeedsLiteral(pair[0]) || heldNeedsLiteral(pair[1]) ? 1 : 0;
  EXPECT_GT(needing, 0);
  EXPECT_LT(needing, heldPairs().size());
  EXPECT_EQ(catalog.count(QLatin1String(kLiteralComment)), needing);
}

struct PoValueCase {
  const char *inside;
  const char16_t *value;
};

TEST(PoValues, EveryEscapeOfAPoStringIsDecoded) {
  const PoValueCase cases[] = {
      {"plain", u"plain"},         {"a\\nb\\tc\\rd", u"a\nb\tc\rd"},
      {"q\\\"q\\\\", u"q\"q\\"},   {"\\303\\244", u"\u00e4"}, // octal escapes are bytes of UTF-8
      {"\\x41\\x4a", u"AJ"},       {"\\001\\177", u"\u0001\u007f"},
      {"\\q stays", u"\\q stays"}, {"end\\", u"end\\"},
  };
  for (const PoValueCase &c : cases)
    EXPECT_EQ(poDecoded(QString::fromUtf8(c.inside)), QString::fromUtf16(c.value)) << c.inside;
  for (const Awkward &awkward : awkwardTexts())
    EXPECT_EQ(poDecoded(poLiteral(awkward.text)), awkward.text) << awkward.name;
}

// Memories travel as TMX: the units come back exactly, and translate-toolkit reads them.
TEST(AwkwardTmx, TheUnitsComeBackExactlyAndTheToolkitReadsThem) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TmxWriter writer(kEnglish, kGerman);
  const QList<QStringList> held = heldPairs();
  for (const QStringList &pair : held)
    writer.add({pair[0], pair[1], 1});
  const QString file = dir.filePath(QStringLiteral("m.tmx"));
  writeFile(file, writer.finish());
  QList<QStringList> read;
  QString error;
  ASSERT_TRUE(readTmx(
      fileBytes(file), kEnglish, kGerman,
      [&](const MemoryUnit &unit) {
        read.append({unit.source, unit.target});
        return true;
      },
      error))
      << error.toStdString();
  EXPECT_EQ(read, held);
  const ToolRun run = readUnits("tmx", file);
  ASSERT_EQ(run.status, 0) << run.output.toStdString();
  EXPECT_EQ(jsonPairs(run.standard), held);
}

} // namespace
} // namespace tarvelo::test
