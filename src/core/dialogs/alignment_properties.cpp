// The Alignment tab: which controls offer which property, read from and written to styles.
#include "dialogs/alignment_properties.h"

#include "dialogs/control_item.h"
#include "script/dialog_layout.h"

#include <QSet>

namespace tarvelo {

namespace {

constexpr auto kAnyCase = Qt::CaseInsensitive;

bool isControlStatement(const ControlLayout &c) {
  return c.keyword.compare(QLatin1String("CONTROL"), kAnyCase) == 0;
}

bool classIs(const ControlLayout &c, const char *name) {
  return isControlStatement(c) && c.className.compare(QLatin1String(name), kAnyCase) == 0;
}

bool keywordIs(const ControlLayout &c, const char *word) {
  return c.keyword.compare(QLatin1String(word), kAnyCase) == 0;
}

bool isButton(const ControlLayout &c) {
  for (const char *tail : {"BUTTON", "GROUPBOX", "CHECKBOX"})
    if (!isControlStatement(c) && c.keyword.endsWith(QLatin1String(tail), kAnyCase))
      return true;
  return classIs(c, "Button");
}

bool isTextKeyword(const ControlLayout &c) {
  return keywordIs(c, "LTEXT") || keywordIs(c, "RTEXT") || keywordIs(c, "CTEXT");
}

bool isStatic(const ControlLayout &c) {
  return isTextKeyword(c) || classIs(c, "Static");
}

bool isEdit(const ControlLayout &c) {
  return keywordIs(c, "EDITTEXT") || classIs(c, "Edit");
}

bool offersReadingOrder(const ControlLayout &c) {
  if (!isControlStatement(c))
    return true;
  if (c.className.isEmpty())
    return false;
  for (const char *name : {"Scrollbar", "msctls_updown32", "msctls_trackbar32", "SysAnimate32"})
    if (classIs(c, name))
      return false;
  return true;
}

bool offersLeftScrollbar(const ControlLayout &c) {
  if (keywordIs(c, "EDITTEXT") || keywordIs(c, "COMBOBOX") || keywordIs(c, "LISTBOX"))
    return true;
  // "Combbox" as the table has always spelled it: a CONTROL of class "ComboBox" does
  // not offer it.
  for (const char *name :
       {"Edit", "Combbox", "ListBox", "SysListView32", "SysTreeView32", "RICHEDIT",
        "SysDateTimePick32", "SysMonthCal32", "SysIPAddress32", "ComboBoxEx32"})
    if (classIs(c, name))
      return true;
  return false;
}

bool offers(const ControlLayout &c, AlignmentFlag flag) {
  switch (flag) {
  case AlignmentFlag::RtlReading:
  case AlignmentFlag::RightText:
    return offersReadingOrder(c);
  case AlignmentFlag::LeftScrollbar:
    return offersLeftScrollbar(c);
  case AlignmentFlag::Multiline:
    return isButton(c);
  }
  return false;
}

QString flagWord(AlignmentFlag flag) {
  switch (flag) {
  case AlignmentFlag::RtlReading:
    return QStringLiteral("WS_EX_RTLREADING");
  case AlignmentFlag::RightText:
    return QStringLiteral("WS_EX_RIGHT");
  case AlignmentFlag::LeftScrollbar:
    return QStringLiteral("WS_EX_LEFTSCROLLBAR");
  case AlignmentFlag::Multiline:
    return QStringLiteral("BS_MULTILINE");
  }
  return QString();
}

// The list a flag's word lives in.
QStringList &flagList(ControlLayout &c, AlignmentFlag flag) {
  return flag == AlignmentFlag::Multiline ? c.styles : c.exStyles;
}
const QStringList &flagList(const ControlLayout &c, AlignmentFlag flag) {
  return flag == AlignmentFlag::Multiline ? c.styles : c.exStyles;
}

// The bits the words of the list give among the named ones.
quint32 bitsOf(const QStringList &words,
               std::initializer_list<std::pair<const char *, quint32>> names) {
  quint32 bits = 0;
  for (const QString &word : words)
    for (const auto &[name, value] : names)
      if (word == QLatin1String(name))
        bits |= value;
  return bits;
}

const std::initializer_list<std::pair<const char *, quint32>> kButtonHorizontal = {
    {"BS_LEFT", 0x100}, {"BS_RIGHT", 0x200}, {"BS_CENTER", 0x300}};
const std::initializer_list<std::pair<const char *, quint32>> kButtonVertical = {
    {"BS_TOP", 0x400}, {"BS_BOTTOM", 0x800}, {"BS_VCENTER", 0xC00}};

int buttonHorizontal(const ControlLayout &c) {
  switch (bitsOf(c.styles, kButtonHorizontal)) {
  case 0x100:
    return int(Horizontal::Left);
  case 0x200:
    return int(Horizontal::Right);
  case 0x300:
    return int(Horizontal::Center);
  default:
    return !isControlStatement(c) && c.keyword.endsWith(QLatin1String("PUSHBUTTON"), kAnyCase)
               ? int(Horizontal::Center)
               : int(Horizontal::Left);
  }
}

int buttonVertical(const ControlLayout &c) {
  switch (bitsOf(c.styles, kButtonVertical)) {
  case 0x400:
    return int(Vertical::Top);
  case 0x800:
    return int(Vertical::Bottom);
  default:
    return int(Vertical::Center);
  }
}

// The type a static is shown as: its keyword's and its words' bits.
int staticHorizontal(const ControlLayout &c) {
  DynControlItem item;
  item.styleNames = c.styles;
  classify(isControlStatement(c) ? QStringView(c.className) : QStringView(c.keyword), item);
  quint32 styleBits = item.style;
  for (const QString &name : std::as_const(item.styleNames))
    styleBits |= styleValue(name);
  switch (styleBits & style::StaticTypeMask) {
  case 0:
    return int(Horizontal::Left);
  case 1:
    return int(Horizontal::Center);
  case 2:
    return int(Horizontal::Right);
  default:
    return -1;
  }
}

int editHorizontal(const ControlLayout &c) {
  if (c.styles.contains(QLatin1String("ES_CENTER")))
    return int(Horizontal::Center);
  if (c.styles.contains(QLatin1String("ES_RIGHT")))
    return int(Horizontal::Right);
  return int(Horizontal::Left);
}

void removeWords(QStringList &list, std::initializer_list<const char *> words) {
  for (const char *word : words)
    list.removeAll(QLatin1String(word));
}

} // namespace

Alignment readAlignment(const ControlLayout &control) {
  Alignment a;
  if (isButton(control)) {
    a.horizontal = buttonHorizontal(control);
    a.vertical = buttonVertical(control);
  } else if (isStatic(control)) {
    a.horizontal = staticHorizontal(control);
  } else if (isEdit(control)) {
    a.horizontal = editHorizontal(control);
  }
  for (AlignmentFlag flag : {AlignmentFlag::RtlReading, AlignmentFlag::RightText,
                             AlignmentFlag::LeftScrollbar, AlignmentFlag::Multiline}) {
    if (!offers(control, flag))
      continue;
    a.applicable |= 1 << int(flag);
    if (flagList(control, flag).contains(flagWord(flag)))
      a.flags |= 1 << int(flag);
  }
  return a;
}

Alignment readAlignment(const DialogLayout &dialog) {
  Alignment a;
  for (AlignmentFlag flag : {AlignmentFlag::RtlReading, AlignmentFlag::RightText}) {
    a.applicable |= 1 << int(flag);
    if (dialog.exStyles.contains(flagWord(flag)))
      a.flags |= 1 << int(flag);
  }
  return a;
}

bool setHorizontal(ControlLayout &control, Horizontal value) {
  const int now = readAlignment(control).horizontal;
  if (now < 0 || now == int(value))
    return false;
  if (isButton(control)) {
    removeWords(control.styles, {"BS_LEFT", "BS_RIGHT", "BS_CENTER"});
    control.styles.append(value == Horizontal::Left    ? QStringLiteral("BS_LEFT")
                          : value == Horizontal::Right ? QStringLiteral("BS_RIGHT")
                                                       : QStringLiteral("BS_CENTER"));
  } else if (isStatic(control)) {
    if (isTextKeyword(control))
      control.keyword = QStringLiteral("LTEXT");
    removeWords(control.styles, {"SS_LEFT", "SS_CENTER", "SS_RIGHT"});
    if (value != Horizontal::Left)
      control.styles.append(value == Horizontal::Right ? QStringLiteral("SS_RIGHT")
                                                       : QStringLiteral("SS_CENTER"));
  } else {
    removeWords(control.styles, {"ES_LEFT", "ES_CENTER", "ES_RIGHT"});
    if (value != Horizontal::Left)
      control.styles.append(value == Horizontal::Right ? QStringLiteral("ES_RIGHT")
                                                       : QStringLiteral("ES_CENTER"));
  }
  return true;
}

bool setVertical(ControlLayout &control, Vertical value) {
  const int now = readAlignment(control).vertical;
  if (now < 0 || now == int(value))
    return false;
  removeWords(control.styles, {"BS_TOP", "BS_BOTTOM", "BS_VCENTER"});
  if (value != Vertical::Center)
    control.styles.append(value == Vertical::Top ? QStringLiteral("BS_TOP")
                                                 : QStringLiteral("BS_BOTTOM"));
  return true;
}

bool setFlag(ControlLayout &control, AlignmentFlag flag, bool on) {
  if (!offers(control, flag))
    return false;
  QStringList &list = flagList(control, flag);
  const QString word = flagWord(flag);
  if (on == list.contains(word))
    return false;
  if (on)
    list.append(word);
  else
    list.removeAll(word);
  return true;
}

bool setFlag(DialogLayout &dialog, AlignmentFlag flag, bool on) {
  if (flag != AlignmentFlag::RtlReading && flag != AlignmentFlag::RightText)
    return false;
  const QString word = flagWord(flag);
  if (on == dialog.exStyles.contains(word))
    return false;
  if (on)
    dialog.exStyles.append(word);
  else
    dialog.exStyles.removeAll(word);
  return true;
}

QStringList styleWords(const std::vector<const QStringList *> &lists) {
  QStringList words;
  QSet<QString> seen;
  for (const QStringList *list : lists)
    for (const QString &word : *list)
      if (!seen.contains(word)) {
        seen.insert(word);
        words.append(word);
      }
  return words;
}

bool removeWord(QStringList &list, const QString &word) {
  return list.removeAll(word) > 0;
}

} // namespace tarvelo
