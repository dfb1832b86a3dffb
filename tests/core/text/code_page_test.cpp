// Code page conversion: round trips, defaults, undefined and broken bytes.
#include "text/code_page.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct RoundTrip {
  int codePage;
  const char *bytes;
  const char16_t *text;
};

TEST(CodePage, ConvertsBothWays) {
  const RoundTrip cases[] = {
      {1252, "caf\xE9 \x80", u"caf\u00e9 \u20ac"},
      {1250, "\xB9\xE6", u"\u0105\u0107"},
      {1251, "\xC4\xE0", u"\u0414\u0430"},
      {1253, "\xC1", u"\u0391"},
      {1254, "\xFD", u"\u0131"},
      {1255, "\xF9", u"\u05e9"},
      {1256, "\xC7", u"\u0627"},
      {1257, "\xE0", u"\u0105"},
      {1258, "\xC3", u"\u0102"},
      {874, "\xA1", u"\u0e01"},
      {932, "\x93\xfa\x96\x7b\x5c", u"\u65e5\u672c\\"},
      {932, "\x95\x5c", u"\u8868"}, // trail byte 0x5C is not a backslash
      {936, "\xD6\xD0", u"\u4e2d"},
      {949, "\xC7\xD1", u"\ud55c"},
      {950, "\xA4\xA4", u"\u4e2d"},
      {65001, "\xE2\x82\xAC", u"\u20ac"},
      {20866, "\xC1", u"\u0430"},
      {28591, "\xE9", u"\u00e9"},
      {28592, "\xB1", u"\u0105"},
      {28595, "\xB0", u"\u0410"},
      {28597, "\xC1", u"\u0391"},
      {28599, "\xFD", u"\u0131"},
  };
  for (const RoundTrip &c : cases) {
    const QByteArray bytes(c.bytes);
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(CodePage::toUtf16(bytes, c.codePage), text) << c.codePage;
    EXPECT_EQ(CodePage::fromUtf16(text, c.codePage), bytes) << c.codePage;
  }
}

TEST(CodePage, SupportsTheCodePagesScriptsUse) {
  for (int cp :
       {874,  932,   936,   949,   950,   1250,  1251,  1252,  1253,  1254,  1255,  1256,  1257,
        1258, 65001, 20866, 28591, 28592, 28593, 28594, 28595, 28596, 28597, 28598, 28599, 0})
    EXPECT_TRUE(CodePage::isSupported(cp)) << cp;
}

TEST(CodePage, ZeroIsTheSystemAnsiCodePage) {
  EXPECT_EQ(CodePage::systemAnsiCodePage(), 1252);
  EXPECT_EQ(CodePage::toUtf16(QByteArray("\x80"), 0), u"\u20ac"_qs);
}

TEST(CodePage, MissingCharactersBecomeTheDefaultCharacter) {
  EXPECT_EQ(CodePage::fromUtf16(u"a\u0434b", 1252), QByteArray("a?b"));
  EXPECT_EQ(CodePage::fromUtf16(u"\U0001F600", 1251), QByteArray("?"));
  EXPECT_EQ(CodePage::fromUtf16(u"\u65e5", 1250), QByteArray("?"));
}

TEST(CodePage, UndefinedBytesSurviveARoundTripInSingleBytePages) {
  const QByteArray bytes("\x81\x8D");
  const QString text = CodePage::toUtf16(bytes, 1252);
  EXPECT_EQ(text, u"\u0081\u008d"_qs);
  EXPECT_EQ(CodePage::fromUtf16(text, 1252), bytes);
}

TEST(CodePage, BrokenMultiByteSequencesDoNotStopDecoding) {
  EXPECT_EQ(CodePage::toUtf16(QByteArray("a\x81"), 932), u"a\ufffd"_qs);
  EXPECT_EQ(CodePage::toUtf16(QByteArray("\xFF"
                                         "b"),
                              936),
            u"\ufffdb"_qs);
}

// Lines are decoded into a reused string with a line feed after them: the same text
// as a whole conversion, for every length around the widths converted at once and a
// character beyond ASCII anywhere in them; encoding gives the bytes back.
TEST(CodePage, LinesDecodedIntoAReusedStringMatchWholeConversions) {
  QString line = QStringLiteral("an earlier, longer line that leaves its storage behind");
  for (const int codePage : {1252, 1251, 28591, 65001}) {
    for (int size = 0; size <= 40; ++size) {
      for (int beyond = -1; beyond < size; ++beyond) {
        QByteArray bytes(size, 'a');
        for (int i = 0; i < size; ++i)
          bytes[i] = char('a' + i % 26);
        if (beyond >= 0)
          bytes[beyond] = codePage == 65001 ? '\x7F' : '\xC4';
        for (const QChar suffix : {QChar(), QChar(u'\n')}) {
          CodePage::toUtf16Into(line, bytes.constData(), bytes.size(), codePage, suffix);
          QString expected = CodePage::toUtf16(bytes, codePage);
          if (!suffix.isNull())
            expected += suffix;
          ASSERT_EQ(line, expected) << codePage << " " << size << " " << beyond;
        }
        // And back, the ASCII runs narrowed many units at a time.
        ASSERT_EQ(CodePage::fromUtf16(CodePage::toUtf16(bytes, codePage), codePage), bytes)
            << codePage << " " << size << " " << beyond;
      }
    }
  }
}

} // namespace
} // namespace tarvelo
