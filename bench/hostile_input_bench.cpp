// Input built to make the program work without end, each under the time bound it must
// keep: XLIFF and TMX whose element carries 100,000 attributes or nests 100,000 deep,
// a .vcxproj of entity references, a folder search down a tree 1,500 folders deep
// with a link back to its top, and a script line of 100 MB written out. A run over its bound, or
// one that accepts the input, fails the benchmark.

#include "exchange/import_records.h"
#include "exchange/tmx_file.h"
#include "exchange/xliff_file.h"
#include "project/script_search.h"
#include "project/visual_cpp_files.h"
#include "script/script_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

constexpr qint64 kBoundMs = 1000;

QByteArray attributeFlood(const char *element, int attributes) {
  QByteArray out = "<?xml version=\"1.0\"?>\n<" + QByteArray(element);
  for (int i = 0; i < attributes; ++i)
    out += " a" + QByteArray::number(i) + "=\"x\"";
  return out + "/>\n";
}

QByteArray deepNest(const char *root, int depth) {
  return "<?xml version=\"1.0\"?>\n<" + QByteArray(root) + ">" + QByteArray("<g>").repeated(depth) +
         QByteArray("</g>").repeated(depth) + "</" + root + ">\n";
}

// Runs the reader on the document: it must refuse it, and within the bound.
template <typename Reader> void refusedInTime(benchmark::State &state, Reader read) {
  QElapsedTimer slowest;
  qint64 worst = 0;
  for (auto _ : state) {
    slowest.start();
    QString error;
    const bool accepted = read(error);
    worst = std::max(worst, slowest.elapsed());
    if (accepted || error.isEmpty())
      state.SkipWithError("the hostile document was accepted");
  }
  state.counters["worstMs"] = double(worst);
  if (worst > kBoundMs)
    state.SkipWithError("a hostile document took longer than its bound of a second");
}

QByteArray xliffAttributes(int count) {
  return attributeFlood("xliff", count);
}
QByteArray xliffNesting(int depth) {
  return deepNest("xliff", depth);
}
QByteArray tmxAttributes(int count) {
  return attributeFlood("tmx", count);
}

void xliffRefused(benchmark::State &state, QByteArray (*make)(int)) {
  const QByteArray document = make(int(state.range(0)));
  refusedInTime(state, [&](QString &error) {
    std::vector<ImportRecord> records;
    return readXliff(document, records, error);
  });
}
BENCHMARK_CAPTURE(xliffRefused, attributeFlood, xliffAttributes)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(xliffRefused, deepNesting, xliffNesting)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void tmxRefused(benchmark::State &state, QByteArray (*make)(int)) {
  const QByteArray document = make(int(state.range(0)));
  refusedInTime(state, [&](QString &error) {
    return readTmx(
        document, 1033, 1031, [](const MemoryUnit &) { return true; }, error);
  });
}
BENCHMARK_CAPTURE(tmxRefused, attributeFlood, tmxAttributes)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// A tree 1,500 folders deep whose bottom links back to its top: each folder is entered
// once, and resolving the links alone keeps the search linear in the depth.
void deepFolderSearch(benchmark::State &state) {
  QTemporaryDir root;
  const int depth = int(state.range(0));
  QString folder = root.path();
  for (int i = 0; i < depth; ++i)
    folder += QStringLiteral("/d");
  if (!QDir().mkpath(folder) ||
      !QFile(folder + QStringLiteral("/deep.rc")).open(QIODevice::WriteOnly) ||
      !QFile::link(root.path(), folder + QStringLiteral("/up"))) {
    state.SkipWithError("the deep tree cannot be made");
    return;
  }
  QElapsedTimer timer;
  qint64 worst = 0;
  for (auto _ : state) {
    timer.start();
    SearchRequest request;
    request.start = root.path();
    const std::atomic_bool stop{false};
    const int found = searchScripts(request, stop, [](const QString &) {});
    worst = std::max(worst, timer.elapsed());
    if (found != 1)
      state.SkipWithError("the script at the bottom was not found exactly once");
  }
  state.counters["worstMs"] = double(worst);
  if (worst > 5 * kBoundMs)
    state.SkipWithError("the deep folder search took longer than its bound of five seconds");
}
BENCHMARK(deepFolderSearch)->Arg(1500)->Unit(benchmark::kMillisecond)->Iterations(3);

// A script whose one string is 100 MB long, written in an ANSI code page: the writer
// encodes it in pieces, each cut at a line end found within the piece, so the time
// stays linear in the length.
void longLineWritten(benchmark::State &state) {
  const QString line = QStringLiteral("1 \"") + QString(100 << 20, u'x') + QStringLiteral("\"");
  QElapsedTimer timer;
  qint64 worst = 0;
  for (auto _ : state) {
    timer.start();
    ScriptFile out;
    out.create(ScriptFile::Ansi);
    out.writeText(line, 1252);
    worst = std::max(worst, timer.elapsed());
    if (out.size() != line.size())
      state.SkipWithError("the long line was not written whole");
  }
  state.counters["worstMs"] = double(worst);
  if (worst > 5 * kBoundMs)
    state.SkipWithError("writing the long line took longer than its bound of five seconds");
}
BENCHMARK(longLineWritten)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
