// Running Windows programs under Wine for the tests: one prefix per test program,
// made once and kept in the build folder for every later run.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo::test {

// One run under Wine: whether it ended by itself, its exit status and what it printed
// (standard output without carriage returns).
struct WineRun {
  bool finished = false;
  int status = -1;
  QString out, err;
};

// The programs the Wine tests need that are not on the PATH, separated by spaces: the
// set-up (tools/setup.sh) installs them all.
QString missingWineTools();

// The prefix of this test program; it is made on first use, under a lock, since the
// tests of one program may run at once. False with the reason when Wine cannot make it.
bool prepareWinePrefix(QString &error);

// Runs a 64-bit Windows program under `xvfb-run -a wine` in FOLDER (where the program
// is), with Wine's messages off; dialogs need the display even when never shown.
WineRun runUnderWine(const QString &folder, const QStringList &arguments, int timeoutMs = 300000);

} // namespace tarvelo::test
