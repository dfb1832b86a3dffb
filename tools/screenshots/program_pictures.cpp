// The pictures of translating a program without its scripts: a Windows program built
// from the example, opened as the source with its header, translated into a language
// DLL, its Options dialog shown on the board.
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "task/open_resources_dialog.h"
#include "task/save_to_file_dialog.h"
#include "task/task_form.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Runs a tool in the folder; the failure's output, or nothing.
QString run(const QString &folder, const QString &program, const QStringList &arguments) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  if (!process.waitForFinished(120000) || process.exitCode() != 0)
    return program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAllStandardError());
  return {};
}

// The example built as a program: its script compiled and linked to an empty main.
QString buildProgram(const QDir &dir) {
  const QString example = exampleFile(QString());
  for (const char *name : {"example.rc", "resource.h", "afxres.h", "res/Example.ico"}) {
    dir.mkpath(QFileInfo(dir.filePath(QLatin1String(name))).path());
    QFile::copy(example + QLatin1String(name), dir.filePath(QLatin1String(name)));
  }
  QFile main(dir.filePath(QStringLiteral("main.c")));
  if (!main.open(QIODevice::WriteOnly))
    return QStringLiteral("main.c cannot be written");
  main.write("int main(void) { return 0; }\n");
  main.close();
  for (const QString &failure :
       {run(dir.path(), "llvm-rc", {"/C", "1252", "/FO", "example.res", "example.rc"}),
        run(dir.path(), "x86_64-w64-mingw32-windres",
            {"-i", "example.res", "-O", "coff", "-o", "example.o"}),
        run(dir.path(), "x86_64-w64-mingw32-gcc",
            {"-mwindows", "-o", "example.exe", "main.c", "example.o"})})
    if (!failure.isEmpty())
      return failure;
  return {};
}

// The German texts of the example's script, by their English ones, read from copies so
// that the example stays as it is.
QHash<QString, QString> germanTexts(const QDir &dir, Settings &settings, Prompter &prompter,
                                    Progress &progress) {
  QHash<QString, QString> texts;
  dir.mkpath(QStringLiteral("pair"));
  const QString source = dir.filePath(QStringLiteral("pair/example.rc"));
  const QString target = dir.filePath(QStringLiteral("pair/example_de.rc"));
  if (!QFile::copy(exampleFile(QStringLiteral("example.rc")), source) ||
      !QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target))
    return texts;
  Session pair(settings, prompter, progress);
  if (pair.open({source, 1033, false, target, 1031}) != Session::OpenResult::Opened)
    return texts;
  for (const auto &entry : pair.entries())
    if (!entry->sourceText.isEmpty() && !entry->targetText.isEmpty())
      texts.insert(entry->sourceText, entry->targetText);
  pair.close();
  return texts;
}

// Save As offering the forms a program's translation takes, its file types open.
QImage saveDialogPicture(const QString &dll, QWidget &frame) {
  SaveFileRequest saveRequest;
  saveRequest.title = QStringLiteral("Save As - example.exe");
  saveRequest.path = dll;
  saveRequest.writeLanguage = 1031;
  saveRequest.kinds = {TargetKind::Script, TargetKind::CompiledResources, TargetKind::LanguageDll,
                       TargetKind::ProgramCopy};
  saveRequest.kind = TargetKind::LanguageDll;
  SaveToFileDialog save(saveRequest, &frame);
  save.resize(900, 480);
  save.show();
  QApplication::processEvents();
  QImage picture = save.grab().toImage();
  if (auto *types = save.fileDialog()->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
    types->showPopup();
    QApplication::processEvents();
    QWidget *popup = types->view()->window();
    const QPoint corner = save.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
    QPainter painter(&picture);
    painter.drawImage(corner, popup->grab().toImage());
    types->hidePopup();
  }
  save.hide();
  return picture;
}

TEST(Screenshots, ProgramWithoutItsScripts) {
  const QString out = QString::fromLocal8Bit(qgetenv("TARVELO_SCREENSHOTS"));
  ASSERT_FALSE(out.isEmpty()) << "TARVELO_SCREENSHOTS names the folder for the pictures";
  QDir().mkpath(out);
  initGuiResources();
  // A plain folder name, since the pictures show it.
  QDir dir(QDir::temp().filePath(QStringLiteral("Example")));
  dir.removeRecursively();
  dir.mkpath(QStringLiteral("."));
  const QString failure = buildProgram(dir);
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  const QString program = dir.filePath(QStringLiteral("example.exe"));
  const QString dll = dir.filePath(QStringLiteral("example_de.dll"));
  const QString header = dir.filePath(QStringLiteral("resource.h"));

  MemorySettings settings;
  settings.setInteger(QStringLiteral("SavingOption"), 1);
  test::ScriptedPrompter prompter;
  NullProgress progress;
  const QHash<QString, QString> german = germanTexts(dir, settings, prompter, progress);
  ASSERT_FALSE(german.isEmpty());
  WorkbenchAssembly workbench(settings, prompter, progress, nullptr);
  MainFrame &frame = workbench.frame();
  frame.resize(1280, 760);
  frame.show();

  // The Open dialog as the translator fills it in: the program, its header, a new DLL.
  OpenResourcesDialog open(workbench.session(), false, &frame);
  open.form()->sourcePath()->setText(QDir::toNativeSeparators(program));
  open.form()->sourceHeader()->setText(QDir::toNativeSeparators(header));
  open.form()->targetPath()->setText(QDir::toNativeSeparators(dll));
  open.show();
  QApplication::processEvents();
  EXPECT_TRUE(open.grab().save(out + QStringLiteral("/open-program.png")));
  const OpenRequest request = open.request();
  open.hide();

  Session &session = workbench.session();
  ASSERT_EQ(session.open(request), Session::OpenResult::Opened)
      << prompter.messages.join(u'\n').toStdString();
  for (const auto &entry : session.entries())
    if (const auto found = german.constFind(entry->sourceText); found != german.constEnd())
      session.changeTargetText(entry.get(), *found);
  ASSERT_TRUE(session.save()) << prompter.messages.join(u'\n').toStdString();
  ASSERT_TRUE(QFile::exists(dll));

  EXPECT_TRUE(saveDialogPicture(dll, frame).save(out + QStringLiteral("/save-program.png")));

  TextEntry *options = entryNamed(session, QStringLiteral("IDD_OPTIONS"), QStringLiteral("DIALOG"));
  ASSERT_NE(options, nullptr);
  frame.openResource(options);
  frame.selectEntry(options);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(frame.grab().save(out + QStringLiteral("/program-dialog.png")));
  session.close();
  dir.removeRecursively();
}

} // namespace
} // namespace tarvelo::gui
