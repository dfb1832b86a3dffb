// Writing files together through temporary files: what is refused, what is replaced,
// and that a refusal leaves every file and folder as it was.
#include "files/file_transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo {
namespace {

class FileTransactionTest : public ::testing::Test {
protected:
  QString path(const QString &name) const { return dir.filePath(name); }
  void write(const QString &name, const QByteArray &bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray read(const QString &name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
  }
  // Nothing is left behind: only the files named.
  QStringList entries() const {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
  QTemporaryDir dir;
};

TEST_F(FileTransactionTest, EveryFileIsReplacedOnlyWhenEveryOneWasWritten) {
  write("a.rc", "old a");
  write("b.rc.1031", "old b");
  ASSERT_TRUE(QDir(dir.path()).mkdir("c.rc.1033")); // a folder where a file should go
  {
    FileTransaction files;
    EXPECT_TRUE(files.stage(path("a.rc"), "new a"));
    EXPECT_TRUE(files.stage(path("b.rc.1031"), "new b"));
    EXPECT_FALSE(files.stage(path("c.rc.1033"), "new c"));
    EXPECT_EQ(files.failedPath(), path("c.rc.1033"));
    EXPECT_EQ(files.failureMessage(),
              QStringLiteral("The file '%1' could not be written: it is not a regular file. The "
                             "files on the disk were left as they were.")
                  .arg(QDir::toNativeSeparators(path("c.rc.1033"))));
  }
  EXPECT_EQ(read("a.rc"), "old a");
  EXPECT_EQ(read("b.rc.1031"), "old b");
  EXPECT_EQ(entries(), (QStringList{"a.rc", "b.rc.1031", "c.rc.1033"}));

  FileTransaction files;
  EXPECT_TRUE(files.stage(path("a.rc"), "new a"));
  EXPECT_TRUE(files.stage(path("d.rc"), "new d"));
  EXPECT_TRUE(files.commit());
  EXPECT_EQ(read("a.rc"), "new a");
  EXPECT_EQ(read("d.rc"), "new d");
  EXPECT_EQ(entries(), (QStringList{"a.rc", "b.rc.1031", "c.rc.1033", "d.rc"}));
}

TEST_F(FileTransactionTest, ReadOnlyFilesAndFoldersAndMissingFoldersAreRefusedWithTheReason) {
  write("locked.rc", "kept");
  QFile::setPermissions(path("locked.rc"), QFile::ReadOwner | QFile::ReadGroup);
  ASSERT_TRUE(QDir(dir.path()).mkdir("shut"));
  QFile::setPermissions(path("shut"), QFile::ReadOwner | QFile::ExeOwner);
  struct Case {
    QString file, reason;
  } cases[] = {
      {path("locked.rc"), QStringLiteral("Permission denied")},
      {path("shut/new.rc"), QStringLiteral("Permission denied")},
      {path("gone/new.rc"), QStringLiteral("No such file or directory")},
  };
  for (const Case &c : cases) {
    QString message;
    EXPECT_FALSE(writeFileSafely(c.file, "new", &message)) << c.file.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral(": %1.").arg(c.reason))) << message.toStdString();
  }
  EXPECT_EQ(read("locked.rc"), "kept");
  EXPECT_TRUE(QDir(path("shut")).isEmpty());
  QFile::setPermissions(path("shut"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QFile::setPermissions(path("locked.rc"), QFile::ReadOwner | QFile::WriteOwner);
}

#ifdef Q_OS_UNIX
mode_t modeOf(const QString &file) {
  struct stat status;
  return ::stat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST_F(FileTransactionTest, AReplacedFileKeepsItsPermissionsAndANewOneGetsTheUsualOnes) {
  write("private.rc", "old");
  ASSERT_EQ(::chmod(QFile::encodeName(path("private.rc")).constData(), 0640), 0);
  ASSERT_TRUE(writeFileSafely(path("private.rc"), "new"));
  EXPECT_EQ(modeOf(path("private.rc")), 0640u);
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(writeFileSafely(path("fresh.rc"), "new"));
  ::umask(mask);
  EXPECT_EQ(modeOf(path("fresh.rc")), 0644u);
}
#endif

#ifdef Q_OS_UNIX
TEST_F(FileTransactionTest, ALinkIsWrittenThroughUnlessAnotherUserOwnsItInASharedFolder) {
  write("real.rc", "old");
  ASSERT_TRUE(QFile::link(path("real.rc"), path("link.rc")));
  ASSERT_TRUE(writeFileSafely(path("link.rc"), "new"));
  EXPECT_TRUE(QFileInfo(path("link.rc")).isSymLink());
  EXPECT_EQ(read("real.rc"), "new");

  // A sticky folder everyone may write in, as /tmp is, and a link another user planted.
  if (::geteuid() != 0)
    GTEST_SKIP() << "a link of another user can only be planted by the superuser";
  ASSERT_TRUE(QDir(dir.path()).mkdir("shared"));
  ASSERT_EQ(::chmod(QFile::encodeName(path("shared")).constData(), 01777), 0);
  ASSERT_TRUE(QFile::link(path("real.rc"), path("shared/planted.rc")));
  ASSERT_EQ(::lchown(QFile::encodeName(path("shared/planted.rc")).constData(), 65534, 65534), 0);
  QString message;
  EXPECT_FALSE(writeFileSafely(path("shared/planted.rc"), "attack", &message));
  EXPECT_TRUE(message.contains(QStringLiteral("a link that another user owns in a shared folder")))
      << message.toStdString();
  EXPECT_EQ(read("real.rc"), "new");
  // The user's own link there is followed as anywhere.
  ASSERT_TRUE(QFile::link(path("real.rc"), path("shared/own.rc")));
  EXPECT_TRUE(writeFileSafely(path("shared/own.rc"), "mine"));
  EXPECT_EQ(read("real.rc"), "mine");
}
#endif

TEST_F(FileTransactionTest, AFolderForTheFileIsMadeOrItsFailureSaid) {
  EXPECT_TRUE(makeFolderFor(path("a/b/c.rc")));
  EXPECT_TRUE(QFileInfo(path("a/b")).isDir());
  write("plain", "x");
  QString message;
  EXPECT_FALSE(makeFolderFor(path("plain/sub/c.rc"), &message));
  EXPECT_TRUE(message.contains(QStringLiteral("c.rc' could not be written: Not a directory")))
      << message.toStdString();
}

} // namespace
} // namespace tarvelo
