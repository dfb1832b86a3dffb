// One string table of 70,000 strings, as some programs have: every string is
// matched, the companion file's marks land on all of them, and the block is written
// once with every translation.
#include "script/after_read.h"
#include "script/companion_file.h"
#include "support/script_harness.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

constexpr int kStrings = 70000;

QByteArray stringTable(const char *language, const char *suffix) {
  QByteArray out = QByteArray("LANGUAGE ") + language + "\nSTRINGTABLE\nBEGIN\n";
  for (int i = 0; i < kStrings; ++i)
    out +=
        "    IDS_" + QByteArray::number(i) + " \"Text " + QByteArray::number(i) + suffix + "\"\n";
  return out + "END\n";
}

TEST(LargeBlock, SeventyThousandStringsOfOneTable) {
  QTemporaryDir dir;
  test::Workspace ws;
  const QString sourcePath = dir.filePath("big.rc"), targetPath = dir.filePath("big_de.rc");
  ASSERT_EQ(ws.readSource(stringTable("9, 1", ""), 0x0409, sourcePath), ScriptResult::Ok);
  ASSERT_EQ(ws.readTarget(stringTable("7, 1", " de"), 0x0407, targetPath), ScriptResult::Ok);
  Task *task = ws.tasks.head();
  bool clear = false;
  AfterReadContext context{&ws.entries, &ws.prompter, QString(), &clear};
  afterTargetRead(task, context);
  ASSERT_EQ(ws.entries.size(), kStrings);
  int matched = 0;
  for (const auto &entry : ws.entries)
    matched += entry->matchState == Matched && entry->targetText == entry->sourceText + " de";
  EXPECT_EQ(matched, kStrings);

  // Every mark written goes back to its own string.
  for (const auto &entry : ws.entries) {
    entry->verified = entry->index() % 2 == 0;
    entry->setTargetComment(QString::number(entry->index()));
  }
  ASSERT_TRUE(writeCompanion(ws.entries, task, targetPath, 0x0407, false));
  for (const auto &entry : ws.entries) {
    entry->verified = false;
    entry->setTargetComment(QString());
    entry->companionTaken[1] = false;
  }
  readCompanion(ws.entries, task, targetPath, 0x0407, false);
  int verified = 0, commented = 0;
  for (const auto &entry : ws.entries) {
    verified += entry->verified;
    commented += entry->targetComment() == QString::number(entry->index());
  }
  EXPECT_EQ(verified, kStrings / 2);
  EXPECT_EQ(commented, kStrings);

  ScriptFile target;
  target.openData(stringTable("7, 1", " de"));
  ScriptFile source;
  source.openData(stringTable("9, 1", ""));
  ResourceScript writer(ws.context());
  ASSERT_EQ(writer.write(task, 0x0407, target, WriteContext(), false, &source), ScriptResult::Ok);
  // Nothing changed: the target comes back as it was.
  EXPECT_EQ(target.data(), stringTable("7, 1", " de"));
}

} // namespace
} // namespace tarvelo
