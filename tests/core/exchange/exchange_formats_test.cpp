// The rules of the exchange formats, one table each: glossary fields, PO strings and
// charsets, search words and file names.
#include "exchange/catalog_file.h"
#include "exchange/csv_fields.h"
#include "exchange/search_words.h"
#include "exchange/task_exchange.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct FieldCase {
  const char *line;
  int bits;
  QStringList fields;
};

TEST(CsvFields, CutAtTheChosenDelimitersOutsideQuotes) {
  const FieldCase cases[] = {
      {"\"a;b\";x", DelimiterSemicolon, {"a;b", "x"}},
      {"a,b;c", DelimiterComma, {"a", "b;c"}},
      {"a\tb;c,d", DelimiterTab | DelimiterSemicolon, {"a", "b", "c,d"}},
      {"\"say \"\"hi\"\"\"\tx", DelimiterTab, {"say \"hi\"", "x"}},
      {"\"\"\"hi\"\" he said\"", DelimiterTab, {"\"hi\" he said"}},
      {"\"a\tb\"\t\"\"\t\"c\"", DelimiterTab, {"a\tb", "", "c"}},
      {"  padded  ;x", DelimiterSemicolon, {"padded", "x"}},
      {"a;", DelimiterSemicolon, {"a", ""}},
      {"", DelimiterSemicolon, {""}},
      // An unbalanced quote takes the rest of the line.
      {"\"open;x;y", DelimiterSemicolon, {"open;x;y"}},
  };
  for (const FieldCase &c : cases)
    EXPECT_EQ(readCsvFields(QString::fromUtf8(c.line), c.bits, 8), c.fields) << c.line;
}

TEST(CsvFields, StopAtTheFieldsWanted) {
  EXPECT_EQ(readCsvFields(u"a;b;c;d", DelimiterSemicolon, 2), QStringList({"a", "b"}));
}

TEST(CsvFields, AQuotedFieldReadsBackAsWritten) {
  for (const QString &text :
       {QStringLiteral("plain"), QStringLiteral("say \"hi\""), QStringLiteral("\"both ends\""),
        QStringLiteral("tab\tinside; and, more"), QStringLiteral("\"\"")})
    EXPECT_EQ(readCsvFields(quotedCsvField(text), 7, 1), QStringList{text});
}

TEST(CsvFields, AMegabyteLineIsOneField) {
  const QString line = u'"' + QString(1 << 20, u'x') + QLatin1String(";\"");
  const QStringList fields = readCsvFields(line, 7, 4);
  ASSERT_EQ(fields.size(), 1);
  EXPECT_EQ(fields[0].size(), (1 << 20) + 1);
}

struct PoCase {
  const char *held;
  const char *written;
  const char *readBack; // null: the held text
};

TEST(PoStrings, QuotesAndLoneBackslashesAreEscapedEscapesKept) {
  const PoCase cases[] = {
      {"plain", "plain", nullptr},
      {"say \"hi\"", "say \\\"hi\\\"", nullptr},
      {"a\\nb", "a\\nb", nullptr},
      {"C:\\\\dir", "C:\\\\dir", nullptr},
      {"x\\ty\\x41\\101", "x\\ty\\x41\\101", nullptr},
      {"tab\there", "tab\there", nullptr},
      // A backslash that starts no escape is written as one, and read back doubled as a
      // record of another tool is read; the catalog writes such a record as held.
      {"C:\\dir", "C:\\\\dir", "C:\\\\dir"},
      {"end\\", "end\\\\", "end\\\\"},
  };
  for (const PoCase &c : cases) {
    const QString held = QString::fromUtf8(c.held);
    EXPECT_EQ(poEscaped(held), QString::fromUtf8(c.written)) << c.held;
    EXPECT_EQ(poUnescaped(poEscaped(held)), QString::fromUtf8(c.readBack ? c.readBack : c.held))
        << c.held;
  }
}

struct CharsetCase {
  const char *header;
  int page;
};

TEST(PoStrings, TheCharsetOfTheHeaderChoosesTheCodePage) {
  const CharsetCase cases[] = {
      {"Content-Type: text/plain; charset=windows-1250\\n", 1250},
      {"Content-Type: text/plain; charset=WINDOWS-1251\\n", 1251},
      {"Content-Type: text/plain; charset=ISO-8859-2\\n", 28592},
      {"Content-Type: text/plain; charset=koi8-r\\n", 20866},
      {"Content-Type: text/plain; charset= windows-1252 \\n", 1252},
      {"Content-Type: text/plain; charset=UTF-8\\n", 65001},
      {"Content-Type: text/plain; charset=windows-\\n", 42},
      {"Content-Type: text/plain; charset=ebcdic-fr\\n", 42},
      {"Content-Type: text/plain\\n", 42},
  };
  for (const CharsetCase &c : cases)
    EXPECT_EQ(catalogCodePage(QString::fromUtf8(c.header), 42), c.page) << c.header;
}

struct WordsCase {
  const char *text;
  QStringList words;
  const char *written;
};

TEST(SearchWords, PhrasesInQuotesAreOneWord) {
  const WordsCase cases[] = {
      {"save \"file name\" ok", {"save", "file name", "ok"}, "save \"file name\" ok"},
      {"\"say \"\"hi\"\" now\"", {"say \"hi\" now"}, "\"say \"\"hi\"\" now\""},
      {"  two   spaces ", {"two", "spaces"}, "two spaces"},
      {"\"\" \"  \"", {"  "}, "\"  \""},
      {"", {}, ""},
  };
  for (const WordsCase &c : cases) {
    const QStringList words = searchWords(QString::fromUtf8(c.text));
    EXPECT_EQ(words, c.words) << c.text;
    EXPECT_EQ(searchText(words), QString::fromUtf8(c.written)) << c.text;
  }
}

TEST(ExchangeFiles, TheExtensionIsAppendedUnlessTheNameEndsInIt) {
  const struct {
    const char *name;
    ExchangeFormat format;
    const char *chosen;
  } cases[] = {
      {"out", ExchangeFormat::Glossary, "out.csv"},
      {"out.", ExchangeFormat::Glossary, "out.csv"},
      {"out.CSV", ExchangeFormat::Glossary, "out.CSV"},
      {"out.csv", ExchangeFormat::Catalog, "out.csv.po"},
      {"out.Po", ExchangeFormat::Catalog, "out.Po"},
      {"out.xliff", ExchangeFormat::Xliff, "out.xliff"},
      {"out", ExchangeFormat::Xliff, "out.xlf"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(withExtension(QString::fromUtf8(c.name), c.format), QString::fromUtf8(c.chosen));
  EXPECT_EQ(formatOfPath(QStringLiteral("a.PO"), ExchangeFormat::Glossary),
            ExchangeFormat::Catalog);
  EXPECT_EQ(formatOfPath(QStringLiteral("a.xlf"), ExchangeFormat::Glossary), ExchangeFormat::Xliff);
  EXPECT_EQ(formatOfPath(QStringLiteral("a.txt"), ExchangeFormat::Catalog),
            ExchangeFormat::Catalog);
}

} // namespace
} // namespace tarvelo
