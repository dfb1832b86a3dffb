// Loading the memory library and resolving its exports by name.
#include "tmclient/tm_library.h"

#include "files/install_layout.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvelo {

namespace {

template <typename F> F resolve(QLibrary &library, const char *name) {
  return reinterpret_cast<F>(library.resolve(name));
}

} // namespace

TmLibrary::~TmLibrary() {
  unload();
}

bool TmLibrary::loadFrom(const QString &fileName, int majorVersion) {
  if (majorVersion < 0)
    m_library.setFileName(fileName);
  else
    m_library.setFileNameAndVersion(fileName, majorVersion);
  if (!m_library.load())
    return false;
  m_exports.getTMVersion = resolve<GetTMVersionFn>(m_library, "GetTMVersion");
  m_exports.setTMPath = resolve<SetTMPathFn>(m_library, "SetTMPath");
  m_exports.connectTM = resolve<ConnectTMFn>(m_library, "ConnectTM");
  m_exports.disconnectTM = resolve<DisconnectTMFn>(m_library, "DisconnectTM");
  m_exports.addPair = resolve<AddPairFn>(m_library, "AddPair");
  m_exports.getTM = resolve<GetTMFn>(m_library, "GetTM");
  m_exports.searchTM = resolve<SearchTMFn>(m_library, "SearchTM");
  m_exports.deletePair = resolve<DeletePairFn>(m_library, "DeletePair");
  m_exports.freeTM = resolve<FreeTMFn>(m_library, "FreeTM");
  m_exports.beginTMBatch = resolve<BeginTMBatchFn>(m_library, "BeginTMBatch");
  m_exports.endTMBatch = resolve<EndTMBatchFn>(m_library, "EndTMBatch");
  m_exports.lookupTM = resolve<LookupTMFn>(m_library, "LookupTM");
  m_exports.endTMBatchCounted = resolve<EndTMBatchCountedFn>(m_library, "EndTMBatchCounted");
  m_exports.setTMBusyTimeout = resolve<SetTMBusyTimeoutFn>(m_library, "SetTMBusyTimeout");
  m_exports.listTM = resolve<ListTMFn>(m_library, "ListTM");
  m_exports.fuzzyTM = resolve<FuzzyTMFn>(m_library, "FuzzyTM");
  m_exports.checkTMPath = resolve<CheckTMPathFn>(m_library, "CheckTMPath");
  m_exports.copyTM = resolve<CopyTMFn>(m_library, "CopyTM");
  m_exports.getTMError = resolve<GetTMErrorFn>(m_library, "GetTMError");
  return true;
}

bool TmLibrary::load(const QString &fileName) {
  unload();
  if (!fileName.isEmpty())
    return loadFrom(fileName);
  // QLibrary adds the platform's prefix and suffix and, by the major version, names the
  // library by its SONAME (libkestrine.so.1, which a runtime package ships without the
  // unversioned link; Kestrine.dll on Windows).
  const int major = memoryLibraryMajorVersion();
  if (QCoreApplication::instance()) {
    for (const QString &candidate : memoryLibraryCandidates(QCoreApplication::applicationDirPath()))
      if (loadFrom(candidate, major))
        return true;
  }
  return loadFrom(QStringLiteral("kestrine"), major);
}

void TmLibrary::unload() {
  if (!m_library.isLoaded())
    return;
  if (m_exports.disconnectTM)
    m_exports.disconnectTM();
  m_exports = TmExports();
  m_library.unload();
}

QString TmLibrary::version() const {
  if (!m_exports.getTMVersion)
    return QString();
  char16_t buffer[KESTRINE_VERSION_LENGTH + 1] = {};
  m_exports.getTMVersion(buffer);
  return QString::fromUtf16(buffer);
}

QStringList takeTmTexts(const TmExports &exports, TmTextList &list) {
  QStringList texts;
  texts.reserve(list.count);
  for (int32_t i = 0; i < list.count; ++i)
    texts.append(list.items[i] ? QString::fromUtf16(list.items[i]) : QString());
  if (exports.freeTM)
    exports.freeTM(&list);
  return texts;
}

MemoryFailure lastMemoryFailure(const TmExports &exports) {
  MemoryFailure failure;
  if (!exports.getTMError)
    return failure;
  char16_t reason[1024] = {};
  const int32_t result = exports.getTMError(reason, 1024);
  if (result == 0)
    return failure;
  failure.reason = QString::fromUtf16(reason);
  if (failure.reason.isEmpty())
    failure.reason = QStringLiteral("unknown reason");
  failure.damaged = result == 2;
  return failure;
}

} // namespace tarvelo
