// Writing a large resource script shaped like a real MFC program's, in two languages.
#include "support/script_generator.h"

#include <QString>

namespace tarvelo::bench {

namespace {

const char *const kWords[] = {"file",    "open",    "save",    "print",  "window", "document",
                              "options", "format",  "insert",  "view",   "tools",  "settings",
                              "search",  "replace", "project", "folder", "select", "column"};

QString phrase(int seed, int words, bool translated) {
  QString text;
  for (int i = 0; i < words; ++i) {
    if (i > 0)
      text += u' ';
    text += QString::fromLatin1(kWords[(seed * 7 + i * 13) % 18]);
  }
  if (!text.isEmpty())
    text[0] = text[0].toUpper();
  if (translated)
    text = QStringLiteral("Ü ") + text;
  return text;
}

} // namespace

QByteArray generateScript(int scale, bool translated) {
  QString s;
  s.reserve(2'800'000 * scale);
  s += "// Generated resource script.\n#include \"resource.h\"\n\n#define "
       "APSTUDIO_READONLY_SYMBOLS\n"
       "#include \"afxres.h\"\n#undef APSTUDIO_READONLY_SYMBOLS\n\n";
  s += translated ? "#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_DEU)\n"
                    "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n#pragma code_page(1252)\n\n"
                  : "#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)\n"
                    "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n#pragma code_page(1252)\n\n";
  int seed = 0;
  for (int d = 0; d < 600 * scale; ++d) {
    s += QStringLiteral("IDD_DIALOG_%1 DIALOGEX 0, 0, 320, 200\n").arg(d);
    s += "STYLE DS_SETFONT | DS_MODALFRAME | DS_FIXEDSYS | WS_POPUP | WS_CAPTION | WS_SYSMENU\n";
    s += QStringLiteral("CAPTION \"%1\"\n").arg(phrase(++seed, 3, translated));
    s += "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\nBEGIN\n";
    for (int c = 0; c < 20; ++c) {
      const int id = 1000 + c;
      switch (c % 5) {
      case 0:
        s += QStringLiteral("    LTEXT           \"%1:\",IDC_STATIC,7,%2,60,8\n")
                 .arg(phrase(++seed, 2, translated))
                 .arg(7 + c * 9);
        break;
      case 1:
        s += QStringLiteral("    EDITTEXT        IDC_EDIT_%1,70,%2,120,14,ES_AUTOHSCROLL\n")
                 .arg(id)
                 .arg(5 + c * 9);
        break;
      case 2:
        s += QStringLiteral("    CONTROL         \"%1\",IDC_CHECK_%2,\"Button\",BS_AUTOCHECKBOX | "
                            "WS_TABSTOP,7,%3,150,10\n")
                 .arg(phrase(++seed, 3, translated))
                 .arg(id)
                 .arg(7 + c * 9);
        break;
      case 3:
        s += QStringLiteral("    PUSHBUTTON      \"%1\",IDC_BUTTON_%2,200,%3,50,14\n")
                 .arg(phrase(++seed, 1, translated))
                 .arg(id)
                 .arg(5 + c * 9);
        break;
      default:
        s += QStringLiteral("    GROUPBOX        \"%1\",IDC_STATIC,5,%2,300,40\n")
                 .arg(phrase(++seed, 2, translated))
                 .arg(c * 9);
        break;
      }
    }
    s += "END\n\n";
  }
  for (int m = 0; m < 200 * scale; ++m) {
    s += QStringLiteral("IDR_MENU_%1 MENU\nBEGIN\n").arg(m);
    for (int p = 0; p < 4; ++p) {
      s += QStringLiteral("    POPUP \"&%1\"\n    BEGIN\n").arg(phrase(++seed, 1, translated));
      for (int i = 0; i < 8; ++i)
        s += QStringLiteral("        MENUITEM \"&%1\\tCtrl+%2\",       ID_MENU_%3_%4\n")
                 .arg(phrase(++seed, 2, translated))
                 .arg(char('A' + i))
                 .arg(m)
                 .arg(p * 8 + i);
      s += "    END\n";
    }
    s += "END\n\n";
  }
  for (int t = 0; t < 1250 * scale; ++t) {
    s += "STRINGTABLE\nBEGIN\n";
    for (int i = 0; i < 16; ++i) {
      ++seed;
      s += QStringLiteral("    IDS_STRING_%1_%2    \"%3 \"\"%4\"\" %5\"\n")
               .arg(t)
               .arg(i)
               .arg(phrase(seed, 3, translated))
               .arg(phrase(seed + 3, 1, translated))
               .arg(phrase(seed + 5, 2, translated));
    }
    s += "END\n\n";
  }
  s += "#endif\n";
  return QByteArray("\xEF\xBB\xBF", 0) + s.toLatin1();
}

} // namespace tarvelo::bench
