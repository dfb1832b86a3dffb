// The memory library bound at run time, with its exports.
#pragma once

#include "kestrine/kestrine.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

namespace tarvelo {

// The exports of the memory library, each null when it was not found. Every use
// tests the pointer it needs, so a missing export only removes its feature.
struct TmExports {
  GetTMVersionFn getTMVersion = nullptr;
  SetTMPathFn setTMPath = nullptr;
  ConnectTMFn connectTM = nullptr;
  DisconnectTMFn disconnectTM = nullptr;
  AddPairFn addPair = nullptr;
  GetTMFn getTM = nullptr;
  SearchTMFn searchTM = nullptr;
  DeletePairFn deletePair = nullptr;
  FreeTMFn freeTM = nullptr;
  BeginTMBatchFn beginTMBatch = nullptr;
  EndTMBatchFn endTMBatch = nullptr;
  LookupTMFn lookupTM = nullptr;
  EndTMBatchCountedFn endTMBatchCounted = nullptr;
  SetTMBusyTimeoutFn setTMBusyTimeout = nullptr;
  ListTMFn listTM = nullptr;
  FuzzyTMFn fuzzyTM = nullptr;
  CheckTMPathFn checkTMPath = nullptr;
  CopyTMFn copyTM = nullptr;
  GetTMErrorFn getTMError = nullptr;
};

// The memory library bound at run time by name. A library that cannot be loaded
// leaves every export null; nothing is reported.
class TmLibrary {
public:
  TmLibrary() = default;
  TmLibrary(const TmLibrary &) = delete;
  TmLibrary &operator=(const TmLibrary &) = delete;
  // Disconnects and unloads.
  ~TmLibrary();

  // Loads the library from the given file, or when none is given by its SONAME from the
  // program's own folder, then from the installed library folder relative to the program,
  // then through the system's search.
  bool load(const QString &fileName = QString());
  void unload();

  bool isLoaded() const { return m_library.isLoaded(); }
  QString fileName() const { return m_library.fileName(); }
  const TmExports &exports() const { return m_exports; }
  // The library's version text ("2.5"), empty without the export.
  QString version() const;

private:
  bool loadFrom(const QString &fileName, int majorVersion = -1);

  QLibrary m_library;
  TmExports m_exports;
};

// Reads a list the library filled, then empties it through the library.
QStringList takeTmTexts(const TmExports &exports, TmTextList &list);

// Why the library's last call (on this thread) failed, as it says right after the call.
struct MemoryFailure {
  QString reason;       // empty when the call did not fail, or the library cannot tell
  bool damaged = false; // the memory reported itself corrupt and takes no more writes

  bool failed() const { return !reason.isEmpty(); }
};
MemoryFailure lastMemoryFailure(const TmExports &exports);

} // namespace tarvelo
