// The decompile command: a compiled file's resources written as a resource script.
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/summary_output.h"
#include "compiled/compiled_source.h"
#include "compiled/decompiler.h"
#include "files/file_transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace tarvelo::cli {

namespace {

// The resources of a .res file or of a program, by what the file begins with.
bool readCompiled(const QString &path, QList<CompiledResource> &resources, QString &error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
  }
  if (readCompiledResources(file.readAll(), resources, error))
    return true;
  error = path + QStringLiteral(": ") + error;
  return false;
}

} // namespace

int runDecompile(const QStringList &arguments) {
  CliArguments read;
  QString error;
  if (arguments.isEmpty() || arguments.front().startsWith(QLatin1String("--")) ||
      !read.parse(arguments.mid(1), {"out", "header"}, {}, error) ||
      !read.require({"out"}, error)) {
    std::fprintf(stderr, "error: %s\n",
                 error.isEmpty() ? "decompile needs a file and --out FILE.rc"
                                 : error.toUtf8().constData());
    return 2;
  }
  QList<CompiledResource> resources;
  HeaderNames names;
  const QString header = read.value(QStringLiteral("header"));
  if (!readCompiled(arguments.front(), resources, error) ||
      (!header.isEmpty() && !readHeaderNames(header, names, error))) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 1;
  }
  const QFileInfo out(read.value(QStringLiteral("out")));
  const DecompiledScript script = decompileResources(
      resources, out.completeBaseName(), kSpellEveryByte, header.isEmpty() ? nullptr : &names);
  // The side files first: a script is never left naming files that are not there.
  for (const SideFile &side : script.sideFiles)
    if (!writeFileSafely(out.dir().filePath(side.name), side.data, &error)) {
      std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
      return 1;
    }
  if (!writeFileSafely(out.filePath(), script.text.toUtf8(), &error)) {
    std::fprintf(stderr, "error: %s\n", error.toUtf8().constData());
    return 1;
  }
  printSummary(QStringLiteral("%1 resources written").arg(resources.size()),
               {{"resources", resources.size()}});
  return 0;
}

} // namespace tarvelo::cli
