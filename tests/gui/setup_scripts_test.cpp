// The set-up that run.sh and test.sh share: on a machine where it installed
// everything, a second run installs nothing (so it needs no network), and the example
// memory is learnt once, whatever else the memory folder holds.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRoot = QStringLiteral(TARVELO_TEST_DATA "/../..");

struct ScriptRun {
  int exitCode;
  QString out;
};

// Runs a bash command with tools/setup.sh sourced.
ScriptRun withSetup(const QString &command) {
  QProcess bash;
  bash.setWorkingDirectory(kRoot);
  bash.start(QStringLiteral("bash"),
             {QStringLiteral("-c"), QStringLiteral("source tools/setup.sh && ") + command});
  EXPECT_TRUE(bash.waitForFinished(120000));
  return {bash.exitCode(), QString::fromLocal8Bit(bash.readAllStandardOutput()) +
                               QString::fromLocal8Bit(bash.readAllStandardError())};
}

void write(const QString &path, const QByteArray &text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

TEST(SetUpScripts, EveryPackageNamedIsOneThatDpkgReportsInstalled) {
  if (QStandardPaths::findExecutable(QStringLiteral("dpkg-query")).isEmpty())
    GTEST_SKIP() << "not a Debian machine";
  const ScriptRun missing = withSetup(QStringLiteral("tarvelo_missing_packages"));
  EXPECT_EQ(missing.exitCode, 0);
  EXPECT_EQ(missing.out, QString()) << "named but never reported installed";
  const ScriptRun check = withSetup(QStringLiteral("bash tools/setup.sh --check"));
  EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
  // Nothing missing: the install step returns before apt-get, which here would say so.
  QTemporaryDir fake;
  ASSERT_TRUE(fake.isValid());
  write(fake.filePath(QStringLiteral("apt-get")), "#!/bin/sh\necho apt-get was run\nexit 1\n");
  QFile(fake.filePath(QStringLiteral("apt-get")))
      .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const ScriptRun install =
      withSetup(QStringLiteral("PATH='%1':\"$PATH\" tarvelo_install_missing").arg(fake.path()));
  EXPECT_EQ(install.exitCode, 0) << install.out.toStdString();
  EXPECT_EQ(install.out, QString());
}

TEST(SetUpScripts, TheExampleMemoryIsLearntOnceBesideTheUsersOwnPairs) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString cli = QStringLiteral(TARVELO_BIN_DIR "/tarvelo-cli");
  ASSERT_TRUE(QFile::exists(cli));
  // The example phrases, copied so that the learning leaves the sources alone.
  const QString phrases = dir.filePath(QStringLiteral("phrases"));
  ASSERT_TRUE(QDir().mkpath(phrases));
  for (const char *name : {"phrases_en.rc", "phrases_de.rc"})
    ASSERT_TRUE(
        QFile::copy(kRoot + QStringLiteral("/resources/example/memory/") + QLatin1String(name),
                    phrases + u'/' + QLatin1String(name)));
  // The user's own work in the memory folder already holds the word "Imperial".
  const QString memory = dir.filePath(QStringLiteral("TM"));
  write(dir.filePath(QStringLiteral("own_en.rc")),
        "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\nSTRINGTABLE\nBEGIN\n"
        "    1 \"Imperial units\"\nEND\n");
  write(dir.filePath(QStringLiteral("own_de.rc")),
        "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\nSTRINGTABLE\nBEGIN\n"
        "    1 \"Angloamerikanische Einheiten\"\nEND\n");
  QProcess own;
  own.start(cli, {QStringLiteral("learn"), QStringLiteral("--source"),
                  dir.filePath(QStringLiteral("own_en.rc")), QStringLiteral("--source-language"),
                  QStringLiteral("1033"), QStringLiteral("--target"),
                  dir.filePath(QStringLiteral("own_de.rc")), QStringLiteral("--target-language"),
                  QStringLiteral("1031"), QStringLiteral("--tm"), memory});
  ASSERT_TRUE(own.waitForFinished(60000));
  ASSERT_EQ(own.exitCode(), 0) << own.readAllStandardError().toStdString();

  const QString learn =
      QStringLiteral("tarvelo_learn_example_memory '%1' '%2' '%3'").arg(cli, memory, phrases);
  const QString search =
      QStringLiteral("'%1' tm-search --tm '%2' --source-language 1033 --target-language 1031 "
                     "Metric")
          .arg(cli, memory);
  const struct {
    const char *step;
    bool learns;
  } steps[] = {{"first run", true}, {"second run", false}, {"database removed", true}};
  for (const auto &step : steps) {
    SCOPED_TRACE(step.step);
    if (QLatin1String(step.step) == QLatin1String("database removed")) {
      ASSERT_TRUE(QFile::remove(memory + QStringLiteral("/Kestrine.db")));
    }
    const ScriptRun run = withSetup(learn);
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.out.contains(QStringLiteral("Learnt the example memory")), step.learns)
        << run.out.toStdString();
    EXPECT_EQ(withSetup(search).out, QStringLiteral("Metric\tMetrisch\n"));
  }
}

} // namespace
