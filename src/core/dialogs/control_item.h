// A previewed control: its window kind, style bits and item read from the statement.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

namespace tarvelo {

struct ControlLayout;

// Window kinds of previewed controls; each a single bit.
enum ControlKind : quint32 {
  KindButton = 0x4,
  KindEdit = 0x8,
  KindStatic = 0x10,
  KindListBox = 0x20,
  KindScrollBar = 0x40,
  KindComboBox = 0x80,
  KindUpDown = 0x100,
  KindProgress = 0x200,
  KindTrackBar = 0x400,
  KindHotKey = 0x800,
  KindListView = 0x1000,
  KindTreeView = 0x2000,
  KindTabControl = 0x4000,
  KindAnimate = 0x8000,
  KindRichEdit = 0x10000,
  KindDateTime = 0x20000,
  KindMonthCalendar = 0x40000,
  KindIpAddress = 0x80000,
  KindComboBoxEx = 0x100000,
  KindSysLink = 0x200000, // a link control: its text is the script's, with <a> marks
};

// Style bits the preview and the report look at.
namespace style {
constexpr quint32 ChildVisible = 0x50000000;
constexpr quint32 ButtonTypeMask = 0xF;
constexpr quint32 OwnerDraw = 0xB;
constexpr quint32 ButtonIcon = 0x40;
constexpr quint32 ButtonBitmap = 0x80;
constexpr quint32 PushLike = 0x1000;
constexpr quint32 Multiline = 0x2000;
constexpr quint32 StaticTypeMask = 0x1F;
constexpr quint32 StaticSimple = 0xB;
constexpr quint32 StaticNoWordWrap = 0xC;
constexpr quint32 NoPrefix = 0x80;
constexpr quint32 CenterImage = 0x200;
constexpr quint32 EllipsisMask = 0xC000;
constexpr quint32 StaticEditBorder = 0x800000; // WS_BORDER: the stand-in for unknown classes
constexpr quint32 ExTransparent = 0x20;
constexpr quint32 ExStaticEdge = 0x20000;
} // namespace style

// One control of a previewed dialog: a real window class with its style bits.
struct DynControlItem {
  quint32 kind = 0;
  QString className;
  quint32 style = style::ChildVisible;
  quint32 exStyle = 0;
  QStringList styleNames, exStyleNames;
  QRect rect; // dialog units
  QString text;
  QString scriptIdentifier;
  int windowId = 0;
  const ControlLayout *layout = nullptr;

  quint32 buttonType() const { return style & style::ButtonTypeMask; }
  quint32 staticType() const { return style & style::StaticTypeMask; }
  bool isOwnerDrawnButton() const { return kind == KindButton && buttonType() == style::OwnerDraw; }
};

// Decides the kind from the statement keyword, or the class of a CONTROL statement,
// and makes the settings that kind implies on the item.
quint32 classify(QStringView word, DynControlItem &item);
// The values of style and extended-style words; other words count as the number they
// spell (so window-style words add nothing).
quint32 styleValue(QStringView word);
quint32 extendedStyleValue(QStringView word);
// A number as the compiler reads one: decimal, 0x hexadecimal or 0o octal, with an
// optional sign and U or L suffix; 0 for anything else.
quint32 styleNumber(QStringView word);
// The bits with the style words of a statement applied from left to right: each word's
// value set, or with NOT before it cleared.
quint32 styleBits(quint32 bits, const QStringList &words, quint32 (*value)(QStringView));
QString className(quint32 kind);
// The item for a parsed control, with the next window identifier of the process.
DynControlItem makeItem(const ControlLayout &control, const QRect &rect, const QString &text);
// A control text's escapes as the characters the compiler stores for them: \n \r \t
// \a \\, octal (\251) and hexadecimal (\xA9) codes.
QString controlDisplayText(const QString &text);
// A link control's text as it shows: the <a ...> and </a> marks taken out; linked, when
// given, says of each character shown whether it is inside a link.
QString linkDisplayText(const QString &text, std::vector<bool> *linked = nullptr);

} // namespace tarvelo
