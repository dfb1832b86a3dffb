// Reading a project's task for the analysis: its translations placed, its failures named.
#include "analysis/task_entries.h"
#include "script/text_entry.h"
#include "seam/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tarvelo {
namespace {

class TaskEntriesTest : public ::testing::Test {
protected:
  QString write(const char *name, const QByteArray &content) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
  }
  Task task(const QString &source, const QString &target) {
    Task task;
    task.sourcePath = source;
    task.sourceLanguage = 1033;
    task.targetPath = target;
    task.targetLanguage = 1031;
    return task;
  }
  // The entries' source and target texts, in order.
  static QStringList texts(const EntryList &entries) {
    QStringList texts;
    for (const auto &entry : entries)
      if (entry->isTranslatable())
        texts.append(entry->sourceText + u'=' + entry->targetText);
    return texts;
  }

  QTemporaryDir dir;
  MemorySettings settings;
  TaskEntries reader{settings};
};

const QByteArray kSource = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n"
                           "    1 \"Open\"\n    2 \"Close\"\nEND\n";

TEST_F(TaskEntriesTest, TheTargetsTextsArePlacedOnTheSourcesItems) {
  const QString source = write("source.rc", kSource);
  const QString target = write("target.rc", "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\nSTRINGTABLE\n"
                                            "BEGIN\n    2 \"Schliessen\"\nEND\n");
  QString error;
  ASSERT_TRUE(reader.read(task(source, target), error)) << error.toStdString();
  EXPECT_EQ(texts(reader.entries()),
            (QStringList{QStringLiteral("Open="), QStringLiteral("Close=Schliessen")}));
  // Read again, a task starts afresh.
  ASSERT_TRUE(reader.read(task(source, dir.filePath(QStringLiteral("none.rc"))), error));
  EXPECT_EQ(texts(reader.entries()),
            (QStringList{QStringLiteral("Open="), QStringLiteral("Close=")}));
}

TEST_F(TaskEntriesTest, AFailureNamesTheFile) {
  const QString source = write("source.rc", kSource);
  const QString brokenSource =
      write("broken_en.rc", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n"
                            "    1 BEGIN BEGIN\nEND\n");
  const QString brokenTarget =
      write("broken_de.rc", "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
                            "STRINGTABLE\nBEGIN\n    1 BEGIN BEGIN\nEND\n");
  const QString missing = dir.filePath(QStringLiteral("missing.rc"));
  struct Case {
    Task task;
    QString named;
  };
  const Case cases[] = {
      {task(missing, QString()), missing},
      {task(source, brokenTarget), brokenTarget},
      {task(brokenSource, QString()), brokenSource},
  };
  for (const Case &one : cases) {
    SCOPED_TRACE(one.named.toStdString());
    QString error;
    EXPECT_FALSE(reader.read(one.task, error));
    EXPECT_TRUE(error.contains(one.named)) << error.toStdString();
  }
}

} // namespace
} // namespace tarvelo
