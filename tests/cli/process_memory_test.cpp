// The command line's heap: mimalloc, which takes large pages from its documented option.
#include "cli/cli_run.h"
#include "support/script_generator.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char **environ;

namespace tarvelo {
namespace {

#if defined(__linux__)
// The minor page faults of one run of the program with one more environment variable, or
// -1 when it did not exit with 0.
long faultsOfRun(const std::vector<std::string> &arguments, const std::string &variable) {
  std::vector<std::string> texts = {test::cliProgram().toStdString()};
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (std::string &text : texts)
    argv.push_back(text.data());
  argv.push_back(nullptr);
  std::vector<char *> envp;
  for (char **entry = environ; *entry; ++entry)
    envp.push_back(*entry);
  std::string setting = variable;
  envp.push_back(setting.data());
  envp.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
    return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return usage.ru_minflt;
}

// A batch run's megabytes come from mimalloc: its large-pages option, set in the
// environment, takes the run's page faults down to a fraction, with the same output.
TEST(ProcessMemoryTest, TranslateTakesLargePagesFromMimallocsOption) {
#ifndef TARVELO_CLI_MIMALLOC
  GTEST_SKIP() << "tarvelo-cli was built without mimalloc";
#endif
  QFile setting(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
  if (!setting.open(QIODevice::ReadOnly) || setting.readAll().contains("[never]"))
    GTEST_SKIP() << "the system gives no large pages";
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const bool translated : {false, true}) {
    QFile script(folder.filePath(translated ? "target.rc" : "source.rc"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(bench::generateScript(1, translated));
  }
  auto run = [&folder](const char *out, const std::string &variable) {
    return faultsOfRun({"translate", "--source", folder.filePath("source.rc").toStdString(),
                        "--source-language", "1033", "--target",
                        folder.filePath("target.rc").toStdString(), "--target-language", "1031",
                        "--out", folder.filePath(out).toStdString()},
                       variable);
  };
  const long small = run("small.rc", "MIMALLOC_LARGE_OS_PAGES=0");
  const long large = run("large.rc", "MIMALLOC_LARGE_OS_PAGES=1");
  ASSERT_GT(small, 0);
  ASSERT_GT(large, 0);
  EXPECT_LT(large * 4, small) << "faults with small pages " << small << ", with large " << large;
  QFile smallOut(folder.filePath("small.rc"));
  QFile largeOut(folder.filePath("large.rc"));
  ASSERT_TRUE(smallOut.open(QIODevice::ReadOnly) && largeOut.open(QIODevice::ReadOnly));
  EXPECT_EQ(smallOut.readAll(), largeOut.readAll());
}
#endif

} // namespace
} // namespace tarvelo
