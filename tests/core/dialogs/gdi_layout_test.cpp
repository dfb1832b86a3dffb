// Texts laid out as the system's DrawText does: whole-pixel advances, access keys,
// tab stops, line breaks and word breaks; the figures were checked against Wine's.
#include "dialogs/gdi_layout.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Every character 6 pixels, "i" 2, the blank 3, East Asian characters 12.
int advance(QStringView c) {
  if (c == u"i")
    return 2;
  if (c == u" ")
    return 3;
  return c.front().unicode() >= 0x2E80 ? 12 : 6;
}

// "width:line|line|..." of the layout.
QString dump(const QString &text, const GdiTextFlags &flags) {
  const std::vector<GdiLine> lines = gdiLines(text, flags, advance, 32);
  QStringList shown;
  int widest = 0;
  for (const GdiLine &line : lines) {
    shown << text.mid(line.start, line.length);
    widest = std::max(widest, line.width);
  }
  return QString::number(widest) + u':' + shown.join(u'|');
}

GdiTextFlags wrapIn(int width) {
  GdiTextFlags flags;
  flags.wrap = true;
  flags.width = width;
  return flags;
}

TEST(GdiLayout, TextsAreLaidOutAsTheSystemDrawsThem) {
  GdiTextFlags single;
  single.singleLine = true;
  GdiTextFlags lines;
  GdiTextFlags noPrefix;
  noPrefix.prefix = false;
  const struct {
    const char *what;
    const char16_t *text;
    GdiTextFlags flags;
    const char16_t *expected;
  } cases[] = {
      {"an access key takes no room", u"&Save", single, u"24:&Save"},
      {"a doubled mark is one", u"A&&B", single, u"18:A&&B"},
      {"without prefixes the mark is drawn", u"&Save", noPrefix, u"30:&Save"},
      {"a mark at the end", u"Save&", single, u"24:Save&"},
      {"tab stops every 32 pixels", u"a\tb", single, u"38:a\tb"},
      {"two tabs", u"a\t\tb", single, u"70:a\t\tb"},
      {"a line break on one line is a blank", u"a\nb", single, u"15:a\nb"},
      {"line breaks start lines", u"One\nTwo\r\nSix", lines, u"18:One|Two|Six"},
      {"a final line break adds no line", u"One\n", lines, u"18:One"},
      {"an empty line in between stays", u"One\n\nTwo", lines, u"18:One||Two"},
      {"a lone carriage return breaks", u"One\rTwo", lines, u"18:One|Two"},
      {"nothing to break", u"aaa bbb", wrapIn(60), u"39:aaa bbb"},
      {"the blank at a break counts", u"aaa bbb", wrapIn(30), u"21:aaa|bbb"},
      {"a blank that does not fit moves the word before it", u"aa aa aa", wrapIn(33),
       u"30:aa aa|aa"},
      {"a word longer than the room stays whole", u"aaaaaaaaaa bb", wrapIn(30),
       u"60:aaaaaaaaaa|bb"},
      {"several blanks are one break", u"aaa   bbb", wrapIn(25), u"18:aaa|bbb"},
      {"leading blanks stay", u"  aaa", wrapIn(60), u"24:  aaa"},
      {"the mark of an access key in a wrapped line", u"&aaa bbb", wrapIn(30), u"21:&aaa|bbb"},
      {"East Asian text breaks between characters", u"日本語の文字", wrapIn(40),
       u"36:日本語|の文字"},
      {"a closing mark never starts a line", u"日本語。文字", wrapIn(36), u"36:日本|語。文|字"},
      {"Latin words beside East Asian text", u"Notepad3の設定", wrapIn(60), u"60:Notepad3の|設定"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(dump(QString::fromUtf16(c.text), c.flags), QString::fromUtf16(c.expected)) << c.what;
}

TEST(GdiLayout, TheExtentIsTheWidestLineByTheLines) {
  const std::vector<GdiLine> lines{{0, 3, 18}, {4, 5, 30}};
  EXPECT_EQ(gdiExtent(lines, 13), QSize(30, 26));
  EXPECT_EQ(gdiExtent({}, 13), QSize(0, 13));
  EXPECT_EQ(gdiDrawnText(u"&Save && &Close", true), QStringLiteral("Save & Close"));
  EXPECT_EQ(gdiDrawnText(u"&Save", false), QStringLiteral("&Save"));
}

} // namespace
} // namespace tarvelo
