// Loading libcurl on first use and resolving the functions the HTTP client calls.
#include "exchange/curl_library.h"

#include <QLibrary>

namespace tarvelo {

namespace {

template <typename Function>
bool resolve(QLibrary &library, const char *symbol, Function &function, QString &error) {
  function = reinterpret_cast<Function>(library.resolve(symbol));
  if (!function && error.isEmpty())
    error = QStringLiteral("%1 lacks %2").arg(library.fileName(), QLatin1String(symbol));
  return function != nullptr;
}

} // namespace

CurlLibrary loadCurlLibrary(const QString &name, int majorVersion) {
  CurlLibrary curl;
  // Never unloaded: transfers may run on other threads until the process ends.
  auto *library = new QLibrary(name, majorVersion);
  if (!library->load()) {
    curl.error = library->errorString();
    delete library;
    return curl;
  }
  QString &error = curl.error;
  resolve(*library, "curl_global_init", curl.globalInit, error);
  resolve(*library, "curl_easy_init", curl.easyInit, error);
  resolve(*library, "curl_easy_setopt", curl.easySetopt, error);
  resolve(*library, "curl_easy_perform", curl.easyPerform, error);
  resolve(*library, "curl_easy_getinfo", curl.easyGetinfo, error);
  resolve(*library, "curl_easy_cleanup", curl.easyCleanup, error);
  resolve(*library, "curl_easy_strerror", curl.easyStrerror, error);
  resolve(*library, "curl_slist_append", curl.slistAppend, error);
  resolve(*library, "curl_slist_free_all", curl.slistFreeAll, error);
  return curl;
}

const CurlLibrary &curlLibrary() {
  static const CurlLibrary loaded = [] {
#ifdef Q_OS_WIN
    CurlLibrary curl = loadCurlLibrary(QStringLiteral("libcurl"), -1);
    if (!curl.error.isEmpty())
      curl = loadCurlLibrary(QStringLiteral("libcurl-x64"), -1);
#else
    // 4 is the library's binary interface number, unchanged since 2006.
    CurlLibrary curl = loadCurlLibrary(QStringLiteral("curl"), 4);
#endif
    if (curl.error.isEmpty())
      curl.globalInit(CURL_GLOBAL_DEFAULT);
    return curl;
  }();
  return loaded;
}

} // namespace tarvelo
