#include "bench/generated_data.h"
#include "core/combination/material_pairs.h"
#include "core/combination/recipe_tree.h"
#include "core/combination/recipe_tree_opening.h"
#include "core/data/common_prepare.h"
#include "core/data/data_file_path.h"

#include <benchmark/benchmark.h>

namespace trelkin::bench {
namespace {

// The start-up work of the combination page: list 1 and the sorted top level of the recipe tree.
void BM_CombinationStartup(benchmark::State& state, const TPrepareDatas& (*recipes)()) {
    const TPrepareDatas& table = recipes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FillMaterialList(table));
        benchmark::DoNotOptimize(BuildRecipeTree(table));
    }
    state.counters["recipes"] = double(table.size());
}
BENCHMARK_CAPTURE(BM_CombinationStartup, demo, demoRecipes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CombinationStartup, generated2000, generatedRecipes)->Unit(benchmark::kMillisecond);

// Opening the whole recipe tree, as "すべて開く" does, and listing the rows it shows.
void BM_OpenWholeRecipeTree(benchmark::State& state, const TPrepareDatas& (*recipes)()) {
    const TPrepareDatas& table = recipes();
    size_t rows = 0;
    for (auto _ : state) {
        const auto tree = BuildRecipeTree(table);
        rows = shownRows(*tree, openRecipeTree(*tree)).size();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK_CAPTURE(BM_OpenWholeRecipeTree, demo, demoRecipes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWholeRecipeTree, generated2000, generatedRecipes)->Unit(benchmark::kMillisecond);

std::string chainMaterial(int level) {
    // Inserting the prefix rather than "m" + … keeps GCC 12's -Wrestrict false positive away.
    std::string name = std::to_string(level);
    name.insert(0, 1, 'm');
    return name;
}

// m0 = m1 + raw, m1 = m2 + raw, …: a chain as deep as the table is long.
const TPrepareDatas& deepChain() {
    static const TPrepareDatas recipes = [] {
        constexpr int kLength = 100000;
        TPrepareDatas chain;
        for (int level = 0; level < kLength; ++level)
            chain.push_back(
                TPrepareData{level, "", chainMaterial(level), chainMaterial(level + 1), "raw", 90, true, "1"});
        return chain;
    }();
    return recipes;
}

// Showing the head of the chain in the detail box: its derivation tree, opened as far as the limits allow.
void BM_ShowDeepChainDerivation(benchmark::State& state) {
    size_t rows = 0;
    for (auto _ : state) {
        const auto tree = buildDerivationTree(deepChain(), {0});
        rows = shownRows(*tree, openRecipeTree(*tree)).size();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_ShowDeepChainDerivation)->Unit(benchmark::kMillisecond);

// Opening every recipe of the chain at once: the row limit stops it.
void BM_OpenDeepChainRecipeTree(benchmark::State& state) {
    size_t rows = 0;
    for (auto _ : state) {
        const auto tree = BuildRecipeTree(deepChain());
        rows = shownRows(*tree, openRecipeTree(*tree)).size();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_OpenDeepChainRecipeTree)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trelkin::bench
