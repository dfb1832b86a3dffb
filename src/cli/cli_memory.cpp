#include "cli/cli_memory.h"

#include "seam/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

CliMemory::CliMemory(EntryList &entries, Settings &settings, Prompter &prompter, Progress &progress)
    : m_entries(entries), m_settings(settings), m_prompter(prompter), m_progress(progress) {}

bool CliMemory::open(const QString &folder, int sourceLanguage, int targetLanguage, bool create) {
  const QString path = QFileInfo(folder).absoluteFilePath();
  if (!create && !QFileInfo(path).isDir()) {
    std::fprintf(stderr, "error: there is no translation memory in '%s'\n",
                 QDir::toNativeSeparators(path).toUtf8().constData());
    return false;
  }
  // The library shipped beside the program comes first, then the system's search.
  if (!m_library.load(QDir(QCoreApplication::applicationDirPath()).filePath("kestrine")) &&
      !m_library.load()) {
    std::fprintf(stderr, "error: the translation-memory library (kestrine) cannot be loaded\n");
    return false;
  }
  const TmExports &exports = m_library.exports();
  if (!exports.setTMPath || !exports.connectTM) {
    std::fprintf(stderr, "error: the library '%s' is not a translation-memory library\n",
                 m_library.fileName().toUtf8().constData());
    return false;
  }
  m_settings.setText(QStringLiteral("TMPath"), path);
  m_client = std::make_unique<MemoryClient>(exports, m_entries, m_settings, m_prompter, m_progress);
  m_client->start();
  if (sourceLanguage <= 0 || targetLanguage <= 0 ||
      !m_client->connectTo(sourceLanguage, targetLanguage)) {
    std::fprintf(stderr,
                 "error: the translation memory in '%s' cannot be opened for the "
                 "languages %d and %d\n",
                 QDir::toNativeSeparators(path).toUtf8().constData(), sourceLanguage,
                 targetLanguage);
    return false;
  }
  return true;
}

} // namespace tarvelo::cli
