// The entry point of each command of the command line.
#pragma once

#include <QStringList>

namespace tarvelo::cli {

// Each command takes its own arguments (after the command word) and returns the
// process's exit status.
int runDump(const QStringList &arguments);
int runLanguages(const QStringList &arguments);
int runTranslate(const QStringList &arguments);
int runCheck(const QStringList &arguments);
int runLearn(const QStringList &arguments);
int runTmSearch(const QStringList &arguments);
int runFindScripts(const QStringList &arguments);
int runProject(const QStringList &arguments);
// Needs a QGuiApplication: it measures texts with the dialogs' fonts.
int runReport(const QStringList &arguments);
int runExport(const QStringList &arguments);
int runImport(const QStringList &arguments);
int runTmImport(const QStringList &arguments);
int runTmExport(const QStringList &arguments);
int runTmDelete(const QStringList &arguments);
int runPseudo(const QStringList &arguments);
int runTmCopy(const QStringList &arguments);
int runDecompile(const QStringList &arguments);
int runAnalyze(const QStringList &arguments);

// Prints the usage of every command.
void printHelp();
// The paragraph of one command; false, saying so, for an unknown command.
bool printCommandHelp(const QString &command);
// "tarvelo-cli 1.2.0".
void printVersion();

} // namespace tarvelo::cli
