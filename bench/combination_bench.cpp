#include "bench/generated_data.h"
#include "data/common_prepare.h"
#include "data/data_file_path.h"
#include "views/combination/material_pairs.h"
#include "views/combination/recipe_tree.h"

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

// Opening the whole recipe tree, as "すべて開く" does.
void BM_OpenWholeRecipeTree(benchmark::State& state, const TPrepareDatas& (*recipes)()) {
    const TPrepareDatas& table = recipes();
    size_t nodes = 0;
    for (auto _ : state) {
        const auto tree = BuildRecipeTree(table);
        nodes = 0;
        tree->visitDepthFirst([&](PrepareTree::NodeId, int) { ++nodes; });
    }
    state.counters["nodes"] = double(nodes);
}
BENCHMARK_CAPTURE(BM_OpenWholeRecipeTree, demo, demoRecipes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWholeRecipeTree, generated2000, generatedRecipes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trelkin::bench
