// Tests: script files' encodings, lines and line ends, read and written.
#include "script/script_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QStringList readAll(const QByteArray &data, int codePage = 1252) {
  ScriptFile file;
  file.openData(data);
  QStringList lines;
  QString line;
  while (file.readLine(line, codePage))
    lines << line;
  return lines;
}

QByteArray utf16(const char16_t *text) {
  const QString s = QString::fromUtf16(text);
  return QByteArray("\xFF\xFE", 2) +
         QByteArray(reinterpret_cast<const char *>(s.constData()), s.size() * 2);
}

TEST(ScriptFile, DetectsEncodingByMark) {
  ScriptFile file;
  file.openData(utf16(u"A"));
  EXPECT_EQ(file.encoding(), ScriptFile::Utf16);
  file.openData("\xEF\xBB\xBF"
                "A");
  EXPECT_EQ(file.encoding(), ScriptFile::Utf8Bom);
  file.openData("A");
  EXPECT_EQ(file.encoding(), ScriptFile::Ansi);
}

TEST(ScriptFile, ReadsLinesOfEachEncoding) {
  EXPECT_EQ(readAll(utf16(u"ab\r\ncd\r\n")), QStringList({"ab", "cd"}));
  EXPECT_EQ(readAll(utf16(u"ab\ncd")), QStringList({"ab", "cd"}));
  EXPECT_EQ(readAll(utf16(u"a\rb\r\n")), QStringList({"a\rb"}));
  EXPECT_EQ(readAll("ab\r\ncd\n\nef"), QStringList({"ab", "cd", "", "ef"}));
  EXPECT_EQ(readAll("\xEF\xBB\xBF"
                    "\xC3\xA4\r\n",
                    65001),
            QStringList({u"\u00e4"_qs}));
  EXPECT_EQ(readAll("\xE4\xF6\n", 1252), QStringList({u"\u00e4\u00f6"_qs}));
  EXPECT_EQ(readAll("\xE4\n", 1251), QStringList({u"\u0434"_qs}));
}

TEST(ScriptFile, LongAnsiLineIsOneLine) {
  const QByteArray line(1000, 'x');
  EXPECT_EQ(readAll(line + "\r\nshort"), QStringList({QString(line), "short"}));
}

TEST(ScriptFile, OddUtf16ByteCountDropsTheLastByte) {
  EXPECT_EQ(readAll(utf16(u"ab") + "c"), QStringList({"ab"}));
  EXPECT_EQ(readAll(QByteArray("\xFF\xFE", 2) + "c"), QStringList());
}

// The progress of reading counts the lines beforehand, without decoding them.
TEST(ScriptFile, LineCountIsTheNumberOfLinesRead) {
  const QByteArray cases[] = {
      "",
      "\n",
      "a",
      "a\nb",
      "a\nb\n",
      "a\r\n\r\nb\r\n",
      "\n\n\n",
      "\xEF\xBB\xBF",
      "\xEF\xBB\xBF"
      "a\nb",
      "\xEF\xBB\xBF\n",
      utf16(u""),
      utf16(u"a\nb"),
      utf16(u"a\nb\n"),
      utf16(u"\u0a0a\n"),  // a unit with a line feed byte is no line end
      utf16(u"a\n") + "x", // an odd byte is not text
      utf16(u"a") + "x",
  };
  for (const QByteArray &data : cases) {
    ScriptFile file;
    file.openData(data);
    EXPECT_EQ(file.lineCount(), readAll(data).size()) << data.toHex().constData();
  }
}

TEST(ScriptFile, BlankLineLimitDropsExtraBlankLines) {
  ScriptFile file;
  file.create(ScriptFile::Utf16);
  file.setBlankLineLimit(2);
  for (const char *line : {"a\n", "\n", "\n", "\n", "b\n", "\n"})
    file.writeLine(QString::fromLatin1(line), 0);
  file.rewind();
  EXPECT_EQ(readAll(file.data()), QStringList({"a", "", "", "b", ""}));
}

TEST(ScriptFile, WritesEachEncoding) {
  ScriptFile ansi;
  ansi.create(ScriptFile::Ansi);
  ansi.writeLine(u"\u00e4 \u0434\n"_qs, 1252);
  EXPECT_EQ(ansi.data(), QByteArray("\xE4 ?\r\n"));

  ScriptFile unicode;
  unicode.create(ScriptFile::Utf16);
  unicode.writeLine("a\n", 1252);
  EXPECT_EQ(unicode.data(), QByteArray("\xFF\xFE"
                                       "a\0\n\0",
                                       6));

  ScriptFile utf8;
  utf8.create(ScriptFile::Utf8Bom);
  utf8.writeLine(u"\u0434\n"_qs, 1251);
  EXPECT_EQ(utf8.data(), QByteArray("\xEF\xBB\xBF\xD0\xB4\r\n"));
}

TEST(ScriptFile, SavesAndReopens) {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.rc");
  ScriptFile file;
  file.create(ScriptFile::Ansi);
  file.writeLine("x\n", 0);
  ASSERT_TRUE(file.saveTo(path));
  ScriptFile again;
  ASSERT_TRUE(again.open(path));
  EXPECT_EQ(again.data(), QByteArray("x\r\n"));
  EXPECT_FALSE(again.open(dir.filePath("missing.rc")));
  EXPECT_FALSE(file.saveTo(dir.filePath("no/such/folder/a.rc")));
}

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

// How a file's own line ends are told, in every encoding.
TEST(ScriptFileLineEnds, TellsTheLineEndsAndTheLastLineEnd) {
  struct Case {
    QByteArray data;
    bool crLf, finalEnd;
  } cases[] = {
      {"a\r\nb\r\n", true, true},
      {"a\nb\n", false, true},
      {"a\nb\r\nc\r\n", true, true},
      {"a\nb\nc\r\n", false, true},
      {"a\r\nb", true, false},
      {"a", true, false},
      {"", true, true},
      {utf16(u"a\r\nb\r\n"), true, true},
      {utf16(u"a\nb\n"), false, true},
      {utf16(u"a\r\nb"), true, false},
      {"\xEF\xBB\xBF"
       "a\nb",
       false, false},
  };
  for (const Case &c : cases) {
    ScriptFile file;
    file.openData(c.data);
    EXPECT_EQ(file.mostlyCrLf(), c.crLf) << c.data.toStdString();
    EXPECT_EQ(file.endsWithLineEnd(), c.finalEnd) << c.data.toStdString();
  }
}

TEST(ScriptFileLineEnds, WritesTheLineEndItIsToldInEveryEncoding) {
  const QString text = QStringLiteral("a\nb\n");
  for (const ScriptFile::Encoding encoding :
       {ScriptFile::Ansi, ScriptFile::Utf8, ScriptFile::Utf8Bom, ScriptFile::Utf16}) {
    for (const bool crLf : {false, true}) {
      ScriptFile file;
      file.create(encoding);
      file.setCrLf(crLf);
      file.writeText(text, 1252);
      ScriptFile reread;
      reread.openData(file.data());
      EXPECT_EQ(reread.mostlyCrLf(), crLf) << encoding;
      EXPECT_EQ(file.data().count('\r'), crLf ? 2 : 0) << encoding;
      // Taking off the last line end leaves the last line open, and only once.
      file.chopLineEnd();
      EXPECT_FALSE(file.endsWithLineEnd());
      const QByteArray chopped = file.data();
      file.chopLineEnd();
      EXPECT_EQ(file.data(), chopped);
      EXPECT_EQ(readAll(chopped), QStringList({"a", "b"}));
    }
  }
}

TEST(ScriptFileLineEnds, RawBytesFollowTheByteOrderMark) {
  ScriptFile file;
  file.create(ScriptFile::Utf16);
  file.appendRaw("a\0", 2);
  EXPECT_EQ(file.data(), QByteArray("\xFF\xFE"
                                    "a\0",
                                    4));
  file.create(ScriptFile::Utf8Bom);
  file.appendRaw("a", 1);
  file.writeText(u"b", 65001);
  EXPECT_EQ(file.data(), QByteArray("\xEF\xBB\xBF"
                                    "ab"));
}

} // namespace
} // namespace tarvelo
