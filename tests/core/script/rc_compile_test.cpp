// A new target written from a script that a resource compiler accepts compiles too,
// and holds the source's resources in the new language with the same dialogs.
#include "script/after_read.h"
#include "support/res_file.h"
#include "support/script_harness.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QString dataDir() {
  return QStringLiteral(TARVELO_TEST_DATA "/rc_compile");
}

// Compiles a script with llvm-rc; the .res bytes, or empty with the reason.
QByteArray compile(const QString &script, const QString &outFolder, QString &error) {
  const QString compiler = QStandardPaths::findExecutable(QStringLiteral("llvm-rc"));
  if (compiler.isEmpty()) {
    error = "llvm-rc is not installed";
    return {};
  }
  const QString out = outFolder + "/out.res";
  // The script goes by its bare name: llvm-rc takes an absolute path such as "/check/..."
  // for a switch.
  const QFileInfo info(script);
  QProcess process;
  process.setWorkingDirectory(info.absolutePath());
  process.start(compiler, {"/C", "1252", "/I", dataDir() + "/include", "/I", dataDir(), "/FO", out,
                           info.fileName()});
  process.waitForFinished(60000);
  if (process.exitCode() != 0) {
    error = QString::fromLocal8Bit(process.readAllStandardError());
    return {};
  }
  QFile file(out);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RcCompile, NewTargetCompilesWithTheSourcesResources) {
  QTemporaryDir dir;
  test::Workspace ws;
  QFile sourceFile(dataDir() + "/app.rc");
  ASSERT_TRUE(sourceFile.open(QIODevice::ReadOnly));
  const QByteArray source = sourceFile.readAll();
  ASSERT_EQ(ws.readSource(source, 1033), 1);
  Task *task = ws.tasks.head();
  task->header = "#include \"resource.h\"\n";
  bool clear = false;
  AfterReadContext context{&ws.entries, &ws.prompter, QString(), &clear};
  afterTargetRead(task, context);
  for (const auto &entry : ws.entries)
    if (entry->isTranslatable() && !entry->sourceText.isEmpty())
      entry->targetText = u"\u00dc "_qs + entry->sourceText + u" \"x\""_qs;

  ScriptFile sourceScript;
  sourceScript.openData(source);
  ScriptFile target;
  target.create(ScriptFile::Ansi);
  ResourceScript writer(ws.context());
  ASSERT_EQ(writer.write(task, 1031, target, WriteContext(), false, &sourceScript), 1);
  const QString targetPath = dir.filePath("app_de.rc");
  ASSERT_TRUE(target.saveTo(targetPath));

  QString error;
  const QByteArray sourceRes = compile(dataDir() + "/app.rc", dir.path(), error);
  ASSERT_FALSE(sourceRes.isEmpty()) << error.toStdString();
  const QByteArray targetRes = compile(targetPath, dir.path(), error);
  ASSERT_FALSE(targetRes.isEmpty()) << error.toStdString();

  const QList<test::CompiledResource> before = test::readResFile(sourceRes);
  const QList<test::CompiledResource> after = test::readResFile(targetRes);
  ASSERT_EQ(before.size(), after.size());
  ASSERT_GE(before.size(), 5);
  for (qsizetype i = 0; i < before.size(); ++i) {
    SCOPED_TRACE(before[i].type.toStdString() + " " + before[i].name.toStdString());
    EXPECT_EQ(after[i].type, before[i].type);
    EXPECT_EQ(after[i].name, before[i].name);
    EXPECT_EQ(before[i].language, 0x0409);
    EXPECT_EQ(after[i].language, 0x0407);
    if (before[i].type == QLatin1String("#5")) { // dialogs
      EXPECT_EQ(test::dialogGeometry(after[i].data).toStdString(),
                test::dialogGeometry(before[i].data).toStdString());
    } else if (before[i].type == QLatin1String("#9")) { // accelerators are kept verbatim
      EXPECT_EQ(after[i].data, before[i].data);
    } else if (before[i].type == QLatin1String("#6")) { // string tables hold the translations
      EXPECT_TRUE(QString::fromUtf16(reinterpret_cast<const char16_t *>(after[i].data.constData()),
                                     after[i].data.size() / 2)
                      .contains(u"\u00dc Save the changes to \"%s\"? \"x\""));
    }
  }
}

} // namespace
} // namespace tarvelo
