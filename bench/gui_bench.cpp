// What the set search page costs on screen: the memo scrolled to a block anywhere in a result of the real game's
// size and painted.
#include "bench/generated_data.h"
#include "core/setsearch/set_search_run.h"
#include "gui/setsearch/set_result_source.h"
#include "gui/widgets/block_text_view.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

using namespace trelkin;

// The page's start values on the game-scale data: about 67 billion blocks.
std::shared_ptr<const SetSearchResult> startValueResult() {
    static const std::shared_ptr<const SetSearchResult> result = [] {
        SetSearchRun run(bench::gameArmour(), SetSearchQuery{});
        run.wait();
        return run.result();
    }();
    return result;
}

// The memo at the window's smallest size, scrolled to a fraction (per mille) of the bar and painted.
void BM_ScrollAndPaintTheMemo(benchmark::State& state) {
    ui::BlockTextView view;
    view.resize(300, 200);
    view.setSource(std::make_shared<SetResultSource>(startValueResult()));
    view.setBlockCount(startValueResult()->size());
    QScrollBar* bar = view.verticalScrollBar();
    const int target = int(double(bar->maximum()) * double(state.range(0)) / 1000.0);
    for (auto _ : state) {
        bar->setValue(target == 0 ? 1 : 0);
        bar->setValue(target);
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_ScrollAndPaintTheMemo)->Arg(0)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
