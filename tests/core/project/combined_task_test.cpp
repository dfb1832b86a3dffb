// Combining tasks into one edit, and writing the edit back to each task.
#include "project/combined_task.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

Task task(const QString &name, const QString &source, int sourceLanguage, const QString &target,
          int targetLanguage) {
  Task t;
  t.name = name;
  t.sourcePath = source;
  t.sourceLanguage = sourceLanguage;
  t.targetPath = target;
  t.targetLanguage = targetLanguage;
  return t;
}

const QString Different = QStringLiteral("<Different values>");

struct CombineCase {
  const char *what;
  QList<Task> tasks;
  Task expected;
};

class Combining : public ::testing::TestWithParam<CombineCase> {};

TEST_P(Combining, KeepsWhatIsCommon) {
  QList<const Task *> pointers;
  for (const Task &t : GetParam().tasks)
    pointers.append(&t);
  const Task combined = combineTasks(pointers);
  const Task &expected = GetParam().expected;
  EXPECT_EQ(combined.name, expected.name) << GetParam().what;
  EXPECT_EQ(combined.sourcePath, expected.sourcePath) << GetParam().what;
  EXPECT_EQ(combined.sourceLanguage, expected.sourceLanguage) << GetParam().what;
  EXPECT_EQ(combined.targetPath, expected.targetPath) << GetParam().what;
  EXPECT_EQ(combined.targetLanguage, expected.targetLanguage) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    CombinedTask, Combining,
    ::testing::Values(CombineCase{"all equal",
                                  {task("A", "/p/a.rc", 1033, "/p/d.rc", 1031),
                                   task("A", "/P/A.rc", 1033, "/p/d.rc", 1031)},
                                  task("A", "/p/a.rc", 1033, "/p/d.rc", 1031)},
                      CombineCase{"names, languages and files differ",
                                  {task("A", "/p/res/a.rc", 1033, "/p/de/a.rc", 1031),
                                   task("B", "/p/res/b.rc", 1036, "/p/fr/b.rc", 1031)},
                                  task(Different, "/p/res/" + Different, DifferentLanguages,
                                       "/p/" + Different, 1031)},
                      // Only whole folders count as common, compared ignoring case.
                      CombineCase{"folders that begin alike",
                                  {task("A", "/p/resA/a.rc", 1033, "/x/a.rc", 1031),
                                   task("A", "/P/resB/a.rc", 1033, "/y/a.rc", 1031)},
                                  task("A", "/p/" + Different, 1033, "/" + Different, 1031)},
                      CombineCase{"Windows paths",
                                  {task("A", "C:\\w\\a.rc", 1033, "", 1031),
                                   task("A", "C:\\w\\b.rc", 1033, "D:\\b.rc", 1031)},
                                  task("A", "C:\\w\\" + Different, 1033, Different, 1031)}),
    [](const auto &info) { return test::caseName(info.param.what); });

TEST(CombinedTask, EditWritesOnlyTheFieldsTheUserSet) {
  QList<Task> tasks{task("A", "/p/res/a.rc", 1033, "/p/de/a.rc", 1031),
                    task("B", "/p/res/b.rc", 1036, "/p/de/b.rc", 1031)};
  QList<const Task *> shown{&tasks[0], &tasks[1]};
  const Task before = combineTasks(shown);
  Task edited = before;
  EXPECT_FALSE(applyCombinedEdit(before, edited, {&tasks[0], &tasks[1]}));

  // A new common folder for the sources and a new target language for both.
  edited.sourcePath = "/q/src/" + Different;
  edited.targetLanguage = 1040;
  EXPECT_TRUE(applyCombinedEdit(before, edited, {&tasks[0], &tasks[1]}));
  EXPECT_EQ(tasks[0].sourcePath, "/q/src/a.rc");
  EXPECT_EQ(tasks[1].sourcePath, "/q/src/b.rc");
  EXPECT_EQ(tasks[0].name, "A");
  EXPECT_EQ(tasks[1].sourceLanguage, 1036);
  EXPECT_EQ(tasks[0].targetLanguage, 1040);
  EXPECT_EQ(tasks[1].targetPath, "/p/de/b.rc");

  // A name typed over "<Different values>" goes to every task.
  edited = combineTasks({&tasks[0], &tasks[1]});
  Task renamed = edited;
  renamed.name = "Same";
  EXPECT_TRUE(applyCombinedEdit(edited, renamed, {&tasks[0], &tasks[1]}));
  EXPECT_EQ(tasks[1].name, "Same");
}

TEST(CombinedTask, OpeningTogetherNeedsOneLanguagePair) {
  const Task a = task("A", "/a.rc", 1033, "", 1031);
  const Task b = task("B", "/b.rc", 1033, "", 1031);
  const Task c = task("C", "/c.rc", 1033, "", 1036);
  EXPECT_TRUE(sameLanguagePair({&a, &b}));
  EXPECT_FALSE(sameLanguagePair({&a, &b, &c}));
  EXPECT_FALSE(sameLanguagePair({}));
}

} // namespace
} // namespace tarvelo
