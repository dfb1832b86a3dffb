// Reading the resources of a large program (50 MB, 20,000 strings, 600 dialogs) and
// writing its language DLL, as a translator's task does.
#include "compiled/compiled_source.h"
#include "compiled/decompiler.h"
#include "compiled/dialog_template.h"
#include "compiled/language_dll.h"
#include "compiled/pe_resources.h"
#include "compiled/program_copy.h"
#include "compiled/string_block.h"
#include "compiled/translated_resources.h"
#include "script/entry_list.h"
#include "script/resource_script.h"
#include "script/task.h"
#include "script/write_context.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/silent_prompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

constexpr int kStrings = 20000;
constexpr int kDialogs = 600;
constexpr qsizetype kProgramSize = 50 << 20;

CompiledResource resource(quint16 type, quint16 name, QByteArray data) {
  CompiledResource r;
  r.type = ResourceId::fromNumber(type);
  r.name = ResourceId::fromNumber(name);
  r.language = 0x0409;
  r.data = std::move(data);
  return r;
}

QByteArray dialog(int number) {
  CompiledDialog d;
  d.extended = true;
  d.style = 0x80C80048;
  d.width = 300;
  d.height = 200;
  d.caption = QStringLiteral("Dialog number %1").arg(number);
  d.pointSize = 8;
  d.weight = 400;
  d.charset = 1;
  d.face = QStringLiteral("MS Shell Dlg");
  for (int i = 0; i < 12; ++i) {
    CompiledControl c;
    c.style = 0x50010000;
    c.id = quint32(1000 + i);
    c.x = qint16(7);
    c.y = qint16(7 + 14 * i);
    c.width = 120;
    c.height = 10;
    c.className = TemplateName::fromNumber(i % 2 ? 0x80 : 0x82);
    c.title =
        TemplateName::fromText(QStringLiteral("Control text %1 of dialog %2").arg(i).arg(number));
    d.controls << c;
  }
  return writeDialogTemplate(d);
}

// The program's resources: string blocks, dialogs, and one large block of data for the
// rest of its 50 MB.
QList<CompiledResource> programResources() {
  QList<CompiledResource> resources;
  for (int block = 0; block < kStrings / kStringsPerBlock; ++block) {
    QStringList strings;
    for (int i = 0; i < kStringsPerBlock; ++i)
      strings << QStringLiteral("String %1 of the program, with some words").arg(block * 16 + i);
    resources << resource(6, quint16(block + 1), writeStringBlock(strings));
  }
  for (int i = 0; i < kDialogs; ++i)
    resources << resource(5, quint16(100 + i), dialog(i));
  qsizetype size = 0;
  for (const CompiledResource &r : resources)
    size += r.data.size();
  resources << resource(10, 1, QByteArray(kProgramSize - size, '\x5a'));
  return resources;
}

const QByteArray &program() {
  static const QByteArray bytes = writeLanguageDll(programResources(), true);
  return bytes;
}

// The program opened as a task's source, from its file to the task's items.
void readProgram(benchmark::State &state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("program.dll"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(program()) != program().size())
    state.SkipWithError("not written");
  file.close();
  qsizetype items = 0;
  for (auto _ : state) {
    EntryList entries;
    TaskChain tasks;
    bench::SilentPrompter prompter;
    NullProgress progress;
    MemorySettings settings;
    Task *task = tasks.append();
    ResourceScript script({&entries, &tasks, &prompter, &progress, &settings});
    if (!script.openSource(path) || script.read(true, 0x0409, task) != ScriptResult::Ok)
      state.SkipWithError("not read");
    items = entries.size();
  }
  state.counters["items"] = double(items);
  state.counters["MB"] = double(program().size()) / (1 << 20);
}

// The translated resources made and written as a language DLL.
void writeDll(benchmark::State &state) {
  QList<CompiledResource> resources;
  QString error;
  readCompiledResources(program(), resources, error);
  EntryList entries;
  TaskChain tasks;
  bench::SilentPrompter prompter;
  NullProgress progress;
  MemorySettings settings;
  Task *task = tasks.append();
  ResourceScript script({&entries, &tasks, &prompter, &progress, &settings});
  script.openData(decompileResources(resources, QStringLiteral("program")).text.toUtf8());
  script.read(true, 0x0409, task);
  for (const auto &entry : entries)
    entry->targetText = entry->sourceText + QStringLiteral(" (de)");
  WriteContext context;
  context.task = task;
  qsizetype size = 0;
  for (auto _ : state) {
    const QByteArray dll = writeLanguageDll(
        translatedResources(resources, 0x0409, entries, task, 0x0407, context), true);
    size = dll.size();
    benchmark::DoNotOptimize(dll.constData());
  }
  state.counters["MB"] = double(size) / (1 << 20);
}

// The program written again with its German resources added (the translation made once:
// writeDll measures that).
void writeCopy(benchmark::State &state) {
  QList<CompiledResource> resources;
  QString error;
  readCompiledResources(program(), resources, error);
  QList<CompiledResource> german = resources;
  for (CompiledResource &resource : german)
    resource.language = 0x0407;
  qsizetype size = 0;
  for (auto _ : state) {
    const ProgramCopy copy = writeProgramCopy(program(), german);
    if (!copy.report.ok())
      state.SkipWithError("not written");
    size = copy.image.size();
    benchmark::DoNotOptimize(copy.image.constData());
  }
  state.counters["MB"] = double(size) / (1 << 20);
}

BENCHMARK(readProgram)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(writeDll)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(writeCopy)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
