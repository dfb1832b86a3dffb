// Controls read from statements: their windows, style values, texts and escapes.
#include "dialogs/control_item.h"
#include "script/dialog_layout.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

ControlLayout control(const char *keyword, const char *className = "", QStringList styles = {},
                      QStringList exStyles = {}) {
  ControlLayout layout;
  layout.keyword = QString::fromLatin1(keyword);
  layout.className = QString::fromLatin1(className);
  layout.identifier = QStringLiteral("IDC_X");
  layout.styles = std::move(styles);
  layout.exStyles = std::move(exStyles);
  return layout;
}

TEST(ControlItem, KeywordsAndClassesGiveTheirWindows) {
  struct Case {
    const char *keyword;
    const char *className;
    QStringList styles;
    quint32 kind;
    quint32 style;
    quint32 exStyle;
    QStringList names; // the style names after classifying
  };
  const QStringList none;
  const Case cases[] = {
      // Push buttons of every spelling are drawn by us.
      {"PUSHBUTTON", "", none, KindButton, 0x5000000B, 0, none},
      {"DEFPUSHBUTTON", "", none, KindButton, 0x5000000B, 0, {"BS_DEFPUSHBUTTON"}},
      {"AUTORADIOBUTTON", "", none, KindButton, 0x50000009, 0, {"BS_AUTORADIOBUTTON"}},
      {"RADIOBUTTON", "", none, KindButton, 0x50000004, 0, {"BS_RADIOBUTTON"}},
      {"GROUPBOX", "", none, KindButton, 0x50000007, 0x20, {"BS_GROUPBOX"}},
      {"CHECKBOX", "", none, KindButton, 0x50000002, 0, {"BS_CHECKBOX"}},
      // Check boxes and radio buttons of the compiler's own keywords.
      {"AUTOCHECKBOX", "", none, KindButton, 0x50000003, 0, {"BS_AUTOCHECKBOX"}},
      {"AUTO3STATE", "", none, KindButton, 0x50000006, 0, {"BS_AUTO3STATE"}},
      {"STATE3", "", none, KindButton, 0x50000005, 0, {"BS_3STATE"}},
      {"CONTROL",
       "Button",
       {"BS_AUTOCHECKBOX", "WS_TABSTOP"},
       KindButton,
       0x50000003,
       0,
       {"BS_AUTOCHECKBOX", "WS_TABSTOP"}},
      {"CONTROL",
       "Button",
       {"BS_PUSHBUTTON", "BS_PUSHLIKE"},
       KindButton,
       0x5000000B,
       0,
       {"BS_PUSHBUTTON", "BS_PUSHLIKE"}},
      {"CONTROL",
       "Button",
       {"BS_AUTOCHECKBOX", "BS_PUSHLIKE"},
       KindButton,
       0x5000000B,
       0,
       {"BS_AUTOCHECKBOX", "BS_PUSHLIKE"}},
      {"EDITTEXT", "", none, KindEdit, 0x50000000, 0x20000, none},
      {"CONTROL", "Edit", {"ES_MULTILINE"}, KindEdit, 0x50000004, 0x20000, {"ES_MULTILINE"}},
      {"CONTROL",
       "Static",
       {"SS_CENTER", "WS_GROUP", "0x80"},
       KindStatic,
       0x50000081,
       0x20000,
       {"SS_CENTER", "WS_GROUP", "0x80"}},
      {"ICON", "", none, KindStatic, 0x50000003, 0x20000, {"SS_ICON"}},
      {"BITMAP", "", none, KindStatic, 0x5000000E, 0x20000, {"SS_BITMAP"}},
      {"LTEXT", "", none, KindStatic, 0x50000000, 0, none},
      {"RTEXT", "", none, KindStatic, 0x50000002, 0, {"SS_RIGHT"}},
      {"CTEXT", "", none, KindStatic, 0x50000001, 0, {"SS_CENTER"}},
      {"LISTBOX", "", none, KindListBox, 0x50000100, 0x20000, none},
      {"SCROLLBAR", "", {"SBS_VERT"}, KindScrollBar, 0x50000001, 0, {"SBS_VERT"}},
      {"COMBOBOX", "", {"CBS_DROPDOWNLIST"}, KindComboBox, 0x50000002, 0, {"CBS_DROPDOWNLIST"}},
      {"CONTROL", "ComboBoxEx32", none, KindComboBoxEx, 0x50000000, 0, none},
      {"CONTROL", "msctls_updown32", none, KindUpDown, 0x50000000, 0, none},
      {"CONTROL", "msctls_progress32", none, KindProgress, 0x50000000, 0, none},
      {"CONTROL", "msctls_trackbar32", none, KindTrackBar, 0x50000000, 0, none},
      {"CONTROL", "msctls_hotkey32", none, KindHotKey, 0x50000000, 0, none},
      {"CONTROL", "SysListView32", none, KindListView, 0x50000000, 0x20000, none},
      {"CONTROL", "SysTreeView32", none, KindTreeView, 0x50000000, 0x20000, none},
      {"CONTROL", "SysTabControl32", none, KindTabControl, 0x50000000, 0, none},
      {"CONTROL", "SysAnimate32", none, KindAnimate, 0x50000000, 0, none},
      {"CONTROL", "RichEdit20W", none, KindRichEdit, 0x50000000, 0x20000, none},
      {"CONTROL", "SysDateTimePick32", none, KindDateTime, 0x50000000, 0, none},
      {"CONTROL", "SysMonthCal32", none, KindMonthCalendar, 0x50000000, 0, none},
      {"CONTROL", "SysIPAddress32", none, KindIpAddress, 0x50000000, 0, none},
      // ActiveX controls, empty and unknown classes stand as statics.
      {"CONTROL", "{8856F961-340A-11D0-A96B-00C04FD705A2}", none, KindStatic, 0x50800000, 0, none},
      {"CONTROL", "", none, KindStatic, 0x50800000, 0, none},
      {"CONTROL", "MfcButton", none, KindStatic, 0x50000000, 0, none},
      {"PUSHBOX", "", none, KindButton, 0x5000000A, 0, {"BS_PUSHBOX"}},
      // Icon and bitmap buttons lose their text; the button stays owner-drawn.
      {"PUSHBUTTON", "", {"BS_ICON"}, KindButton, 0x5000004B, 0, {"BS_ICON"}},
  };
  for (const Case &c : cases) {
    const ControlLayout layout = control(c.keyword, c.className, c.styles);
    const DynControlItem item = makeItem(layout, QRect(1, 2, 30, 14), QStringLiteral("Text"));
    const QString where = QString::fromLatin1(c.keyword) + u' ' + QLatin1String(c.className);
    EXPECT_EQ(item.kind, c.kind) << where.toStdString();
    EXPECT_EQ(item.className, className(c.kind)) << where.toStdString();
    EXPECT_EQ(item.style, c.style) << where.toStdString() << " " << std::hex << item.style;
    EXPECT_EQ(item.exStyle, c.exStyle) << where.toStdString() << " " << std::hex << item.exStyle;
    EXPECT_EQ(item.styleNames, c.names) << where.toStdString();
    EXPECT_EQ(item.text.isEmpty(), c.styles.contains(QStringLiteral("BS_ICON")))
        << where.toStdString();
  }
}

TEST(ControlItem, StyleWordsHaveTheirValues) {
  struct Case {
    const char *word;
    quint32 style, extended;
  };
  const Case cases[] = {
      {"BS_DEFPUSHBUTTON", 0, 0},
      {"CBS_SIMPLE", 2, 0},
      {"CBS_DROPDOWNLIST", 2, 0},
      {"BS_CENTER", 0x300, 0},
      {"SS_WORDELLIPSIS", 0xC000, 0},
      {"LBS_NODATA", 0x2000, 0},
      {"SBS_SIZEGRIP", 0x10, 0},
      {"ES_NUMBER", 0x2000, 0},
      {"WS_TABSTOP", 0, 0},
      // Numbers count as the compiler reads them: hexadecimal, octal, a suffix.
      {"0x20", 0x20, 0x20},
      {"0o17", 017, 017},
      {"0x10L", 0x10, 0x10},
      {"0x", 0, 0},
      {" 12", 12, 12},
      {"-1", 0xFFFFFFFF, 0xFFFFFFFF},
      {"bs_center", 0, 0},
      {"WS_EX_STATICEDGE", 0, 0x20000},
      {"WS_EX_LAYOUTRTL", 0, 0x400000},
      {"WS_EX_NOACTIVATE", 0, 0x8000000},
      {"WS_EX_RTLREADING", 0, 0x2000},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(styleValue(QString::fromLatin1(c.word)), c.style) << c.word;
    EXPECT_EQ(extendedStyleValue(QString::fromLatin1(c.word)), c.extended) << c.word;
  }
  EXPECT_EQ(className(0x3), QString());
}

TEST(ControlItem, TextsShowTheirEscapesAndWindowIdentifiersNeverRestart) {
  const ControlLayout layout = control("LTEXT");
  const DynControlItem first = makeItem(layout, QRect(), QStringLiteral("One\\nTwo\\tthree\\\\n"));
  EXPECT_EQ(first.text, QStringLiteral("One\nTwo\tthree\\n"));
  EXPECT_GE(first.windowId, 1024);
  const DynControlItem second = makeItem(layout, QRect(), QString());
  EXPECT_EQ(second.windowId, first.windowId + 1);
  EXPECT_EQ(second.scriptIdentifier, QStringLiteral("IDC_X"));
  EXPECT_EQ(second.layout, &layout);
}

// Texts are measured as the compiler stores them: every escape it knows is its
// character; what it does not know stays as written.
TEST(ControlItem, EscapesAreTheCharactersTheCompilerStores) {
  const struct {
    const char *written;
    const char16_t *shown;
  } cases[] = {
      {"a\\nb", u"a\nb"},
      {"a\\r\\nb", u"a\r\nb"},
      {"a\\tb", u"a\tb"},
      {"a\\\\b", u"a\\b"},
      {"C:\\\\dir\\\\new", u"C:\\dir\\new"},
      {"\\251 2024", u"\u00a9 2024"},
      {"\\0251", u"\u00151"},
      {"\\xA9 2024", u"\u00a9 2024"},
      {"\\x263A", u"\u263a"},
      {"100\\% \\q", u"100\\% \\q"},
      {"end\\", u"end\\"},
      {"Save...", u"Save..."},
  };
  for (const auto &c : cases)
    EXPECT_EQ(controlDisplayText(QString::fromLatin1(c.written)), QString::fromUtf16(c.shown))
        << c.written;
}

TEST(ControlItem, LinksShowTheirTextWithoutMarks) {
  const struct {
    const char *written;
    const char *shown;
  } cases[] = {
      {"<a>Notepad3</a> on the web", "Notepad3 on the web"},
      {"See <A HREF=\"https://x\">the page</A>.", "See the page."},
      {"<a id=\"x\">one</a> and <a>two</a>", "one and two"},
      {"a < b and <b>bold</b>", "a < b and <b>bold</b>"},
      {"<a>unclosed", "unclosed"},
      {"no link", "no link"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(linkDisplayText(QString::fromLatin1(c.written)), QLatin1String(c.shown)) << c.written;
  DynControlItem item;
  ControlLayout layout;
  layout.keyword = QStringLiteral("CONTROL");
  layout.className = QStringLiteral("SysLink");
  EXPECT_EQ(makeItem(layout, QRect(), QString()).kind, quint32(KindSysLink));
}

} // namespace
} // namespace tarvelo
