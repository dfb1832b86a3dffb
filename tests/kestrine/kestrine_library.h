// The built memory library, bound at run time by file and export name.
#pragma once

// Binds the built memory library at run time, by file and by export name, the way the
// program binds it.

#include "kestrine.h"

#include <dlfcn.h>

#include <string>

class KestrineLibrary {
public:
  explicit KestrineLibrary(const char *path = KESTRINE_LIBRARY) {
    m_handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!m_handle)
      return;
    bind(getTMVersion, "GetTMVersion");
    bind(setTMPath, "SetTMPath");
    bind(connectTM, "ConnectTM");
    bind(disconnectTM, "DisconnectTM");
    bind(addPair, "AddPair");
    bind(getTM, "GetTM");
    bind(searchTM, "SearchTM");
    bind(deletePair, "DeletePair");
    bind(freeTM, "FreeTM");
    bind(beginTMBatch, "BeginTMBatch");
    bind(endTMBatch, "EndTMBatch");
    bind(lookupTM, "LookupTM");
    bind(endTMBatchCounted, "EndTMBatchCounted");
    bind(setTMBusyTimeout, "SetTMBusyTimeout");
    bind(fuzzyTM, "FuzzyTM");
    bind(getTMError, "GetTMError");
    bind(getTMLastError, "GetTMLastError");
  }
  ~KestrineLibrary() { unload(); }
  KestrineLibrary(const KestrineLibrary &) = delete;
  KestrineLibrary &operator=(const KestrineLibrary &) = delete;

  bool loaded() const { return m_handle != nullptr; }
  std::string error() const {
    const char *text = dlerror();
    return text ? text : "";
  }
  void *symbol(const char *name) const { return dlsym(m_handle, name); }

  void unload() {
    if (m_handle)
      dlclose(m_handle);
    m_handle = nullptr;
  }

  // True while the library is mapped into the process by anyone.
  static bool resident(const char *path = KESTRINE_LIBRARY) {
    void *handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
      dlclose(handle);
    return handle != nullptr;
  }

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
  FuzzyTMFn fuzzyTM = nullptr;
  GetTMErrorFn getTMError = nullptr;
  GetTMLastErrorFn getTMLastError = nullptr;

private:
  template <class Function> void bind(Function &function, const char *name) {
    function = reinterpret_cast<Function>(dlsym(m_handle, name));
  }

  void *m_handle = nullptr;
};
