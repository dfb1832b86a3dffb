// In German, every window and every board shows German: no English word is left
// but in names, file paths and the translator's own texts. English words are those
// of the program's English texts and of the English names of languages and regions
// that no German text of the program uses too.
#include "analysis/analysis_window.h"
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "app/ui_language.h"
#include "app/workbench_assembly.h"
#include "dialogs/controls_properties.h"
#include "dialogs/dialog_board.h"
#include "dialogs/dialog_report.h"
#include "dialogs/live_dialog.h"
#include "dialogs/report_fragment.h"
#include "dialogs/report_settings.h"
#include "exchange/exchange_file_dialog.h"
#include "exchange/mail_message.h"
#include "exchange/terminology_dialog.h"
#include "exchange/translation_provider.h"
#include "exchange/update_check.h"
#include "memory/glossary_import_dialog.h"
#include "memory/memory_search_window.h"
#include "online/machine_translation_dialog.h"
#include "online/send_resource_dialog.h"
#include "options/about_dialog.h"
#include "options/general_page.h"
#include "options/help.h"
#include "options/help_window.h"
#include "options/machine_translation_page.h"
#include "options/options_dialog.h"
#include "project/open_more_tasks_dialog.h"
#include "project/script_search_dialog.h"
#include "report/report_frame.h"
#include "report/report_setting_dialog.h"
#include "report/report_view.h"
#include "script/after_read.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "spelling/spell_service.h"
#include "support/script_harness.h"
#include "support/scripted_prompter.h"
#include "task/directives_import_dialog.h"
#include "task/fuzzy_items_dialog.h"
#include "task/open_resources_dialog.h"
#include "task/same_text_dialog.h"
#include "task/save_to_file_dialog.h"
#include "task/saving_resources_dialog.h"
#include "task/task_properties_dialog.h"
#include "text/locale_table.h"
#include "tmclient/memory_client.h"
#include "workbench/filter.h"
#include "workbench/filter_setup_dialog.h"
#include "workbench/filter_setup_model.h"
#include "workbench/fuzzy_alternatives_dialog.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/inspector.h"
#include "workbench/item_list_view.h"
#include "workbench/main_frame.h"
#include "workbench/menu_view.h"
#include "workbench/occurrences_view.h"
#include "workbench/pseudo_translate_dialog.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include "widget_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>
#include <QTreeView>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

QString translationSource() {
  return QStringLiteral(TARVELO_TEST_DATA "/../../resources/translations/tarvelo_1031.ts");
}

// The words of a text, lower-case, without accelerator marks; single letters and
// numbers are no words.
QSet<QString> wordsOf(QString text) {
  static const QRegularExpression separators(QStringLiteral("[^\\p{L}]+"));
  text.remove(u'&');
  QSet<QString> words;
  for (const QString &word : text.split(separators, Qt::SkipEmptyParts))
    if (word.size() > 1)
      words.insert(word.toLower());
  return words;
}

// The words only English texts use: those of the translation's English sources, of
// the English names of languages and regions and of Qt's own buttons, less every
// word that a German text of the translation uses too.
class EnglishWords {
public:
  // Reads the English side now, while no translation is installed.
  EnglishWords() {
    QFile file(translationSource());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(translationSource());
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement)
        continue;
      if (xml.name() == QLatin1String("source"))
        m_english.unite(wordsOf(xml.readElementText()));
      else if (xml.name() == QLatin1String("translation") ||
               xml.name() == QLatin1String("numerusform"))
        m_german.unite(wordsOf(xml.readElementText(QXmlStreamReader::IncludeChildElements)));
    }
    for (const LocaleInfo *info : installedLocales())
      m_english.unite(wordsOf(localizedLanguageName(info->lcid)));
    for (const char *word : {"Cancel", "Yes", "No", "Apply", "Close", "Help", "Reset", "Look",
                             "File", "Files", "type", "Directory", "Back", "Forward"})
      m_english.insert(QString::fromLatin1(word).toLower());
    // German as well, though the program's own German texts happen not to use it
    // alone (Qt's file dialog does).
    m_german.insert(QStringLiteral("name"));
  }

  QStringList in(const QString &text) const {
    QStringList found;
    for (const QString &word : wordsOf(text))
      if (m_english.contains(word) && !m_german.contains(word))
        found.append(word);
    return found;
  }

private:
  QSet<QString> m_english;
  QSet<QString> m_german;
};

// The texts a window shows of its own: titles, labels, buttons, tabs, group boxes,
// choices, headers, group nodes of trees, menus and tool tips. The translator's texts
// (the item rows, editors, occurrence rows, the menu preview) and the help pages are
// left out.
class Texts {
public:
  explicit Texts(QStringList paths) : m_paths(std::move(paths)) {}

  void collect(const QString &where, QWidget *window) {
    add(where + QStringLiteral(" title"), window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
      if (translatorsOwn(widget))
        continue;
      const QString name = where + u'/' + QString::fromLatin1(widget->metaObject()->className());
      add(name + QStringLiteral(" tip"), widget->toolTip());
      if (auto *label = qobject_cast<QLabel *>(widget))
        add(name, label->text());
      else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        add(name, button->text());
      else if (auto *group = qobject_cast<QGroupBox *>(widget))
        add(name, group->title());
      else if (auto *tabs = qobject_cast<QTabBar *>(widget))
        for (int i = 0; i < tabs->count(); ++i)
          add(name, tabs->tabText(i));
      else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable())
        for (int i = 0; i < combo->count(); ++i)
          add(name, combo->itemText(i));
      else if (auto *line = qobject_cast<QLineEdit *>(widget))
        add(name, line->placeholderText());
      else if (auto *view = qobject_cast<QAbstractItemView *>(widget))
        collectView(name, view);
      else if (auto *bar = qobject_cast<QMenuBar *>(widget))
        for (QAction *action : bar->actions())
          collectAction(name, action);
      else if (auto *tools = qobject_cast<QToolBar *>(widget))
        for (QAction *action : tools->actions())
          add(name, action->toolTip());
    }
  }

  // A context menu: its items and the titles of its submenus, not the texts offered.
  void collectMenu(const QString &where, const QMenu &menu) {
    for (QAction *action : menu.actions())
      add(where, action->text());
  }

  // Every text with the English words in it.
  QStringList english(const EnglishWords &words) const {
    QStringList found;
    for (const auto &[where, text] : m_texts) {
      const QStringList english = words.in(text);
      if (!english.isEmpty())
        found.append(where + QStringLiteral(": \"") + text + QStringLiteral("\" (") +
                     english.join(QStringLiteral(", ")) + u')');
    }
    return found;
  }

  int count() const { return int(m_texts.size()); }

private:
  static bool translatorsOwn(QWidget *widget) {
    for (QWidget *w = widget; w; w = w->parentWidget()) {
      if (qobject_cast<MenuView *>(w) || qobject_cast<LiveDialog *>(w) ||
          qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w))
        return true;
      // Drop-downs inside a list offer the translator's texts.
      if (w != widget && qobject_cast<QAbstractItemView *>(w))
        return true;
    }
    return false;
  }

  void collectView(const QString &where, QAbstractItemView *view) {
    QAbstractItemModel *model = view->model();
    if (!model)
      return;
    auto *tree = qobject_cast<QTreeView *>(view);
    const bool headerShown = (tree && !tree->isHeaderHidden()) ||
                             (qobject_cast<QTableView *>(view) &&
                              !static_cast<QTableView *>(view)->horizontalHeader()->isHidden());
    if (headerShown)
      for (int column = 0; column < model->columnCount(); ++column)
        add(where + QStringLiteral(" header"),
            model->headerData(column, Qt::Horizontal).toString());
    // The position words of the inspection rules.
    if (qobject_cast<InspectionRulesModel *>(model))
      for (int row = 0; row < model->rowCount(); ++row)
        add(where, model->index(row, InspectionRulesModel::PositionColumn).data().toString());
    // Group nodes of trees (resources, their kinds); the leaves are the script's.
    // Folders of a file dialog are the machine's, not the interface's.
    if (tree && !qobject_cast<QFileSystemModel *>(model) && !insideFileDialog(view))
      collectGroups(where, model, QModelIndex());
  }

  static bool insideFileDialog(const QWidget *widget) {
    for (const QWidget *w = widget; w; w = w->parentWidget())
      if (qobject_cast<const QFileDialog *>(w))
        return true;
    return false;
  }

  void collectGroups(const QString &where, QAbstractItemModel *model, const QModelIndex &parent) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
      const QModelIndex index = model->index(row, 0, parent);
      if (model->rowCount(index) == 0)
        continue;
      add(where + QStringLiteral(" group"), index.data().toString());
      collectGroups(where, model, index);
    }
  }

  void collectAction(const QString &where, QAction *action) {
    add(where, action->text());
    if (QMenu *menu = action->menu())
      for (QAction *item : menu->actions())
        collectAction(where + u'/' + action->text(), item);
  }

  void add(const QString &where, QString text) {
    if (Qt::mightBeRichText(text))
      text = QTextDocumentFragment::fromHtml(text).toPlainText();
    for (const QString &path : m_paths)
      text.replace(path, QString());
    static const QRegularExpression links(QStringLiteral("\\S+://\\S+|\\S+@\\S+"));
    text.remove(links);
    if (!text.trimmed().isEmpty())
      m_texts.append({where, text});
  }

  QStringList m_paths;
  QList<std::pair<QString, QString>> m_texts;
};

class GermanInterface : public ::testing::Test {
protected:
  void SetUp() override {
    initGuiResources();
    ASSERT_TRUE(dir.isValid());
    source = dir.filePath(QStringLiteral("example.rc"));
    target = dir.filePath(QStringLiteral("example_de.rc"));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example.rc")), source));
    ASSERT_TRUE(QFile::copy(exampleFile(QStringLiteral("example_de.rc")), target));
    ASSERT_TRUE(installUserInterfaceLanguage(1031, QStringLiteral(TARVELO_BIN_DIR), own, qt));
    exports.connectTM = [](int32_t, int32_t) -> int32_t { return 1; };
    exports.addPair = [](const char16_t *, const char16_t *, int32_t) -> int32_t { return 1; };
    settings.setInteger(QStringLiteral("InitTM"), 0);
    settings.setText(QStringLiteral("SourcePath"), source);
    settings.setText(QStringLiteral("TargetPath"), target);
    settings.setInteger(QStringLiteral("UseTarget"), 1);
    settings.setInteger(QStringLiteral("SourceLanguage"), 1033);
    settings.setInteger(QStringLiteral("TargetLanguage"), 1031);
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
  }

  // Shows the window, keeps a picture when asked for and collects its texts.
  void look(const char *name, QWidget &window) {
    window.show();
    QApplication::processEvents();
    const QByteArray folder = qgetenv("TARVELO_SCREENSHOTS");
    if (!folder.isEmpty())
      window.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/de-") +
                         QLatin1String(name) + QStringLiteral(".png"));
    texts.collect(QLatin1String(name), &window);
  }

  EnglishWords words; // made first, while the program still speaks English
  QTemporaryDir dir;
  QString source, target;
  QTranslator own, qt;
  TmExports exports;
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Texts texts{{}};
};

TEST_F(GermanInterface, EveryWindowAndBoardShowsNoEnglish) {
  // The paths this test names, longest first: a file name is the script's, not English.
  const QString included = dir.filePath(QStringLiteral("toolbar.rc2"));
  texts = Texts({source, target, included, QDir::toNativeSeparators(source),
                 QDir::toNativeSeparators(target), QDir::toNativeSeparators(included), dir.path(),
                 QDir::toNativeSeparators(dir.path()), QFileInfo(included).fileName()});
  WorkbenchAssembly workbench(settings, prompter, progress, exports);
  MainFrame &frame = workbench.frame();
  Session &session = workbench.session();
  frame.resize(1366, 768);
  OpenRequest request{source, 1033, false, target, 1031};
  ASSERT_EQ(session.open(request), Session::OpenResult::Opened);
  frame.updateCommands();
  QApplication::processEvents();

  // The boards, each with an entry of its own kind current.
  TextEntry *selected = nullptr;
  QHash<QString, TextEntry *> heads; // the first resource of each kind
  for (const auto &entry : session.entries()) {
    if (!selected && entry->isTranslatable() && entry->nextOccurrence)
      selected = entry.get();
    if (entry->isHead() && !heads.contains(entry->kind))
      heads.insert(entry->kind, entry.get());
  }
  TextEntry *menu = heads.value(QStringLiteral("MENU"));
  TextEntry *dlginit = heads.value(QStringLiteral("DLGINIT"));
  TextEntry *dialog = heads.value(QStringLiteral("DIALOG"));
  TextEntry *other = heads.value(QStringLiteral("ICON"));
  ASSERT_TRUE(selected && menu && dlginit && other && dialog);
  frame.selectEntry(selected);
  look("items", frame);
  EXPECT_TRUE(frame.statusMessage().contains(QStringLiteral("unscharf")))
      << frame.statusMessage().toStdString();
  ASSERT_GT(frame.occurrencesView()->list()->model()->rowCount(), 1);
  QMenu itemMenu;
  frame.itemList()->fillContextMenu(itemMenu, selected);
  texts.collectMenu(QStringLiteral("item menu"), itemMenu);
  // The target editor's menu on a misspelt word: the suggestions, then ours.
  workbench.spelling().waitForLoad();
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  const QString typed = editor->toPlainText();
  editor->setPlainText(QStringLiteral("Dattei"));
  std::unique_ptr<QMenu> spellingMenu(editor->contextMenuAt(2));
  EXPECT_GT(spellingMenu->actions().size(), 3);
  texts.collectMenu(QStringLiteral("spelling menu"), *spellingMenu);
  editor->setPlainText(typed);
  frame.openResource(dlginit);
  look("dlginit", frame);
  frame.openResource(menu);
  look("menu", frame);
  frame.openResource(other);
  look("text", frame);
  frame.openResource(dialog);
  ASSERT_EQ(frame.board(), MainFrame::Board::Dialog);
  look("dialog", frame);
  // The dialog view's properties window, every tab of it.
  frame.runCommand(CmdDialogControls);
  ControlsPropertiesWindow *controls = frame.dialogBoard()->properties();
  ASSERT_NE(controls, nullptr);
  look("dialog-controls", *controls);
  frame.runCommand(CmdDialogControls);
  frame.runCommand(CmdFilter);
  ASSERT_EQ(frame.board(), MainFrame::Board::Filter);
  look("filter", frame);
  frame.runCommand(CmdFind);
  for (QDialog *find : frame.findChildren<QDialog *>())
    look("find", *find);

  // The dialogs.
  OpenResourcesDialog open(session, true);
  look("open-resources", open);
  Task task = *session.currentTask();
  task.name = QStringLiteral("Beispiel");
  TaskPropertiesDialog properties({&task}, &session, true);
  look("task-properties", properties);
  InspectionRulesModel rules(workbench.inspector(), settings);
  OptionsDialog options(settings, rules, workbench.memory());
  look("options-general", options);
  // The text an untranslated item is saved with is the user's, but its default speaks
  // German; line edits are not looked at above.
  EXPECT_EQ(options.generalPage()->userText()->text(), QString::fromUtf8("--nicht übersetzt--"));
  options.tabs()->setCurrentIndex(1);
  look("options-memory", options);
  options.tabs()->setCurrentWidget(options.machineTranslationPage());
  look("options-machine-translation", options);
  MachineTranslationDialog machineTranslation(settings,
                                              QStringLiteral("LibreTranslate (http://localhost)"));
  look("machine-translation", machineTranslation);
  SendResourceDialog sendResource(prompter, true, true);
  look("send-resource", sendResource);
  // The messages of the online services, as the core composes them.
  MtConfig refused;
  refused.provider = MtProviderKind::DeepL;
  HttpResponse forbidden;
  forbidden.status = 403;
  QLabel onlineMessages(QStringList{
      updateQuestion(QStringLiteral("Tarvelo 2.6")), sendNameProblem(QString()),
      sendNameProblem(QStringLiteral("=")), makeProvider(refused)->parse(forbidden, 1).error}
                            .join(u'\n'));
  look("online-messages", onlineMessages);
  Filter filter(settings);
  FilterSetupModel filterModel(filter);
  FilterSetupDialog filterSetup(filterModel);
  look("filter-setup", filterSetup);
  PseudoTranslateDialog pseudoDialog(settings);
  look("pseudo-translate", pseudoDialog);
  FuzzyAlternativesDialog alternatives(*selected, frame.font());
  look("fuzzy-alternatives", alternatives);
  SameTextDialog same(QStringLiteral("OK"));
  look("same-text", same);
  AboutDialog about(QStringLiteral("2.5"));
  look("about", about);
  Task german = task;
  german.sourceLanguage = 1033;
  german.targetLanguage = 1031;
  OpenMoreTasksDialog openMore({german}, german);
  look("open-more-tasks", openMore);
  ScriptSearchDialog searchDialog(settings, QString());
  look("search-resource-files", searchDialog);
  ScriptPairingRequest pairing;
  pairing.pairs = {{included, 1033, QString(), 1031}};
  DirectivesImportDialog pairingDialog(pairing);
  look("directives-import", pairingDialog);
  // The core composes the titles and the text of these three requests; only the
  // dialogs' own texts are looked at here.
  const QList<ResourceChoice> resources = {
      {QCoreApplication::translate("tarvelo::ResourceGroup", "String Table"),
       QStringLiteral("IDS_OLD_HINT"), true},
      {QCoreApplication::translate("tarvelo::ResourceGroup", "Menu"), QStringLiteral("IDR_KONTEXT"),
       false}};
  SavingResourcesRequest saving{QString(), resources};
  SavingResourcesDialog savingDialog(saving);
  look("saving-resources", savingDialog);
  SaveFileRequest save;
  save.path = target;
  save.writeLanguage = 1031;
  save.resources = resources;
  SaveToFileDialog saveDialog(save);
  look("save-to-file", saveDialog);
  ExchangeFileDialog exportDialog(ExchangeFileDialog::Mode::Export, settings);
  exportDialog.setDirectory(dir.path());
  look("export", exportDialog);
  ExchangeFileDialog importDialog(ExchangeFileDialog::Mode::Import, settings);
  importDialog.setDirectory(dir.path());
  look("import", importDialog);
  GlossaryImportDialog glossaryDialog(1031, 3);
  glossaryDialog.setDirectory(dir.path());
  look("import-glossary", glossaryDialog);
  TerminologyRequest terminology;
  terminology.fields = {QStringLiteral("ID"), QStringLiteral("de-DE")};
  TerminologyDialog terminologyDialog(terminology);
  look("terminology", terminologyDialog);
  if (workbench.memory()) {
    MemorySearchWindow search(*workbench.memory(), prompter);
    look("search-memory", search);
    AnalysisWindow analysis(session, *workbench.memory(), prompter, progress,
                            [] { return QList<Task>(); });
    look("analysis", analysis);
  }
  // Reading a target whose menu has an item more: the core composes the question
  // about the fuzzy items and the progress texts, in German now.
  test::Workspace core;
  ASSERT_EQ(core.readSource("LANGUAGE 9, 1\nIDR_KONTEXT MENU\nBEGIN\n MENUITEM \"&OK\", ID_A\n"
                            " MENUITEM \"&OK\", ID_B\nEND\n",
                            1033),
            ScriptResult::Ok);
  ASSERT_EQ(core.readTarget("LANGUAGE 7, 1\nIDR_KONTEXT MENU\nBEGIN\n MENUITEM \"&OK\", ID_A\n"
                            " MENUITEM \"&OK\", ID_B\n MENUITEM \"&OK\", ID_B\nEND\n",
                            1031, dir.filePath(QStringLiteral("kontext_de.rc"))),
            ScriptResult::Ok);
  bool clearFuzzy = false;
  AfterReadContext afterRead{&core.entries, &core.prompter, QStringLiteral("kontext_de.rc"),
                             &clearFuzzy};
  afterTargetRead(core.tasks.head(), afterRead);
  ASSERT_EQ(core.prompter.fuzzyRequests.size(), 1);
  FuzzyItemsDialog fuzzyDialog(core.prompter.fuzzyRequests[0]);
  look("fuzzy-items", fuzzyDialog);
  ProgressWindow progressWindow(&frame);
  progressWindow.begin(core.progress.title);
  progressWindow.setText(core.progress.firstText);
  for (QDialog *window : frame.findChildren<QDialog *>())
    if (window->isVisible() && window->windowTitle() == core.progress.title)
      look("progress", *window);
  progressWindow.end();
  // The dialogs report: its window, menu and setting, and the findings the core
  // composes for it (the report's text is the script's identifiers with them).
  frame.runCommand(CmdDialogsReport);
  ASSERT_NE(frame.dialogsReport(), nullptr);
  look("dialogs-report", *frame.dialogsReport());
  QMenu reportMenu;
  frame.dialogsReport()->view()->fillContextMenu(reportMenu);
  texts.collectMenu(QStringLiteral("report menu"), reportMenu);
  ReportSettingDialog reportSetting(kReportAllChecks);
  look("report-setting", reportSetting);
  ControlReport everything;
  everything.tooLong = everything.outside = true;
  for (QStringList *names :
       {&everything.addedStyles, &everything.removedStyles, &everything.addedExStyles,
        &everything.removedExStyles, &everything.overlaps, &everything.sameAccessKey})
    *names = QStringList{QStringLiteral("X1")};
  QStringList composed{nothingToReportText(), dialogsReportedText(2)};
  for (const ControlFinding &finding : findings(everything))
    composed.append(finding.text);
  QLabel findingsLabel(composed.join(u'\n'));
  look("report-findings", findingsLabel);
  frame.dialogsReport()->close();

  // The help window's own buttons; its pages are not part of this look.
  showHelp(nullptr, QStringLiteral("start.html"));
  HelpWindow *help = HelpWindow::instance();
  ASSERT_NE(help, nullptr);
  for (QAbstractButton *button : help->findChildren<QAbstractButton *>())
    texts.collect(QStringLiteral("help"), button);
  help->close();

  EXPECT_GT(texts.count(), 300);
  const QStringList english = texts.english(words);
  EXPECT_TRUE(english.isEmpty()) << english.join(u'\n').toStdString();
  prompter.answers = {Prompter::Answer::No};
  session.close();
}

} // namespace
} // namespace tarvelo::gui
