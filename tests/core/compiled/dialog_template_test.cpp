// Tests: compiled dialog templates of both forms against the script reader's reading of
// the same dialogs, written back byte for byte, and cut or hostile templates refused.
#include "compiled/dialog_template.h"
#include "compiled/res_file.h"
#include "script/dialog_layout.h"
#include "support/rc_compiler.h"
#include "support/script_harness.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// The dialog templates llvm-rc makes of a script.
QList<QByteArray> compiledDialogs(const QString &script) {
  QTemporaryDir dir;
  QString error;
  const QByteArray res = test::compileScript(script, {}, 1252, dir.path(), error);
  EXPECT_FALSE(res.isEmpty()) << error.toStdString();
  QList<QByteArray> dialogs;
  for (const CompiledResource &resource : readResFile(res).resources)
    if (resource.type == ResourceId::fromNumber(5))
      dialogs << resource.data;
  return dialogs;
}

QString scriptFile(const QByteArray &text, QTemporaryDir &dir) {
  QFile file(dir.filePath(QStringLiteral("dialogs.rc")));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
  return file.fileName();
}

// A dialog's rectangles and texts, one line each, as a template has them.
QStringList describe(const CompiledDialog &dialog) {
  QStringList lines{QStringLiteral("%1,%2,%3,%4 %5")
                        .arg(dialog.x)
                        .arg(dialog.y)
                        .arg(dialog.width)
                        .arg(dialog.height)
                        .arg(dialog.caption)};
  for (const CompiledControl &control : dialog.controls)
    lines << QStringLiteral("%1,%2,%3,%4 %5")
                 .arg(control.x)
                 .arg(control.y)
                 .arg(control.width)
                 .arg(control.height)
                 .arg(control.title.text);
  return lines;
}

// The same, as the script reader parses the dialog's block (texts without escapes).
QStringList describe(const ParsedDialog &parsed, const QString &block) {
  const DialogLayout &h = parsed.header;
  QString caption;
  if (h.captionStart >= 0)
    caption = block.mid(h.captionStart + 1, h.captionEnd - h.captionStart - 2);
  QStringList lines{
      QStringLiteral("%1,%2,%3,%4 %5").arg(h.x).arg(h.y).arg(h.width).arg(h.height).arg(caption)};
  for (const ControlLayout &c : parsed.controls) {
    QString text;
    if (c.hasText)
      text = block.mid(c.textStart + 1, c.textEnd - c.textStart - 2).replace("\"\"", "\"");
    lines
        << QStringLiteral("%1,%2,%3,%4 %5").arg(c.x).arg(c.y).arg(c.width).arg(c.height).arg(text);
  }
  return lines;
}

TEST(DialogTemplates, TheExampleDialogsAreTheScriptReadersAndWriteBackAsCompiled) {
  const QString example = QStringLiteral(TARVELO_SOURCE_DIR "/resources/example/example.rc");
  const QList<QByteArray> templates = compiledDialogs(example);
  ASSERT_FALSE(templates.isEmpty());
  test::Workspace ws;
  QFile file(example);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  ASSERT_EQ(ws.readSource(file.readAll(), 1033), ScriptResult::Ok);
  QList<QStringList> fromScript;
  for (const auto &entry : ws.entries)
    if (entry->kind == QLatin1String("DIALOG") && entry->isHead()) {
      const QString block = entry->sourceBlock->text();
      fromScript << describe(parseDialogBlock(block), block);
    }
  ASSERT_EQ(fromScript.size(), templates.size());
  for (qsizetype i = 0; i < templates.size(); ++i) {
    CompiledDialog dialog;
    QString error;
    qsizetype offset = -1;
    ASSERT_TRUE(readDialogTemplate(templates[i], dialog, error, offset)) << error.toStdString();
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(describe(dialog), fromScript[i]);
    EXPECT_EQ(writeDialogTemplate(dialog), templates[i]) << i;
  }
}

TEST(DialogTemplates, ADialogTemplateKeepsFontClassesAndNumberedTitles) {
  QTemporaryDir dir;
  const QList<QByteArray> templates = compiledDialogs(scriptFile(
      "1 DIALOG 10, 20, 200, 100\nSTYLE 0x80C80040\nCAPTION \"Find\"\nFONT 8, \"MS Sans Serif\"\n"
      "CLASS \"MyDialog\"\nBEGIN\n LTEXT \"&Name:\", 100, 5, 6, 40, 8\n"
      " CONTROL \"\", 101, \"SysListView32\", 0x50010001, 5, 20, 190, 60\n"
      " ICON 7, 102, 160, 5, 20, 20\n DEFPUSHBUTTON \"OK\", 1, 140, 82, 50, 14\nEND\n",
      dir));
  ASSERT_EQ(templates.size(), 1);
  CompiledDialog dialog;
  QString error;
  qsizetype offset = -1;
  ASSERT_TRUE(readDialogTemplate(templates[0], dialog, error, offset)) << error.toStdString();
  EXPECT_FALSE(dialog.extended);
  EXPECT_EQ(dialog.pointSize, 8);
  EXPECT_EQ(dialog.face, QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(dialog.className, TemplateName::fromText(QStringLiteral("MyDialog")));
  ASSERT_EQ(dialog.controls.size(), 4);
  EXPECT_EQ(dialog.controls[0].className, TemplateName::fromNumber(0x82)); // static
  EXPECT_EQ(dialog.controls[0].id, 100u);
  EXPECT_EQ(dialog.controls[1].className, TemplateName::fromText(QStringLiteral("SysListView32")));
  EXPECT_EQ(dialog.controls[2].title, TemplateName::fromNumber(7));        // the icon's resource
  EXPECT_EQ(dialog.controls[3].className, TemplateName::fromNumber(0x80)); // button
  EXPECT_EQ(writeDialogTemplate(dialog), templates[0]);
}

TEST(DialogTemplates, CutAndHostileTemplatesAreRefused) {
  const QString example = QStringLiteral(TARVELO_SOURCE_DIR "/resources/example/example.rc");
  CompiledDialog dialog;
  QString error;
  qsizetype offset = -1;
  for (const QByteArray &data : compiledDialogs(example))
    for (qsizetype size = 0; size < data.size(); ++size)
      EXPECT_FALSE(readDialogTemplate(data.left(size), dialog, error, offset)) << size;
  // A count of 65,535 controls over the data of none.
  CompiledDialog empty;
  empty.caption = QStringLiteral("x");
  QByteArray lying = writeDialogTemplate(empty);
  lying[8] = char(0xFF);
  lying[9] = char(0xFF);
  EXPECT_FALSE(readDialogTemplate(lying, dialog, error, offset));
  EXPECT_TRUE(error.contains(QLatin1String("65535 controls"))) << error.toStdString();
}

} // namespace
} // namespace tarvelo
