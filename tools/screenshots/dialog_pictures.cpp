// Every dialog drawn offscreen to /tmp/tarvelo-<name>.png for a look by eye.

#include "options/about_dialog.h"
#include "options/help.h"
#include "options/help_window.h"
#include "options/options_dialog.h"
#include "script/entry_list.h"
#include "script/task.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "task/directives_import_dialog.h"
#include "task/fuzzy_items_dialog.h"
#include "task/open_resources_dialog.h"
#include "task/same_text_dialog.h"
#include "task/save_to_file_dialog.h"
#include "task/saving_resources_dialog.h"
#include "task/task_properties_dialog.h"
#include "tmclient/memory_client.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/inspector.h"
#include "workbench/pseudo_translate_dialog.h"
#include "workbench/session.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

int32_t connectAlways(int32_t, int32_t) {
  return 1;
}

// A library that learns and finds fuzzy matches, so that the memory page shows all it has.
int32_t addNothing(const char16_t *, const char16_t *, int32_t) {
  return 1;
}
int32_t findNothing(const char16_t *, int32_t, int32_t, TmTextList *, TmTextList *, int32_t *) {
  return 0;
}
void freeNothing(TmTextList *) {}

// Dialogs at their natural size; windows that choose their own size keep it.
void render(QWidget &widget, const char *name, bool natural = true) {
  widget.show();
  if (natural)
    widget.adjustSize();
  QCoreApplication::processEvents();
  const QString path = QStringLiteral("/tmp/tarvelo-%1.png").arg(QLatin1String(name));
  EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
  widget.hide();
}

QList<ResourceChoice> resources() {
  return {{QStringLiteral("String Table"), QStringLiteral("IDS_OLD_HINT"), true},
          {QStringLiteral("Dialog"), QStringLiteral("IDD_OLD_SETUP"), true},
          {QStringLiteral("Menu"), QStringLiteral("IDR_CONTEXT"), false},
          {QStringLiteral("Accelerators"), QStringLiteral("IDR_MAINFRAME"), true}};
}

TEST(RenderDialogs, TaskDialogs) {
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session(settings, prompter, progress);
  settings.setText(QStringLiteral("SourcePath"), QStringLiteral("/home/anna/src/app/app.rc"));
  settings.setText(QStringLiteral("TargetPath"), QStringLiteral("/home/anna/src/app/app_de.rc"));
  settings.setInteger(QStringLiteral("UseTarget"), 1);
  settings.setInteger(QStringLiteral("SourceLanguage"), 1033);
  settings.setInteger(QStringLiteral("TargetLanguage"), 1031);

  OpenResourcesDialog open(session, true);
  render(open, "open-resources");

  Task a, b;
  a.sourcePath = QStringLiteral("/home/anna/src/app/app.rc");
  a.sourceLanguage = 1033;
  a.targetPath = QStringLiteral("/home/anna/src/app/app_de.rc");
  a.targetLanguage = 1031;
  a.name = QStringLiteral("Application");
  b = a;
  b.targetLanguage = 1036;
  b.targetPath.clear();
  TaskPropertiesDialog one({&a}, &session, true);
  render(one, "task-properties");
  TaskPropertiesDialog several({&a, &b}, &session, true);
  render(several, "task-properties-several");

  FuzzyItemsRequest fuzzy;
  fuzzy.caption = QStringLiteral("Dialog IDD_ABOUTBOX");
  fuzzy.text = QStringLiteral(
      "Count or order of Dialog items has changed. Verify translation of fuzzy items.");
  fuzzy.rows = {{QStringLiteral("&OK"), QStringLiteral("&OK")},
                {QStringLiteral("Static"), QStringLiteral("Statisch")},
                {QStringLiteral("Copyright (C) 2024"), QString()}};
  fuzzy.choices = {QString(), QStringLiteral("&OK"), QStringLiteral("Statisch"),
                   QStringLiteral("Copyright (C) 2024")};
  FuzzyItemsDialog fuzzyDialog(fuzzy);
  render(fuzzyDialog, "fuzzy-items");

  SavingResourcesRequest saving{QStringLiteral("Saving resources - app_de.rc"), resources()};
  SavingResourcesDialog savingDialog(saving);
  render(savingDialog, "saving-resources");

  ScriptPairingRequest pairing;
  pairing.pairs = {{QStringLiteral("/home/anna/src/app/res/app.rc2"), 1033, QString(), 1031},
                   {QStringLiteral("/home/anna/src/app/res/toolbar.rc2"), 1033,
                    QStringLiteral("/home/anna/src/app/res/toolbar_de.rc2"), 1031}};
  DirectivesImportDialog pairingDialog(pairing);
  render(pairingDialog, "directives-import");
  // A script named as its own target: OK waits, and the dialog says why.
  pairingDialog.targetPath(0)->setText(pairing.pairs[0].sourcePath);
  render(pairingDialog, "directives-import-own-target");

  SaveFileRequest save;
  save.title = QStringLiteral("Save As - app.rc");
  save.path = QStringLiteral("/tmp/app_de.rc");
  save.writeLanguage = 1031;
  save.resources = resources();
  SaveToFileDialog saveDialog(save);
  render(saveDialog, "save-to-file");

  SameTextDialog same(QStringLiteral("OK"));
  render(same, "same-text");
}

TEST(RenderDialogs, OptionsAndHelp) {
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  AboutDialog about(QStringLiteral("2.5"));
  render(about, "about");

  Inspector inspector;
  InspectionRulesModel rules(inspector, settings);
  EntryList entries;
  TmExports exports;
  exports.connectTM = &connectAlways;
  exports.addPair = &addNothing;
  exports.fuzzyTM = &findNothing;
  exports.freeTM = &freeNothing;
  MemoryClient memory(exports, entries, settings, prompter, progress);
  memory.start();
  OptionsDialog options(settings, rules, &memory);
  render(options, "options-general");
  options.show();
  options.tabs()->setCurrentIndex(1);
  render(options, "options-memory");

  PseudoTranslateDialog pseudo(settings);
  render(pseudo, "pseudo-translate");

  showHelp(nullptr, QStringLiteral("start.html"));
  render(*HelpWindow::instance(), "help", false);
}

} // namespace
} // namespace tarvelo::gui
