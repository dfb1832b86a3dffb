// The layout commands as geometry: arrow keys snapped so that each press is a dialog
// unit, alignment and same sizes, the mirror of a dialog, fitting a control to its
// text, and the dialog units a window stands for.
#include "dialogs/control_item.h"
#include "dialogs/layout_commands.h"
#include "script/dialog_layout.h"

#include "fixed_measure.h"

#include <deque>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// One dialog unit is two pixels each way.
constexpr BaseUnits kTwoPixels{8, 16};
// MS Shell Dlg at 8 points: a dialog unit is 1.5 pixels across, 1.625 down.
constexpr BaseUnits kShellDlg{6, 13};

TEST(LayoutCommands, ArrowKeysChangeTheLayoutByADialogUnit) {
  const QSize client(100, 80);
  const struct {
    QRect window;
    ArrowKey key;
    bool resize;
    BaseUnits units;
    std::optional<QRect> result;
  } cases[] = {
      {{20, 20, 40, 16}, ArrowKey::Right, false, kTwoPixels, QRect(22, 20, 40, 16)},
      {{20, 20, 40, 16}, ArrowKey::Left, false, kTwoPixels, QRect(18, 20, 40, 16)},
      {{20, 20, 40, 16}, ArrowKey::Down, false, kTwoPixels, QRect(20, 22, 40, 16)},
      {{20, 20, 40, 16}, ArrowKey::Up, false, kTwoPixels, QRect(20, 18, 40, 16)},
      {{20, 20, 40, 16}, ArrowKey::Right, true, kTwoPixels, QRect(20, 20, 42, 16)},
      {{20, 20, 40, 16}, ArrowKey::Left, true, kTwoPixels, QRect(20, 20, 38, 16)},
      {{20, 20, 40, 16}, ArrowKey::Up, true, kTwoPixels, QRect(20, 20, 40, 14)},
      // 10 dialog units are 15 pixels: one more is 17 (16.5), one less 14 (13.5).
      {{15, 13, 30, 13}, ArrowKey::Right, false, kShellDlg, QRect(17, 13, 30, 13)},
      {{15, 13, 30, 13}, ArrowKey::Left, false, kShellDlg, QRect(14, 13, 30, 13)},
      // The frame at the left or top edge, or the right one: no further.
      {{3, 20, 10, 10}, ArrowKey::Left, false, kTwoPixels, std::nullopt},
      {{20, 3, 10, 10}, ArrowKey::Up, false, kTwoPixels, std::nullopt},
      {{87, 20, 10, 10}, ArrowKey::Right, false, kTwoPixels, std::nullopt},
      {{87, 20, 10, 10}, ArrowKey::Right, true, kTwoPixels, std::nullopt},
      {{20, 67, 10, 10}, ArrowKey::Down, false, kTwoPixels, std::nullopt},
      // Shrinking stops at a pixel.
      {{20, 20, 1, 10}, ArrowKey::Left, true, kTwoPixels, std::nullopt},
      // At the edge, but shrinking is still allowed: 20 dialog units to 19.
      {{3, 13, 30, 13}, ArrowKey::Left, false, kShellDlg, std::nullopt},
      {{3, 13, 30, 13}, ArrowKey::Left, true, kShellDlg, QRect(3, 13, 29, 13)},
  };
  for (const auto &c : cases)
    EXPECT_EQ(controlStep(c.window, c.key, c.resize, client, c.units), c.result)
        << c.window.x() << "," << c.window.y() << " key " << int(c.key) << " resize " << c.resize;
}

TEST(LayoutCommands, ArrowKeysOnTheDialogKeepItsControlsInside) {
  const QSize client(200, 100);
  const struct {
    ArrowKey key;
    QPoint extent;
    std::optional<QSize> result;
  } cases[] = {
      {ArrowKey::Right, {150, 60}, QSize(202, 100)},
      {ArrowKey::Down, {150, 60}, QSize(200, 102)},
      {ArrowKey::Left, {150, 60}, QSize(198, 100)},
      {ArrowKey::Up, {150, 60}, QSize(200, 98)},
      {ArrowKey::Left, {200, 60}, std::nullopt},
      // Snapping would take it past the controls.
      {ArrowKey::Up, {150, 99}, std::nullopt},
  };
  for (const auto &c : cases)
    EXPECT_EQ(dialogStep(client, c.key, c.extent, kTwoPixels), c.result) << int(c.key);
}

TEST(LayoutCommands, AlignmentAndSameSizeCopyFromTheReference) {
  const QRect reference(20, 30, 60, 14);
  const QRect window(50, 70, 40, 10);
  EXPECT_EQ(aligned(window, reference, AlignEdge::Left), QRect(20, 70, 40, 10));
  EXPECT_EQ(aligned(window, reference, AlignEdge::Right), QRect(40, 70, 40, 10));
  EXPECT_EQ(aligned(window, reference, AlignEdge::Top), QRect(50, 30, 40, 10));
  EXPECT_EQ(aligned(window, reference, AlignEdge::Bottom), QRect(50, 34, 40, 10));
  EXPECT_EQ(sameSize(window, reference, SameSize::Width), QRect(50, 70, 60, 10));
  EXPECT_EQ(sameSize(window, reference, SameSize::Height), QRect(50, 70, 40, 14));
  EXPECT_EQ(sameSize(window, reference, SameSize::Both), QRect(50, 70, 60, 14));
}

TEST(LayoutCommands, FlippingMirrorsOnTwiceHalfTheWidth) {
  // 201 pixels: H = 100, so left' = 200 - right.
  EXPECT_EQ(flipped(QRect(10, 5, 30, 8), 201), QRect(160, 5, 30, 8));
  EXPECT_EQ(flipped(QRect(10, 5, 30, 8), 200), QRect(160, 5, 30, 8));
  EXPECT_EQ(flipped(QRect(0, 0, 200, 8), 200), QRect(0, 0, 200, 8));
  // Twice is where it was.
  EXPECT_EQ(flipped(flipped(QRect(7, 5, 30, 8), 201), 201), QRect(7, 5, 30, 8));
}

struct Parsed {
  const char *keyword;
  const char *className;
  QStringList styles;
  QStringList exStyles;
};

DynControlItem itemOf(const Parsed &p, const QString &text) {
  static std::deque<ControlLayout> layouts; // items keep a reference to theirs
  ControlLayout &layout = layouts.emplace_back();
  layout.keyword = QString::fromLatin1(p.keyword);
  layout.className = QString::fromLatin1(p.className);
  layout.styles = p.styles;
  layout.exStyles = p.exStyles;
  return makeItem(layout, QRect(), text);
}

TEST(LayoutCommands, WindowFramesAreTheEdgesOfTheStyles) {
  EXPECT_EQ(windowFrameSize(itemOf({"LTEXT", "", {}, {}}, "x")), QSize(0, 0));
  EXPECT_EQ(windowFrameSize(itemOf({"CONTROL", "Static", {}, {}}, "x")), QSize(2, 2));
  EXPECT_EQ(windowFrameSize(itemOf({"LTEXT", "", {"SS_SUNKEN"}, {}}, "x")), QSize(2, 2));
  EXPECT_EQ(windowFrameSize(itemOf({"LTEXT", "", {}, {"WS_EX_CLIENTEDGE"}}, "x")), QSize(4, 4));
  // BS_PUSHLIKE has the bit of SS_SUNKEN: a button has no edge from it.
  EXPECT_EQ(windowFrameSize(itemOf({"CHECKBOX", "", {"BS_PUSHLIKE"}, {}}, "x")), QSize(0, 0));
}

TEST(LayoutCommands, ControlsAreFittedToTheirTexts) {
  // Characters are 6 pixels wide, "i" 2 and the blank 3; lines 13 high. A check
  // box's text starts 17 pixels in.
  const test::FixedFont font(QStringLiteral("MS Shell Dlg"), 8);
  const struct {
    const char *what;
    Parsed parsed;
    const char *text;
    QRect window;
    std::optional<QRect> fitted;
  } cases[] = {
      {"a clipped label", {"LTEXT", "", {}, {}}, "Hello", {5, 5, 20, 13}, QRect(5, 5, 30, 13)},
      {"a label too wide", {"LTEXT", "", {}, {}}, "Hello", {5, 5, 90, 13}, QRect(5, 5, 30, 13)},
      {"a label too low", {"LTEXT", "", {}, {}}, "Hello", {5, 5, 30, 8}, QRect(5, 5, 30, 13)},
      {"a label higher than its text keeps its height",
       {"LTEXT", "", {}, {}},
       "Hello",
       {5, 5, 20, 40},
       QRect(5, 5, 30, 40)},
      {"a label that fits", {"LTEXT", "", {}, {}}, "Hello", {5, 5, 30, 13}, std::nullopt},
      {"an edged static",
       {"CONTROL", "Static", {}, {}},
       "Hello",
       {0, 0, 20, 10},
       QRect(0, 0, 32, 15)},
      {"a check box",
       {"CONTROL", "Button", {"BS_AUTOCHECKBOX"}, {}},
       "Show",
       {0, 0, 30, 10},
       QRect(0, 0, 41, 10)},
      {"a multi-line radio button",
       {"CONTROL", "Button", {"BS_AUTORADIOBUTTON", "BS_MULTILINE"}, {}},
       "Show it now",
       {0, 0, 49, 10},
       QRect(0, 0, 46, 26)},
      {"a push button", {"PUSHBUTTON", "", {}, {}}, "Cancel", {0, 0, 30, 14}, QRect(0, 0, 40, 14)},
      {"a multi-line push button",
       {"PUSHBUTTON", "", {"BS_MULTILINE"}, {}},
       "Go on now",
       {0, 0, 40, 30},
       QRect(0, 0, 38, 30)},
      {"a multi-line push button too low",
       {"PUSHBUTTON", "", {"BS_MULTILINE"}, {}},
       "Go on now",
       {0, 0, 40, 14},
       QRect(0, 0, 38, 30)},
      {"an icon", {"ICON", "", {}, {}}, "", {0, 0, 20, 20}, std::nullopt},
      {"an icon static with a text",
       {"CONTROL", "Static", {"SS_ICON"}, {}},
       "IDI_X",
       {0, 0, 20, 20},
       std::nullopt},
      {"a button with an image",
       {"PUSHBUTTON", "", {"BS_BITMAP"}, {}},
       "Go",
       {0, 0, 5, 5},
       std::nullopt},
      {"an edit", {"EDITTEXT", "", {}, {}}, "Hello", {0, 0, 5, 5}, std::nullopt},
      {"an unknown class", {"CONTROL", "{ABC}", {}, {}}, "Hello", {0, 0, 5, 5}, std::nullopt},
  };
  for (const auto &c : cases) {
    const DynControlItem item = itemOf(c.parsed, QString::fromUtf8(c.text));
    EXPECT_EQ(fittedToText(item, c.window, font, 17), c.fitted) << c.what;
  }
}

TEST(LayoutCommands, AComboBoxKeepsItsParsedHeight) {
  const DynControlItem combo = itemOf({"COMBOBOX", "", {"CBS_DROPDOWNLIST"}, {}}, "");
  const DynControlItem list = itemOf({"LISTBOX", "", {}, {}}, "");
  const QRect window(15, 13, 150, 21);
  EXPECT_EQ(controlUnits(window, combo, 60, kShellDlg), QRect(10, 8, 100, 60));
  EXPECT_EQ(controlUnits(window, list, 60, kShellDlg), QRect(10, 8, 100, 13));
}

} // namespace
} // namespace tarvelo
