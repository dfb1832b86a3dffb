// The live dialog built offscreen from a parsed layout: every kind of control as its
// own window at the pixel rectangle the conversion gives, the dialog's font, the red
// text of push buttons that are too small, and bad layouts shown without a crash.
#include "dialogs/common_controls.h"
#include "dialogs/control_widgets.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/live_dialog.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/static_control.h"
#include "measure/dialog_fonts.h"
#include "measure/qt_text_measure.h"
#include "script/dialog_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Dialog units to pixels as the system maps them for base units of 6 x 13, rounded
// half up.
int horizontal(int du) {
  return (du * 6 * 2 + 4) / 8;
}
int vertical(int du) {
  return (du * 13 * 2 + 8) / 16;
}

struct Control {
  const char *keyword;
  const char *className; // CONTROL statements
  QStringList styles;
  QRect rect;
  const char *text;
};

// A parsed dialog held by the test, shown as the preview would show it.
class Dialog {
public:
  explicit Dialog(QRect rect = QRect(0, 0, 300, 200)) {
    shown.caption = QStringLiteral("Test");
    shown.rect = rect;
    shown.fontFace = defaultDialogFace();
  }

  void setFont(const QString &face, int points) {
    shown.hasFont = true;
    shown.fontFace = face;
    shown.fontPoints = points;
  }

  void add(const Control &control) {
    ControlLayout &layout = layouts.emplace_back();
    layout.keyword = QString::fromLatin1(control.keyword);
    layout.className = QString::fromLatin1(control.className);
    layout.identifier = QStringLiteral("IDC_%1").arg(layouts.size());
    layout.styles = control.styles;
    ShownControl item;
    item.layout = &layout;
    item.text = QString::fromUtf8(control.text);
    item.rect = control.rect;
    shown.controls.push_back(item);
  }

  LiveDialog *live() {
    m_live = std::make_unique<LiveDialog>(shown, DialogSide::Translated, measure);
    return m_live.get();
  }

  ShownDialog shown;
  std::deque<ControlLayout> layouts;
  QtTextMeasure measure;

private:
  std::unique_ptr<LiveDialog> m_live;
};

TEST(DialogPreview, EveryKindOfControlIsItsWindowAtItsRectangle) {
  struct Case {
    Control control;
    const char *widgetClass;
  };
  const QStringList none;
  const Case cases[] = {
      {{"DEFPUSHBUTTON", "", none, {7, 7, 50, 14}, "OK"}, "tarvelo::gui::OwnerDrawnButton"},
      {{"PUSHBUTTON", "", none, {60, 7, 50, 14}, "Cancel"}, "tarvelo::gui::OwnerDrawnButton"},
      {{"CONTROL", "Button", {"BS_PUSHLIKE", "BS_AUTOCHECKBOX"}, {7, 30, 50, 14}, "Like"},
       "tarvelo::gui::OwnerDrawnButton"},
      {{"CHECKBOX", "", none, {120, 7, 60, 10}, "&Check"}, "tarvelo::gui::BoxButtonControl"},
      {{"AUTOCHECKBOX", "", none, {120, 20, 60, 10}, "Auto"}, "tarvelo::gui::BoxButtonControl"},
      {{"CONTROL", "Button", {"BS_AUTO3STATE"}, {120, 33, 60, 10}, "Three"},
       "tarvelo::gui::BoxButtonControl"},
      {{"RADIOBUTTON", "", none, {190, 7, 60, 10}, "Radio"}, "tarvelo::gui::BoxButtonControl"},
      {{"AUTORADIOBUTTON", "", none, {190, 20, 60, 10}, "Auto radio"},
       "tarvelo::gui::BoxButtonControl"},
      {{"GROUPBOX", "", none, {5, 50, 100, 60}, "Group"}, "tarvelo::gui::GroupBoxControl"},
      {{"EDITTEXT", "", none, {10, 62, 80, 14}, ""}, "tarvelo::gui::EditControl"},
      {{"EDITTEXT", "", {"ES_MULTILINE"}, {10, 80, 80, 24}, ""}, "QPlainTextEdit"},
      {{"LTEXT", "", none, {110, 50, 40, 8}, "Left"}, "tarvelo::gui::StaticControl"},
      {{"CTEXT", "", none, {110, 60, 40, 8}, "Centre"}, "tarvelo::gui::StaticControl"},
      {{"RTEXT", "", none, {110, 70, 40, 8}, "Right"}, "tarvelo::gui::StaticControl"},
      {{"CONTROL", "Static", {"SS_SIMPLE"}, {110, 80, 40, 8}, "Simple"},
       "tarvelo::gui::StaticControl"},
      {{"ICON", "", none, {110, 90, 20, 20}, ""}, "tarvelo::gui::StaticControl"},
      {{"CONTROL", "Static", {"SS_BLACKRECT"}, {135, 90, 10, 10}, ""},
       "tarvelo::gui::StaticControl"},
      {{"CONTROL", "Static", {"SS_ETCHEDHORZ"}, {150, 90, 40, 1}, ""},
       "tarvelo::gui::StaticControl"},
      {{"BITMAP", "", none, {195, 90, 20, 20}, ""}, "tarvelo::gui::StaticControl"},
      {{"LISTBOX", "", none, {220, 40, 70, 40}, ""}, "QListWidget"},
      {{"SCROLLBAR", "", none, {10, 120, 80, 10}, ""}, "QScrollBar"},
      {{"CONTROL", "ScrollBar", {"SBS_VERT"}, {95, 120, 10, 40}, ""}, "QScrollBar"},
      {{"COMBOBOX", "", {"CBS_DROPDOWNLIST"}, {110, 120, 80, 60}, ""}, "QComboBox"},
      {{"CONTROL", "msctls_updown32", none, {195, 120, 10, 14}, ""}, "tarvelo::gui::UpDownControl"},
      {{"CONTROL", "msctls_progress32", none, {210, 120, 80, 10}, ""}, "QProgressBar"},
      {{"CONTROL", "msctls_trackbar32", none, {10, 165, 80, 15}, ""}, "QSlider"},
      {{"CONTROL", "msctls_hotkey32", none, {95, 165, 50, 14}, ""}, "QLineEdit"},
      {{"CONTROL", "SysListView32", none, {150, 140, 60, 30}, ""}, "tarvelo::gui::ListViewControl"},
      {{"CONTROL", "SysTreeView32", none, {215, 140, 60, 30}, ""}, "QTreeWidget"},
      {{"CONTROL", "SysTabControl32", none, {10, 185, 60, 10}, ""}, "tarvelo::gui::TabControl"},
      {{"CONTROL", "SysAnimate32", none, {75, 185, 20, 10}, ""}, "QWidget"},
      {{"CONTROL", "RichEdit20W", none, {100, 185, 40, 10}, "Rich"}, "QTextEdit"},
      {{"CONTROL", "SysDateTimePick32", none, {145, 185, 60, 12}, ""}, "QDateEdit"},
      {{"CONTROL", "SysMonthCal32", none, {300, 10, 140, 100}, ""}, "QCalendarWidget"},
      {{"CONTROL", "SysIPAddress32", none, {210, 185, 60, 12}, ""}, "QLineEdit"},
      {{"CONTROL", "ComboBoxEx32", none, {300, 120, 80, 60}, ""}, "QComboBox"},
      {{"CONTROL", "{8856F961-340A-11D0-A96B-00C04FD705A2}", none, {300, 140, 40, 20}, "Web"},
       "tarvelo::gui::StaticControl"},
      {{"CONTROL", "MyOwnClass", none, {350, 140, 40, 20}, "Own"}, "tarvelo::gui::StaticControl"},
      {{"CONTROL", "SysLink", none, {350, 165, 80, 10}, "<a>Link</a>"},
       "tarvelo::gui::LinkControl"},
  };
  Dialog dialog(QRect(0, 0, 450, 200));
  for (const Case &c : cases)
    dialog.add(c.control);
  LiveDialog *live = dialog.live();
  ASSERT_EQ(live->baseUnits(), (BaseUnits{6, 13}));
  EXPECT_EQ(live->size(), QSize(horizontal(450), vertical(200)));
  ASSERT_EQ(live->controls().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case &c = cases[i];
    const LiveControl &control = live->controls()[i];
    SCOPED_TRACE(std::string(c.control.keyword) + " " + c.control.className);
    ASSERT_NE(control.widget, nullptr);
    EXPECT_STREQ(control.widget->metaObject()->className(), c.widgetClass);
    EXPECT_EQ(control.widget->parentWidget(), live);
    EXPECT_EQ(control.item.layout, &dialog.layouts[i]);
    const QRect &du = c.control.rect;
    QRect expected(horizontal(du.x()), vertical(du.y()), horizontal(du.width()),
                   vertical(du.height()));
    // A drop-down combo box is as high as its edit field (a ComboBoxEx32 a pixel
    // higher); the rest is its list's. A list box keeps whole lines of 16 pixels
    // inside its edges.
    if (qobject_cast<QComboBox *>(control.widget))
      expected.setHeight(c.control.className == QLatin1String("ComboBoxEx32") ? 13 + 9 : 13 + 8);
    if (qobject_cast<QListWidget *>(control.widget))
      expected.setHeight(4 + 3 * 16);
    EXPECT_EQ(control.widget->geometry(), expected);
  }
  // The texts, with their access keys, and the stand-ins for unknown classes.
  EXPECT_EQ(static_cast<QAbstractButton *>(live->controls()[3].widget)->text(), u"&Check");
  EXPECT_FALSE(static_cast<BoxButtonControl *>(live->controls()[5].widget)->isRadio());
  EXPECT_TRUE(static_cast<BoxButtonControl *>(live->controls()[6].widget)->isRadio());
  EXPECT_EQ(static_cast<LinkControl *>(live->controls()[38].widget)->shownText(), u"Link");
  EXPECT_EQ(static_cast<QScrollBar *>(live->controls()[20].widget)->orientation(), Qt::Horizontal);
  EXPECT_EQ(static_cast<QScrollBar *>(live->controls()[21].widget)->orientation(), Qt::Vertical);
  for (size_t i : {size_t(36), size_t(37)}) {
    auto *stand = static_cast<StaticControl *>(live->controls()[i].widget);
    EXPECT_TRUE(stand->text().isEmpty()) << i;
    EXPECT_TRUE(stand->style() & style::StaticEditBorder) << i;
  }
  // An access key is shown, never taken from the window's keys.
  EXPECT_TRUE(static_cast<QAbstractButton *>(live->controls()[3].widget)->shortcut().isEmpty());
}

TEST(DialogPreview, TheDialogsFontGivesTheBaseUnitsOfTheMeasurement) {
  struct Case {
    bool hasFont;
    const char *face;
    int points;
    int pixelSize;
  };
  const Case cases[] = {
      // The System font has one size; MS Sans Serif's one size serves 9 points too.
      {true, "MS Shell Dlg", 9, 11}, {true, "MS Sans Serif", 8, 11}, {true, "Tahoma", 10, 13},
      {true, "Nowhere Sans", 8, 11}, {true, "System", 8, 16},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.face);
    Dialog dialog;
    if (c.hasFont)
      dialog.setFont(QString::fromLatin1(c.face), c.points);
    LiveDialog *live = dialog.live();
    const QFont &font = live->dialogFont().font;
    EXPECT_EQ(font.pixelSize(), c.pixelSize);
    EXPECT_EQ(live->font().pixelSize(), c.pixelSize);
    // The widgets' font measures as the dialogs report does.
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const auto measured = dialog.measure.font(dialog.shown.fontFace, c.points);
    EXPECT_EQ((letters / 26 + 1) / 2, live->baseUnits().x);
    EXPECT_EQ(live->baseUnits(), measured->baseUnits());
    EXPECT_EQ(font.family(), measured->usedFace());
  }
  // Without FONT statement: Windows' System font, 8 x 16.
  Dialog plain;
  plain.shown.fontFace = systemDialogFace();
  LiveDialog *live = plain.live();
  EXPECT_EQ(live->baseUnits(), (BaseUnits{8, 16}));
  EXPECT_EQ(live->dialogFont().font.family(), dialogFontFamily(QStringLiteral("System"), 16));
  EXPECT_FALSE(live->dialogFont().fallback);
  EXPECT_TRUE(live->dialogFont().notice().isEmpty());
  // A face that is not installed is measured with a stand-in, and said so.
  Dialog segoe;
  segoe.setFont(QStringLiteral("Segoe UI"), 9);
  EXPECT_EQ(segoe.live()->dialogFont().notice(),
            QStringLiteral("Segoe UI not installed: measured with Tahoma"));
}

// Pixels of the text area that are dark red, and those that are black or nearly.
struct TextInk {
  int red = 0;
  int dark = 0;
};

TextInk inkOf(QWidget *widget, const QRect &area) {
  const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  TextInk ink;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 120 && c.green() < 90 && c.blue() < 90)
        ++ink.red;
      else if (c.red() < 90 && c.green() < 90 && c.blue() < 90)
        ++ink.dark;
    }
  return ink;
}

TEST(DialogPreview, APushButtonTooSmallForItsTextShowsItInDarkRed) {
  struct Case {
    const char *text;
    QStringList styles;
    QRect rect;
    bool tooLong;
  };
  const Case cases[] = {
      {"OK", {}, {0, 0, 50, 14}, false},
      {"&Apply", {}, {0, 0, 50, 14}, false},
      {"Vorgang abbrechen und schließen", {}, {0, 0, 50, 14}, true},
      // Broken into lines it fits the width, but not the height.
      {"Ein sehr langer Text auf vielen Zeilen", {"BS_MULTILINE"}, {0, 0, 50, 14}, true},
      {"Zwei Zeilen", {"BS_MULTILINE"}, {0, 0, 50, 24}, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    Dialog dialog(QRect(0, 0, 60, 30));
    dialog.add({"PUSHBUTTON", "", c.styles, c.rect, c.text});
    LiveDialog *live = dialog.live();
    auto *button = static_cast<OwnerDrawnButton *>(live->controls()[0].widget);
    EXPECT_EQ(button->textTooLong(), c.tooLong);
    // Inside the frame there is nothing but the face and the text.
    const TextInk ink = inkOf(button, button->rect().adjusted(2, 2, -3, -3));
    if (c.tooLong) {
      EXPECT_GT(ink.red, 10);
      EXPECT_EQ(ink.dark, 0);
    } else {
      EXPECT_EQ(ink.red, 0);
      EXPECT_GT(ink.dark, 10);
    }
  }
}

// Statics are drawn by their type: the pixel at a spot of the control, counted from
// its top-left corner, has the colour of that type.
TEST(DialogPreview, StaticsAreDrawnByTheirType) {
  struct Case {
    Control control;
    QPoint spot;
    QColor colour;
  };
  const QColor face(212, 208, 200), shadow(128, 128, 128), white(Qt::white), black(Qt::black);
  const Case cases[] = {
      {{"CONTROL", "Static", {"SS_BLACKRECT"}, {10, 10, 20, 10}, ""}, {10, 8}, black},
      {{"CONTROL", "Static", {"SS_GRAYRECT"}, {40, 10, 20, 10}, ""}, {10, 8}, shadow},
      {{"CONTROL", "Static", {"SS_WHITERECT"}, {70, 10, 20, 10}, ""}, {10, 8}, white},
      // Inside the static edge: the frame's line, then the face within.
      {{"CONTROL", "Static", {"SS_BLACKFRAME"}, {100, 10, 20, 10}, ""}, {1, 5}, black},
      {{"CONTROL", "Static", {"SS_BLACKFRAME"}, {130, 10, 20, 10}, ""}, {10, 8}, face},
      {{"CONTROL", "Static", {"SS_ETCHEDHORZ"}, {10, 30, 40, 4}, ""}, {10, 1}, shadow},
      {{"CONTROL", "Static", {"SS_ETCHEDHORZ"}, {60, 30, 40, 4}, ""}, {10, 2}, white},
      {{"CONTROL", "Static", {"SS_ETCHEDVERT"}, {110, 30, 4, 20}, ""}, {2, 10}, white},
      // The static edge shows the extent of a text.
      {{"CONTROL", "Static", {}, {10, 60, 40, 8}, ""}, {0, 0}, shadow},
      {{"CONTROL", "Static", {}, {60, 60, 40, 8}, ""}, {59, 12}, white},
      // Unknown and ActiveX classes: an empty box with a black border.
      {{"CONTROL", "NoSuchClass", {}, {110, 60, 40, 20}, "Hidden"}, {0, 10}, black},
      {{"CONTROL", "{8856F961-340A-11D0-A96B-00C04FD705A2}", {}, {160, 60, 40, 20}, ""},
       {59, 10},
       black},
      {{"CONTROL", "NoSuchClass", {}, {210, 60, 40, 20}, "Hidden"}, {30, 12}, face},
  };
  Dialog dialog(QRect(0, 0, 260, 90));
  for (const Case &c : cases)
    dialog.add(c.control);
  LiveDialog *live = dialog.live();
  const QImage image = live->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (size_t i = 0; i < std::size(cases); ++i) {
    const QRect geometry = live->controls()[i].widget->geometry();
    const QPoint at = geometry.topLeft() + cases[i].spot;
    ASSERT_TRUE(geometry.contains(at)) << i;
    EXPECT_EQ(image.pixelColor(at), cases[i].colour)
        << i << " " << cases[i].control.className << " "
        << image.pixelColor(at).name().toStdString();
  }
}

TEST(DialogPreview, AControlKeepsItsPixelWidthWhereverItStands) {
  Dialog dialog;
  for (int x : {7, 8, 9, 10})
    dialog.add({"LTEXT", "", {}, {x, 10, 50, 8}, "Text"});
  LiveDialog *live = dialog.live();
  const int width = live->controls()[0].widget->width();
  EXPECT_EQ(width, horizontal(50));
  for (const LiveControl &control : live->controls())
    EXPECT_EQ(control.widget->width(), width) << control.widget->x();
  EXPECT_EQ(live->controls()[0].widget->x(), horizontal(7));
  EXPECT_EQ(live->controls()[1].widget->x(), horizontal(8));
}

TEST(DialogPreview, ThreeHundredControlsMakeThreeHundredWindows) {
  Dialog dialog(QRect(0, 0, 400, 400));
  for (int i = 0; i < 300; ++i)
    dialog.add(
        {i % 2 ? "PUSHBUTTON" : "LTEXT", "", {}, {(i % 10) * 40, (i / 10) * 12, 38, 10}, "Item"});
  LiveDialog *live = dialog.live();
  EXPECT_EQ(live->controls().size(), 300u);
  EXPECT_EQ(live->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 300);
  // Window identifiers are counted on from dialog to dialog.
  EXPECT_EQ(live->controls()[299].item.windowId, live->controls()[0].item.windowId + 299);
}

TEST(DialogPreview, BadLayoutsAreShownWithoutACrash) {
  struct Case {
    const char *name;
    QRect dialogRect;
    const char *face;
    int points;
    Control control;
    int captionLength;
  };
  const QString longClass(200, u'W');
  const QByteArray longClassName = longClass.toLatin1();
  const Case cases[] = {
      {"no controls", {0, 0, 100, 50}, nullptr, 0, {nullptr, "", {}, {}, ""}, 4},
      {"empty dialog", {0, 0, 0, 0}, nullptr, 0, {"LTEXT", "", {}, {0, 0, 0, 0}, "x"}, 4},
      {"negative sizes",
       {-20, -20, -100, -50},
       nullptr,
       0,
       {"PUSHBUTTON", "", {}, {-10, -10, -40, -14}, "Back"},
       4},
      {"huge",
       {0, 0, 100000, 100000},
       nullptr,
       0,
       {"LTEXT", "", {}, {90000, 90000, 100000, 8}, "Far"},
       4},
      {"FONT 0", {0, 0, 100, 50}, "MS Shell Dlg", 0, {"LTEXT", "", {}, {5, 5, 40, 8}, "Zero"}, 4},
      {"FONT 200",
       {0, 0, 100, 50},
       "MS Shell Dlg",
       200,
       {"PUSHBUTTON", "", {}, {5, 5, 40, 14}, "Big"},
       4},
      {"missing face",
       {0, 0, 100, 50},
       "No Such Face At All",
       8,
       {"LTEXT", "", {}, {5, 5, 40, 8}, "Text"},
       4},
      {"long class",
       {0, 0, 100, 50},
       nullptr,
       0,
       {"CONTROL", longClassName.constData(), {}, {5, 5, 40, 8}, "Text"},
       4},
      {"long caption", {0, 0, 100, 50}, nullptr, 0, {"LTEXT", "", {}, {5, 5, 40, 8}, "x"}, 10000},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Dialog dialog(c.dialogRect);
    if (c.face)
      dialog.setFont(QString::fromLatin1(c.face), c.points);
    if (c.control.keyword)
      dialog.add(c.control);
    dialog.shown.caption = QString(c.captionLength, u'C');
    DialogPreview preview(dialog.shown, DialogSide::Translated, dialog.measure);
    LiveDialog *live = preview.liveDialog();
    EXPECT_GE(live->width(), 0);
    EXPECT_GE(live->height(), 0);
    EXPECT_LE(live->width(), 32767);
    for (const LiveControl &control : live->controls()) {
      EXPECT_GE(control.widget->width(), 0);
      EXPECT_GE(control.widget->height(), 0);
    }
    if (live->width() < 2000 && live->height() < 2000) {
      EXPECT_FALSE(preview.grab().isNull());
    }
  }
}

// Counts the presses that reach it.
class Host : public QWidget {
public:
  int presses = 0;

protected:
  void mousePressEvent(QMouseEvent *) override { ++presses; }
};

TEST(DialogPreview, ThePreviewTakesNoInputButPassesTheMouseToItsHost) {
  Dialog dialog;
  dialog.add({"AUTOCHECKBOX", "", {}, {10, 10, 80, 10}, "Check"});
  dialog.add({"EDITTEXT", "", {}, {10, 30, 80, 14}, ""});
  Host host;
  host.resize(600, 400);
  DialogPreview preview(dialog.shown, DialogSide::Translated, dialog.measure, &host);
  preview.move(12, 12);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  LiveDialog *live = preview.liveDialog();
  auto *check = static_cast<QCheckBox *>(live->controls()[0].widget);
  const QPoint onCheck = check->mapTo(&host, QPoint(5, check->height() / 2));
  QTest::mouseClick(&host, Qt::LeftButton, {}, onCheck);
  EXPECT_FALSE(check->isChecked());
  EXPECT_EQ(host.presses, 1);
  for (QWidget *widget : preview.findChildren<QWidget *>())
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->metaObject()->className();
}

} // namespace
} // namespace tarvelo::gui
