// The pictures of the README: the main window, the DIALOG board, the dialogs report...
// Drawn into the folder TARVELO_SCREENSHOTS names (tools/render_screenshots.sh).
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "dialogs/controls_properties.h"
#include "dialogs/dialog_board.h"
#include "dialogs/dialog_preview.h"
#include "dialogs/layout_editor.h"
#include "online/machine_translation_dialog.h"
#include "options/machine_translation_page.h"
#include "options/options_dialog.h"
#include "report/report_frame.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "spelling/spell_service.h"
#include "support/scripted_prompter.h"
#include "task/open_resources_dialog.h"
#include "tmclient/memory_client.h"
#include "tmclient/tm_library.h"
#include "workbench/command_ids.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/inspector.h"
#include "workbench/main_frame.h"
#include "workbench/pseudo_translation.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include "widget_test_support.h"

#include "workbench/item_list_model.h"
#include "workbench/item_list_view.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// The folder the pictures go to, and a fresh copy of the example task in a folder with
// a plain name, since the pictures show it.
struct ExampleCopy {
  QString out;
  QDir dir;
  QString source;
  QString target;
};

// The folder TARVELO_SCREENSHOTS names, made when missing.
::testing::AssertionResult picturesFolder(QString &out) {
  out = QString::fromLocal8Bit(qgetenv("TARVELO_SCREENSHOTS"));
  if (out.isEmpty())
    return ::testing::AssertionFailure() << "TARVELO_SCREENSHOTS names the folder for the pictures";
  QDir().mkpath(out);
  initGuiResources();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult copyExample(const QString &folder, ExampleCopy &copy) {
  if (::testing::AssertionResult made = picturesFolder(copy.out); !made)
    return made;
  copy.dir = QDir(QDir::temp().filePath(folder));
  copy.dir.removeRecursively();
  copy.source = copy.dir.filePath(QStringLiteral("example.rc"));
  copy.target = copy.dir.filePath(QStringLiteral("example_de.rc"));
  if (!copy.dir.mkpath(QStringLiteral(".")) ||
      !QFile::copy(exampleFile(QStringLiteral("example.rc")), copy.source) ||
      !QFile::copy(exampleFile(QStringLiteral("example_de.rc")), copy.target))
    return ::testing::AssertionFailure()
           << "the example cannot be copied to " << folder.toStdString();
  return ::testing::AssertionSuccess();
}

// A window that floats over the main one, drawn onto its picture with a shadow.
void drawFloating(QImage &picture, const QImage &window, QPoint corner) {
  QPainter painter(&picture);
  painter.fillRect(QRect(corner + QPoint(4, 4), window.size()), QColor(0, 0, 0, 60));
  painter.drawImage(corner, window);
}

TEST(Screenshots, ExampleTask) {
  ExampleCopy example;
  ASSERT_TRUE(copyExample(QStringLiteral("tarvelo-example"), example));
  const QString &out = example.out;
  QDir &dir = example.dir;
  const QString &source = example.source;
  const QString &target = example.target;
  MemorySettings settings;
  settings.setText(QStringLiteral("TMPath"), dir.filePath(QStringLiteral("TM")));
  settings.setText(QStringLiteral("SourcePath"), source);
  settings.setText(QStringLiteral("TargetPath"), target);
  settings.setInteger(QStringLiteral("UseTarget"), 1);
  settings.setInteger(QStringLiteral("SourceLanguage"), 1033);
  settings.setInteger(QStringLiteral("TargetLanguage"), 1031);
  test::ScriptedPrompter prompter;
  NullProgress progress;
  TmLibrary library;
  ASSERT_TRUE(
      library.load(QDir(QStringLiteral(TARVELO_BIN_DIR)).filePath(QStringLiteral("kestrine"))));
  WorkbenchAssembly workbench(settings, prompter, progress, &library);

  // The example memory, as run.sh learns it.
  {
    Session learner(settings, prompter, progress);
    OpenRequest request{exampleFile(QStringLiteral("memory/phrases_en.rc")), 1033, false,
                        exampleFile(QStringLiteral("memory/phrases_de.rc")), 1031};
    ASSERT_EQ(learner.open(request), Session::OpenResult::Opened);
    MemoryClient client(library.exports(), learner.entries(), settings, prompter, progress);
    client.start();
    client.connectTo(1033, 1031);
    learner.setMemory(&client);
    learner.learnTranslations();
    learner.setMemory(nullptr);
    QFile::remove(exampleFile(QStringLiteral("memory/phrases_en.rc.1033")));
    QFile::remove(exampleFile(QStringLiteral("memory/phrases_de.rc.1031")));
  }

  MainFrame &frame = workbench.frame();
  frame.resize(1280, 760);
  frame.show();
  OpenRequest request{source, 1033, false, target, 1031};
  ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);
  QApplication::processEvents();
  frame.selectEntry(entryNamed(workbench.session(), QStringLiteral("IDS_ITEMS_SELECTED")));
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(frame.grab().save(out + QStringLiteral("/main-window.png")));

  // The translated Options dialog on the DIALOG board, its cancel button too small
  // for the German text.
  TextEntry *optionsDialog =
      entryNamed(workbench.session(), QStringLiteral("IDD_OPTIONS"), QStringLiteral("DIALOG"));
  TextEntry *cancel = entryNamed(workbench.session(), QStringLiteral("IDCANCEL"));
  ASSERT_TRUE(optionsDialog && cancel && cancel->head() == optionsDialog);
  frame.openResource(optionsDialog);
  frame.selectEntry(cancel);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(frame.grab().save(out + QStringLiteral("/dialog-preview.png")));

  OpenResourcesDialog open(workbench.session(), true, &frame);
  open.show();
  QApplication::processEvents();
  EXPECT_TRUE(open.grab().save(out + QStringLiteral("/open-resources.png")));
  open.hide();

  InspectionRulesModel rules(workbench.inspector(), settings);
  OptionsDialog options(settings, rules, workbench.memory(), &frame);
  options.show();
  QApplication::processEvents();
  EXPECT_TRUE(options.grab().save(out + QStringLiteral("/options.png")));
  options.hide();
  workbench.session().close();
  dir.removeRecursively();
}

// The "Machine Translation" dialog and the options page that chooses its service, set
// up for a LibreTranslate server of one's own.
TEST(Screenshots, MachineTranslation) {
  QString out;
  ASSERT_TRUE(picturesFolder(out));
  MemorySettings settings;
  settings.setText(QStringLiteral("MTProvider"), QStringLiteral("LibreTranslate"));
  settings.setText(QStringLiteral("MTURL"), QStringLiteral("http://localhost:5000"));
  settings.setText(QStringLiteral("MTKey"), QStringLiteral("team-key"));
  settings.setInteger(QStringLiteral("TranslateWhat"), 1);
  MachineTranslationDialog dialog(settings,
                                  QStringLiteral("LibreTranslate (http://localhost:5000)"));
  dialog.show();
  QApplication::processEvents();
  EXPECT_TRUE(dialog.grab().save(out + QStringLiteral("/machine-translation.png")));
  dialog.hide();

  Inspector inspector;
  InspectionRulesModel rules(inspector, settings);
  OptionsDialog options(settings, rules, nullptr);
  options.tabs()->setCurrentWidget(options.machineTranslationPage());
  options.resize(options.sizeHint().expandedTo(QSize(560, 360)));
  options.show();
  QApplication::processEvents();
  EXPECT_TRUE(options.grab().save(out + QStringLiteral("/options-machine-translation.png")));
  options.hide();

  // The same page for a local llama.cpp server.
  settings.setText(QStringLiteral("MTProvider"), QStringLiteral("OpenAI-compatible"));
  settings.setText(QStringLiteral("MTURL"), QStringLiteral("http://localhost:8080"));
  settings.setText(QStringLiteral("MTKey"), QString());
  settings.setText(QStringLiteral("MTModel"), QStringLiteral("qwen2.5-7b-instruct"));
  OptionsDialog model(settings, rules, nullptr);
  model.tabs()->setCurrentWidget(model.machineTranslationPage());
  model.resize(model.sizeHint().expandedTo(QSize(560, 360)));
  model.show();
  QApplication::processEvents();
  EXPECT_TRUE(model.grab().save(out + QStringLiteral("/options-language-model.png")));
  model.hide();
}

// The dialogs report with every check on a German target whose translator was in a
// hurry: longer texts, a style, a button moved and widened, a key used twice.
TEST(Screenshots, DialogsReport) {
  ExampleCopy example;
  ASSERT_TRUE(copyExample(QStringLiteral("tarvelo-report"), example));
  const QString &out = example.out;
  QDir &dir = example.dir;
  const QString &source = example.source;
  const QString &target = example.target;
  QFile german(target);
  ASSERT_TRUE(german.open(QIODevice::ReadOnly));
  QByteArray script = german.readAll();
  german.close();
  const std::pair<const char *, const char *> hurried[] = {
      {"\"Example, Version 1.0\"", "\"Beispielprogramm, Version 1.0 (deutsche Ausgabe)\""},
      {"\"&Einheiten:\"", "\"&Einheiten der Anzeige:\""},
      {"\"&Symbolleiste anzeigen\"", "\"&Symbolleiste am oberen Rand anzeigen\""},
      {"\"\",IDC_SHOW_STATUS", "\"&Statusleiste anzeigen\",IDC_SHOW_STATUS"},
      {"IDOK,149,129,50,14", "IDOK,149,129,50,14,BS_CENTER"},
      {"\"Vorgang abbrechen\",IDCANCEL,203,129,50,14", "\"Abbre&chen\",IDCANCEL,190,129,75,14"},
  };
  for (const auto &[from, to] : hurried) {
    ASSERT_TRUE(script.contains(from)) << from;
    script.replace(from, to);
  }
  QFile written(target);
  ASSERT_TRUE(written.open(QIODevice::WriteOnly));
  written.write(script);
  written.close();

  MemorySettings settings;
  settings.setInteger(QStringLiteral("InitTM"), 0);
  settings.setInteger(QStringLiteral("ReportSetting"), 0x3F);
  test::ScriptedPrompter prompter;
  NullProgress progress;
  TmExports exports;
  WorkbenchAssembly workbench(settings, prompter, progress, exports);
  MainFrame &frame = workbench.frame();
  frame.resize(1280, 760);
  frame.show();
  OpenRequest request{source, 1033, false, target, 1031};
  ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);
  frame.runCommand(CmdDialogsReport);
  ReportFrame *report = frame.dialogsReport();
  ASSERT_NE(report, nullptr);
  report->resize(720, 260);
  QApplication::processEvents();
  EXPECT_TRUE(report->grab().save(out + QStringLiteral("/dialogs-report.png")));
  report->close();
  workbench.session().close();
  dir.removeRecursively();
}

// The layout editor on the translated Options dialog: the cancel button fitted to its
// German text, the two push buttons selected, and the properties window beside them.
TEST(Screenshots, DialogEditor) {
  ExampleCopy example;
  ASSERT_TRUE(copyExample(QStringLiteral("tarvelo-editor"), example));
  const QString &out = example.out;
  QDir &dir = example.dir;
  const QString &source = example.source;
  const QString &target = example.target;
  MemorySettings settings;
  settings.setInteger(QStringLiteral("InitTM"), 0);
  test::ScriptedPrompter prompter;
  NullProgress progress;
  TmExports exports;
  WorkbenchAssembly workbench(settings, prompter, progress, exports);
  MainFrame &frame = workbench.frame();
  frame.resize(1280, 960);
  frame.show();
  OpenRequest request{source, 1033, false, target, 1031};
  ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);
  TextEntry *options =
      entryNamed(workbench.session(), QStringLiteral("IDD_OPTIONS"), QStringLiteral("DIALOG"));
  ASSERT_NE(options, nullptr);
  frame.openResource(options);
  QApplication::processEvents();
  LayoutEditor &editor = *frame.dialogBoard()->editor();
  const int ok = 7, cancel = 8;
  editor.select(cancel);
  frame.runCommand(CmdAdjustToText);
  editor.select(LayoutEditor::kDialog);
  for (int i = 0; i < 40; ++i)
    editor.step(ArrowKey::Right, false);
  frame.dialogBoard()->controlsList()->setCurrentRow(cancel);
  editor.setSelection({cancel, ok}, cancel);
  frame.runCommand(CmdDialogControls);
  ControlsPropertiesWindow *window = frame.dialogBoard()->properties();
  ASSERT_NE(window, nullptr);
  window->tabs()->setCurrentIndex(1);
  window->resize(560, 250);
  QApplication::processEvents();
  QApplication::processEvents();
  // The properties window floats on the board below the dialog.
  QImage picture = frame.grab().toImage();
  const QImage properties = window->grab().toImage();
  const QWidget *preview = frame.dialogBoard()->preview();
  const QPoint corner = preview->mapTo(&frame, QPoint(40, preview->height() + 24));
  drawFloating(picture, properties, corner);
  QPainter painter(&picture);
  painter.setPen(QColor(64, 64, 64));
  painter.drawRect(QRect(corner, properties.size()).adjusted(-1, -1, 0, 0));
  painter.end();
  EXPECT_TRUE(picture.save(out + QStringLiteral("/dialog-editor.png")));
  window->close();
  workbench.session().setModified(false);
  workbench.session().close();
  dir.removeRecursively();
}

// The example's Options dialog pseudo-translated in the preview, its clipped texts
// showing; and a misspelt German word underlined, with the editor's context menu.
TEST(Screenshots, PseudoAndSpelling) {
  ExampleCopy example;
  ASSERT_TRUE(copyExample(QStringLiteral("tarvelo-pseudo"), example));
  const QString &out = example.out;
  QDir &dir = example.dir;
  const QString &source = example.source;
  const QString &target = example.target;
  MemorySettings settings;
  settings.setInteger(QStringLiteral("InitTM"), 0);
  test::ScriptedPrompter prompter;
  NullProgress progress;
  TmExports exports;
  WorkbenchAssembly workbench(settings, prompter, progress, exports);
  MainFrame &frame = workbench.frame();
  frame.resize(1280, 760);
  frame.show();
  Session &session = workbench.session();
  OpenRequest request{source, 1033, false, target, 1031};
  ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
  workbench.spelling().waitForLoad();

  // Pseudo-translated as the command does it, with the default options.
  PseudoOptions options;
  options.codePage = 1252;
  session.textsImported(pseudoTranslate(
      session.entries(), session.undoStack(), [&](TextEntry *e) { session.inspectEntry(e); },
      options));
  TextEntry *optionsDialog =
      entryNamed(session, QStringLiteral("IDD_OPTIONS"), QStringLiteral("DIALOG"));
  ASSERT_NE(optionsDialog, nullptr);
  frame.openResource(optionsDialog);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(frame.grab().save(out + QStringLiteral("/pseudo-dialog.png")));

  // Undone, and a word mistyped in the German translation.
  frame.runCommand(CmdUndo);
  frame.showBoard(MainFrame::Board::Items);
  TextEntry *selected = entryNamed(session, QStringLiteral("IDS_ITEMS_SELECTED"));
  ASSERT_NE(selected, nullptr);
  frame.selectEntry(selected);
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  editor->setPlainText(u"%d Eintr\u00e4ge ausgew\u00e4lt"_qs);
  QApplication::processEvents();
  const int word = int(editor->toPlainText().indexOf(u"ausgew"));
  QTextCursor cursor = editor->textCursor();
  cursor.setPosition(word + 3);
  editor->setTextCursor(cursor);
  QImage picture = frame.grab().toImage();
  std::unique_ptr<QMenu> menu(editor->contextMenuAt(word + 3));
  menu->popup(editor->mapToGlobal(editor->cursorRect().bottomRight()));
  QApplication::processEvents();
  drawFloating(picture, menu->grab().toImage(),
               editor->mapTo(&frame, editor->cursorRect().bottomRight() + QPoint(4, 2)));
  menu->hide();
  EXPECT_TRUE(picture.save(out + QStringLiteral("/misspelling.png")));
  session.setModified(false);
  session.close();
  dir.removeRecursively();
}

// The item menu of an untranslated string, its memory translations open: the exact one
// and fuzzy ones, each with its score.
TEST(Screenshots, FuzzyAlternatives) {
  ExampleCopy example;
  ASSERT_TRUE(copyExample(QStringLiteral("tarvelo-fuzzy"), example));
  const QString &out = example.out;
  QDir &dir = example.dir;
  const QString &source = example.source;
  const QString &target = example.target;
  MemorySettings settings;
  settings.setText(QStringLiteral("TMPath"), dir.filePath(QStringLiteral("TM")));
  settings.setInteger(QStringLiteral("InitTM"), 0); // the item stays empty for the picture
  test::ScriptedPrompter prompter;
  NullProgress progress;
  TmLibrary library;
  ASSERT_TRUE(
      library.load(QDir(QStringLiteral(TARVELO_BIN_DIR)).filePath(QStringLiteral("kestrine"))));
  ASSERT_TRUE(library.exports().fuzzyTM);
  WorkbenchAssembly workbench(settings, prompter, progress, &library);
  MainFrame &frame = workbench.frame();
  frame.resize(1280, 760);
  frame.show();
  OpenRequest request{source, 1033, false, target, 1031};
  ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);
  // Translations of texts like the item's, learnt in earlier projects.
  const std::pair<const char *, const char *> pairs[] = {
      {"%d of %d items selected", "%d von %d Elementen ausgew\u00e4hlt"},
      {"%d of %d files selected", "%d von %d Dateien ausgew\u00e4hlt"},
      {"%d of %d item selected", "%d von %d Element ausgew\u00e4hlt"},
      {"%d items selected", "%d Elemente ausgew\u00e4hlt"},
      {"%d of %d pages printed", "%d von %d Seiten gedruckt"},
  };
  for (const auto &[from, to] : pairs)
    library.exports().addPair(reinterpret_cast<const char16_t *>(QString::fromUtf8(from).utf16()),
                              reinterpret_cast<const char16_t *>(QString::fromUtf8(to).utf16()), 1);
  TextEntry *entry = entryNamed(workbench.session(), QStringLiteral("IDS_ITEMS_SELECTED"));
  ASSERT_TRUE(entry);
  entry->targetText.clear();
  frame.selectEntry(entry);
  QApplication::processEvents();

  ItemListView *view = frame.itemList();
  const QRect row = view->visualRect(view->model()->index(view->itemModel().rowOf(entry), 2));
  QMenu menu(view);
  view->fillContextMenu(menu, entry);
  QMenu *memory = nullptr;
  QAction *memoryAction = nullptr;
  for (QAction *action : menu.actions())
    if (action->menu() && action->text() == QLatin1String("Paste Translation Memory"))
      memory = action->menu(), memoryAction = action;
  ASSERT_TRUE(memory);
  ASSERT_GE(memory->actions().size(), 4);
  EXPECT_TRUE(memory->actions().first()->text().startsWith(QLatin1String("100% ")));
  const QPoint menuAt = view->viewport()->mapTo(&frame, row.center());
  menu.popup(frame.mapToGlobal(menuAt));
  menu.setActiveAction(memoryAction);
  QApplication::processEvents();
  const QRect item = menu.actionGeometry(memoryAction);
  const QPoint subAt = menuAt + QPoint(menu.width() - 4, item.top());
  memory->popup(frame.mapToGlobal(subAt));
  QApplication::processEvents();

  QPixmap picture = frame.grab();
  {
    QPainter painter(&picture);
    painter.drawPixmap(menuAt, menu.grab());
    painter.drawPixmap(subAt, memory->grab());
  }
  EXPECT_TRUE(picture.save(out + QStringLiteral("/fuzzy-alternatives.png")));
  memory->hide();
  menu.hide();
  workbench.session().close();
  dir.removeRecursively();
}

} // namespace
} // namespace tarvelo::gui
