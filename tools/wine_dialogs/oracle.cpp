// Windows' own dialog manager as an oracle: builds each described dialog from a
// template in memory, hidden, and prints its controls' rectangles and text extents.
// Built with mingw-w64 and run under Wine by tools/wine_dialogs/compare.py.
#include <windows.h>
// The common controls need windows.h before them.
#include <commctrl.h>
#include <richedit.h>

#include "style_words.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// A word's value: a known name, a number (decimal, 0x hexadecimal, an L suffix), or 0
// (counted in unknown).
unsigned long wordValue(const std::string &word, int &unknown) {
  for (const Word &known : kWords)
    if (word == known.name)
      return known.value;
  char *end = nullptr;
  const unsigned long value = std::strtoul(word.c_str(), &end, 0);
  if (end != word.c_str() && (*end == 0 || *end == 'L' || *end == 'l'))
    return value;
  ++unknown;
  return 0;
}

// "A|B|NOT C" onto a starting value.
unsigned long styleOf(const std::string &words, unsigned long start, int &unknown) {
  unsigned long value = start;
  size_t at = 0;
  while (at <= words.size() && !words.empty()) {
    size_t bar = words.find('|', at);
    if (bar == std::string::npos)
      bar = words.size();
    std::string word = words.substr(at, bar - at);
    at = bar + 1;
    if (word.empty())
      continue;
    if (word.rfind("NOT ", 0) == 0)
      value &= ~wordValue(word.substr(4), unknown);
    else
      value |= wordValue(word, unknown);
  }
  return value;
}

std::wstring widen(const std::string &text) {
  if (text.empty())
    return std::wstring();
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(size_t(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size);
  return out;
}

std::string narrow(const std::wstring &text) {
  if (text.empty())
    return std::string();
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

// Field texts come escaped: \\ \t \n \r.
std::string unescape(const std::string &field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      const char next = field[++i];
      out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::string jsonString(const std::string &text) {
  std::string out = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

std::vector<std::string> split(const std::string &line) {
  std::vector<std::string> fields;
  size_t at = 0;
  for (;;) {
    const size_t tab = line.find('\t', at);
    fields.push_back(line.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
    if (tab == std::string::npos)
      return fields;
    at = tab + 1;
  }
}

struct Control {
  std::string keyword, className, styles, exStyles, text;
  bool hasText = false;
  int x = 0, y = 0, cx = 0, cy = 0;
};

struct Dialog {
  std::string name, styles, exStyles, face, caption;
  bool extended = false, hasFont = false;
  int x = 0, y = 0, cx = 0, cy = 0, points = 8, weight = 0, italic = 0, charset = 1;
  std::vector<Control> controls;
};

// The style a statement's keyword gives before its own words, and its window class.
struct Keyword {
  const char *keyword;
  const wchar_t *className;
  unsigned long style;
};
const Keyword kKeywords[] = {
    {"LTEXT", L"STATIC", SS_LEFT | WS_GROUP},
    {"RTEXT", L"STATIC", SS_RIGHT | WS_GROUP},
    {"CTEXT", L"STATIC", SS_CENTER | WS_GROUP},
    {"ICON", L"STATIC", SS_ICON},
    {"PUSHBUTTON", L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP},
    {"DEFPUSHBUTTON", L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"PUSHBOX", L"BUTTON", BS_PUSHBOX | WS_TABSTOP},
    {"CHECKBOX", L"BUTTON", BS_CHECKBOX | WS_TABSTOP},
    {"AUTOCHECKBOX", L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP},
    {"RADIOBUTTON", L"BUTTON", BS_RADIOBUTTON},
    {"AUTORADIOBUTTON", L"BUTTON", BS_AUTORADIOBUTTON},
    {"STATE3", L"BUTTON", BS_3STATE | WS_TABSTOP},
    {"AUTO3STATE", L"BUTTON", BS_AUTO3STATE | WS_TABSTOP},
    {"GROUPBOX", L"BUTTON", BS_GROUPBOX},
    {"EDITTEXT", L"EDIT", ES_LEFT | WS_BORDER | WS_TABSTOP},
    {"COMBOBOX", L"COMBOBOX", CBS_SIMPLE | WS_TABSTOP},
    {"LISTBOX", L"LISTBOX", LBS_NOTIFY | WS_BORDER},
    {"SCROLLBAR", L"SCROLLBAR", SBS_HORZ},
};

const Keyword *keywordOf(const std::string &keyword) {
  for (const Keyword &row : kKeywords)
    if (keyword == row.keyword)
      return &row;
  return nullptr;
}

// Template writer: words, aligned as the dialog manager reads them.
struct Template {
  std::vector<WORD> words;
  void word(WORD w) { words.push_back(w); }
  void dword(DWORD d) {
    word(LOWORD(d));
    word(HIWORD(d));
  }
  void text(const std::wstring &s) {
    for (const wchar_t c : s)
      word(WORD(c));
    word(0);
  }
  void align() {
    if (words.size() % 2)
      word(0);
  }
};

// The class a control is created with: a registered one, else a static stands in.
std::wstring creatableClass(const std::wstring &name, bool &standIn) {
  WNDCLASSEXW info = {};
  info.cbSize = sizeof info;
  standIn = false;
  if (GetClassInfoExW(nullptr, name.c_str(), &info) ||
      GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &info))
    return name;
  standIn = true;
  return L"STATIC";
}

std::vector<WORD> buildTemplate(const Dialog &dialog, std::vector<unsigned long> &styles,
                                std::vector<bool> &standIns, int &unknown) {
  Template t;
  unsigned long style = dialog.styles.empty() ? (WS_POPUP | WS_BORDER | WS_SYSMENU)
                                              : styleOf(dialog.styles, 0, unknown);
  if (dialog.hasFont)
    style |= DS_SETFONT;
  if (!dialog.caption.empty())
    style |= WS_CAPTION;
  // Hidden, on its own, and built even where a control's class is missing.
  style &= ~(WS_VISIBLE | WS_CHILD | DS_CONTROL);
  style |= WS_POPUP | DS_NOFAILCREATE;
  const unsigned long exStyle = styleOf(dialog.exStyles, 0, unknown);
  t.word(1);
  t.word(0xFFFF);
  t.dword(0);
  t.dword(exStyle);
  t.dword(style);
  t.word(WORD(dialog.controls.size()));
  t.word(WORD(dialog.x));
  t.word(WORD(dialog.y));
  t.word(WORD(dialog.cx));
  t.word(WORD(dialog.cy));
  t.word(0);
  t.word(0);
  t.text(widen(dialog.caption));
  if (style & DS_SETFONT) {
    t.word(WORD(dialog.points));
    t.word(WORD(dialog.weight));
    t.word(WORD((dialog.italic ? 1 : 0) | (dialog.charset << 8)));
    t.text(widen(dialog.face));
  }
  int id = 1000;
  for (const Control &control : dialog.controls) {
    t.align();
    const Keyword *keyword = keywordOf(control.keyword);
    std::wstring cls = keyword ? keyword->className : widen(control.className);
    unsigned long controlStyle = WS_CHILD | WS_VISIBLE | (keyword ? keyword->style : 0);
    controlStyle = styleOf(control.styles, controlStyle, unknown);
    bool standIn = false;
    cls = creatableClass(cls, standIn);
    styles.push_back(controlStyle);
    standIns.push_back(standIn);
    t.dword(0);
    t.dword(styleOf(control.exStyles, 0, unknown));
    t.dword(controlStyle);
    t.word(WORD(control.x));
    t.word(WORD(control.y));
    t.word(WORD(control.cx));
    t.word(WORD(control.cy));
    t.dword(DWORD(id++));
    t.text(cls);
    t.text(widen(control.text));
    t.word(0);
  }
  return t.words;
}

INT_PTR CALLBACK quietProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

SIZE textExtent(HDC dc, const std::wstring &text, UINT flags, int width) {
  RECT r = {0, 0, width > 0 ? width : 1, 0};
  if (text.empty())
    return SIZE{0, 0};
  DrawTextW(dc, text.c_str(), int(text.size()), &r, flags | DT_CALCRECT);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// The control's client area rendered with a text, pixel by pixel (column major).
std::vector<COLORREF> rendering(HWND control, HDC dc, const std::wstring &text) {
  RECT client;
  GetClientRect(control, &client);
  const int width = client.right, height = client.bottom;
  std::vector<COLORREF> pixels;
  if (width <= 0 || height <= 0)
    return pixels;
  SetWindowTextW(control, text.c_str());
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(control, WM_PRINTCLIENT, WPARAM(memory), PRF_CLIENT | PRF_ERASEBKGND);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y)
      pixels.push_back(GetPixel(memory, x, y));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// The first and last columns where two renderings differ; -1 when they do not.
void differingColumns(const std::vector<COLORREF> &a, const std::vector<COLORREF> &b, int height,
                      int &first, int &last) {
  first = last = -1;
  if (a.size() != b.size() || height <= 0)
    return;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) {
      const int column = int(i / size_t(height));
      if (first < 0)
        first = column;
      last = column;
    }
}

// Where the ink of the last of letters "W" starts when they are drawn at the origin:
// the first column that differs from one letter fewer (for one letter, from none).
int lastLetterInk(HDC dc, int letters) {
  SIZE size;
  GetTextExtentPoint32W(dc, L"WWWWW", 5, &size);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, size.cx, size.cy);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  HGDIOBJ oldFont = SelectObject(memory, GetCurrentObject(dc, OBJ_FONT));
  std::vector<COLORREF> three, four;
  for (int pass = 0; pass < 2; ++pass) {
    RECT all = {0, 0, size.cx, size.cy};
    FillRect(memory, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    SetBkMode(memory, TRANSPARENT);
    TextOutW(memory, 0, 0, L"WWWW", pass ? letters : letters - 1);
    for (int x = 0; x < size.cx; ++x)
      for (int y = 0; y < size.cy; ++y)
        (pass ? four : three).push_back(GetPixel(memory, x, y));
  }
  SelectObject(memory, oldFont);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  int first = -1, last = -1;
  differingColumns(three, four, size.cy, first, last);
  return first;
}

// Where a button of a box or a frame starts its text: where a letter added to a
// short text appears, less where it appears in the text drawn at the origin; and where
// a text far too long for the control is cut (a pixel either way, by the letter's ink).
bool textSpan(HWND control, HDC dc, const std::wstring &text, bool frameOnly, int &start,
              int &end) {
  RECT client;
  GetClientRect(control, &client);
  const std::vector<COLORREF> empty = rendering(control, dc, L"");
  const std::vector<COLORREF> three = rendering(control, dc, L"WWW");
  const std::vector<COLORREF> four = rendering(control, dc, L"WWWW");
  const std::vector<COLORREF> longer = rendering(control, dc, std::wstring(400, L'W'));
  SetWindowTextW(control, text.c_str());
  int first = -1, last = -1, ignored = -1;
  // A group box draws nothing where its title goes: the title's first ink is its
  // start. A box button draws its box otherwise with a text than without: the letter
  // added shows where the text runs.
  int ink = -1;
  if (frameOnly) {
    differingColumns(empty, three, client.bottom, first, ignored);
    ink = lastLetterInk(dc, 1);
  } else {
    differingColumns(three, four, client.bottom, first, ignored);
    ink = lastLetterInk(dc, 4);
  }
  differingColumns(empty, longer, client.bottom, ignored, last);
  if (first < 0 || ink < 0 || last < 0)
    return false;
  start = first - ink;
  end = last + 1;
  return true;
}

// The room Windows gives a control's text and the size the text takes there, with the
// rule the dialogs report applies; false for controls whose text is no text.
bool measureText(HWND control, HDC dc, const wchar_t *cls, unsigned long style,
                 const std::wstring &text, SIZE &room, SIZE &need, bool &wrapped, int &start) {
  RECT client;
  GetClientRect(control, &client);
  room = SIZE{client.right, client.bottom};
  start = 0;
  if (text.empty())
    return false;
  UINT flags = DT_EXPANDTABS;
  if (!_wcsicmp(cls, L"Static")) {
    const unsigned long type = style & SS_TYPEMASK;
    if ((type >= SS_ICON && type <= SS_WHITEFRAME) || type == SS_BITMAP || type == SS_ENHMETAFILE ||
        type == SS_OWNERDRAW || type >= SS_ETCHEDHORZ)
      return false;
    if (style & SS_NOPREFIX)
      flags |= DT_NOPREFIX;
    // As the static draws: centred images and ellipses on one line.
    wrapped = type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP &&
              !(style & (SS_CENTERIMAGE | SS_ELLIPSISMASK));
  } else if (!_wcsicmp(cls, L"Button")) {
    const unsigned long type = style & BS_TYPEMASK;
    if (style & (BS_ICON | BS_BITMAP))
      return false;
    wrapped = style & BS_MULTILINE;
    const bool boxed = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                       type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE ||
                       type == BS_GROUPBOX;
    if (boxed && !(style & BS_PUSHLIKE)) {
      // Only a left-aligned text shows where its room starts.
      int end = 0;
      if ((style & BS_CENTER) != 0 && (style & BS_CENTER) != BS_LEFT)
        return false;
      if (!textSpan(control, dc, text, type == BS_GROUPBOX, start, end))
        return false;
      room.cx -= start;
    } else if (type <= BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE)) {
      room.cx -= wrapped ? 8 : 4;
      room.cy -= 4;
    } else {
      return false;
    }
  } else {
    return false;
  }
  need = wrapped ? textExtent(dc, text, flags | DT_WORDBREAK, room.cx)
                 : textExtent(dc, text, flags | DT_SINGLELINE, 0);
  if (!wrapped)
    need.cy = textExtent(dc, L"X", DT_SINGLELINE, 0).cy;
  return true;
}

void report(const Dialog &dialog) {
  std::vector<unsigned long> styles;
  std::vector<bool> standIns;
  int unknown = 0;
  std::vector<WORD> words = buildTemplate(dialog, styles, standIns, unknown);
  HWND hwnd = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
                                         quietProc, 0);
  if (!hwnd) {
    std::printf("{\"dialog\":%s,\"error\":%lu}\n", jsonString(dialog.name).c_str(), GetLastError());
    return;
  }
  RECT units = {0, 0, 4, 8};
  MapDialogRect(hwnd, &units);
  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  LOGFONTW logFont = {};
  if (dialogFont)
    GetObjectW(dialogFont, sizeof logFont, &logFont);
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, dialogFont ? dialogFont : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  wchar_t faceUsed[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, faceUsed);
  std::printf("{\"dialog\":%s,\"baseUnits\":[%ld,%ld],\"face\":%s,\"faceUsed\":%s,"
              "\"height\":%ld,\"unknownWords\":%d,\"controls\":[",
              jsonString(dialog.name).c_str(), units.right, units.bottom,
              jsonString(narrow(logFont.lfFaceName)).c_str(), jsonString(narrow(faceUsed)).c_str(),
              metrics.tmHeight, unknown);
  for (size_t i = 0; i < dialog.controls.size(); ++i) {
    HWND control = GetDlgItem(hwnd, int(1000 + i));
    if (i)
      std::printf(",");
    if (!control) {
      std::printf("null");
      continue;
    }
    RECT window;
    GetWindowRect(control, &window);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT *>(&window), 2);
    RECT client;
    GetClientRect(control, &client);
    wchar_t cls[64] = {};
    GetClassNameW(control, cls, 64);
    const std::wstring given = widen(dialog.controls[i].text);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    SelectObject(dc, font ? font : (dialogFont ? dialogFont : GetStockObject(SYSTEM_FONT)));
    const unsigned long style = styles[i];
    SIZE room = {0, 0}, need = {0, 0};
    bool wrapped = false;
    int start = 0;
    const bool measured = measureText(control, dc, cls, style, given, room, need, wrapped, start);
    std::printf("{\"class\":%s,\"standIn\":%s,\"style\":%lu,\"rect\":[%ld,%ld,%ld,%ld],"
                "\"client\":[%ld,%ld]",
                jsonString(narrow(cls)).c_str(), standIns[i] ? "true" : "false", style, window.left,
                window.top, window.right - window.left, window.bottom - window.top, client.right,
                client.bottom);
    if (measured)
      std::printf(",\"room\":[%ld,%ld],\"need\":[%ld,%ld],\"wrapped\":%s,\"textStart\":%d", room.cx,
                  room.cy, need.cx, need.cy, wrapped ? "true" : "false", start);
    std::printf("}");
  }
  std::printf("]}\n");
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  DestroyWindow(hwnd);
}

int readInt(const std::string &text) {
  return int(std::strtol(text.c_str(), nullptr, 0));
}

} // namespace

// Input lines, tab separated (texts escaped):
//   DIALOG name extended styles exStyles x y cx cy hasFont points weight italic charset face
//   caption CONTROL keyword class styles exStyles x y cx cy text END
int main(int argc, char **argv) {
  INITCOMMONCONTROLSEX init = {sizeof init, 0xFFFF};
  InitCommonControlsEx(&init);
  LoadLibraryW(L"riched20.dll");
  LoadLibraryW(L"riched32.dll");
  LoadLibraryW(L"msftedit.dll");
  FILE *in = argc > 1 ? std::fopen(argv[1], "rb") : stdin;
  if (!in) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 2;
  }
  Dialog dialog;
  char buffer[65536];
  while (std::fgets(buffer, sizeof buffer, in)) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
      line.pop_back();
    const std::vector<std::string> f = split(line);
    if (f[0] == "DIALOG" && f.size() >= 16) {
      dialog = Dialog();
      dialog.name = unescape(f[1]);
      dialog.extended = f[2] == "1";
      dialog.styles = f[3];
      dialog.exStyles = f[4];
      dialog.x = readInt(f[5]);
      dialog.y = readInt(f[6]);
      dialog.cx = readInt(f[7]);
      dialog.cy = readInt(f[8]);
      dialog.hasFont = f[9] == "1";
      dialog.points = readInt(f[10]);
      dialog.weight = readInt(f[11]);
      dialog.italic = readInt(f[12]);
      dialog.charset = readInt(f[13]);
      dialog.face = unescape(f[14]);
      dialog.caption = unescape(f[15]);
    } else if (f[0] == "CONTROL" && f.size() >= 10) {
      Control control;
      control.keyword = f[1];
      control.className = unescape(f[2]);
      control.styles = f[3];
      control.exStyles = f[4];
      control.x = readInt(f[5]);
      control.y = readInt(f[6]);
      control.cx = readInt(f[7]);
      control.cy = readInt(f[8]);
      control.text = unescape(f[9]);
      dialog.controls.push_back(control);
    } else if (f[0] == "END") {
      report(dialog);
      std::fflush(stdout);
    }
  }
  return 0;
}
