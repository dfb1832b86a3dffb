// The find-scripts command: the resource scripts of a folder, solution or project.
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "project/script_search.h"

#include <QFileInfo>
#include <QSet>
#include <cstdio>

namespace tarvelo::cli {

namespace {

int fail(const QString &text) {
  std::fprintf(stderr, "error: %s\n", text.toUtf8().constData());
  return 2;
}

// A date, or a date and time, in ISO form; an end date without a time covers its day.
bool parseDate(const QString &text, bool endOfDay, QDateTime &out) {
  out = QDateTime::fromString(text, Qt::ISODate);
  if (out.isValid())
    return true;
  const QDate date = QDate::fromString(text, Qt::ISODate);
  if (!date.isValid())
    return false;
  out = endOfDay ? date.endOfDay() : date.startOfDay();
  return true;
}

} // namespace

int runFindScripts(const QStringList &arguments) {
  CliArguments read;
  QString error;
  int language = -2;
  if (!read.parse(arguments, {"language", "modified-since", "modified-until"}, {}, error, true) ||
      !read.language(QStringLiteral("language"), language, error))
    return fail(error);
  if (read.words().size() != 1)
    return fail(QStringLiteral("find-scripts takes one folder or project file"));

  SearchRequest request;
  request.start = QFileInfo(read.words().front()).absoluteFilePath();
  request.language = language < 0 ? -1 : language;
  const QFileInfo start(request.start);
  const QString extension = start.suffix().toLower();
  if (start.isDir())
    request.method = SearchMethod::Folder;
  else if (!start.isFile())
    return fail(QStringLiteral("'%1' is neither a folder nor a file").arg(read.words().front()));
  else if (extension == QLatin1String("tvx"))
    request.method = SearchMethod::Project;
  else if (QStringList({"dsw", "dsp", "sln", "vcproj", "vcxproj"}).contains(extension))
    request.method = SearchMethod::VisualCpp;
  else
    return fail(QStringLiteral("'%1' is no folder, project (.tvx) or Visual C++ file "
                               "(.dsw, .dsp, .sln, .vcproj, .vcxproj)")
                    .arg(read.words().front()));
  if (read.has(QStringLiteral("modified-since")) &&
      !parseDate(read.value(QStringLiteral("modified-since")), false, request.earliest))
    return fail(QStringLiteral("bad date '%1' for --modified-since")
                    .arg(read.value(QStringLiteral("modified-since"))));
  if (read.has(QStringLiteral("modified-until")) &&
      !parseDate(read.value(QStringLiteral("modified-until")), true, request.latest))
    return fail(QStringLiteral("bad date '%1' for --modified-until")
                    .arg(read.value(QStringLiteral("modified-until"))));

  // A script named twice (by two projects of one solution) is printed once.
  QSet<QString> seen;
  const std::atomic_bool stop = false;
  searchScripts(request, stop, [&seen](const QString &path) {
    const QString key = path.toCaseFolded();
    if (seen.contains(key))
      return;
    seen.insert(key);
    std::fputs((path + u'\n').toUtf8().constData(), stdout);
  });
  return 0;
}

} // namespace tarvelo::cli
