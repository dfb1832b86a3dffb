#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>

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
// The values of style and extended-style words; other words count as their decimal
// value (so window-style words and hexadecimal numbers add nothing).
quint32 styleValue(QStringView word);
quint32 extendedStyleValue(QStringView word);
QString className(quint32 kind);
// The item for a parsed control, with the next window identifier of the process.
DynControlItem makeItem(const ControlLayout &control, const QRect &rect, const QString &text);
// The escapes \n, \r and \t of a control text as the characters they stand for.
QString controlDisplayText(const QString &text);

} // namespace tarvelo
