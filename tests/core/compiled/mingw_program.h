// Small Windows programs built with mingw-w64 for the tests of program copies: an English
// string, German data to replace, and a main that prints the German string it loads.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace tarvelo::test {

// String 1 in English; a data resource in English and one in German.
inline const char kProgramScript[] = "LANGUAGE 9, 1\n"
                                     "STRINGTABLE\nBEGIN\n 1 \"Open\"\nEND\n"
                                     "config MYDATA\nBEGIN\n \"abc\\0\"\nEND\n"
                                     "LANGUAGE 7, 1\n"
                                     "config MYDATA\nBEGIN\n \"alt\\0\"\nEND\n";

// Prints string 1 as the German user interface loads it, then as German's own block
// holds it, each as hexadecimal UTF-16 units on a line.
inline const char kProgramMain[] = R"(#include <windows.h>
#include <stdio.h>
static void print(const WCHAR *units, int count) {
  printf("%d", count);
  for (int i = 0; i < count; ++i) printf(" %04x", units[i]);
  printf("\n");
}
int main(void) {
  /* Windows loads resources in the thread's UI language, Wine in its locale's. */
  SetThreadUILanguage(0x0407);
  SetThreadLocale(0x0407);
  const WCHAR *text = NULL;
  print(text, LoadStringW(GetModuleHandleW(NULL), 1, (LPWSTR)&text, 0));
  HRSRC r = FindResourceExW(NULL, (LPCWSTR)RT_STRING, MAKEINTRESOURCEW(1), 0x0407);
  const WORD *units = r ? (const WORD *)LockResource(LoadResource(NULL, r)) : NULL;
  if (units) print(units + 1 + units[0] + 1, units[1 + units[0]]);
  else printf("none\n");
  return 0;
}
)";

inline bool runTool(const QString &folder, const QString &tool, const QStringList &arguments,
                    QByteArray *out = nullptr) {
  QProcess process;
  process.setWorkingDirectory(folder);
  const QString path = QStandardPaths::findExecutable(tool);
  if (path.isEmpty()) {
    ADD_FAILURE() << tool.toStdString() << " is not installed (tools/setup.sh installs it)";
    return false;
  }
  process.start(path, arguments);
  process.waitForFinished(180000);
  const QByteArray printed = process.readAllStandardOutput();
  if (out)
    *out = printed;
  const bool ran = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  EXPECT_TRUE(ran) << tool.toStdString() << " " << arguments.join(' ').toStdString() << ": "
                   << process.readAllStandardError().toStdString();
  return ran;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Builds folder/name from the script and main for the prefix (x86_64-w64-mingw32 or
// i686-w64-mingw32) with the linker's extra flags; withResources false leaves the
// program without any, as a packer would.
inline bool buildProgram(const QString &folder, const QString &prefix, const QString &name,
                         const QStringList &flags, bool withResources = true) {
  if (!writeBytes(folder + "/program.rc", kProgramScript) ||
      !writeBytes(folder + "/main.c", kProgramMain))
    return false;
  QStringList arguments = {"-o", name, "main.c"};
  if (withResources) {
    if (!runTool(folder, prefix + "-windres", {"-i", "program.rc", "-o", prefix + "_res.o"}))
      return false;
    arguments << prefix + "_res.o";
  }
  return runTool(folder, prefix + "-gcc", arguments + flags);
}

} // namespace tarvelo::test
