#include <QCoreApplication>
#include <benchmark/benchmark.h>

// The benchmarks read data files and text codecs, which want an application object.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
