// Tests: a compiled resource file opened in the window's session as a task's source: its
// texts are the items, a translation is saved into a script target, the file stays.
#include "support/qt_printers.h"
#include "support/rc_compiler.h"
#include "support/scripted_prompter.h"
#include "workbench/session.h"

#include "seam/progress.h"
#include "seam/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(CompiledSourceSession, AResFileIsTranslatedIntoAScript) {
  QTemporaryDir dir;
  QFile script(dir.filePath("app.rc"));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n 100 \"Open\"\n 101 \"Close\"\nEND\n"
               "7 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"E&xit\", 40001\n END\nEND\n");
  script.close();
  QString error;
  const QByteArray res = test::compileScript(script.fileName(), {}, 1252, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString();
  const QString resPath = dir.filePath("out.res");

  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  const QString target = dir.filePath("app_de.rc");
  ASSERT_EQ(session.open({resPath, 1033, false, target, 1031}), Session::OpenResult::Opened)
      << prompter.messages.join(u'\n').toStdString();
  QStringList texts;
  TextEntry *open = nullptr;
  for (const auto &entry : session.entries()) {
    if (!entry->sourceText.isEmpty())
      texts << entry->identifier + u'=' + entry->sourceText;
    if (entry->sourceText == QLatin1String("Open"))
      open = entry.get();
  }
  EXPECT_EQ(texts, QStringList({"POPUP=&File", "40001=E&xit", "100=Open", "101=Close"}));
  ASSERT_NE(open, nullptr);
  session.changeTargetText(open, QStringLiteral("\u00d6ffnen"));
  ASSERT_TRUE(session.save());
  // The target compiles, and holds the translation; the compiled source is as it was.
  QTemporaryDir compiled;
  EXPECT_FALSE(test::compileScript(target, {}, 65001, compiled.path(), error).isEmpty())
      << error.toStdString();
  QFile written(target);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(written.readAll()).contains(QStringLiteral("\u00d6ffnen")));
  QFile source(resPath);
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  EXPECT_EQ(source.readAll(), res);
}

} // namespace
} // namespace tarvelo
