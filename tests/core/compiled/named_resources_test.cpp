// Tests: a program's resources decompiled with its header spell the header's macros,
// compile back with llvm-rc to the same resources, read as the program's own script
// reads, and are translated by a German script that uses the macros; DLGINIT data of
// type 240 is translated like llvm-rc's named type.
#include "compiled/decompiler.h"
#include "compiled/translated_resources.h"
#include "script/write_context.h"
#include "support/rc_compiler.h"
#include "support/resource_lines.h"
#include "support/script_harness.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

const char kHeader[] = "//{{NO_DEPENDENCIES}}\n// resource.h\n"
                       "#define IDOK 1\n#define VS_VERSION_INFO 1\n#define IDS_HELLO 1\n"
                       "#define IDD_ABOUT 100\n#define IDR_MAIN 101\n#define IDS_BYE 0x11\n"
                       "#define IDC_NAME (1001)\n#define IDC_KIND 1002\n"
                       "#define ID_FILE_OPEN 32771\n#define ID_APP_EXIT 0xE141\n"
                       "#define IDC_STATIC (-1)\n#ifdef APSTUDIO_INVOKED\n"
                       "#define _APS_NEXT_RESOURCE_VALUE 102\n#endif\n";

// %1 the LANGUAGE statement, %2 the version's block name, %3 its Translation language,
// then the texts.
const char kScript[] =
    "#include \"resource.h\"\n%1\n"
    "STRINGTABLE\nBEGIN\n IDS_HELLO \"%4\"\n IDS_BYE \"%5\"\nEND\n"
    "IDR_MAIN MENU\nBEGIN\n POPUP \"%6\"\n BEGIN\n  MENUITEM \"%7\", ID_FILE_OPEN\n"
    "  MENUITEM SEPARATOR\n  MENUITEM \"%8\", ID_APP_EXIT\n END\nEND\n"
    "IDD_ABOUT DIALOGEX 0, 0, 160, 60\nSTYLE 0x80C80048\nCAPTION \"%9\"\n"
    "FONT 8, \"MS Shell Dlg\", 400, 0, 1\nBEGIN\n LTEXT \"%10\", IDC_STATIC, 5, 5, 50, 8\n"
    " EDITTEXT IDC_NAME, 60, 5, 90, 12\n COMBOBOX IDC_KIND, 60, 20, 90, 50, 0x0003\n"
    " DEFPUSHBUTTON \"%11\", IDOK, 5, 40, 50, 14\n PUSHBUTTON \"%12\", 2, 60, 40, 50, 14\nEND\n"
    "IDD_ABOUT DLGINIT\nBEGIN\n IDC_KIND, 0x403, %13\n IDC_KIND, 0x403, %14\n 0\nEND\n"
    "VS_VERSION_INFO VERSIONINFO\nFILEVERSION 1,0,0,1\nBEGIN\n BLOCK \"StringFileInfo\"\n"
    " BEGIN\n  BLOCK \"%2\"\n  BEGIN\n   VALUE \"FileDescription\", \"Demo\"\n  END\n END\n"
    " BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", %3, 1200\n END\nEND\n";

// A combo box's ASCII string as the resource editors write DLGINIT data: its length
// with the zero, the words, and an odd last byte as a string of one byte.
QString dlgInitData(const QByteArray &text) {
  const QByteArray bytes = text + '\0';
  QString out = QStringLiteral("%1, 0").arg(bytes.size());
  for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
    out += QStringLiteral(", 0x%1").arg(uchar(bytes[i]) | uchar(bytes[i + 1]) << 8, 0, 16);
  if (bytes.size() % 2)
    out += QStringLiteral(", \"\\000\"");
  return out;
}

const QStringList kEnglish = {"Hello", "Good&bye", "&File", "&Open", "E&xit",
                              "About", "Name:",    "OK",    "Cancel"};
const QStringList kGerman = {"Hallo",    "Auf &Wiedersehen",
                             "&Datei",   "&Öffnen",
                             "&Beenden", "Info",
                             "Name:",    "OK",
                             "Abbrechen"};

QString script(bool german) {
  QString text = QString::fromLatin1(kScript).arg(
      QString::fromLatin1(german ? "LANGUAGE 7, 1" : "LANGUAGE 9, 1"),
      QString::fromLatin1(german ? "040704b0" : "040904b0"),
      QString::fromLatin1(german ? "0x407" : "0x409"));
  for (const QString &each : german ? kGerman : kEnglish)
    text = text.arg(each);
  return text.arg(dlgInitData(german ? "Birne" : "Pear"), dlgInitData(german ? "Apfel" : "Apple"));
}

// Writes a file of the folder.
void save(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Compiles the script with the header's folder searched; the resources.
QList<CompiledResource> compiled(const QString &text, const QString &headerFolder) {
  QTemporaryDir dir;
  save(dir.filePath("s.rc"), "#pragma code_page(65001)\n" + text.toUtf8());
  QString error;
  const QByteArray res =
      test::compileScript(dir.filePath("s.rc"), {headerFolder}, 65001, dir.path(), error);
  EXPECT_FALSE(res.isEmpty()) << error.toStdString() << text.toStdString();
  return readResFile(res).resources;
}

// The resources as the resource editors' compiler stores them: DLGINIT as type 240.
QList<CompiledResource> numberedDlgInit(QList<CompiledResource> resources) {
  for (CompiledResource &r : resources)
    if (r.type == ResourceId{0, QStringLiteral("DLGINIT")})
      r.type = ResourceId::fromNumber(240);
  return resources;
}

QSet<QString> entriesOf(const QByteArray &text) {
  test::Workspace ws;
  EXPECT_EQ(ws.readSource(text, 0x0409), ScriptResult::Ok);
  QSet<QString> out;
  for (const auto &entry : ws.entries)
    out << entry->kind + u'|' + entry->identifier + u'|' + entry->sourceText;
  return out;
}

TEST(NamedResources, DecompiledWithTheHeaderTheyCompileAndReadAsTheScript) {
  QTemporaryDir headerDir;
  save(headerDir.filePath("resource.h"), kHeader);
  const QList<CompiledResource> original = compiled(script(false), headerDir.path());
  ASSERT_FALSE(original.isEmpty());
  HeaderNames names;
  QString error;
  ASSERT_TRUE(readHeaderNames(headerDir.filePath("resource.h"), names, error));
  // Compiled by the resource editors' compiler or by llvm-rc: the same script.
  const QString decompiled =
      decompileResources(numberedDlgInit(original), "s", kSpellEveryByte, &names).text;
  EXPECT_EQ(decompileResources(original, "s", kSpellEveryByte, &names).text, decompiled);
  for (const char *spelt :
       {"#include \"resource.h\"", "IDD_ABOUT DIALOGEX", "IDR_MAIN MENU", "IDD_ABOUT DLGINIT",
        "IDS_HELLO \"Hello\"", "IDS_BYE \"Good&bye\"", "\"&Open\", ID_FILE_OPEN",
        "\"E&xit\", ID_APP_EXIT", "\"Name:\", IDC_STATIC", "EDITTEXT IDC_NAME", "\"OK\", IDOK",
        "\"Cancel\", 2", "IDC_KIND, 0x403", "VS_VERSION_INFO VERSIONINFO"})
    EXPECT_TRUE(decompiled.contains(QLatin1String(spelt))) << spelt << "\n"
                                                           << decompiled.toStdString();
  EXPECT_FALSE(decompiled.contains(QLatin1String("_APS_")));
  EXPECT_EQ(test::resourceLines(compiled(decompiled, headerDir.path())),
            test::resourceLines(original))
      << decompiled.toStdString();
  // Every text with the identifier the program's own script gives it.
  EXPECT_EQ(entriesOf(decompiled.toUtf8()), entriesOf(script(false).toUtf8()));
}

TEST(NamedResources, AGermanScriptWithTheMacrosTranslatesTheProgram) {
  QTemporaryDir headerDir;
  save(headerDir.filePath("resource.h"), kHeader);
  const QList<CompiledResource> source = numberedDlgInit(compiled(script(false), headerDir.path()));
  ASSERT_FALSE(source.isEmpty());
  HeaderNames names;
  QString error;
  ASSERT_TRUE(readHeaderNames(headerDir.filePath("resource.h"), names, error));
  test::Workspace ws;
  ASSERT_EQ(
      ws.readSource(decompileResources(source, "s", kSpellEveryByte, &names).text.toUtf8(), 0x0409),
      ScriptResult::Ok);
  ASSERT_EQ(ws.readTarget(script(true).toUtf8(), 0x0407), ScriptResult::Ok);
  int texts = 0;
  for (const auto &entry : ws.entries)
    if (!entry->sourceText.isEmpty()) {
      ++texts;
      EXPECT_FALSE(entry->targetText.isEmpty()) << entry->identifier.toStdString();
    }
  EXPECT_EQ(texts, kEnglish.size() + 2);
  WriteContext context;
  context.task = ws.tasks.head();
  const QList<CompiledResource> out =
      translatedResources(source, 0x0409, ws.entries, ws.tasks.head(), 0x0407, context, &names);
  // What llvm-rc makes of the German script, DLGINIT kept as the source's type 240.
  EXPECT_EQ(test::resourceLines(out),
            test::resourceLines(numberedDlgInit(compiled(script(true), headerDir.path()))));
}

} // namespace
} // namespace tarvelo
