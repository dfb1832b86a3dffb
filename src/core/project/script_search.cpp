// The search for resource scripts in folders, Visual C++ files and projects.
#include "project/script_search.h"

#include "exchange/exchange_file.h"
#include "project/project_file.h"
#include "project/project_paths.h"
#include "project/scratch_script.h"
#include "project/visual_cpp_files.h"
#include "script/script_path.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace tarvelo {

namespace {

class Search {
public:
  Search(const SearchRequest &request, const std::atomic_bool &stop,
         const std::function<void(const QString &)> &found)
      : m_request(request), m_stop(stop), m_found(found) {}

  int run();
  bool stopped() const { return m_stop.load(std::memory_order_relaxed); }
  void candidate(const QString &path);

private:
  void searchFolder(const QString &folder);
  void searchProjectFile(const QString &path);
  bool declaresLanguage(const QString &path);

  const SearchRequest &m_request;
  const std::atomic_bool &m_stop;
  const std::function<void(const QString &)> &m_found;
  QSet<QString> m_visitedFolders;
  int m_count = 0;
};

int Search::run() {
  switch (m_request.method) {
  case SearchMethod::Folder: {
    QString folder = m_request.start;
    while (folder.size() > 1 &&
           (folder.endsWith(u' ') || folder.endsWith(u'\\') || folder.endsWith(u'/')))
      folder.chop(1);
    if (!folder.isEmpty())
      searchFolder(folder);
    break;
  }
  case SearchMethod::VisualCpp:
    searchVisualCppFile(
        m_request.start, [this](const QString &path) { candidate(path); }, m_stop);
    break;
  case SearchMethod::Project:
    searchProjectFile(m_request.start);
    break;
  }
  return m_count;
}

void Search::searchFolder(const QString &start) {
  // Each real folder is entered once, as a link may lead back up the tree. A folder that
  // is no link is known by its parent's real path and its name: only links are resolved,
  // for resolving every folder of a deep tree costs its depth each time. Folders wait on
  // a stack of their own, so that depth costs no call stack.
  struct Folder {
    QString path;
    QString real;
  };
  std::vector<Folder> pending{{start, QFileInfo(start).canonicalFilePath()}};
  while (!pending.empty() && !stopped()) {
    Folder folder = std::move(pending.back());
    pending.pop_back();
    if (folder.real.isEmpty() || m_visitedFolders.contains(folder.real))
      continue;
    m_visitedFolders.insert(folder.real);
    const QString realPrefix = folder.real.endsWith(u'/') ? folder.real : folder.real + u'/';
    std::vector<Folder> subfolders;
    QDirIterator entries(folder.path,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext() && !stopped()) {
      entries.next();
      const QString name = entries.fileName();
      const QFileInfo info = entries.fileInfo();
      if (info.isDir()) {
        if (!name.startsWith(u'.'))
          subfolders.push_back({entries.filePath(),
                                info.isSymLink() ? info.canonicalFilePath() : realPrefix + name});
      } else if (hasScriptExtension(name)) {
        candidate(entries.filePath());
      }
    }
    // Taken from the back: the first subfolder is searched first, as listed.
    pending.insert(pending.end(), std::make_move_iterator(subfolders.rbegin()),
                   std::make_move_iterator(subfolders.rend()));
  }
}

void Search::searchProjectFile(const QString &path) {
  QByteArray content;
  if (readExchangeFile(path, content) != FileRead::Read)
    return;
  const QString folder = projectFolderOf(QFileInfo(path).absoluteFilePath());
  const QString text = projectFileText(content);
  for (const QStringView line : QStringView(text).split(u'\n')) {
    if (stopped())
      return;
    const QString trimmed = line.endsWith(u'\r') ? line.chopped(1).toString() : line.toString();
    const QString source = projectKeyValue(trimmed, QLatin1String("SOURCEFILE="));
    if (!source.isNull() && hasScriptExtension(source))
      candidate(resolveFromProject(folder, source));
    const QString target = projectKeyValue(trimmed, QLatin1String("TARGETFILE="));
    if (!target.isNull() && target.endsWith(QLatin1String(".rc"), Qt::CaseInsensitive))
      candidate(resolveFromProject(folder, target));
  }
}

bool Search::declaresLanguage(const QString &path) {
  ScratchScript scratch;
  if (!scratch.script().open(path))
    return path.compare(m_request.openTargetPath, Qt::CaseInsensitive) == 0;
  return scratch.script().containsLanguage(m_request.language);
}

void Search::candidate(const QString &path) {
  if (stopped() || !hasScriptExtension(path))
    return;
  const QFileInfo info(path);
  if (!info.isFile())
    return;
  if (m_request.language >= 0 && !declaresLanguage(path))
    return;
  if (m_request.earliest.isValid() || m_request.latest.isValid()) {
    const QDateTime written = info.lastModified();
    if ((m_request.earliest.isValid() && written < m_request.earliest) ||
        (m_request.latest.isValid() && written > m_request.latest))
      return;
  }
  ++m_count;
  m_found(path);
}

} // namespace

bool hasScriptExtension(const QString &name) {
  return name.endsWith(QLatin1String(".rc"), Qt::CaseInsensitive) ||
         name.endsWith(QLatin1String(".rc2"), Qt::CaseInsensitive);
}

int searchScripts(const SearchRequest &request, const std::atomic_bool &stop,
                  const std::function<void(const QString &)> &found) {
  Search search(request, stop, found);
  return search.run();
}

} // namespace tarvelo
