// Style word tables, and classifying a dialog's controls into the kinds the preview draws.
#include "dialogs/control_item.h"

#include "script/dialog_layout.h"

#include <QHash>
#include <atomic>

namespace tarvelo {

namespace {

bool beginsWith(QStringView word, QStringView test, Qt::CaseSensitivity cs) {
  return word.startsWith(test, cs);
}

int digitValue(QChar c, int base) {
  const int value = c.isDigit() ? c.digitValue()
                    : (c.toLower() >= u'a' && c.toLower() <= u'f')
                        ? c.toLower().unicode() - u'a' + 10
                        : 99;
  return value < base ? value : -1;
}

// The value of a word the tables do not know, as the compiler reads a number: leading
// blanks, an optional sign, decimal, hexadecimal (0x) or octal (0o) digits, a U or L
// suffix; anything else counts 0.
quint32 decimalValue(QStringView word) {
  return styleNumber(word);
}

using ValueTable = QHash<QString, quint32>;

const ValueTable &styleTable() {
  static const ValueTable table = {
      // Buttons. BS_DEFPUSHBUTTON counts 0 so that default buttons are drawn by us
      // like every push button.
      {QStringLiteral("BS_PUSHBUTTON"), 0},
      {QStringLiteral("BS_DEFPUSHBUTTON"), 0},
      {QStringLiteral("BS_CHECKBOX"), 2},
      {QStringLiteral("BS_AUTOCHECKBOX"), 3},
      {QStringLiteral("BS_RADIOBUTTON"), 4},
      {QStringLiteral("BS_3STATE"), 5},
      {QStringLiteral("BS_AUTO3STATE"), 6},
      {QStringLiteral("BS_GROUPBOX"), 7},
      {QStringLiteral("BS_USERBUTTON"), 8},
      {QStringLiteral("BS_AUTORADIOBUTTON"), 9},
      {QStringLiteral("BS_OWNERDRAW"), 0xB},
      {QStringLiteral("BS_LEFTTEXT"), 0x20},
      {QStringLiteral("BS_TEXT"), 0},
      {QStringLiteral("BS_ICON"), 0x40},
      {QStringLiteral("BS_BITMAP"), 0x80},
      {QStringLiteral("BS_LEFT"), 0x100},
      {QStringLiteral("BS_RIGHT"), 0x200},
      {QStringLiteral("BS_CENTER"), 0x300},
      {QStringLiteral("BS_TOP"), 0x400},
      {QStringLiteral("BS_BOTTOM"), 0x800},
      {QStringLiteral("BS_VCENTER"), 0xC00},
      {QStringLiteral("BS_PUSHLIKE"), 0x1000},
      {QStringLiteral("BS_MULTILINE"), 0x2000},
      {QStringLiteral("BS_NOTIFY"), 0x4000},
      {QStringLiteral("BS_FLAT"), 0x8000},
      {QStringLiteral("BS_RIGHTBUTTON"), 0x20},
      // Statics.
      {QStringLiteral("SS_LEFT"), 0},
      {QStringLiteral("SS_CENTER"), 1},
      {QStringLiteral("SS_RIGHT"), 2},
      {QStringLiteral("SS_ICON"), 3},
      {QStringLiteral("SS_BLACKRECT"), 4},
      {QStringLiteral("SS_GRAYRECT"), 5},
      {QStringLiteral("SS_WHITERECT"), 6},
      {QStringLiteral("SS_BLACKFRAME"), 7},
      {QStringLiteral("SS_GRAYFRAME"), 8},
      {QStringLiteral("SS_WHITEFRAME"), 9},
      {QStringLiteral("SS_USERITEM"), 0xA},
      {QStringLiteral("SS_SIMPLE"), 0xB},
      {QStringLiteral("SS_LEFTNOWORDWRAP"), 0xC},
      {QStringLiteral("SS_OWNERDRAW"), 0xD},
      {QStringLiteral("SS_BITMAP"), 0xE},
      {QStringLiteral("SS_ENHMETAFILE"), 0xF},
      {QStringLiteral("SS_ETCHEDHORZ"), 0x10},
      {QStringLiteral("SS_ETCHEDVERT"), 0x11},
      {QStringLiteral("SS_ETCHEDFRAME"), 0x12},
      {QStringLiteral("SS_TYPEMASK"), 0x1F},
      {QStringLiteral("SS_NOPREFIX"), 0x80},
      {QStringLiteral("SS_NOTIFY"), 0x100},
      {QStringLiteral("SS_CENTERIMAGE"), 0x200},
      {QStringLiteral("SS_RIGHTJUST"), 0x400},
      {QStringLiteral("SS_REALSIZEIMAGE"), 0x800},
      {QStringLiteral("SS_SUNKEN"), 0x1000},
      {QStringLiteral("SS_ENDELLIPSIS"), 0x4000},
      {QStringLiteral("SS_PATHELLIPSIS"), 0x8000},
      {QStringLiteral("SS_WORDELLIPSIS"), 0xC000},
      {QStringLiteral("SS_ELLIPSISMASK"), 0xC000},
      // Edits.
      {QStringLiteral("ES_LEFT"), 0},
      {QStringLiteral("ES_CENTER"), 1},
      {QStringLiteral("ES_RIGHT"), 2},
      {QStringLiteral("ES_MULTILINE"), 4},
      {QStringLiteral("ES_UPPERCASE"), 8},
      {QStringLiteral("ES_LOWERCASE"), 0x10},
      {QStringLiteral("ES_PASSWORD"), 0x20},
      {QStringLiteral("ES_AUTOVSCROLL"), 0x40},
      {QStringLiteral("ES_AUTOHSCROLL"), 0x80},
      {QStringLiteral("ES_NOHIDESEL"), 0x100},
      {QStringLiteral("ES_OEMCONVERT"), 0x400},
      {QStringLiteral("ES_READONLY"), 0x800},
      {QStringLiteral("ES_WANTRETURN"), 0x1000},
      {QStringLiteral("ES_NUMBER"), 0x2000},
      // Scroll bars.
      {QStringLiteral("SBS_HORZ"), 0},
      {QStringLiteral("SBS_VERT"), 1},
      {QStringLiteral("SBS_TOPALIGN"), 2},
      {QStringLiteral("SBS_LEFTALIGN"), 2},
      {QStringLiteral("SBS_BOTTOMALIGN"), 4},
      {QStringLiteral("SBS_RIGHTALIGN"), 4},
      {QStringLiteral("SBS_SIZEBOXTOPLEFTALIGN"), 2},
      {QStringLiteral("SBS_SIZEBOXBOTTOMRIGHTALIGN"), 4},
      {QStringLiteral("SBS_SIZEBOX"), 8},
      {QStringLiteral("SBS_SIZEGRIP"), 0x10},
      // Combo boxes: every one is shown as a drop-down whose edit shows the text.
      {QStringLiteral("CBS_SIMPLE"), 2},
      {QStringLiteral("CBS_DROPDOWN"), 2},
      {QStringLiteral("CBS_DROPDOWNLIST"), 2},
      {QStringLiteral("CBS_NOINTEGRALHEIGHT"), 0x400},
      {QStringLiteral("CBS_DISABLENOSCROLL"), 0x800},
      // List boxes.
      {QStringLiteral("LBS_NOTIFY"), 1},
      {QStringLiteral("LBS_SORT"), 2},
      {QStringLiteral("LBS_NOREDRAW"), 4},
      {QStringLiteral("LBS_MULTIPLESEL"), 8},
      {QStringLiteral("LBS_HASSTRINGS"), 0x40},
      {QStringLiteral("LBS_USETABSTOPS"), 0x80},
      {QStringLiteral("LBS_NOINTEGRALHEIGHT"), 0x100},
      {QStringLiteral("LBS_MULTICOLUMN"), 0x200},
      {QStringLiteral("LBS_WANTKEYBOARDINPUT"), 0x400},
      {QStringLiteral("LBS_EXTENDEDSEL"), 0x800},
      {QStringLiteral("LBS_DISABLENOSCROLL"), 0x1000},
      {QStringLiteral("LBS_NODATA"), 0x2000},
  };
  return table;
}

const ValueTable &extendedStyleTable() {
  static const ValueTable table = {
      {QStringLiteral("WS_EX_DLGMODALFRAME"), 0x1},
      {QStringLiteral("WS_EX_NOPARENTNOTIFY"), 0x4},
      {QStringLiteral("WS_EX_TOPMOST"), 0x8},
      {QStringLiteral("WS_EX_ACCEPTFILES"), 0x10},
      {QStringLiteral("WS_EX_TRANSPARENT"), 0x20},
      {QStringLiteral("WS_EX_MDICHILD"), 0x40},
      {QStringLiteral("WS_EX_TOOLWINDOW"), 0x80},
      {QStringLiteral("WS_EX_WINDOWEDGE"), 0x100},
      {QStringLiteral("WS_EX_CLIENTEDGE"), 0x200},
      {QStringLiteral("WS_EX_CONTEXTHELP"), 0x400},
      {QStringLiteral("WS_EX_RIGHT"), 0x1000},
      {QStringLiteral("WS_EX_RTLREADING"), 0x2000},
      {QStringLiteral("WS_EX_LEFTSCROLLBAR"), 0x4000},
      {QStringLiteral("WS_EX_CONTROLPARENT"), 0x10000},
      {QStringLiteral("WS_EX_STATICEDGE"), 0x20000},
      {QStringLiteral("WS_EX_APPWINDOW"), 0x40000},
      {QStringLiteral("WS_EX_LAYERED"), 0x80000},
      {QStringLiteral("WS_EX_NOINHERITLAYOUT"), 0x100000},
      {QStringLiteral("WS_EX_LAYOUTRTL"), 0x400000},
      {QStringLiteral("WS_EX_NOACTIVATE"), 0x8000000},
  };
  return table;
}

quint32 lookup(const ValueTable &table, QStringView word) {
  const auto it = table.constFind(word.toString());
  return it != table.constEnd() ? it.value() : decimalValue(word);
}

// Button keywords that the compiler turns into check boxes and radio buttons: without
// them a check box would be shown, and measured, as a plain text, and an automatic
// radio button as a push button.
struct ButtonKeyword {
  const char16_t *word;
  quint32 type;
  const char16_t *styleName;
};
constexpr ButtonKeyword kButtonKeywords[] = {
    {u"AUTORADIOBUTTON", 9, u"BS_AUTORADIOBUTTON"},
    {u"AUTOCHECKBOX", 3, u"BS_AUTOCHECKBOX"},
    {u"AUTO3STATE", 6, u"BS_AUTO3STATE"},
    {u"STATE3", 5, u"BS_3STATE"},
    {u"PUSHBOX", 0xA, u"BS_PUSHBOX"},
};

// Standard classes of CONTROL statements: window class names are compared without
// case, as the system does.
struct ClassRow {
  const char16_t *name;
  quint32 kind;
};
constexpr ClassRow kCommonClasses[] = {
    {u"msctls_updown32", KindUpDown},
    {u"msctls_progress32", KindProgress},
    {u"msctls_trackbar32", KindTrackBar},
    {u"msctls_hotkey32", KindHotKey},
    {u"SysListView32", KindListView},
    {u"SysTreeView32", KindTreeView},
    {u"SysTabControl32", KindTabControl},
    {u"SysAnimate32", KindAnimate},
    {u"SysDateTimePick32", KindDateTime},
    {u"SysMonthCal32", KindMonthCalendar},
    {u"SysIPAddress32", KindIpAddress},
    {u"ComboBoxEx32", KindComboBoxEx},
    {u"SysLink", KindSysLink},
};

} // namespace

quint32 styleNumber(QStringView word) {
  qsizetype i = 0;
  while (i < word.size() && word[i].isSpace())
    ++i;
  bool negative = false;
  if (i < word.size() && (word[i] == u'-' || word[i] == u'+'))
    negative = word[i++] == u'-';
  int base = 10;
  if (i + 1 < word.size() && word[i] == u'0' &&
      (word[i + 1] == u'x' || word[i + 1] == u'X' || word[i + 1] == u'o' || word[i + 1] == u'O')) {
    base = word[i + 1].toLower() == u'x' ? 16 : 8;
    i += 2;
  }
  quint32 value = 0;
  for (; i < word.size(); ++i) {
    const int digit = digitValue(word[i], base);
    if (digit < 0)
      break;
    value = value * quint32(base) + quint32(digit);
  }
  return negative ? quint32(0) - value : value;
}

quint32 styleValue(QStringView word) {
  return lookup(styleTable(), word);
}

quint32 extendedStyleValue(QStringView word) {
  return lookup(extendedStyleTable(), word);
}

QString className(quint32 kind) {
  switch (kind) {
  case KindButton:
    return QStringLiteral("BUTTON");
  case KindEdit:
    return QStringLiteral("EDIT");
  case KindStatic:
    return QStringLiteral("STATIC");
  case KindListBox:
    return QStringLiteral("LISTBOX");
  case KindScrollBar:
    return QStringLiteral("SCROLLBAR");
  case KindComboBox:
    return QStringLiteral("COMBOBOX");
  case KindUpDown:
    return QStringLiteral("msctls_updown32");
  case KindProgress:
    return QStringLiteral("msctls_progress32");
  case KindTrackBar:
    return QStringLiteral("msctls_trackbar32");
  case KindHotKey:
    return QStringLiteral("msctls_hotkey32");
  case KindListView:
    return QStringLiteral("SysListView32");
  case KindTreeView:
    return QStringLiteral("SysTreeView32");
  case KindTabControl:
    return QStringLiteral("SysTabControl32");
  case KindAnimate:
    return QStringLiteral("SysAnimate32");
  case KindRichEdit:
    return QStringLiteral("RICHEDIT");
  case KindDateTime:
    return QStringLiteral("SysDateTimePick32");
  case KindMonthCalendar:
    return QStringLiteral("SysMonthCal32");
  case KindIpAddress:
    return QStringLiteral("SysIPAddress32");
  case KindComboBoxEx:
    return QStringLiteral("ComboBoxEx32");
  case KindSysLink:
    return QStringLiteral("SysLink");
  default:
    return QString();
  }
}

namespace {

// Every kind is a bit of its own: no kind is 0.
constexpr quint32 kNoKind = 0;

// Button keywords and the BUTTON class; kNoKind, with the item as it was, for others.
quint32 buttonKind(QStringView word, DynControlItem &item) {
  const auto append = [&item](const QString &name) { item.styleNames.append(name); };
  if (beginsWith(word, u"BUTTON", Qt::CaseInsensitive))
    return KindButton;
  for (const ButtonKeyword &keyword : kButtonKeywords)
    if (word == QStringView(keyword.word)) {
      item.style = keyword.type;
      append(QString::fromUtf16(keyword.styleName));
      return KindButton;
    }
  if (word.endsWith(u"BUTTON")) {
    if (beginsWith(word, u"DEFPUSHBUTTON", Qt::CaseInsensitive))
      append(QStringLiteral("BS_DEFPUSHBUTTON"));
    else if (beginsWith(word, u"RADIOBUTTON", Qt::CaseInsensitive))
      append(QStringLiteral("BS_RADIOBUTTON"));
    return KindButton;
  }
  if (beginsWith(word, u"GROUPBOX", Qt::CaseSensitive)) {
    item.style = 7;
    item.exStyle = style::ExTransparent;
    append(QStringLiteral("BS_GROUPBOX"));
    return KindButton;
  }
  if (beginsWith(word, u"CHECKBOX", Qt::CaseSensitive)) {
    item.style = 2;
    append(QStringLiteral("BS_CHECKBOX"));
    return KindButton;
  }
  return kNoKind;
}

// Static keywords and the STATIC class; kNoKind, with the item as it was, for others.
quint32 staticKind(QStringView word, DynControlItem &item) {
  const auto append = [&item](const QString &name) { item.styleNames.append(name); };
  if (beginsWith(word, u"STATIC", Qt::CaseInsensitive)) {
    item.exStyle |= style::ExStaticEdge;
    return KindStatic;
  }
  if (beginsWith(word, u"ICON", Qt::CaseInsensitive)) {
    item.style = 3;
    item.exStyle |= style::ExStaticEdge;
    append(QStringLiteral("SS_ICON"));
    return KindStatic;
  }
  if (beginsWith(word, u"BITMAP", Qt::CaseInsensitive)) {
    item.style = 14;
    item.exStyle |= style::ExStaticEdge;
    append(QStringLiteral("SS_BITMAP"));
    return KindStatic;
  }
  if (word.size() == 5 && word.endsWith(u"TEXT")) {
    if (word == u"RTEXT") {
      item.style = 2;
      append(QStringLiteral("SS_RIGHT"));
    } else if (word == u"CTEXT") {
      item.style = 1;
      append(QStringLiteral("SS_CENTER"));
    }
    return KindStatic;
  }
  return kNoKind;
}

// The other window classes; a class the system does not know stands in as a static.
quint32 classKind(QStringView word, DynControlItem &item) {
  // Window classes are compared without case (the system's own rule).
  constexpr auto cls = Qt::CaseInsensitive;
  if (beginsWith(word, u"LISTBOX", cls)) {
    item.style |= 0x100;
    item.exStyle |= style::ExStaticEdge;
    return KindListBox;
  }
  if (beginsWith(word, u"SCROLLBAR", cls))
    return KindScrollBar;
  if (beginsWith(word, u"COMBOBOXEX32", cls))
    return KindComboBoxEx;
  if (beginsWith(word, u"COMBOBOX", cls)) {
    item.style = 2;
    return KindComboBox;
  }
  for (const ClassRow &row : kCommonClasses)
    if (beginsWith(word, QStringView(row.name), cls)) {
      if (row.kind == KindListView || row.kind == KindTreeView)
        item.exStyle |= style::ExStaticEdge;
      return row.kind;
    }
  if (beginsWith(word, u"RICHEDIT", Qt::CaseInsensitive)) {
    item.exStyle |= style::ExStaticEdge;
    return KindRichEdit;
  }
  if (word.isEmpty() || (word.startsWith(u'{') && word.endsWith(u'}')))
    item.style = style::StaticEditBorder;
  return KindStatic;
}

} // namespace

// The keywords of statements are upper case anyway; window classes are compared without
// case.
quint32 classify(QStringView word, DynControlItem &item) {
  if (const quint32 kind = buttonKind(word, item))
    return kind;
  if (beginsWith(word, u"EDIT", Qt::CaseInsensitive)) {
    item.exStyle |= style::ExStaticEdge;
    return KindEdit;
  }
  if (const quint32 kind = staticKind(word, item))
    return kind;
  return classKind(word, item);
}

namespace {

// The code of a numeric escape starting at i (after the backslash), and its length;
// 0 when there is none.
qsizetype numericEscape(const QString &text, qsizetype i, char32_t &code) {
  const bool hex = text[i] == u'x' || text[i] == u'X';
  const int base = hex ? 16 : 8;
  const qsizetype first = hex ? i + 1 : i;
  const qsizetype most = hex ? 4 : 3;
  code = 0;
  qsizetype j = first;
  for (; j < text.size() && j - first < most; ++j) {
    const int digit = digitValue(text[j], base);
    if (digit < 0)
      break;
    code = code * char32_t(base) + char32_t(digit);
  }
  return j > first ? j - i : 0;
}

} // namespace

QString controlDisplayText(const QString &text) {
  if (!text.contains(u'\\'))
    return text;
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const QChar next = text[i + 1];
    const char16_t simple = next == u'n'    ? u'\n'
                            : next == u'r'  ? u'\r'
                            : next == u't'  ? u'\t'
                            : next == u'a'  ? u'\a'
                            : next == u'\\' ? u'\\'
                                            : 0;
    char32_t code = 0;
    if (simple) {
      out += QChar(simple);
      ++i;
    } else if (const qsizetype length = numericEscape(text, i + 1, code); length > 0) {
      // Codes below 256 are taken as Latin-1, as the common Windows code page has them.
      out += QString::fromUcs4(&code, 1);
      i += length;
    } else {
      out += text[i];
    }
  }
  return out;
}

QString linkDisplayText(const QString &text, std::vector<bool> *linked) {
  QString out;
  out.reserve(text.size());
  bool inLink = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'<') {
      const QStringView rest = QStringView(text).mid(i + 1);
      const bool opening = rest.startsWith(u"a>", Qt::CaseInsensitive) ||
                           rest.startsWith(u"a ", Qt::CaseInsensitive);
      const bool closing = rest.startsWith(u"/a>", Qt::CaseInsensitive);
      const qsizetype end = text.indexOf(u'>', i);
      if ((opening || closing) && end > i) {
        inLink = opening;
        i = end;
        continue;
      }
    }
    out += text[i];
    if (linked)
      linked->push_back(inLink);
  }
  return out;
}

namespace {
std::atomic<int> nextWindowId{1024};
}

quint32 styleBits(quint32 bits, const QStringList &words, quint32 (*value)(QStringView)) {
  // As the compiler reads "A | NOT B": from left to right, NOT clearing what it names.
  for (const QString &word : words) {
    const QStringView trimmed = QStringView(word).trimmed();
    if (trimmed.startsWith(QLatin1String("NOT "), Qt::CaseInsensitive))
      bits &= ~value(trimmed.mid(4).trimmed());
    else
      bits |= value(trimmed);
  }
  return bits;
}

DynControlItem makeItem(const ControlLayout &control, const QRect &rect, const QString &text) {
  DynControlItem item;
  item.styleNames = control.styles;
  item.exStyleNames = control.exStyles;
  const QString &word = control.keyword.compare(QLatin1String("CONTROL"), Qt::CaseInsensitive) == 0
                            ? control.className
                            : control.keyword;
  item.kind = classify(word, item);
  item.className = className(item.kind);
  item.style = styleBits(style::ChildVisible | item.style, item.styleNames, styleValue);
  item.exStyle = styleBits(item.exStyle, item.exStyleNames, extendedStyleValue);
  item.text = controlDisplayText(text);
  if (item.kind == KindButton) {
    if (item.style & (style::ButtonIcon | style::ButtonBitmap))
      item.text.clear();
    const quint32 type = item.buttonType();
    if (type == 0 || type == 1 || (item.style & style::PushLike)) {
      item.style = (item.style & ~style::ButtonTypeMask) | style::OwnerDraw;
      item.style &= ~(quint32(0x4) | style::PushLike);
    }
  }
  item.rect = rect;
  item.scriptIdentifier = control.identifier;
  item.windowId = nextWindowId.fetch_add(1);
  item.layout = &control;
  return item;
}

} // namespace tarvelo
