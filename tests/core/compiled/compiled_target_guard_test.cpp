// Tests: a script is never written into a program or a compiled resource file, whichever
// command or window writes a task's files.
#include "compiled/res_file.h"
#include "script/companion_file.h"
#include "script/entry_list.h"
#include "script/task.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(CompiledTargetGuard, TaskFilesAreNeverWrittenIntoACompiledFile) {
  QTemporaryDir dir;
  const struct {
    const char *name;
    QByteArray bytes;
    bool refused;
  } cases[] = {{"program.exe", QByteArray("MZ\x90\0", 4) + QByteArray(60, '\0'), true},
               {"strings.res", writeResFile({}), true},
               {"script.rc", "LANGUAGE 9, 1\n", false}};
  for (const auto &c : cases) {
    const QString path = dir.filePath(QLatin1String(c.name));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.bytes);
    file.close();
    EntryList entries;
    Task task;
    task.sourcePath = dir.filePath("source.rc");
    task.sourceLanguage = 1033;
    QString message;
    const bool written = writeTaskFiles(entries, &task, path, 1031, "LANGUAGE 7, 1\n", &message);
    EXPECT_EQ(written, !c.refused) << c.name;
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), c.refused ? c.bytes : QByteArray("LANGUAGE 7, 1\n")) << c.name;
    file.close();
    if (c.refused) {
      EXPECT_TRUE(message.contains(QLatin1String("compiled file"))) << message.toStdString();
    }
  }
}

} // namespace
} // namespace tarvelo
