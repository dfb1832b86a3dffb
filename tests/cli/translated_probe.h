// The user's way from a built program to its German language DLL, run on the probe
// program of the Wine tests with the command-line program and mingw-w64.
#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace tarvelo::test {

// The files of the flow, in one folder.
struct TranslatedProbe {
  QString program;       // probe.exe, built by mingw-w64 with its English resources
  QString englishScript; // en.rc, what decompile wrote of probe.exe
  QString germanScript;  // de.rc, the target the translations were imported into
  QString germanDll;     // de.dll and de.res, what translate --out wrote
  QString germanRes;
  QString oracleDll; // oracle.dll: de.rc compiled by windres and linked by ld
};

// Each English text of the probe and its German translation.
QList<std::pair<QString, QString>> probeTranslations();

// Builds the probe for MACHINE ("x86_64" or "i686") in FOLDER, and translates it as a
// user does: decompile; export the texts as a PO catalog, translate it, import it into
// a new German script; translate into a DLL, a .res file and a copy of the program with
// German added (probe_de.exe). Then builds the oracle
// DLL from the German script. False with the failed step's command and output.
bool translateProbe(const QString &folder, const QString &machine, TranslatedProbe &probe,
                    QString &error);

// The program MACHINE's mingw-w64 tool named TOOL ("gcc", "windres"), empty when it is
// not installed.
QString mingwTool(const QString &machine, const QString &tool);

} // namespace tarvelo::test
