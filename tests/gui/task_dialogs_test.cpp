// The task dialogs driven as a translator would: keys and clicks, then what they
// hand back.

#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "task/directives_import_dialog.h"
#include "task/fuzzy_items_dialog.h"
#include "task/language_combo.h"
#include "task/open_resources_dialog.h"
#include "task/resource_choice_tree.h"
#include "task/same_text_dialog.h"
#include "task/save_to_file_dialog.h"
#include "task/saving_resources_dialog.h"
#include "task/task_dialogs.h"
#include "task/task_form.h"
#include "task/task_properties_dialog.h"
#include "workbench/session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

using test::ScriptedPrompter;

constexpr int kEnglish = 1033;
constexpr int kGerman = 1031;

void writeFile(const QString &path, const QByteArray &content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(content);
}

void click(QAbstractButton *button) {
  ASSERT_NE(button, nullptr);
  // A check box reacts on its box and label only, which sit at its left.
  const QPoint at = qobject_cast<QCheckBox *>(button)
                        ? QPoint(qMin(8, button->width() / 2), button->height() / 2)
                        : button->rect().center();
  QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void typeInto(QLineEdit *edit, const QString &text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

TEST(LanguageComboTest, StartsWithNoLanguageAndNeutralThenLocales) {
  LanguageCombo combo;
  ASSERT_GT(combo.count(), 3);
  EXPECT_EQ(combo.itemText(0), QStringLiteral("<No Language>"));
  EXPECT_EQ(combo.itemData(0).toInt(), -1);
  EXPECT_EQ(combo.itemText(1), QStringLiteral("Neutral"));
  EXPECT_EQ(combo.itemData(1).toInt(), 0);
  EXPECT_GT(combo.itemData(2).toInt(), 0);
  EXPECT_FALSE(combo.itemText(2).isEmpty());
  EXPECT_GE(combo.findData(kEnglish), 2);
  EXPECT_GE(combo.findData(kGerman), 2);
}

TEST(LanguageComboTest, SelectsTheLanguageOrFallsBackToTheFirstItem) {
  struct Case {
    int language;
    int expected;
  };
  const Case cases[] = {{kGerman, kGerman},   {0, 0},       {-1, -1},
                        {kEnglish, kEnglish}, {0x7fff, -1}, {-5, -1}};
  LanguageCombo combo;
  for (const Case &c : cases) {
    combo.setLanguage(kGerman == c.language ? kEnglish : kGerman); // move away first
    combo.setLanguage(c.language);
    EXPECT_EQ(combo.language(), c.expected) << "language " << c.language;
  }
  combo.setLanguage(0x7fff);
  EXPECT_EQ(combo.currentIndex(), 0);
}

class OpenResourcesTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    source = folder.filePath(QStringLiteral("app.rc"));
    writeFile(source, "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\r\n"
                      "STRINGTABLE\r\nBEGIN\r\n    IDS_HELLO \"Hello\"\r\nEND\r\n");
  }

  MemorySettings settings;
  ScriptedPrompter prompter;
  NullProgress progress;
  Session session{settings, prompter, progress};
  QTemporaryDir folder;
  QString source;
};

TEST_F(OpenResourcesTest, StartsFromTheLastOpenedTask) {
  settings.setText(QStringLiteral("SourcePath"), source);
  settings.setText(QStringLiteral("TargetPath"), QStringLiteral("/x/app_de.rc"));
  settings.setInteger(QStringLiteral("UseTarget"), 1);
  settings.setInteger(QStringLiteral("SourceLanguage"), kEnglish);
  settings.setInteger(QStringLiteral("TargetLanguage"), kGerman);
  settings.setInteger(QStringLiteral("InitTM"), 0);
  OpenResourcesDialog dialog(session, /*memoryBound=*/true);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Open Resources"));
  const TaskForm *form = dialog.form();
  EXPECT_EQ(form->sourcePath()->text(), source);
  EXPECT_EQ(form->targetPath()->text(), QStringLiteral("/x/app_de.rc"));
  EXPECT_FALSE(form->specifyLater()->isChecked());
  EXPECT_EQ(form->sourceLanguage()->language(), kEnglish);
  EXPECT_EQ(form->targetLanguage()->language(), kGerman);
  EXPECT_FALSE(form->fillFromMemory()->isChecked());
  EXPECT_TRUE(form->fillFromMemory()->isEnabled());
  EXPECT_EQ(form->fillFromMemory()->text(),
            QStringLiteral("Fill empty items from  Translation Memory"));
  EXPECT_TRUE(dialog.okButton()->isEnabled());

  // Without the memory library the fill option cannot be changed.
  OpenResourcesDialog unbound(session, /*memoryBound=*/false);
  EXPECT_FALSE(unbound.form()->fillFromMemory()->isEnabled());
}

TEST_F(OpenResourcesTest, OkNeedsAnExistingSourceAndATargetUnlessSpecifiedLater) {
  OpenResourcesDialog dialog(session, true);
  dialog.show();
  const TaskForm *form = dialog.form();
  struct Step {
    const char *what;
    QString source;
    QString target;
    bool later;
    bool ok;
  };
  const QString missing = folder.filePath(QStringLiteral("missing.rc"));
  const Step steps[] = {
      {"nothing", {}, {}, false, false},
      {"missing source", missing, QStringLiteral("t.rc"), false, false},
      {"folder as source", folder.path(), QStringLiteral("t.rc"), false, false},
      {"source without target", source, {}, false, false},
      {"source and target", source, QStringLiteral("t.rc"), false, true},
      {"source, target later", source, {}, true, true},
      {"missing source, target later", missing, {}, true, false},
  };
  for (const Step &step : steps) {
    typeInto(form->sourcePath(), step.source);
    if (form->specifyLater()->isChecked() != step.later)
      click(form->specifyLater());
    if (!step.later)
      typeInto(form->targetPath(), step.target);
    EXPECT_EQ(dialog.okButton()->isEnabled(), step.ok) << step.what;
    EXPECT_EQ(form->targetPath()->isEnabled(), !step.later) << step.what;
    EXPECT_EQ(form->targetBrowse()->isEnabled(), !step.later) << step.what;
  }
}

TEST_F(OpenResourcesTest, OkOpensTheTaskAndClosesOnlyWhenItOpened) {
  const QString broken = folder.filePath(QStringLiteral("broken.rc"));
  writeFile(broken, "STRINGTABLE\r\nBEGIN\r\n    IDS_X \"unterminated\r\n");
  OpenResourcesDialog dialog(session, true);
  dialog.show();
  const TaskForm *form = dialog.form();
  typeInto(form->sourcePath(), broken);
  form->sourceLanguage()->setLanguage(kEnglish);
  // No target was named last time ("UseTarget" 0): the target comes later.
  ASSERT_TRUE(form->specifyLater()->isChecked());
  ASSERT_TRUE(form->fillFromMemory()->isChecked());
  click(form->fillFromMemory());
  click(dialog.okButton());
  EXPECT_TRUE(prompter.messages.contains(QStringLiteral("Invalid source file")))
      << prompter.messages.join(u'|').toStdString();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);

  typeInto(form->sourcePath(), source);
  form->targetLanguage()->setLanguage(kGerman);
  click(dialog.okButton());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(session.isOpen());
  EXPECT_EQ(session.sourcePath(), source);
  EXPECT_EQ(session.targetPath(), QString());
  EXPECT_EQ(session.targetLanguage(), kGerman);
  EXPECT_EQ(settings.integer(QStringLiteral("InitTM")), 0);
}

TEST_F(OpenResourcesTest, RequestCarriesTheDialogsValues) {
  OpenResourcesDialog dialog(session, true);
  dialog.show();
  TaskForm *form = dialog.form();
  typeInto(form->sourcePath(), QStringLiteral("  ") + source + QStringLiteral(" "));
  if (form->specifyLater()->isChecked())
    click(form->specifyLater());
  typeInto(form->targetPath(), QStringLiteral("out/app_de.txt"));
  form->sourceLanguage()->setLanguage(kEnglish);
  form->targetLanguage()->setLanguage(kGerman);
  const OpenRequest request = dialog.request();
  EXPECT_EQ(request.sourcePath, source);
  EXPECT_EQ(request.sourceLanguage, kEnglish);
  EXPECT_FALSE(request.specifyLater);
  EXPECT_EQ(request.targetPath, QStringLiteral("out/app_de.txt"));
  EXPECT_EQ(request.targetLanguage, kGerman);
  click(form->specifyLater());
  EXPECT_TRUE(dialog.request().specifyLater);
  EXPECT_EQ(dialog.request().targetPath, QString());
}

class TaskPropertiesTest : public OpenResourcesTest {
protected:
  void SetUp() override {
    OpenResourcesTest::SetUp();
    other = folder.filePath(QStringLiteral("other.rc"));
    writeFile(other, "STRINGTABLE\r\nBEGIN\r\n    IDS_X \"x\"\r\nEND\r\n");
    first.sourcePath = source;
    first.sourceLanguage = kEnglish;
    first.targetPath = folder.filePath(QStringLiteral("app_de.rc"));
    first.targetLanguage = kGerman;
    first.name = QStringLiteral("App");
    second.sourcePath = other;
    second.sourceLanguage = kEnglish;
    second.targetLanguage = 1036;
    second.name = QStringLiteral("Other");
  }
  Task first, second;
  QString other;
};

TEST_F(TaskPropertiesTest, OneTaskShowsAndStoresItsValues) {
  TaskPropertiesDialog dialog({&first}, &session, true);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Task Properties"));
  TaskForm *form = dialog.form();
  EXPECT_EQ(form->taskName()->text(), QStringLiteral("App"));
  EXPECT_EQ(form->sourcePath()->text(), source);
  EXPECT_EQ(form->targetLanguage()->language(), kGerman);
  ASSERT_NE(dialog.openButton(), nullptr);
  typeInto(form->taskName(), QStringLiteral("Main"));
  click(form->specifyLater());
  click(dialog.okButton());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(first.name, QStringLiteral("Main"));
  EXPECT_EQ(first.targetPath, QString());
  EXPECT_EQ(first.sourcePath, source);
  EXPECT_EQ(first.targetLanguage, kGerman);
}

TEST_F(TaskPropertiesTest, DifferingFieldsAreWrittenOnlyWhenChanged) {
  TaskPropertiesDialog dialog({&first, &second}, &session, true);
  dialog.show();
  TaskForm *form = dialog.form();
  const QString different = QStringLiteral("<Different values>");
  EXPECT_EQ(form->taskName()->text(), different);
  EXPECT_EQ(form->sourcePath()->text(), different);
  EXPECT_EQ(form->targetPath()->text(), different);
  EXPECT_EQ(form->sourceLanguage()->language(), kEnglish); // the same in both
  EXPECT_EQ(form->targetLanguage()->currentText(), different);
  EXPECT_EQ(form->specifyLater()->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(dialog.openButton(), nullptr); // several tasks do not open at once
  EXPECT_TRUE(dialog.okButton()->isEnabled());

  // Only the source language changes; every differing field stays per task.
  form->sourceLanguage()->setLanguage(kGerman);
  click(dialog.okButton());
  EXPECT_EQ(first.sourceLanguage, kGerman);
  EXPECT_EQ(second.sourceLanguage, kGerman);
  EXPECT_EQ(first.name, QStringLiteral("App"));
  EXPECT_EQ(second.name, QStringLiteral("Other"));
  EXPECT_EQ(first.sourcePath, source);
  EXPECT_EQ(second.sourcePath, other);
  EXPECT_EQ(first.targetPath, folder.filePath(QStringLiteral("app_de.rc")));
  EXPECT_EQ(second.targetPath, QString());
  EXPECT_EQ(first.targetLanguage, kGerman);
  EXPECT_EQ(second.targetLanguage, 1036);
}

TEST_F(TaskPropertiesTest, ChangedDifferingFieldsGoToEveryTask) {
  TaskPropertiesDialog dialog({&first, &second}, nullptr, false);
  dialog.show();
  TaskForm *form = dialog.form();
  typeInto(form->taskName(), QStringLiteral("Both"));
  form->targetLanguage()->setLanguage(0);
  click(form->specifyLater()); // partly checked -> checked
  EXPECT_EQ(form->specifyLater()->checkState(), Qt::Checked);
  click(dialog.okButton());
  for (const Task *task : {&first, &second}) {
    EXPECT_EQ(task->name, QStringLiteral("Both"));
    EXPECT_EQ(task->targetLanguage, 0);
    EXPECT_EQ(task->targetPath, QString());
  }
}

TEST_F(TaskPropertiesTest, OpenOpensTheEditedTask) {
  first.targetPath.clear();
  TaskPropertiesDialog dialog({&first}, &session, true);
  dialog.show();
  dialog.form()->targetLanguage()->setLanguage(kGerman);
  click(dialog.openButton());
  EXPECT_EQ(dialog.result(), TaskPropertiesDialog::Opened);
  EXPECT_TRUE(session.isOpen());
  EXPECT_EQ(session.sourcePath(), source);
}

FuzzyItemsRequest fuzzyRequest() {
  FuzzyItemsRequest request;
  request.caption = QStringLiteral("Dialog IDD_ABOUT");
  request.text = QStringLiteral(
      "Count or order of Dialog items has changed. Verify translation of fuzzy items.");
  request.rows = {{QStringLiteral("OK"), QStringLiteral("OK")},
                  {QStringLiteral("Cancel"), QStringLiteral("Abbrechen")},
                  {QStringLiteral("Help"), QStringLiteral("Hilfe?")}};
  request.choices = {QString(), QStringLiteral("OK"), QStringLiteral("Abbrechen"),
                     QStringLiteral("Hilfe")};
  return request;
}

TEST(FuzzyItemsDialogTest, OffersTheChoicesAndKeepsWhatTheTranslatorPicked) {
  FuzzyItemsRequest request = fuzzyRequest();
  FuzzyItemsDialog dialog(request);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dialog IDD_ABOUT"));
  ASSERT_EQ(dialog.table()->rowCount(), 3);
  EXPECT_EQ(dialog.table()->horizontalHeaderItem(0)->text(), QStringLiteral(" Original Text"));
  EXPECT_EQ(dialog.table()->horizontalHeaderItem(1)->text(), QStringLiteral(" Translated Text"));
  EXPECT_EQ(dialog.table()->item(1, 0)->text(), QStringLiteral("Cancel"));
  EXPECT_EQ(dialog.choiceBox(0)->currentText(), QStringLiteral("OK"));
  EXPECT_EQ(dialog.choiceBox(1)->currentText(), QStringLiteral("Abbrechen"));
  // A text that is no alternative stays choosable in its own row only.
  EXPECT_EQ(dialog.choiceBox(2)->currentText(), QStringLiteral("Hilfe?"));
  EXPECT_EQ(dialog.choiceBox(2)->count(), 5);
  EXPECT_EQ(dialog.choiceBox(0)->count(), 4);

  // Keyboard choice: End picks the last alternative, Home the empty text.
  QTest::keyClick(dialog.choiceBox(2), Qt::Key_Up);
  QTest::keyClick(dialog.choiceBox(0), Qt::Key_Home);
  click(dialog.clearFuzzyFlag());
  click(dialog.findChild<QPushButton *>());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(request.rows[0].translated, QString());
  EXPECT_EQ(request.rows[1].translated, QStringLiteral("Abbrechen"));
  EXPECT_EQ(request.rows[2].translated, QStringLiteral("Hilfe"));
  EXPECT_TRUE(request.clearFuzzyFlag);
}

TEST(FuzzyItemsDialogTest, ClosingWithEscapeKeepsChoicesAndTheBox) {
  FuzzyItemsRequest request = fuzzyRequest();
  request.clearFuzzyFlag = true;
  FuzzyItemsDialog dialog(request);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EXPECT_TRUE(dialog.clearFuzzyFlag()->isChecked());
  dialog.choiceBox(1)->setCurrentIndex(0);
  click(dialog.clearFuzzyFlag());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(request.clearFuzzyFlag);
  EXPECT_EQ(request.rows[1].translated, QString());
}

QList<ResourceChoice> targetOnlyResources() {
  return {{QStringLiteral("String Table"), QStringLiteral("IDS_OLD"), true},
          {QStringLiteral("Dialog"), QStringLiteral("IDD_OLD"), true},
          {QStringLiteral("Menu"), QStringLiteral("IDR_OLD"), true},
          {QStringLiteral("Dialog"), QStringLiteral("IDD_GONE"), false},
          {QStringLiteral("Accelerators"), QStringLiteral("IDR_KEYS"), true}};
}

TEST(SavingResourcesDialogTest, TreeIsGroupedSortedAndRootExpanded) {
  SavingResourcesRequest request{QStringLiteral("Saving resources - app_de.rc"),
                                 targetOnlyResources()};
  SavingResourcesDialog dialog(request);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Saving resources - app_de.rc"));
  const ResourceChoiceTree *tree = dialog.tree();
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  const QTreeWidgetItem *root = tree->topLevelItem(0);
  EXPECT_EQ(root->text(0), QStringLiteral("Resources"));
  EXPECT_TRUE(root->isExpanded());
  QStringList groups;
  for (int i = 0; i < root->childCount(); ++i)
    groups.append(root->child(i)->text(0));
  EXPECT_EQ(groups, (QStringList{QStringLiteral("Accelerators"), QStringLiteral("Dialog"),
                                 QStringLiteral("Menu"), QStringLiteral("String Table")}));
  const QTreeWidgetItem *dialogs = root->child(1);
  ASSERT_EQ(dialogs->childCount(), 2);
  EXPECT_EQ(dialogs->child(0)->checkState(0), Qt::Checked);
  EXPECT_EQ(dialogs->child(1)->checkState(0), Qt::Unchecked);
  EXPECT_EQ(dialogs->checkState(0), Qt::PartiallyChecked);
}

TEST(SavingResourcesDialogTest, OkKeepsWhatTheTranslatorLeftChecked) {
  SavingResourcesRequest request{QStringLiteral("Saving resources - app_de.rc"),
                                 targetOnlyResources()};
  SavingResourcesDialog dialog(request);
  dialog.show();
  ResourceChoiceTree *tree = dialog.tree();
  // Unchecking the menu by the keyboard, checking IDD_GONE by the mouse.
  QTreeWidgetItem *menu = tree->itemFor(QStringLiteral("Menu"), QStringLiteral("IDR_OLD"));
  tree->topLevelItem(0)->child(2)->setExpanded(true);
  tree->setCurrentItem(menu);
  QTest::keyClick(tree, Qt::Key_Space);
  tree->itemFor(QStringLiteral("Dialog"), QStringLiteral("IDD_GONE"))
      ->setCheckState(0, Qt::Checked);
  dialog.accept();
  QStringList kept, dropped;
  for (const ResourceChoice &item : request.items)
    (item.checked ? kept : dropped).append(item.identifier);
  EXPECT_EQ(kept, (QStringList{QStringLiteral("IDS_OLD"), QStringLiteral("IDD_OLD"),
                               QStringLiteral("IDD_GONE"), QStringLiteral("IDR_KEYS")}));
  EXPECT_EQ(dropped, QStringList{QStringLiteral("IDR_OLD")});
}

TEST(SavingResourcesDialogTest, UncheckingAGroupDropsAllItsResources) {
  SavingResourcesRequest request{QString(), targetOnlyResources()};
  SavingResourcesDialog dialog(request);
  dialog.tree()->topLevelItem(0)->child(1)->setCheckState(0, Qt::Unchecked); // "Dialog"
  dialog.accept();
  EXPECT_FALSE(request.items[1].checked);
  EXPECT_FALSE(request.items[3].checked);
  EXPECT_TRUE(request.items[0].checked);
}

TEST(SavingResourcesDialogTest, NothingToChooseEndsWithOkAtOnce) {
  SavingResourcesRequest request{QStringLiteral("Saving resources - x.rc"), {}};
  // Would block in exec() if the dialog were shown.
  EXPECT_TRUE(execSavingResourcesDialog(nullptr, request));
}

TEST(DirectivesImportDialogTest, EachIncludedScriptGetsATargetAndALanguage) {
  ScriptPairingRequest request;
  request.pairs = {
      {QStringLiteral("/src/app.rc2"), kEnglish, QString(), kGerman},
      {QStringLiteral("/src/more.rc2"), kEnglish, QStringLiteral("/de/more.rc2"), kGerman}};
  DirectivesImportDialog dialog(request);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Directives #import"));
  EXPECT_EQ(dialog.targetPath(1)->text(), QStringLiteral("/de/more.rc2"));
  EXPECT_EQ(dialog.targetLanguage(0)->language(), kGerman);
  typeInto(dialog.targetPath(0), QStringLiteral("/de/app.rc2"));
  dialog.targetLanguage(0)->setLanguage(1036);
  typeInto(dialog.targetPath(1), QString()); // specify later
  dialog.accept();
  EXPECT_EQ(request.pairs[0].targetPath, QStringLiteral("/de/app.rc2"));
  EXPECT_EQ(request.pairs[0].targetLanguage, 1036);
  EXPECT_EQ(request.pairs[0].sourcePath, QStringLiteral("/src/app.rc2"));
  EXPECT_EQ(request.pairs[1].targetPath, QString());
  EXPECT_EQ(request.pairs[1].targetLanguage, kGerman);
}

// A script cannot be its own target: OK waits, and the dialog says why, until the
// translator names another file or none.
TEST(DirectivesImportDialogTest, AScriptIsNotTakenAsItsOwnTarget) {
  ScriptPairingRequest request;
  request.pairs = {{QStringLiteral("/src/app.rc2"), kEnglish, QString(), kGerman}};
  DirectivesImportDialog dialog(request);
  dialog.show();
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  EXPECT_FALSE(dialog.problem()->isVisible());
  typeInto(dialog.targetPath(0), QStringLiteral("/src/app.rc2"));
  EXPECT_FALSE(dialog.okButton()->isEnabled());
  EXPECT_TRUE(dialog.problem()->isVisible());
  EXPECT_TRUE(dialog.problem()->text().startsWith(QStringLiteral("'app.rc2' cannot be its own")));
  dialog.accept();
  EXPECT_FALSE(dialog.isHidden());
  EXPECT_EQ(request.pairs[0].targetPath, QString());
  typeInto(dialog.targetPath(0), QStringLiteral("/src/app_de.rc2"));
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  EXPECT_FALSE(dialog.problem()->isVisible());
  dialog.accept();
  EXPECT_EQ(request.pairs[0].targetPath, QStringLiteral("/src/app_de.rc2"));
}

TEST(DirectivesImportDialogTest, CancelLeavesTheRequestAlone) {
  ScriptPairingRequest request;
  request.pairs = {{QStringLiteral("/src/app.rc2"), kEnglish, QString(), kGerman}};
  DirectivesImportDialog dialog(request);
  typeInto(dialog.targetPath(0), QStringLiteral("/de/app.rc2"));
  dialog.reject();
  EXPECT_EQ(request.pairs[0].targetPath, QString());
}

TEST(SaveToFileDialogTest, SaveHandsBackPathLanguageAndResources) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  SaveFileRequest request;
  request.title = QStringLiteral("Save As - app.rc");
  request.path = folder.filePath(QStringLiteral("app_de.rc"));
  request.writeLanguage = kGerman;
  request.resources = targetOnlyResources();
  SaveToFileDialog dialog(request);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save As - app.rc"));
  EXPECT_EQ(dialog.language()->language(), kGerman);
  EXPECT_TRUE(dialog.language()->isEnabled());
  dialog.language()->setLanguage(1036);
  dialog.resources()
      ->itemFor(QStringLiteral("Menu"), QStringLiteral("IDR_OLD"))
      ->setCheckState(0, Qt::Unchecked);
  // The translator types a name and presses Save, all inside the one dialog.
  auto *name = dialog.fileDialog()->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  typeInto(name, QStringLiteral("app_fr"));
  auto *buttons = dialog.fileDialog()->findChild<QDialogButtonBox *>();
  ASSERT_NE(buttons, nullptr);
  click(buttons->button(QDialogButtonBox::Save));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  // The default extension is added to a name without one.
  EXPECT_EQ(QFileInfo(request.path).fileName(), QStringLiteral("app_fr.rc"));
  EXPECT_EQ(QFileInfo(request.path).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
  EXPECT_EQ(request.writeLanguage, 1036);
  EXPECT_FALSE(request.resources[2].checked);
  EXPECT_TRUE(request.resources[0].checked);
}

TEST(SaveToFileDialogTest, CancelKeepsTheRequestAndLanguageMayBeFixed) {
  SaveFileRequest request;
  request.path = QStringLiteral("/nowhere/app_de.rc");
  request.writeLanguage = kGerman;
  request.languageEditable = false;
  SaveToFileDialog dialog(request);
  dialog.show();
  EXPECT_FALSE(dialog.language()->isEnabled());
  auto *buttons = dialog.fileDialog()->findChild<QDialogButtonBox *>();
  ASSERT_NE(buttons, nullptr);
  click(buttons->button(QDialogButtonBox::Cancel));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(request.path, QStringLiteral("/nowhere/app_de.rc"));
}

TEST(SameTextDialogTest, EachButtonGivesItsAnswer) {
  const std::pair<Prompter::Answer, const char *> buttons[] = {
      {Prompter::Answer::Yes, "&Yes"},
      {Prompter::Answer::No, "&No"},
      {Prompter::Answer::YesToAll, "Yes to &All"},
      {Prompter::Answer::NoToAll, "N&o to All"},
  };
  for (const auto &[answer, label] : buttons) {
    SameTextDialog dialog(QStringLiteral("OK"));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Translation Memory"));
    QPushButton *button = dialog.button(answer);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QLatin1String(label));
    click(button);
    EXPECT_EQ(dialog.answer(), answer) << label;
    EXPECT_FALSE(dialog.isVisible());
  }
}

TEST(SameTextDialogTest, ShowsTheTextAndTheQuestionAndEscapeMeansNo) {
  // Through the prompter's function: the dialog is answered once it is up.
  QTimer::singleShot(0, [] {
    auto *dialog = qobject_cast<SameTextDialog *>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const QLabel *text = dialog->findChild<QLabel *>(QStringLiteral("savingText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("Save <b>&All"));
    QStringList labels;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
      labels.append(label->text());
    EXPECT_TRUE(labels.contains(QStringLiteral("Saving text:")));
    EXPECT_TRUE(labels.contains(QStringLiteral("The source and target texts are the same. Do "
                                               "you want to save them to the Translation "
                                               "Memory?")));
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(execSameTextDialog(nullptr, QStringLiteral("Save <b>&All")), Prompter::Answer::No);
}

} // namespace
} // namespace tarvelo::gui
