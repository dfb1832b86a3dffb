// Loading the memory library and opening a memory for a command.
#include "cli/cli_memory.h"

#include "seam/settings.h"
#include "text/printable_text.h"
#include "tmclient/memory_location.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

bool loadMemoryLibrary(TmLibrary &library) {
  // The library shipped beside the program or installed with it, then the system's search.
  if (!library.load()) {
    std::fprintf(stderr, "error: the translation-memory library (kestrine) cannot be loaded\n");
    return false;
  }
  const TmExports &exports = library.exports();
  if (!exports.setTMPath || !exports.connectTM) {
    std::fprintf(stderr, "error: the library '%s' is not a translation-memory library\n",
                 library.fileName().toUtf8().constData());
    return false;
  }
  return true;
}

CliMemory::CliMemory(EntryList &entries, Settings &settings, Prompter &prompter, Progress &progress)
    : m_entries(entries), m_settings(settings), m_prompter(prompter), m_progress(progress) {}

bool CliMemory::open(const QString &folder, int sourceLanguage, int targetLanguage, bool create) {
  const bool server = isServerLocation(folder);
  const QString path = server ? folder : QFileInfo(folder).absoluteFilePath();
  if (!server && !create && !QFileInfo(path).isDir()) {
    std::fprintf(stderr, "error: there is no translation memory in '%s'\n",
                 QDir::toNativeSeparators(path).toUtf8().constData());
    return false;
  }
  if (!loadMemoryLibrary(m_library))
    return false;
  const TmExports &exports = m_library.exports();
  m_settings.setText(QStringLiteral("TMPath"), path);
  m_client = std::make_unique<MemoryClient>(exports, m_entries, m_settings, m_prompter, m_progress);
  m_client->start();
  if (sourceLanguage <= 0 || targetLanguage <= 0 ||
      !m_client->connectTo(sourceLanguage, targetLanguage)) {
    const MemoryFailure failure = lastMemoryFailure(exports);
    m_damaged = failure.damaged;
    const QString why = server ? locationProblem(exports, path) : failure.reason;
    std::fprintf(stderr,
                 "error: the translation memory in '%s' cannot be opened for the "
                 "languages %d and %d%s%s\n",
                 shownLocation(path).toUtf8().constData(), sourceLanguage, targetLanguage,
                 why.isEmpty() ? "" : ": ", printableText(why).toUtf8().constData());
    return false;
  }
  return true;
}

int memoryFailed(const MemoryFailure &failure, const QString &location, const char *what) {
  const QString where =
      isServerLocation(location) ? location : QFileInfo(location).absoluteFilePath();
  std::fprintf(stderr, "error: the translation memory in '%s' cannot be %s%s%s\n",
               shownLocation(where).toUtf8().constData(), what, failure.failed() ? ": " : "",
               failure.reason.toUtf8().constData());
  return failure.damaged ? 2 : 1;
}

} // namespace tarvelo::cli
