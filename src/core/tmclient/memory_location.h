// Where a memory lives, a folder or a server, and how its location is shown.
#pragma once

// Where a memory lives: a folder on this machine, or a PostgreSQL server named by a
// connection URI ("postgresql://..." or "postgres://..."), which the memory library takes
// wherever it takes a folder.

#include <QString>

namespace tarvelo {

struct TmExports;
class Progress;

bool isServerLocation(const QString &location);

// The location as the user should see it: a folder with the platform's separators, a
// URI with any password in it replaced by "***".
QString shownLocation(const QString &location);

// Whether a URI carries a password, which would then be kept in the settings in clear
// text (a password belongs in ~/.pgpass or a service of pg_service.conf).
bool locationHasPassword(const QString &location);

// Why the library cannot hold a memory at the location; empty when it can, or when the
// library cannot tell (an older one without the check).
QString locationProblem(const TmExports &exports, const QString &location);

struct MemoryCopyResult {
  enum Outcome { Copied, Failed, Cancelled };
  Outcome outcome = Failed;
  qint64 copied = 0;
  QString reason; // why it failed
};

// Copies the whole memory at `from` into the memory at `to` through the library,
// reporting each slice to the progress window, which can cancel it.
MemoryCopyResult copyMemory(const TmExports &exports, const QString &from, const QString &to,
                            Progress &progress);

} // namespace tarvelo
