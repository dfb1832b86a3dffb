// What the example takes from the framework's afxres.h: the language names, the
// window and control styles and the framework's command identifiers it uses, so that
// a resource compiler without the Windows headers (llvm-rc, windres) compiles it.
// With Visual C++, the compiler finds this file first; it defines nothing differently.
#ifndef TARVELO_EXAMPLE_AFXRES_H
#define TARVELO_EXAMPLE_AFXRES_H

#define LANG_NEUTRAL 0x00
#define LANG_GERMAN 0x07
#define LANG_ENGLISH 0x09
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_GERMAN 0x01
#define SUBLANG_ENGLISH_US 0x01

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L

#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_FIXEDSYS 0x0008L

#define BS_AUTOCHECKBOX 0x00000003L
#define ES_AUTOHSCROLL 0x0080L
#define SS_NOPREFIX 0x00000080L
#define CBS_DROPDOWNLIST 0x0003L

#define IDOK 1
#define IDCANCEL 2
#define IDC_STATIC (-1)

#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_UNDO 0xE12B
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801

#endif
