// The inspection rules page and the session's inspection of entries.
#include "core/workbench/session_fixture.h"
#include "support/qt_printers.h"
#include "support/scripted_prompter.h"
#include "workbench/inspection_rules_model.h"
#include "workbench/inspector.h"
#include "workbench/item_list_model.h"
#include "workbench/item_roles.h"
#include "workbench/session.h"

#include "seam/progress.h"
#include "seam/settings.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// The rows of the rules list as "text position" joined by "|".
QString rowsOf(const InspectionRulesModel &model) {
  QStringList out;
  for (int row = 0; row < model.rowCount(); ++row)
    out << model.index(row, 0).data().toString() + u' ' + model.index(row, 1).data().toString();
  return out.join(u'|');
}

TEST(InspectionRulesModelTest, EditsRulesFromTheTextBoxAndTheCombo) {
  MemorySettings settings;
  Inspector inspector;
  inspector.setRules({{AtBeginning, " "}, {Anywhere, "?"}});
  InspectionRulesModel model(inspector, settings);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  QSignalSpy editor(&model, &InspectionRulesModel::editorChanged);

  EXPECT_EQ(rowsOf(model), "\" \" at the beginning|\"?\" anywhere| ");
  EXPECT_EQ(model.selectedRow(), model.emptyRow());
  EXPECT_FALSE(model.removeEnabled());
  EXPECT_EQ(InspectionRulesModel::positionChoices(),
            QStringList({"at the beginning", "at the end", "anywhere"}));

  // An empty text adds nothing.
  model.setText("");
  model.commitText();
  EXPECT_EQ(model.rowCount(), 3);
  // Neither does a text with the separator of the stored form.
  model.setText("a;b");
  model.commitText();
  EXPECT_EQ(model.rowCount(), 3);

  // From the empty row a new rule is appended before it and selected.
  model.setPosition(AtEnd);
  model.setText(".");
  model.commitText();
  EXPECT_EQ(rowsOf(model), "\" \" at the beginning|\"?\" anywhere|\".\" at the end| ");
  EXPECT_EQ(model.selectedRow(), 2);
  EXPECT_TRUE(model.removeEnabled());

  // Selecting a rule shows it; the text box replaces its text, the combo its position.
  model.select(1);
  EXPECT_EQ(model.text(), "?");
  EXPECT_EQ(model.position(), Anywhere);
  model.setText("!");
  model.commitText();
  model.setPosition(AtBeginning);
  EXPECT_EQ(rowsOf(model), "\" \" at the beginning|\"!\" at the beginning|\".\" at the end| ");
  // An emptied text box does not empty the rule: it shows the rule again.
  model.setText("");
  model.commitText();
  EXPECT_EQ(model.text(), "!");
  EXPECT_EQ(model.rules()[1].text, "!");

  // Selecting the empty row clears the text box; Remove is disabled there.
  model.select(model.emptyRow());
  EXPECT_EQ(model.text(), "");
  model.removeSelected();
  EXPECT_EQ(model.rowCount(), 4);

  // Remove deletes the selected rule; the row that takes its place is selected.
  model.select(0);
  model.removeSelected();
  EXPECT_EQ(rowsOf(model), "\"!\" at the beginning|\".\" at the end| ");
  EXPECT_EQ(model.selectedRow(), 0);
  EXPECT_EQ(model.text(), "!");
  EXPECT_GT(editor.count(), 0);

  // Nothing reaches the inspector or the settings before OK.
  EXPECT_EQ(inspector.rules(), (QList<InspectionRule>{{AtBeginning, " "}, {Anywhere, "?"}}));
  EXPECT_FALSE(settings.stored("InspectItems").isValid());

  model.setAutoInspect(false);
  model.setFormatOrder(false);
  model.accept();
  EXPECT_EQ(inspector.rules(), (QList<InspectionRule>{{AtBeginning, "!"}, {AtEnd, "."}}));
  EXPECT_EQ(settings.text("InspectItems"), "0!;1.;");
  EXPECT_EQ(settings.integer("AutoInspect"), 0);
  EXPECT_EQ(settings.integer("FormatOrder"), 0);
  EXPECT_FALSE(inspector.formatOrder());
}

TEST(InspectionRulesModelTest, RemovingEveryRuleBringsTheDefaultsBack) {
  MemorySettings settings;
  settings.setInteger("AutoInspect", 0);
  Inspector inspector;
  inspector.setRules({{Anywhere, "?"}});
  InspectionRulesModel model(inspector, settings);
  EXPECT_FALSE(model.autoInspect()); // the boxes show the settings
  EXPECT_TRUE(model.formatOrder());
  model.select(0);
  model.removeSelected();
  EXPECT_EQ(model.rowCount(), 1);
  model.accept();
  EXPECT_EQ(inspector.rules(), Inspector::defaultRules());
  EXPECT_EQ(model.rowCount(), 16);
}

// Records the caption and icon of every captioned box.
class CaptionPrompter : public test::ScriptedPrompter {
public:
  Answer captionedMessage(const QString &caption, const QString &text, Buttons buttons,
                          Icon icon) override {
    captions.append(caption);
    icons.append(icon);
    return message(text, buttons, icon);
  }
  QStringList captions;
  QList<Icon> icons;
};

class SessionInspectionTest : public test::SessionFixture<CaptionPrompter> {
protected:
  void SetUp() override {
    SessionFixture::SetUp();
    write("app.rc", "LANGUAGE 9, 1\n"
                    "STRINGTABLE\nBEGIN\n"
                    " IDS_OPEN \"Open...\"\n"
                    " IDS_COUNT \"%d of %s\"\n"
                    " IDS_ASK \"Save?\"\n"
                    " IDS_ASK2 \"Save?\"\n"
                    "END\n");
  }
};

TEST_F(SessionInspectionTest, EveryEntryIsInspectedAfterReadingAndAfterAChange) {
  write("app_de.rc", "LANGUAGE 7, 1\n"
                     "STRINGTABLE\nBEGIN\n"
                     " IDS_OPEN \"Oeffnen..\"\n"
                     " IDS_COUNT \"%s von %d\"\n"
                     " IDS_ASK \"Speichern\"\n"
                     " IDS_ASK2 \"Speichern?\"\n"
                     "END\n");
  ASSERT_EQ(session.open({dir.filePath("app.rc"), 1033, false, dir.filePath("app_de.rc"), 1031}),
            Session::OpenResult::Opened);
  EXPECT_EQ(failing(), "IDS_COUNT IDS_ASK");

  // A change inspects the changed entries again.
  TextEntry *count = find("IDS_COUNT");
  session.selectEntry(count);
  session.changeTargetText(count, "%d von %s");
  EXPECT_EQ(failing(), "IDS_ASK");
  TextEntry *ask = find("IDS_ASK");
  session.selectEntry(ask);
  session.changeTargetText(ask, "Speichern?");
  EXPECT_EQ(failing(), "");
  // Undo brings the old texts, and their results, back.
  session.undo();
  EXPECT_EQ(failing(), "IDS_ASK");
}

TEST_F(SessionInspectionTest, ANewTargetIsInspectedToo) {
  ASSERT_EQ(session.open({dir.filePath("app.rc"), 1033, true, QString(), 1031}),
            Session::OpenResult::Opened);
  // Empty targets lack the source's "?" and format specifications.
  EXPECT_EQ(failing(), "IDS_COUNT IDS_ASK IDS_ASK2");
}

TEST_F(SessionInspectionTest, ADoubleClickExplainsAFailureWhileAutoInspectIsOn) {
  ASSERT_EQ(session.open({dir.filePath("app.rc"), 1033, true, QString(), 1031}),
            Session::OpenResult::Opened);
  prompter.messages.clear();
  TextEntry *count = find("IDS_COUNT");
  session.changeTargetText(count, "%s von %d");

  ItemListModel list(session);
  list.rebuild();
  const int row = list.rowOf(count);
  ASSERT_GE(row, 0);
  EXPECT_EQ(list.index(row, 0).data(StateImageRole).toInt(), 5);
  EXPECT_TRUE(list.index(row, 0).data(InspectionFailedRole).toBool());

  EXPECT_TRUE(session.explainInspection(count));
  ASSERT_EQ(prompter.messages.size(), 1);
  EXPECT_EQ(prompter.messages[0], "Mismatch Format Specification!");
  EXPECT_EQ(prompter.captions, QStringList{"Automatic Inspection"});
  EXPECT_EQ(prompter.icons, QList<Prompter::Icon>{Prompter::Icon::Warning});

  TextEntry *ask = find("IDS_ASK");
  ask->targetText = "Speichern";
  inspector.apply(*ask);
  EXPECT_TRUE(session.explainInspection(ask));
  EXPECT_EQ(prompter.messages.last(),
            "Mismatch the count of following characters:\n\t\"?\" anywhere");

  // A passing entry explains nothing.
  EXPECT_FALSE(session.explainInspection(find("IDS_OPEN")));

  // With "AutoInspect" off the failure neither shows nor explains; inspection still runs.
  settings.setInteger("AutoInspect", 0);
  EXPECT_FALSE(session.explainInspection(count));
  EXPECT_EQ(prompter.messages.size(), 2);
  ItemListModel quiet(session);
  quiet.rebuild();
  EXPECT_EQ(quiet.index(quiet.rowOf(count), 0).data(StateImageRole).toInt(), 0);
  EXPECT_FALSE(quiet.index(quiet.rowOf(count), 0).data(InspectionFailedRole).toBool());
  EXPECT_FALSE(count->inspectionPassed);
}

} // namespace
} // namespace tarvelo
