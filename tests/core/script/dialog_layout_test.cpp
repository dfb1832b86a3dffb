// Tests: dialog blocks parsed into layouts, and the layouts written back.
#include "script/dialog_layout.h"

#include <QRect>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Rectangle {
  const char *statement; // the coordinates of an LTEXT, and what follows them
  int x, y, width, height;
  bool literal;
  bool parsed;
};

// Coordinates as the resource compiler reads them: decimal, octal, hexadecimal,
// with a suffix, negative, with blanks, comments and line breaks around their
// commas; an expression counts 0 and makes the layout not literal.
TEST(DialogLayout, CoordinatesAreReadAsTheCompilerReadsThem) {
  const Rectangle cases[] = {
      {"7,7,40,8", 7, 7, 40, 8, true, true},
      {"7, 7, 40, 8, SS_LEFT", 7, 7, 40, 8, true, true},
      {"-7,0,40,8", -7, 0, 40, 8, true, true},
      {"010,0x10,10L,-0", 8, 16, 10, 0, true, true},
      {"7 ,\n    7\t,40 /* w */ , 8", 7, 7, 40, 8, true, true},
      {"7, 5+3, 40, 8", 7, 0, 40, 8, false, true},
      {"7, 5 + 3, 40, 8", 7, 0, 40, 8, false, true},
      {"7, (5), 40, 8", 7, 0, 40, 8, false, true},
      {"7, 5 | 3, 40, 8", 7, 0, 40, 8, false, true},
      {"7, X_POS, 40, 8", 7, 0, 40, 8, false, true},
      {"1234567890, 1, 2, 3", 1234567890, 1, 2, 3, true, true},
      {"7, 7, 40", 7, 7, 40, 0, true, false},
  };
  for (const Rectangle &rectangle : cases) {
    const QString block = QStringLiteral("IDD_A DIALOGEX 0, 0, 100, 50\nBEGIN\n    LTEXT \"Name\","
                                         "IDC_NAME,%1\nEND\n")
                              .arg(QString::fromLatin1(rectangle.statement));
    const ParsedDialog dialog = parseDialogBlock(block);
    ASSERT_EQ(dialog.controls.size(), 1u) << rectangle.statement;
    const ControlLayout &control = dialog.controls[0];
    EXPECT_EQ(control.parsed, rectangle.parsed) << rectangle.statement;
    if (!rectangle.parsed)
      continue;
    EXPECT_EQ(control.x, rectangle.x) << rectangle.statement;
    EXPECT_EQ(control.y, rectangle.y) << rectangle.statement;
    EXPECT_EQ(control.width, rectangle.width) << rectangle.statement;
    EXPECT_EQ(control.height, rectangle.height) << rectangle.statement;
    EXPECT_EQ(control.literal, rectangle.literal) << rectangle.statement;
    EXPECT_EQ(control.identifier, QStringLiteral("IDC_NAME")) << rectangle.statement;
  }
}

struct KeywordComma {
  const char *statement;
  const char *identifier;
  int x, y, width, height;
  const char *styles; // joined by "|"
  const char *text;   // the literal as written, or empty
};

// A comma straight after the keyword is read as the compiler reads it: the control
// keeps its identifier, rectangle, styles and text.
TEST(DialogLayout, ACommaAfterTheKeywordIsRead) {
  const KeywordComma cases[] = {
      {"EDITTEXT, COLOR_HUE, 216, 124, 19, 12, WS_GROUP | WS_TABSTOP", "COLOR_HUE", 216, 124, 19,
       12, "WS_GROUP|WS_TABSTOP", ""},
      {"EDITTEXT ,IDC_E,1,2,3,4", "IDC_E", 1, 2, 3, 4, "", ""},
      {"COMBOBOX,\nIDC_C, 5, 6, 70, 80, CBS_DROPDOWNLIST", "IDC_C", 5, 6, 70, 80,
       "CBS_DROPDOWNLIST", ""},
      {"LTEXT, \"Hue:\", IDC_L, 7, 7, 20, 8", "IDC_L", 7, 7, 20, 8, "", "\"Hue:\""},
      {"CONTROL, \"On\", IDC_ON, \"Button\", BS_AUTOCHECKBOX, 7, 30, 40, 10", "IDC_ON", 7, 30, 40,
       10, "BS_AUTOCHECKBOX", "\"On\""},
  };
  for (const KeywordComma &c : cases) {
    const QString block =
        QStringLiteral("IDD_A DIALOGEX 0, 0, 100, 50\nBEGIN\n    %1\nEND\n").arg(c.statement);
    const ParsedDialog dialog = parseDialogBlock(block);
    ASSERT_EQ(dialog.controls.size(), 1u) << c.statement;
    const ControlLayout &control = dialog.controls[0];
    EXPECT_TRUE(control.parsed) << c.statement;
    EXPECT_TRUE(control.literal) << c.statement;
    EXPECT_EQ(control.identifier, QLatin1String(c.identifier)) << c.statement;
    EXPECT_EQ(QRect(control.x, control.y, control.width, control.height),
              QRect(c.x, c.y, c.width, c.height))
        << c.statement;
    EXPECT_EQ(control.styles.join(u'|'), QLatin1String(c.styles)) << c.statement;
    const QString text = control.hasText
                             ? block.mid(control.textStart, control.textEnd - control.textStart)
                             : QString();
    EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.statement;
  }
}

// Macros where the compiler sees texts, classes and styles: a text given by a macro,
// and a class macro that holds the style too, keep the control and its rectangle.
TEST(DialogLayout, MacrosStandingForTextsAndClassesAreRead) {
  const struct {
    const char *statement;
    const char *imageId, *className, *styles;
    QRect rect;
    bool literal;
  } cases[] = {
      {"LTEXT IDS_LABEL, IDC_L, 7, 7, 20, 8", "IDS_LABEL", "", "", QRect(7, 7, 20, 8), true},
      {"CONTROL \"SF&X\", IDX_SFX, MY_CHECKBOX, m + 92, 77, 60, 10", "", "MY_CHECKBOX", "",
       QRect(0, 77, 60, 10), false},
      {"CONTROL \"On\", IDC_ON, MY_CHECKBOX, 7, 30, 40, 10", "", "MY_CHECKBOX", "",
       QRect(7, 30, 40, 10), true},
      {"CONTROL \"On\", IDC_ON, MY_CLASS, 0x1, 7, 30, 40, 10", "", "MY_CLASS", "0x1",
       QRect(7, 30, 40, 10), true},
  };
  for (const auto &c : cases) {
    const ParsedDialog dialog = parseDialogBlock(
        QStringLiteral("IDD_A DIALOGEX 0, 0, 100, 50\nBEGIN\n    %1\nEND\n").arg(c.statement));
    ASSERT_EQ(dialog.controls.size(), 1u) << c.statement;
    const ControlLayout &control = dialog.controls[0];
    EXPECT_TRUE(control.parsed) << c.statement;
    EXPECT_EQ(control.imageId, QLatin1String(c.imageId)) << c.statement;
    EXPECT_EQ(control.className, QLatin1String(c.className)) << c.statement;
    EXPECT_EQ(control.styles.join(u'|'), QLatin1String(c.styles)) << c.statement;
    EXPECT_EQ(QRect(control.x, control.y, control.width, control.height), c.rect) << c.statement;
    EXPECT_EQ(control.literal, c.literal) << c.statement;
  }
}

} // namespace
} // namespace tarvelo
