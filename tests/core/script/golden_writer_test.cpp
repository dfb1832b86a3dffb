// Golden files for the target writer: every folder under data/writer holds a
// source.rc, optionally a target.rc (without it the target is new), a case.txt with
// the languages and the edits to make, and the exact expected.rc.
#include "script/after_read.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "support/script_harness.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QString dataDir() {
  return QStringLiteral(TARVELO_TEST_DATA "/writer");
}

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const QString &name : QDir(dataDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    names.push_back(name.toStdString());
  return names;
}

QByteArray readFile(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines that differ, for a readable failure.
std::string difference(const QByteArray &expected, const QByteArray &actual) {
  const QList<QByteArray> a = expected.split('\n'), b = actual.split('\n');
  std::string out;
  for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
    const QByteArray x = i < a.size() ? a[i] : "<none>", y = i < b.size() ? b[i] : "<none>";
    if (x != y)
      out += "line " + std::to_string(i + 1) + "\n  expected: " + x.toStdString() +
             "\n  actual:   " + y.toStdString() + "\n";
  }
  return out;
}

// Applies a layout edit to the target layout of a dialog; false for other edits.
bool editLayout(const EntryList &entries, const QStringList &edit) {
  const QString command = edit.value(0);
  if (command != QLatin1String("move") && command != QLatin1String("resize") &&
      command != QLatin1String("source-layout") && command != QLatin1String("dialog-size") &&
      command != QLatin1String("dialog-style"))
    return false;
  for (const auto &entry : entries) {
    auto *dialog = dynamic_cast<DialogEntry *>(entry.get());
    if (!dialog || dialog->identifier != edit.value(1))
      continue;
    if (command == QLatin1String("source-layout")) {
      dialog->useSourceLayout = true;
      return true;
    }
    if (command == QLatin1String("dialog-size")) {
      dialog->targetLayout.width += edit.value(2).toInt();
      dialog->targetLayout.height += edit.value(3).toInt();
      return true;
    }
    if (command == QLatin1String("dialog-style")) {
      dialog->targetLayout.styles.append(edit.value(2));
      return true;
    }
    for (ControlPair &pair : dialog->pairs) {
      if (pair.target.identifier != edit.value(2))
        continue;
      const int first = edit.value(3).toInt(), second = edit.value(4).toInt();
      (command == QLatin1String("move") ? pair.target.x : pair.target.width) += first;
      (command == QLatin1String("move") ? pair.target.y : pair.target.height) += second;
      return true;
    }
  }
  ADD_FAILURE() << "no such control: " << edit.join(u' ').toStdString();
  return true;
}

class GoldenWriter : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenWriter, WritesTheExpectedTarget) {
  const QString folder = dataDir() + u'/' + QString::fromStdString(GetParam());
  test::Workspace ws;
  int sourceLanguage = 1033, targetLanguage = 1031;
  WriteContext context;
  bool selective = false;
  QList<QStringList> edits;
  for (const QByteArray &raw : readFile(folder + "/case.txt").split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.isEmpty() || line.startsWith(u'#'))
      continue;
    const QStringList words = line.split(u' ');
    if (words[0] == QLatin1String("source-language"))
      sourceLanguage = words[1].toInt();
    else if (words[0] == QLatin1String("target-language"))
      targetLanguage = words[1].toInt();
    else if (words[0] == QLatin1String("saving-option"))
      context.savingOption = words[1].toInt();
    else if (words[0] == QLatin1String("user-text"))
      context.userText = line.mid(10);
    else if (words[0] == QLatin1String("selective"))
      selective = true;
    else if (words[0] == QLatin1String("regenerate"))
      context.regenerateDialogs = true;
    else if (words[0] == QLatin1String("keep"))
      ws.prompter.keepIdentifiers << words.mid(1);
    else if (words[0] == QLatin1String("drop"))
      ws.prompter.dropIdentifiers << words.mid(1);
    else
      edits.append(words);
  }

  const QByteArray source = readFile(folder + "/source.rc");
  ASSERT_EQ(ws.readSource(source, sourceLanguage, folder + "/source.rc"), ScriptResult::Ok);
  Task *task = ws.tasks.head();
  while (ws.tasks.size() > 1)
    ws.tasks.remove(ws.tasks.at(1));
  ScriptFile target;
  const bool existing = QFile::exists(folder + "/target.rc");
  if (existing) {
    ws.readTarget({}, targetLanguage, folder + "/target.rc"); // may not parse
    target.openData(readFile(folder + "/target.rc"));
  } else {
    ScriptFile probe;
    probe.openData(source);
    target.create(probe.encoding());
  }
  task->targetPath = folder + "/target.rc";
  bool clearFuzzy = false;
  AfterReadContext afterRead{&ws.entries, &ws.prompter, QString(), &clearFuzzy};
  afterTargetRead(task, afterRead);

  // Edits: "translate KIND ID TEXT", "remove KIND ID", "unselect KIND ID"; each goes
  // to the first entry of that kind and identifier that no earlier edit took. Layout
  // edits of a dialog's control: "move DIALOG CONTROL DX DY", "resize DIALOG CONTROL
  // DW DH"; of the dialog: "dialog-size DIALOG DW DH", "dialog-style DIALOG STYLE";
  // "source-layout DIALOG" writes the source's layout.
  QSet<const TextEntry *> edited;
  for (const QStringList &edit : edits) {
    if (editLayout(ws.entries, edit))
      continue;
    bool applied = false;
    for (const auto &entry : ws.entries) {
      if (entry->kind != edit.value(1) || entry->identifier != edit.value(2) ||
          edited.contains(entry.get()))
        continue;
      edited.insert(entry.get());
      if (edit[0] == QLatin1String("translate"))
        entry->targetText = edit.mid(3).join(u' ');
      else if (edit[0] == QLatin1String("remove"))
        entry->removed = true;
      else if (edit[0] == QLatin1String("unselect"))
        entry->selectedForSave = false;
      applied = true;
      break;
    }
    EXPECT_TRUE(applied) << edit.join(u' ').toStdString();
  }

  ScriptFile sourceFile;
  sourceFile.openData(source);
  ResourceScript writer(ws.context());
  ASSERT_EQ(writer.write(task, targetLanguage, target, context, selective, &sourceFile),
            ScriptResult::Ok);
  // TARVELO_UPDATE_GOLDEN=1 writes the output as the new expectation, to be reviewed.
  if (qEnvironmentVariableIsSet("TARVELO_UPDATE_GOLDEN")) {
    QFile out(folder + "/expected.rc");
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(target.data());
  }
  const QByteArray expected = readFile(folder + "/expected.rc");
  EXPECT_TRUE(target.data() == expected) << difference(expected, target.data());

  // Writing the result again changes nothing.
  if (QFile::exists(folder + "/stable")) {
    ScriptFile again;
    again.openData(target.data());
    ResourceScript second(ws.context());
    ASSERT_EQ(second.write(task, targetLanguage, again, context, selective, &sourceFile),
              ScriptResult::Ok);
    EXPECT_TRUE(again.data() == expected) << difference(expected, again.data());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenWriter, ::testing::ValuesIn(caseNames()),
                         test::FileTestName());

} // namespace
} // namespace tarvelo
