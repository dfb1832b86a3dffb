// Where Windows puts the windows of controls that size themselves.
#include "dialogs/window_rects.h"

#include "dialogs/control_item.h"
#include "script/dialog_layout.h"

#include <algorithm>
#include <optional>

namespace tarvelo {

namespace {

constexpr quint32 kUpDownAlignRight = 0x4;
constexpr quint32 kUpDownAlignLeft = 0x8;
constexpr quint32 kUpDownAutoBuddy = 0x10;
// A drop-down ComboBoxEx32 is a pixel higher than a combo box.
constexpr int kComboExExtra = 1;
constexpr quint32 kExClientEdge = 0x200;
constexpr int kEditFrame = 8;
constexpr quint32 kBorder = 0x00800000;      // WS_BORDER
constexpr quint32 kNoIntegralHeight = 0x100; // LBS_NOINTEGRALHEIGHT
constexpr quint32 kComboTypes = 0x3;         // CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST
constexpr quint32 kSimpleCombo = 0x1;

bool hasWord(const DynControlItem &item, const char *word) {
  return item.styleNames.contains(QLatin1String(word));
}

// The up-down styles, which the preview's style table does not hold: by their words
// or a number written in their place.
quint32 upDownStyle(const DynControlItem &item) {
  quint32 bits = 0;
  for (const QString &word : item.styleNames) {
    bool number = false;
    const quint32 value = word.toUInt(&number, 0);
    if (number)
      bits |= value;
    else if (word == QLatin1String("UDS_ALIGNRIGHT"))
      bits |= kUpDownAlignRight;
    else if (word == QLatin1String("UDS_ALIGNLEFT"))
      bits |= kUpDownAlignLeft;
    else if (word == QLatin1String("UDS_AUTOBUDDY"))
      bits |= kUpDownAutoBuddy;
  }
  return bits;
}

bool isKeyword(const DynControlItem &item, const char *keyword) {
  return item.layout &&
         item.layout->keyword.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// The bits the numbers among the style words give from the statement's defaults, NOT
// clearing: a compiled dialog is read with its styles as numbers. Nothing without one.
std::optional<quint32> numberBits(const DynControlItem &item, quint32 defaults) {
  const bool numbers = std::any_of(item.styleNames.cbegin(), item.styleNames.cend(), [](auto &w) {
    const QString word = w.startsWith(QLatin1String("NOT ")) ? w.mid(4).trimmed() : w.trimmed();
    return !word.isEmpty() && word[0].isDigit();
  });
  if (!numbers)
    return std::nullopt;
  return styleBits(defaults, item.styleNames, [](QStringView w) { return styleNumber(w); });
}

// A list box's sunken edge: the border the statement gives it (LISTBOX has WS_BORDER
// unless NOT WS_BORDER), drawn as the client edge in dialogs.
int listBorder(const DynControlItem &item) {
  const bool listBox = isKeyword(item, "LISTBOX");
  const std::optional<quint32> numbers = numberBits(item, listBox ? kBorder : 0);
  const bool border = numbers ? (*numbers & kBorder) && !hasWord(item, "NOT WS_BORDER")
                              : (listBox && !hasWord(item, "NOT WS_BORDER"));
  const bool bordered = border || hasWord(item, "WS_BORDER") || (item.exStyle & kExClientEdge);
  return bordered ? 2 : 0;
}

// The list box keeps whole lines: what is left below the last one goes.
QRect wholeLines(const DynControlItem &item, QRect r) {
  const std::optional<quint32> numbers = numberBits(item, 0);
  if (hasWord(item, "LBS_NOINTEGRALHEIGHT") || (numbers && (*numbers & kNoIntegralHeight)))
    return r;
  const int client = r.height() - 2 * listBorder(item);
  if (client > kListLineHeight && client % kListLineHeight)
    r.setHeight(r.height() - client % kListLineHeight);
  return r;
}

} // namespace

bool besideBuddy(const DynControlItem &item, QRect &self, QRect &buddy) {
  if (item.kind != KindUpDown)
    return false;
  const quint32 bits = upDownStyle(item);
  const bool right = bits & kUpDownAlignRight;
  const bool left = bits & kUpDownAlignLeft;
  if (!(bits & kUpDownAutoBuddy) || !(right || left))
    return false;
  if (right) {
    buddy.setWidth(buddy.width() - kUpDownWidth);
    self =
        QRect(buddy.x() + buddy.width() - kUpDownOverlap, buddy.y(), kUpDownWidth, buddy.height());
  } else {
    self = QRect(buddy.x() + kUpDownOverlap, buddy.y(), kUpDownWidth, buddy.height());
    buddy.setLeft(buddy.left() + kUpDownWidth);
  }
  return true;
}

QRect ownWindow(const DynControlItem &item, QRect pixels, int fontHeight) {
  if (isDropDownCombo(item))
    pixels.setHeight(closedComboHeight(fontHeight) +
                     (item.kind == KindComboBoxEx ? kComboExExtra : 0));
  else if (item.kind == KindListBox)
    pixels = wholeLines(item, pixels);
  return pixels;
}

bool isDropDownCombo(const DynControlItem &item) {
  if (item.kind != KindComboBox && item.kind != KindComboBoxEx)
    return false;
  const bool dropDown = hasWord(item, "CBS_DROPDOWN") || hasWord(item, "CBS_DROPDOWNLIST");
  const bool simple = hasWord(item, "CBS_SIMPLE");
  // COMBOBOX without a type is CBS_SIMPLE, the compiler's default; a number may give it.
  const bool comboBox = isKeyword(item, "COMBOBOX");
  const std::optional<quint32> numbers = numberBits(item, comboBox ? kSimpleCombo : 0);
  if (!dropDown && !simple && numbers && (*numbers & kComboTypes))
    return (*numbers & kComboTypes) != kSimpleCombo;
  return dropDown || !(simple || comboBox);
}

int closedComboHeight(int fontHeight) {
  return fontHeight + kEditFrame;
}

std::vector<QRect> windowRects(const std::vector<const DynControlItem *> &items,
                               const std::vector<QRect> &pixels, int fontHeight) {
  std::vector<QRect> rects = pixels;
  for (size_t i = 0; i < items.size() && i < rects.size(); ++i) {
    rects[i] = ownWindow(*items[i], rects[i], fontHeight);
    if (i > 0)
      besideBuddy(*items[i], rects[i], rects[i - 1]);
  }
  return rects;
}

} // namespace tarvelo
