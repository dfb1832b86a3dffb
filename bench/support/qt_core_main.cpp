// The entry point of the benchmarks that need Qt's application object (the memory
// library is found beside the program, services and dictionaries through Qt).
#include <QCoreApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
