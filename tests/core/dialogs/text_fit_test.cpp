// Each control class measures its text in its own room, with the fixed measure.
#include "dialogs/control_item.h"
#include "dialogs/text_fit.h"
#include "fixed_measure.h"
#include "script/dialog_layout.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Base units 6 x 13: 40 dialog units are 60 pixels wide, 8 are 13 high, 16 are 26.
// Characters are 6 pixels, "i" 2 and the blank 3.
TEST(TextFit, EachClassMeasuresItsTextInItsOwnRoom) {
  struct Case {
    const char *keyword;
    const char *className;
    QStringList styles;
    int width, height; // dialog units
    const char *text;
    bool measured;
    bool tooLong;
    QSize room;
  };
  const QStringList none;
  const Case cases[] = {
      // Statics break at blanks: too long when the block is higher or wider.
      {"LTEXT", "", none, 40, 8, "aaaaaaaaaa", true, false, {60, 13}},
      {"LTEXT", "", none, 40, 8, "aaaaaaaaaaa", true, true, {60, 13}},
      {"LTEXT", "", none, 40, 8, "aaaaa aaaaa", true, true, {60, 13}},
      {"LTEXT", "", none, 40, 16, "aaaaa aaaaa", true, false, {60, 26}},
      {"RTEXT", "", none, 40, 8, "aaaaa aaaaa", true, true, {60, 13}},
      {"CTEXT", "", none, 40, 16, "aaaaa aaaaa", true, false, {60, 26}},
      // The escape \n is a line of its own.
      {"LTEXT", "", none, 40, 8, "a\\nb", true, true, {60, 13}},
      {"LTEXT", "", none, 40, 16, "a\\nb", true, false, {60, 26}},
      // "&" marks the access key and takes no room.
      {"LTEXT", "", none, 40, 8, "&aaaaaaaaaa", true, false, {60, 13}},
      // SS_SIMPLE draws one line, whatever its height.
      {"CONTROL", "Static", {"SS_SIMPLE"}, 40, 16, "aaaaa aaaaa", true, true, {60, 26}},
      {"CONTROL", "Static", {"SS_SIMPLE"}, 40, 8, "aaaaa aaaa", true, false, {60, 13}},
      // Pictures, rectangles and frames have no text to overflow.
      {"CONTROL", "Static", {"SS_ICON"}, 4, 4, "a long name of an icon", false, false, {}},
      {"ICON", "", none, 4, 4, "a long name of an icon", false, false, {}},
      {"CONTROL", "Static", {"SS_BLACKRECT"}, 4, 4, "a long text", false, false, {}},
      {"CONTROL", "Static", {"SS_GRAYFRAME"}, 4, 4, "a long text", false, false, {}},
      {"CONTROL", "Static", {"SS_BITMAP"}, 4, 4, "a long text", false, false, {}},
      {"CONTROL", "Static", {"SS_ENHMETAFILE"}, 4, 4, "a long text", false, false, {}},
      // Check boxes and radio buttons: the box and its gap (17 pixels) come first;
      // a group box's title starts 8 pixels in and may run to its right edge.
      {"CHECKBOX", "", none, 40, 10, "aaaaaa ii", true, false, {43, 16}},
      {"CHECKBOX", "", none, 40, 10, "aaaaaaaa", true, true, {43, 16}},
      {"CONTROL", "Button", {"BS_AUTOCHECKBOX"}, 40, 10, "aaaaaaaa", true, true, {43, 16}},
      {"AUTOCHECKBOX", "", none, 40, 10, "aaaaaa ii", true, false, {43, 16}},
      {"RADIOBUTTON", "", none, 40, 10, "aaaaaaaa", true, true, {43, 16}},
      {"CONTROL",
       "Button",
       {"BS_AUTORADIOBUTTON", "BS_LEFTTEXT"},
       40,
       10,
       "aaaaaa ii",
       true,
       false,
       {43, 16}},
      {"GROUPBOX", "", none, 40, 40, "aaaaaaaa i", true, true, {52, 65}},
      {"GROUPBOX", "", none, 40, 40, "aaaaaaaa", true, false, {52, 65}},
      // One line unless BS_MULTILINE.
      {"CHECKBOX", "", none, 40, 20, "aaaa aaaa", true, true, {43, 33}},
      {"CHECKBOX", "", {"BS_MULTILINE"}, 40, 20, "aaaa aaaa", true, false, {43, 33}},
      {"CHECKBOX", "", {"BS_MULTILINE"}, 40, 8, "aaaa aaaa", true, true, {43, 13}},
      // Push buttons draw inside their frame: 2 pixels off each side, or 4 and 2
      // with BS_MULTILINE.
      {"PUSHBUTTON", "", none, 50, 14, "aaaaaaaaaaa i", true, false, {71, 19}},
      {"PUSHBUTTON", "", none, 50, 14, "aaaaaaaaaaa ii", true, true, {71, 19}},
      {"DEFPUSHBUTTON", "", none, 50, 14, "aaaaaaaaaaa ii", true, true, {71, 19}},
      {"CONTROL", "Button", {"BS_PUSHBUTTON"}, 50, 14, "aaaaaaaaaaa ii", true, true, {71, 19}},
      {"PUSHBUTTON", "", {"BS_MULTILINE"}, 50, 14, "aaaaaaaaaaa i", true, true, {67, 19}},
      {"PUSHBUTTON", "", {"BS_MULTILINE"}, 50, 20, "aaaaaaaaaaa i", true, false, {67, 29}},
      {"CONTROL",
       "Button",
       {"BS_AUTOCHECKBOX", "BS_PUSHLIKE"},
       50,
       14,
       "aaaaaaaaaaa ii",
       true,
       true,
       {71, 19}},
      // Buttons with a picture show no text.
      {"PUSHBUTTON", "", {"BS_ICON"}, 4, 4, "a long text", false, false, {}},
      {"CONTROL", "Button", {"BS_BITMAP"}, 4, 4, "a long text", false, false, {}},
      // SS_NOPREFIX draws its "&"; a border or edge takes a pixel on each side.
      {"LTEXT", "", {"SS_NOPREFIX"}, 40, 8, "&aaaaaaaaaa", true, true, {60, 13}},
      {"LTEXT", "", {"SS_NOPREFIX"}, 40, 8, "&aaaaaaaaa", true, false, {60, 13}},
      {"LTEXT", "", {"WS_BORDER"}, 40, 10, "aaaaaaaaa", true, false, {58, 14}},
      {"LTEXT", "", {"SS_SUNKEN"}, 40, 10, "aaaaaaaaaa", true, true, {58, 14}},
      {"LTEXT", "", {"WS_BORDER"}, 40, 8, "a", true, true, {58, 11}},
      // Centred images and ellipses draw one line.
      {"LTEXT", "", {"SS_CENTERIMAGE"}, 40, 16, "aaaaa aaaaa", true, true, {60, 26}},
      {"LTEXT", "", {"SS_ENDELLIPSIS"}, 40, 16, "aaaaa aaaaa", true, true, {60, 26}},
      // A link is measured without its marks, broken in its width.
      {"CONTROL", "SysLink", none, 40, 8, "<a>aaaaaaaaaa</a>", true, false, {60, 13}},
      {"CONTROL", "SysLink", none, 40, 8, "<a>aaaaa</a> aaaaa", true, true, {60, 13}},
      {"CONTROL", "SysLink", none, 40, 16, "<a>aaaaa</a> aaaaa", true, false, {60, 26}},
      {"CONTROL", "SysLink", none, 40, 8, "<a>&aaaaaaaaaa</a>", true, true, {60, 13}},
      // Other classes, and empty texts, are not measured.
      {"CONTROL", "Edit", none, 4, 4, "a long text", false, false, {}},
      {"CONTROL", "SysListView32", none, 4, 4, "a long text", false, false, {}},
      {"LTEXT", "", none, 4, 4, "", false, false, {}},
  };
  test::FixedMeasure measure;
  const auto font = measure.font(QStringLiteral("MS Shell Dlg"), 8, 0, false);
  for (const Case &c : cases) {
    ControlLayout layout;
    layout.keyword = QString::fromLatin1(c.keyword);
    layout.className = QString::fromLatin1(c.className);
    layout.styles = c.styles;
    const QRect rect(10, 10, c.width, c.height);
    const DynControlItem item = makeItem(layout, rect, QString::fromLatin1(c.text));
    const TextFit fit =
        fitText(item, toPixels(rect, font->baseUnits()).size(), *font, measure.boxTextIndent());
    const std::string label = std::string(c.keyword) + " " + c.className + " " +
                              c.styles.join(u'|').toStdString() + " \"" + c.text + "\"";
    EXPECT_EQ(fit.measured, c.measured) << label;
    EXPECT_EQ(fit.tooLong, c.tooLong)
        << label << " needs " << fit.needed.width() << "x" << fit.needed.height();
    if (c.measured) {
      EXPECT_EQ(fit.room, c.room) << label << " room " << fit.room.width() << "x"
                                  << fit.room.height();
    }
  }
}

} // namespace
} // namespace tarvelo
