// The Windows program the Wine tests translate: its resource script, and its code,
// which prints the texts and the dialog's layout it loads from a language DLL.
#pragma once

namespace tarvelo::test {

// English resources: strings, a menu with a named identifier, an access key and an
// accelerator's text, and a DIALOGEX in the shell's font.
inline const char kProbeScript[] = R"rc(#include <windows.h>
LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US
STRINGTABLE
BEGIN
  101 "Open file"
  102 "Save changes?"
  103 "SIZE"
END
MAINMENU MENU
BEGIN
  POPUP "&File"
  BEGIN
    MENUITEM "&Open...\tCtrl+O", 201
    MENUITEM SEPARATOR
    MENUITEM "E&xit", 202
  END
END
300 DIALOGEX 0, 0, 200, 100
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Settings"
FONT 8, "MS Shell Dlg"
BEGIN
  GROUPBOX "Options", 310, 5, 5, 190, 60
  LTEXT "User name:", 311, 12, 18, 40, 8
  EDITTEXT 312, 55, 16, 130, 12, ES_AUTOHSCROLL
  AUTOCHECKBOX "Remember", 313, 12, 36, 100, 10
  DEFPUSHBUTTON "OK", IDOK, 90, 78, 50, 14
  PUSHBUTTON "Cancel", IDCANCEL, 145, 78, 50, 14
END
)rc";

// `probe (DLL | -) LANGUAGE`: loads the DLL as a program loads its language DLL (or
// uses its own resources for "-") and prints, a line each, the strings of the language
// (found by FindResourceExW, then by LoadStringW), every menu item, and the dialog it
// creates: client size, caption, font, and each control's id, class and rectangle in
// client coordinates. Texts follow " =" as UTF-16 code units in hexadecimal.
inline const char kProbeSource[] = R"c(#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

static void hex(const WCHAR *text, int length) {
  printf(" =");
  for (int i = 0; i < length; ++i) printf("%04x", text[i]);
  printf("\n");
}

static void strings(HMODULE m, WORD language) {
  for (UINT id = 101; id <= 103; ++id) {
    HRSRC r = FindResourceExW(m, (LPCWSTR)RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    printf("string %u", id);
    if (!r) { printf(" missing\n"); continue; }
    const WORD *units = (const WORD *)LockResource(LoadResource(m, r));
    for (UINT s = 0; s < id % 16; ++s) units += 1 + units[0];
    hex((const WCHAR *)units + 1, units[0]);
  }
  for (UINT id = 101; id <= 103; ++id) {
    const WCHAR *text = NULL;
    int length = LoadStringW(m, id, (LPWSTR)&text, 0);
    printf("loadstring %u", id);
    hex(text, length);
  }
}

static void menu(HMENU h, const char *path) {
  for (int i = 0; i < GetMenuItemCount(h); ++i) {
    WCHAR text[256];
    int length = GetMenuStringW(h, i, text, 256, MF_BYPOSITION);
    HMENU sub = GetSubMenu(h, i);
    char here[64];
    snprintf(here, sizeof here, "%s/%d", path, i);
    printf("menu %s %d", here, sub ? -1 : (int)GetMenuItemID(h, i));
    hex(text, length);
    if (sub) menu(sub, here);
  }
}

static INT_PTR CALLBACK quiet(HWND w, UINT message, WPARAM wp, LPARAM lp) {
  (void)w; (void)wp; (void)lp;
  return message == WM_INITDIALOG;
}

static void dialog(HMODULE m, WORD language) {
  HRSRC r = FindResourceExW(m, (LPCWSTR)RT_DIALOG, MAKEINTRESOURCEW(300), language);
  if (!r) { printf("dialog missing\n"); return; }
  HWND d = CreateDialogIndirectParamW(GetModuleHandleW(NULL),
                                      (LPCDLGTEMPLATEW)LockResource(LoadResource(m, r)),
                                      NULL, quiet, 0);
  if (!d) { printf("dialog not created %lu\n", GetLastError()); return; }
  WCHAR text[256];
  RECT client;
  GetClientRect(d, &client);
  printf("dialog %ld %ld", client.right, client.bottom);
  hex(text, GetWindowTextW(d, text, 256));
  LOGFONTW font;
  if (GetObjectW((HFONT)SendMessageW(d, WM_GETFONT, 0, 0), sizeof font, &font)) {
    printf("font %ld", font.lfHeight);
    hex(font.lfFaceName, lstrlenW(font.lfFaceName));
  }
  for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    WCHAR type[64];
    RECT box;
    GetClassNameW(c, type, 64);
    GetWindowRect(c, &box);
    MapWindowPoints(NULL, d, (POINT *)&box, 2);
    printf("control %d %ls %ld %ld %ld %ld", GetDlgCtrlID(c), type, box.left, box.top,
           box.right, box.bottom);
    hex(text, GetWindowTextW(c, text, 256));
  }
  DestroyWindow(d);
}

int main(int argc, char **argv) {
  if (argc < 3) { printf("usage: probe (DLL | -) LANGUAGE\n"); return 2; }
  HMODULE m = GetModuleHandleW(NULL);
  if (strcmp(argv[1], "-") != 0) {
    WCHAR path[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path, MAX_PATH);
    m = LoadLibraryExW(path, NULL, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!m) { printf("not loaded %lu\n", GetLastError()); return 1; }
  }
  WORD language = (WORD)strtol(argv[2], NULL, 16);
  printf("ui language %d\n", SetThreadUILanguage(language) == language);
  strings(m, language);
  HRSRC r = FindResourceExW(m, (LPCWSTR)RT_MENU, L"MAINMENU", language);
  if (r) {
    HMENU h = LoadMenuIndirectW(LockResource(LoadResource(m, r)));
    menu(h, "");
    DestroyMenu(h);
  } else {
    printf("menu missing\n");
  }
  dialog(m, language);
  return 0;
}
)c";

} // namespace tarvelo::test
