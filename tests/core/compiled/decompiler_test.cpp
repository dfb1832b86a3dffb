// Tests: compiled resources written as a script compile back with llvm-rc to the same
// resources, and the script reader reads from the script the texts the resources hold.
#include "compiled/decompiler.h"
#include "compiled/dialog_template.h"
#include "compiled/menu_template.h"
#include "compiled/string_block.h"
#include "support/rc_compiler.h"
#include "support/resource_lines.h"
#include "support/script_harness.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// The compiled script; the compiler's output goes to a folder of its own, never beside a
// script of the source tree.
QByteArray compileIn(const QString &folder, const QString &name, int codePage) {
  QString error;
  QTemporaryDir out;
  const QByteArray res = test::compileScript(folder + u'/' + name, {}, codePage, out.path(), error);
  EXPECT_FALSE(res.isEmpty()) << error.toStdString();
  return res;
}

// Decompiles, saves the script and its side files, and compiles it again.
QList<CompiledResource> roundTrip(const QList<CompiledResource> &resources, QString &script) {
  QTemporaryDir dir;
  const DecompiledScript decompiled = decompileResources(resources, QStringLiteral("side"));
  script = decompiled.text;
  QFile file(dir.filePath("decompiled.rc"));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(decompiled.text.toUtf8());
  file.close();
  for (const SideFile &side : decompiled.sideFiles) {
    QFile out(dir.filePath(side.name));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(side.data);
  }
  const ResFileRead read = readResFile(compileIn(dir.path(), "decompiled.rc", 65001));
  EXPECT_TRUE(read.ok()) << read.error.toStdString() << "\n" << script.toStdString();
  return read.resources;
}

TEST(Decompiler, TheExampleCompilesBackToTheSameResources) {
  const QList<CompiledResource> original =
      readResFile(
          compileIn(QStringLiteral(TARVELO_SOURCE_DIR "/resources/example"), "example.rc", 1252))
          .resources;
  ASSERT_FALSE(original.isEmpty());
  QString script;
  EXPECT_EQ(test::resourceLines(roundTrip(original, script)), test::resourceLines(original))
      << script.toStdString();
  // The texts are statements, not data: the script reader reads the same texts from the
  // decompiled script as from the example's own, kind by kind and in order.
  EXPECT_EQ(script.count(QLatin1String(" DIALOGEX ")), 2);
  EXPECT_EQ(script.count(QLatin1String(" MENU\n")), 1);
  const auto texts = [](const QByteArray &data) {
    test::Workspace ws;
    EXPECT_EQ(ws.readSource(data, 0x0409), ScriptResult::Ok);
    QMap<QString, QStringList> byKind;
    for (const auto &entry : ws.entries)
      if (!entry->sourceText.isEmpty())
        byKind[entry->kind] << entry->sourceText;
    for (QStringList &list : byKind)
      list.sort();
    return byKind;
  };
  QFile example(QStringLiteral(TARVELO_SOURCE_DIR "/resources/example/example.rc"));
  ASSERT_TRUE(example.open(QIODevice::ReadOnly));
  EXPECT_EQ(texts(script.toUtf8()), texts(example.readAll()));
}

TEST(Decompiler, AwkwardTextsAndDataCompileBackAlike) {
  QList<CompiledResource> resources;
  const auto add = [&](ResourceId type, ResourceId name, quint16 language, QByteArray data) {
    CompiledResource r;
    r.type = type;
    r.name = name;
    r.language = language;
    r.data = data;
    resources << r;
  };
  add(ResourceId::fromNumber(6), ResourceId::fromNumber(1), 0x0409,
      writeStringBlock({QString(), "say \"hi\"", "C:\\temp\\", "two\nlines\r\n", "tab\there",
                        QString::fromUtf8("Größe 中文"), QStringLiteral("bell\a")}));
  add(ResourceId::fromNumber(6), ResourceId::fromNumber(1), 0x0407,
      writeStringBlock({QString::fromUtf8("Öffnen")}));
  CompiledDialog dialog;
  dialog.extended = true;
  dialog.style = 0x80C800C8; // with DS_SETFONT | DS_FIXEDSYS
  dialog.width = 100;
  dialog.height = 40;
  dialog.caption = QStringLiteral("Über \"x\"");
  dialog.pointSize = 8;
  dialog.weight = 400;
  dialog.charset = 1;
  dialog.face = QStringLiteral("MS Shell Dlg");
  CompiledControl hidden; // a control without WS_VISIBLE
  hidden.style = 0x40010000;
  hidden.id = 7;
  hidden.width = 20;
  hidden.height = 8;
  hidden.className = TemplateName::fromNumber(0x82);
  hidden.title = TemplateName::fromText("&Name:");
  CompiledControl list = hidden;
  list.style = 0x50810001;
  list.exStyle = 0x200;
  list.helpId = 3;
  list.className = TemplateName::fromText("SysListView32");
  list.title = TemplateName();
  dialog.controls = {hidden, list};
  add(ResourceId::fromNumber(5), ResourceId{0, "ABOUT"}, 0x0409, writeDialogTemplate(dialog));
  add(ResourceId{0, "MYDATA"}, ResourceId::fromNumber(9), 0x0409, QByteArray("odd\n", 4) + "x");
  add(ResourceId::fromNumber(10), ResourceId::fromNumber(2), 0x0409, QByteArray("\x01\xff\x80", 3));
  QString script;
  EXPECT_EQ(test::resourceLines(roundTrip(resources, script)), test::resourceLines(resources))
      << script.toStdString();
  EXPECT_TRUE(script.contains(QLatin1String("ABOUT DIALOGEX")));

  // The script reader finds the texts in the script, escapes as written.
  test::Workspace ws;
  ASSERT_EQ(ws.readSource(script.toUtf8(), 0x0409), ScriptResult::Ok);
  QStringList texts;
  for (const auto &entry : ws.entries)
    if (!entry->sourceText.isEmpty())
      texts << entry->sourceText;
  EXPECT_EQ(texts, QStringList({"say \"hi\"", "C:\\\\temp\\\\", "two\\nlines\\r\\n", "tab\\there",
                                QString::fromUtf8("Größe 中文"), "bell\\007",
                                QString::fromUtf8("Über \"x\""), "&Name:"}));
}

} // namespace
} // namespace tarvelo
