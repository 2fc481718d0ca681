// Loading the data files, on the demo data and on files of the real game's size.
#include "bench/generated_data.h"
#include "core/data/armour_tables.h"
#include "core/data/common.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"
#include "core/data/data_file_loading.h"
#include "core/data/data_file_path.h"

#include <benchmark/benchmark.h>

namespace {

using namespace trelkin;

const QString kDemoDirectory = QStringLiteral(TRELKIN_RUNTIME_DIR);

QString directoryOf(const benchmark::State& state) {
    return state.range(0) == 0 ? kDemoDirectory : bench::gameDataDirectory();
}

void BM_ReadScrambledFile(benchmark::State& state) {
    const QString path = dataFilePathIn(directoryOf(state), kGuardFileName);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadScrambledFile(path));
}
BENCHMARK(BM_ReadScrambledFile)->ArgName("game")->Arg(0)->Arg(1);

void BM_LoadPrepareData(benchmark::State& state) {
    const QString path = dataFilePathIn(directoryOf(state), kPrepareFileName);
    for (auto _ : state) {
        TPrepareDatas table;
        LoadPrepareData(path, table);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_LoadPrepareData)->ArgName("game")->Arg(0)->Arg(1);

void BM_LoadGuardData(benchmark::State& state) {
    const QString path = dataFilePathIn(directoryOf(state), kGuardFileName);
    for (auto _ : state) {
        ArmourTables tables;
        loadArmourTables(path, tables);
        benchmark::DoNotOptimize(tables.HeadDatas.data());
    }
}
BENCHMARK(BM_LoadGuardData)->ArgName("game")->Arg(0)->Arg(1);

void BM_LoadWeaponData(benchmark::State& state) {
    const QString path = dataFilePathIn(directoryOf(state), kWeaponFileName);
    for (auto _ : state) {
        weapon::TWeaponDatas table;
        weapon::LoadWeaponData(path, table);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_LoadWeaponData)->ArgName("game")->Arg(0)->Arg(1);

// The three files one after another, as start-up reads them.
void BM_LoadAllThreeFiles(benchmark::State& state) {
    const QString directory = directoryOf(state);
    for (auto _ : state) {
        DataTables tables;
        loadDataTables(directory, tables);
        benchmark::DoNotOptimize(tables.Weapons.data());
    }
}
BENCHMARK(BM_LoadAllThreeFiles)->ArgName("game")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The three files as start-up reads them: each on a thread of its own, taken in order.
void BM_LoadAsStartUpDoes(benchmark::State& state) {
    const QString directory = directoryOf(state);
    for (auto _ : state) {
        DataFileLoading loading(directory);
        DataTables tables;
        loading.takePrepare(tables);
        loading.takeArmour(tables);
        loading.takeWeapons(tables);
        benchmark::DoNotOptimize(tables.Weapons.data());
    }
}
BENCHMARK(BM_LoadAsStartUpDoes)->ArgName("game")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
