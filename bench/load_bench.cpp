#include "core/data/common.h"
#include "core/data/common_prepare.h"
#include "core/data/data_file_path.h"

#include <benchmark/benchmark.h>

namespace {

const QString kDataDirectory = QStringLiteral(TRELKIN_RUNTIME_DIR);

void BM_ReadScrambledFile(benchmark::State& state) {
    const QString path = trelkin::dataFilePathIn(kDataDirectory, trelkin::kPrepareFileName);
    for (auto _ : state)
        benchmark::DoNotOptimize(trelkin::ReadScrambledFile(path));
}
BENCHMARK(BM_ReadScrambledFile);

void BM_LoadPrepareData(benchmark::State& state) {
    const QString path = trelkin::dataFilePathIn(kDataDirectory, trelkin::kPrepareFileName);
    for (auto _ : state) {
        trelkin::TPrepareDatas table;
        trelkin::LoadPrepareData(path, table);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_LoadPrepareData);

} // namespace
