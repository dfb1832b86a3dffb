// The Alignment tab's table: which controls offer which property, the values read from
// their style words, the words written for a value, and the words of the Styles tab.
#include "dialogs/alignment_properties.h"
#include "script/dialog_layout.h"

#include <functional>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

ControlLayout control(const char *keyword, const char *className, QStringList styles = {},
                      QStringList exStyles = {}) {
  ControlLayout c;
  c.keyword = QString::fromLatin1(keyword);
  c.className = QString::fromLatin1(className);
  c.styles = std::move(styles);
  c.exStyles = std::move(exStyles);
  return c;
}

constexpr int kRtl = 1 << int(AlignmentFlag::RtlReading);
constexpr int kRight = 1 << int(AlignmentFlag::RightText);
constexpr int kScroll = 1 << int(AlignmentFlag::LeftScrollbar);
constexpr int kMulti = 1 << int(AlignmentFlag::Multiline);

TEST(AlignmentProperties, ValuesAreReadFromTheStyleWords) {
  const struct {
    ControlLayout control;
    int horizontal, vertical, applicable, flags;
  } cases[] = {
      // Buttons: no word is left, but centred for push buttons.
      {control("PUSHBUTTON", ""), 2, 2, kRtl | kRight | kMulti, 0},
      {control("DEFPUSHBUTTON", "", {"BS_LEFT", "WS_GROUP"}), 0, 2, kRtl | kRight | kMulti, 0},
      {control("CONTROL", "Button", {"BS_AUTOCHECKBOX"}), 0, 2, kRtl | kRight | kMulti, 0},
      {control("CHECKBOX", "", {"BS_RIGHT", "BS_TOP"}), 1, 0, kRtl | kRight | kMulti, 0},
      {control("AUTOCHECKBOX", "", {"BS_CENTER", "BS_BOTTOM"}), 2, 1, kRtl | kRight | kMulti, 0},
      {control("GROUPBOX", "", {"BS_VCENTER", "BS_MULTILINE"}), 0, 2, kRtl | kRight | kMulti,
       kMulti},
      {control("CONTROL", "BUTTON", {"BS_LEFT", "BS_RIGHT"}, {"WS_EX_RIGHT"}), 2, 2,
       kRtl | kRight | kMulti, kRight},
      // Statics by their live style; other types have no alignment.
      {control("LTEXT", ""), 0, -1, kRtl | kRight, 0},
      {control("RTEXT", ""), 1, -1, kRtl | kRight, 0},
      {control("CTEXT", "", {}, {"WS_EX_RTLREADING"}), 2, -1, kRtl | kRight, kRtl},
      {control("LTEXT", "", {"SS_RIGHT"}), 1, -1, kRtl | kRight, 0},
      {control("CONTROL", "Static", {"SS_CENTER", "SS_NOTIFY"}), 2, -1, kRtl | kRight, 0},
      {control("CONTROL", "Static", {"SS_ICON"}), -1, -1, kRtl | kRight, 0},
      {control("CONTROL", "Static", {"SS_ETCHEDHORZ"}), -1, -1, kRtl | kRight, 0},
      // Edits.
      {control("EDITTEXT", ""), 0, -1, kRtl | kRight | kScroll, 0},
      {control("EDITTEXT", "", {"ES_CENTER"}, {"WS_EX_LEFTSCROLLBAR"}), 2, -1,
       kRtl | kRight | kScroll, kScroll},
      {control("CONTROL", "Edit", {"ES_RIGHT"}), 1, -1, kRtl | kRight | kScroll, 0},
      // Left scroll bars: "Combbox" as spelled.
      {control("COMBOBOX", ""), -1, -1, kRtl | kRight | kScroll, 0},
      {control("LISTBOX", ""), -1, -1, kRtl | kRight | kScroll, 0},
      {control("CONTROL", "ComboBox"), -1, -1, kRtl | kRight, 0},
      {control("CONTROL", "combbox"), -1, -1, kRtl | kRight | kScroll, 0},
      {control("CONTROL", "SysListView32"), -1, -1, kRtl | kRight | kScroll, 0},
      {control("CONTROL", "RichEdit20W"), -1, -1, kRtl | kRight, 0},
      // No reading order for these classes.
      {control("CONTROL", "msctls_updown32"), -1, -1, 0, 0},
      {control("CONTROL", "Scrollbar"), -1, -1, 0, 0},
      {control("CONTROL", "SysAnimate32"), -1, -1, 0, 0},
      {control("CONTROL", "msctls_trackbar32"), -1, -1, 0, 0},
      {control("CONTROL", ""), -1, -1, 0, 0},
      {control("SCROLLBAR", ""), -1, -1, kRtl | kRight, 0},
  };
  for (const auto &c : cases) {
    const Alignment a = readAlignment(c.control);
    const std::string what =
        (c.control.keyword + u' ' + c.control.className + u' ' + c.control.styles.join(u'|'))
            .toStdString();
    EXPECT_EQ(a.horizontal, c.horizontal) << what;
    EXPECT_EQ(a.vertical, c.vertical) << what;
    EXPECT_EQ(a.applicable, c.applicable) << what;
    EXPECT_EQ(a.flags, c.flags) << what;
  }
}

TEST(AlignmentProperties, ValuesAreWrittenAsStyleWords) {
  const struct {
    const char *what;
    ControlLayout control;
    std::function<bool(ControlLayout &)> change;
    bool changed;
    const char *keyword;
    QStringList styles, exStyles;
  } cases[] = {
      {"a push button to the left",
       control("PUSHBUTTON", "", {"WS_GROUP"}),
       [](ControlLayout &c) { return setHorizontal(c, Horizontal::Left); },
       true,
       "PUSHBUTTON",
       {"WS_GROUP", "BS_LEFT"},
       {}},
      {"a left button to the right",
       control("CONTROL", "Button", {"BS_AUTOCHECKBOX", "BS_LEFT"}),
       [](ControlLayout &c) { return setHorizontal(c, Horizontal::Right); },
       true,
       "CONTROL",
       {"BS_AUTOCHECKBOX", "BS_RIGHT"},
       {}},
      {"a push button already centred",
       control("PUSHBUTTON", ""),
       [](ControlLayout &c) { return setHorizontal(c, Horizontal::Center); },
       false,
       "PUSHBUTTON",
       {},
       {}},
      {"a right text centred becomes a centred LTEXT",
       control("RTEXT", "", {"SS_NOPREFIX"}),
       [](ControlLayout &c) { return setHorizontal(c, Horizontal::Center); },
       true,
       "LTEXT",
       {"SS_NOPREFIX", "SS_CENTER"},
       {}},
      {"a centred text to the left",
       control("LTEXT", "", {"SS_CENTER"}),
       [](ControlLayout &c) { return setHorizontal(c, Horizontal::Left); },
       true,
       "LTEXT",
       {},
       {}},
      {"an edit to the right",
       control("EDITTEXT", "", {"ES_AUTOHSCROLL"}),
       [](ControlLayout &c) { return setHorizontal(c, Horizontal::Right); },
       true,
       "EDITTEXT",
       {"ES_AUTOHSCROLL", "ES_RIGHT"},
       {}},
      {"an icon has no alignment",
       control("CONTROL", "Static", {"SS_ICON"}),
       [](ControlLayout &c) { return setHorizontal(c, Horizontal::Right); },
       false,
       "CONTROL",
       {"SS_ICON"},
       {}},
      {"a button at the top centred",
       control("PUSHBUTTON", "", {"BS_TOP"}),
       [](ControlLayout &c) { return setVertical(c, Vertical::Center); },
       true,
       "PUSHBUTTON",
       {},
       {}},
      {"a button to the bottom",
       control("PUSHBUTTON", "", {"BS_VCENTER"}),
       [](ControlLayout &c) { return setVertical(c, Vertical::Bottom); },
       true,
       "PUSHBUTTON",
       {"BS_BOTTOM"},
       {}},
      {"reading order on",
       control("LTEXT", "", {}, {"WS_EX_STATICEDGE"}),
       [](ControlLayout &c) { return setFlag(c, AlignmentFlag::RtlReading, true); },
       true,
       "LTEXT",
       {},
       {"WS_EX_STATICEDGE", "WS_EX_RTLREADING"}},
      {"right text off",
       control("LTEXT", "", {}, {"WS_EX_RIGHT"}),
       [](ControlLayout &c) { return setFlag(c, AlignmentFlag::RightText, false); },
       true,
       "LTEXT",
       {},
       {}},
      {"reading order already on",
       control("LTEXT", "", {}, {"WS_EX_RTLREADING"}),
       [](ControlLayout &c) { return setFlag(c, AlignmentFlag::RtlReading, true); },
       false,
       "LTEXT",
       {},
       {"WS_EX_RTLREADING"}},
      {"a left scroll bar on a combo box class not in the table",
       control("CONTROL", "ComboBox"),
       [](ControlLayout &c) { return setFlag(c, AlignmentFlag::LeftScrollbar, true); },
       false,
       "CONTROL",
       {},
       {}},
      {"a left scroll bar on a list box",
       control("LISTBOX", ""),
       [](ControlLayout &c) { return setFlag(c, AlignmentFlag::LeftScrollbar, true); },
       true,
       "LISTBOX",
       {},
       {"WS_EX_LEFTSCROLLBAR"}},
      {"a multi-line button",
       control("PUSHBUTTON", "", {"WS_TABSTOP"}),
       [](ControlLayout &c) { return setFlag(c, AlignmentFlag::Multiline, true); },
       true,
       "PUSHBUTTON",
       {"WS_TABSTOP", "BS_MULTILINE"},
       {}},
      {"statics have no multiline box",
       control("LTEXT", ""),
       [](ControlLayout &c) { return setFlag(c, AlignmentFlag::Multiline, true); },
       false,
       "LTEXT",
       {},
       {}},
  };
  for (const auto &c : cases) {
    ControlLayout changed = c.control;
    EXPECT_EQ(c.change(changed), c.changed) << c.what;
    EXPECT_EQ(changed.keyword, QLatin1String(c.keyword)) << c.what;
    EXPECT_EQ(changed.styles, c.styles) << c.what;
    EXPECT_EQ(changed.exStyles, c.exStyles) << c.what;
  }
}

TEST(AlignmentProperties, TheDialogOffersReadingOrderAndRightText) {
  DialogLayout dialog;
  dialog.exStyles = {QStringLiteral("WS_EX_CONTEXTHELP")};
  Alignment a = readAlignment(dialog);
  EXPECT_EQ(a.applicable, kRtl | kRight);
  EXPECT_EQ(a.horizontal, -1);
  EXPECT_TRUE(setFlag(dialog, AlignmentFlag::RtlReading, true));
  EXPECT_FALSE(setFlag(dialog, AlignmentFlag::LeftScrollbar, true));
  EXPECT_EQ(dialog.exStyles, (QStringList{"WS_EX_CONTEXTHELP", "WS_EX_RTLREADING"}));
  EXPECT_EQ(readAlignment(dialog).flags, kRtl);
  EXPECT_TRUE(setFlag(dialog, AlignmentFlag::RtlReading, false));
  EXPECT_EQ(dialog.exStyles, QStringList{"WS_EX_CONTEXTHELP"});
}

TEST(AlignmentProperties, TheStylesTabListsEveryWordOnceAndRemovesIt) {
  const QStringList a{"WS_TABSTOP", "BS_LEFT", "WS_TABSTOP"};
  const QStringList b{"WS_EX_RIGHT"};
  const QStringList c{"BS_LEFT", "WS_GROUP"};
  EXPECT_EQ(styleWords({&a, &b, &c}),
            (QStringList{"WS_TABSTOP", "BS_LEFT", "WS_EX_RIGHT", "WS_GROUP"}));
  QStringList list = a;
  EXPECT_TRUE(removeWord(list, QStringLiteral("WS_TABSTOP")));
  EXPECT_EQ(list, QStringList{"BS_LEFT"});
  EXPECT_FALSE(removeWord(list, QStringLiteral("WS_GROUP")));
}

} // namespace
} // namespace tarvelo
