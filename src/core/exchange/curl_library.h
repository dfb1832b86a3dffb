// The libcurl functions the HTTP client calls, loaded on first use.
#pragma once

#include <QString>
#include <curl/curl.h>

namespace tarvelo {

// The libcurl functions the HTTP client calls. The library is loaded the first time
// an online service is used, not at start: its TLS and name-service dependencies
// would cost every command-line run their loading and linking.
struct CurlLibrary {
  CURLcode (*globalInit)(long flags) = nullptr;
  CURL *(*easyInit)() = nullptr;
  CURLcode (*easySetopt)(CURL *curl, CURLoption option, ...) = nullptr;
  CURLcode (*easyPerform)(CURL *curl) = nullptr;
  CURLcode (*easyGetinfo)(CURL *curl, CURLINFO info, ...) = nullptr;
  void (*easyCleanup)(CURL *curl) = nullptr;
  const char *(*easyStrerror)(CURLcode code) = nullptr;
  curl_slist *(*slistAppend)(curl_slist *list, const char *text) = nullptr;
  void (*slistFreeAll)(curl_slist *list) = nullptr;
  QString error; // why it could not be loaded; empty when every function was found
};

// Loads libcurl (at most once a process, initialised) and returns its functions;
// on failure the error says why.
const CurlLibrary &curlLibrary();

// Loads the library of that name and major version and resolves the functions
// without initialising it; for trying other names.
CurlLibrary loadCurlLibrary(const QString &name, int majorVersion);

} // namespace tarvelo
