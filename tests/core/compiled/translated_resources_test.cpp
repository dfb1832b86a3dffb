// Tests: compiled resources rebuilt with translations equal what llvm-rc compiles of the
// translated script, texts with escapes and controls without texts included.
#include "compiled/decompiler.h"
#include "compiled/translated_resources.h"
#include "script/write_context.h"
#include "support/rc_compiler.h"
#include "support/resource_lines.h"
#include "support/script_harness.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// One script in two languages: %1 is the LANGUAGE statement, the texts come from the map.
const char kScript[] =
    "%1\n"
    "STRINGTABLE\nBEGIN\n 1 \"%2\"\n 2 \"%3\"\n 40 \"%4\"\nEND\n"
    "7 MENU\nBEGIN\n POPUP \"%5\"\n BEGIN\n  MENUITEM \"%6\", 100\n  MENUITEM SEPARATOR\n"
    "  MENUITEM \"%7\", 101, GRAYED\n END\nEND\n"
    "9 DIALOGEX 0, 0, 160, 60\nSTYLE 0x80C80048\nCAPTION \"%8\"\n"
    "FONT 8, \"MS Shell Dlg\", 400, 0, 1\nBEGIN\n LTEXT \"%9\", -1, 5, 5, 50, 8\n"
    " EDITTEXT 200, 60, 5, 90, 12\n CONTROL \"%10\", 201, \"Button\", 0x50010003, 5, 20, 90, 10\n"
    " ICON 3, -1, 130, 30, 20, 20\nEND\n"
    "3 ICONDATA\nBEGIN\n 0x1234, 0x5678\nEND\n";

QByteArray compiled(const QStringList &texts, const char *language) {
  QString script = QString::fromLatin1(kScript).arg(QLatin1String(language));
  for (const QString &text : texts)
    script = script.arg(text);
  QTemporaryDir dir;
  QFile file(dir.filePath("s.rc"));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(script.toUtf8());
  file.close();
  QString error;
  const QByteArray res = test::compileScript(file.fileName(), {}, 65001, dir.path(), error);
  EXPECT_FALSE(res.isEmpty()) << error.toStdString();
  return res;
}

TEST(TranslatedResources, EqualTheCompilationOfTheTranslatedScript) {
  const QStringList english{"Open",  "Tab\\there", "C:\\\\dir", "&File", "&New",
                            "E&xit", "About",      "Name:",     "&Auto"};
  const QStringList german{
      QString::fromUtf8("Öffnen"), "Tab\\tda", "C:\\\\Ordner", "&Datei", "&Neu", "&Beenden",
      QString::fromUtf8("Über"),   "Name:",    "&Automatisch"};
  const QList<CompiledResource> source = readResFile(compiled(english, "LANGUAGE 9, 1")).resources;
  ASSERT_FALSE(source.isEmpty());

  // The task reads the decompiled script; every text gets its translation.
  test::Workspace ws;
  ASSERT_EQ(ws.readSource(decompileResources(source, "s").text.toUtf8(), 1033), ScriptResult::Ok);
  QMap<QString, QString> translations;
  for (int i = 0; i < english.size(); ++i)
    translations.insert(english[i], german[i]);
  int translatedCount = 0;
  for (const auto &entry : ws.entries)
    if (translations.contains(entry->sourceText)) {
      entry->targetText = translations.value(entry->sourceText);
      ++translatedCount;
    }
  EXPECT_EQ(translatedCount, english.size());
  WriteContext context;
  context.task = ws.tasks.head();
  const QList<CompiledResource> out =
      translatedResources(source, 1033, ws.entries, ws.tasks.head(), 1031, context);
  EXPECT_EQ(test::resourceLines(out),
            test::resourceLines(readResFile(compiled(german, "LANGUAGE 7, 1")).resources));
}

TEST(TranslatedResources, StoredTextsDecodeTheEscapesOfScripts) {
  const struct {
    const char *written;
    const char16_t *stored;
  } cases[] = {{"a\\nb", u"a\nb"},           {"tab\\tx", u"tab\tx"}, {"C:\\\\x", u"C:\\x"},
               {"bell\\007", u"bell\a"},     {"\\101B", u"AB"},      {"end\\", u"end\\"},
               {"say \"hi\"", u"say \"hi\""}};
  for (const auto &c : cases)
    EXPECT_EQ(storedText(QString::fromUtf8(c.written)), QString::fromUtf16(c.stored)) << c.written;
}

} // namespace
} // namespace tarvelo
