// Tests: .res files, string blocks and menu templates read from what llvm-rc compiles,
// checked against the script reader on the same script, and hostile files refused.
#include "compiled/menu_template.h"
#include "compiled/res_file.h"
#include "compiled/string_block.h"
#include "support/rc_compiler.h"
#include "support/script_harness.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

const QString kExample = QStringLiteral(TARVELO_SOURCE_DIR "/resources/example/example.rc");

QByteArray compile(const QString &script, QTemporaryDir &dir) {
  QString error;
  const QByteArray res = test::compileScript(script, {}, 1252, dir.path(), error);
  EXPECT_FALSE(res.isEmpty()) << error.toStdString();
  return res;
}

// llvm-rc does not know MENUEX: windres compiles the script then.
QByteArray compileText(const QByteArray &text, QTemporaryDir &dir, bool windres = false) {
  QFile file(dir.filePath(QStringLiteral("inline.rc")));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
  file.close();
  if (!windres)
    return compile(file.fileName(), dir);
  const QString program = QStandardPaths::findExecutable("x86_64-w64-mingw32-windres");
  EXPECT_FALSE(program.isEmpty()) << "windres of mingw-w64 is not installed";
  QProcess process;
  process.start(program, {"-i", file.fileName(), "-o", dir.filePath("windres.res"), "-O", "res"});
  process.waitForFinished(60000);
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  QFile res(dir.filePath("windres.res"));
  return res.open(QIODevice::ReadOnly) ? res.readAll() : QByteArray();
}

// A script text as the compiler stores it: doubled quotes single, escapes decoded.
QString compiled(const QString &written) {
  QString out;
  for (qsizetype i = 0; i < written.size(); ++i) {
    const QChar c = written[i];
    if (c != u'\\' || i + 1 == written.size()) {
      out += c;
      continue;
    }
    const QChar next = written[++i];
    out += next == u'n'   ? QChar(u'\n')
           : next == u't' ? QChar(u'\t')
           : next == u'r' ? QChar(u'\r')
                          : next;
  }
  return out;
}

// The example's texts of a kind as the script reader reads them, stored as compiled.
QStringList scriptTexts(const QString &kind) {
  test::Workspace ws;
  QFile file(kExample);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(ws.readSource(file.readAll(), 1033), ScriptResult::Ok);
  QStringList texts;
  for (const auto &entry : ws.entries)
    if (entry->kind == kind && !entry->sourceText.isEmpty())
      texts << compiled(entry->sourceText);
  return texts;
}

TEST(CompiledResources, TheExampleReadsAsTheScriptReaderReadsItsScript) {
  QTemporaryDir dir;
  const QByteArray res = compile(kExample, dir);
  const ResFileRead read = readResFile(res);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  ASSERT_FALSE(read.resources.isEmpty());
  // Written again, the file is the compiler's byte for byte.
  EXPECT_EQ(writeResFile(read.resources), res);

  QStringList strings, menuTexts;
  for (const CompiledResource &resource : read.resources) {
    if (resource.type == ResourceId::fromNumber(6)) {
      QStringList block;
      ASSERT_TRUE(readStringBlock(resource.data, block));
      EXPECT_EQ(writeStringBlock(block), resource.data);
      for (const QString &text : block)
        if (!text.isEmpty())
          strings << text;
    } else if (resource.type == ResourceId::fromNumber(4)) {
      CompiledMenu menu;
      QString error;
      qsizetype offset = -1;
      ASSERT_TRUE(readMenuTemplate(resource.data, menu, error, offset)) << error.toStdString();
      for (const CompiledMenuItem &item : menu.items)
        if (!item.text.isEmpty())
          menuTexts << item.text;
    }
  }
  QStringList expectedStrings = scriptTexts(QStringLiteral("STRINGTABLE"));
  strings.sort();
  expectedStrings.sort();
  EXPECT_EQ(strings, expectedStrings);
  EXPECT_EQ(menuTexts, scriptTexts(QStringLiteral("MENU")));
}

TEST(CompiledResources, MenuTemplatesOfBothKindsGiveTheirItemsAndLevels) {
  QTemporaryDir dir;
  const ResFileRead plainFile = readResFile(compileText(
      "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\", 10\n  MENUITEM SEPARATOR\n"
      "  POPUP \"Recent\"\n  BEGIN\n   MENUITEM \"One\", 11\n  END\n END\n MENUITEM \"&Help\", 12\n"
      "END\n",
      dir));
  const ResFileRead extendedFile = readResFile(compileText(
      "2 MENUEX\nBEGIN\n POPUP \"&Edit\", 20, 0, 0, 99\n BEGIN\n  MENUITEM \"&Copy\", 21\n"
      "  MENUITEM \"\", 0, 0x800\n END\n MENUITEM \"&About\", 22, 0, 3\nEND\n",
      dir, true));
  ASSERT_TRUE(plainFile.ok() && extendedFile.ok());
  ASSERT_EQ(plainFile.resources.size(), 1);
  ASSERT_EQ(extendedFile.resources.size(), 1);
  const QList<CompiledResource> menus{plainFile.resources[0], extendedFile.resources[0]};
  const auto items = [&](int index, CompiledMenu &menu) {
    QString error;
    qsizetype offset = -1;
    EXPECT_TRUE(readMenuTemplate(menus[index].data, menu, error, offset)) << error.toStdString();
    QStringList out;
    for (const CompiledMenuItem &item : menu.items)
      out << QStringLiteral("%1%2 %3%4")
                 .arg(QString(item.depth, u' '), item.text)
                 .arg(item.id)
                 .arg(item.popup ? QStringLiteral(" popup") : QString());
    return out;
  };
  CompiledMenu plain, extended;
  EXPECT_EQ(items(0, plain), QStringList({"&File 0 popup", " &Open 10", "  0", " Recent 0 popup",
                                          "  One 11", "&Help 12"}));
  EXPECT_FALSE(plain.extended);
  EXPECT_EQ(items(1, extended), QStringList({"&Edit 20 popup", " &Copy 21", "  0", "&About 22"}));
  EXPECT_TRUE(extended.extended);
  EXPECT_EQ(extended.items[0].helpId, 99u);
  EXPECT_EQ(extended.items[2].flags, 0x800u); // a separator by its type
  EXPECT_EQ(extended.items[3].state, 3u);
}

// Every cut of a real file ends with a result and never reads beyond it.
TEST(CompiledResources, EveryTruncationEndsWithAnError) {
  QTemporaryDir dir;
  const QByteArray res = compile(kExample, dir);
  const ResFileRead whole = readResFile(res);
  ASSERT_TRUE(whole.ok());
  for (qsizetype size = 1; size < res.size(); ++size) {
    const ResFileRead cut = readResFile(res.left(size));
    // A cut between two records reads the records before it.
    if (cut.ok()) {
      // Fewer records, or all of them with only the last one's padding cut off.
      const bool onlyPadding = res.mid(size).count('\0') == res.size() - size;
      EXPECT_TRUE(cut.resources.size() < whole.resources.size() || onlyPadding) << size;
    } else {
      EXPECT_GE(cut.errorOffset, 0) << size;
    }
  }
  for (const CompiledResource &resource : whole.resources) {
    QStringList strings;
    CompiledMenu menu;
    QString error;
    qsizetype offset = -1;
    for (qsizetype size = 0; size < resource.data.size(); ++size) {
      if (resource.type == ResourceId::fromNumber(6)) {
        EXPECT_FALSE(readStringBlock(resource.data.left(size), strings)) << size;
      } else if (resource.type == ResourceId::fromNumber(4)) {
        EXPECT_FALSE(readMenuTemplate(resource.data.left(size), menu, error, offset)) << size;
      }
    }
  }
}

QByteArray words(std::initializer_list<quint16> values) {
  QByteArray out;
  for (const quint16 value : values) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
  }
  return out;
}

TEST(CompiledResources, HostileFilesAreRefusedWithTheirPlace) {
  const QByteArray marker = writeResFile({});
  struct Case {
    const char *name;
    QByteArray bytes;
    const char *error;
  } cases[] = {
      {"data beyond the end", marker + words({0xFFFF, 0xFFFF, 32, 0}) + QByteArray(24, '\0'),
       "beyond the end"},
      {"a header smaller than its fields", marker + words({0, 0, 8, 0}), "own size"},
      {"a header size not on four bytes", marker + words({0, 0, 34, 0}) + QByteArray(26, '\0'),
       "own size"},
      {"a name without its end", marker + words({0, 0, 32, 0}) + QByteArray(24, 'A'),
       "does not end inside"},
  };
  for (const Case &c : cases) {
    const ResFileRead read = readResFile(c.bytes);
    EXPECT_FALSE(read.ok()) << c.name;
    EXPECT_TRUE(read.error.contains(QLatin1String(c.error))) << c.name << read.error.toStdString();
    EXPECT_EQ(read.errorOffset, marker.size()) << c.name;
  }
  // Popups nested without end are refused at a bound, not followed down the stack.
  QByteArray deep = words({0, 0});
  for (int i = 0; i < 100000; ++i)
    deep += words({0x10, u'x', 0});
  CompiledMenu menu;
  QString error;
  qsizetype offset = -1;
  EXPECT_FALSE(readMenuTemplate(deep, menu, error, offset));
  EXPECT_TRUE(error.contains(QLatin1String("deeper"))) << error.toStdString();
  EXPECT_FALSE(readMenuTemplate(words({2, 0}), menu, error, offset));
  EXPECT_TRUE(error.contains(QLatin1String("version 2")));
  // A string block whose length runs beyond its data.
  QStringList strings;
  EXPECT_FALSE(readStringBlock(words({5, u'a'}), strings));
}

} // namespace
} // namespace tarvelo
