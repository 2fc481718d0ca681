// What the set search page costs on screen: the memo scrolled to a block anywhere in a result of the real game's
// size and painted.
#include "bench/generated_data.h"
#include "core/setsearch/ordered_result.h"
#include "core/setsearch/set_row.h"
#include "core/setsearch/set_search_run.h"
#include "core/text/cp932.h"
#include "gui/setsearch/set_result_source.h"
#include "gui/setsearch/set_result_table_source.h"
#include "gui/setsearch/set_search_page.h"
#include "gui/widgets/block_text_view.h"
#include "gui/widgets/dialogs.h"
#include "gui/widgets/row_table_view.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>

namespace {

using namespace trelkin;

std::shared_ptr<const SetSearchResult> searchedOnGameData(const SetSearchQuery& query) {
    SetSearchRun run(bench::gameArmour(), query);
    run.wait();
    return run.result();
}

// The page's start values on the game-scale data: about 67 billion sets.
std::shared_ptr<const SetSearchResult> startValueResult() {
    static const std::shared_ptr<const SetSearchResult> result = searchedOnGameData(SetSearchQuery{});
    return result;
}

// One common wish at the page's start values: about a million sets.
std::shared_ptr<const SetSearchResult> oneWishResult() {
    static const std::shared_ptr<const SetSearchResult> result = [] {
        SetSearchQuery query;
        query.WantedSkills[0] = toCp932(QStringLiteral("攻撃力+1"));
        return searchedOnGameData(query);
    }();
    return result;
}

std::shared_ptr<const SetSearchResult> resultOf(std::int64_t which) {
    return which == 0 ? oneWishResult() : startValueResult();
}

// The table as the page shows it at the window's smallest size.
constexpr QSize kTableSize(290, 260);

ResultInOrder ordered(std::shared_ptr<const SetSearchResult> result, SetOrder order) {
    if (order.key == SetOrderKey::Loop)
        return {result, nullptr, order.reversed};
    return {result, std::make_shared<const OrderedResult>(result, order.key), order.reversed};
}

// The memo at the window's smallest size, scrolled to a fraction (per mille) of the bar and painted.
void BM_ScrollAndPaintTheMemo(benchmark::State& state) {
    ui::BlockTextView view;
    view.resize(300, 200);
    view.setSource(std::make_shared<SetResultSource>(ResultInOrder{startValueResult(), nullptr, false}));
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

// Any screen of the result table in any order, painted: the result (0: one wish, 1: the start values), the order
// (its key, reversed from 10 on), and where the screen lies (per mille of the rows).
void BM_PaintATableScreen(benchmark::State& state) {
    const std::shared_ptr<const SetSearchResult> result = resultOf(state.range(0));
    const SetOrder order{SetOrderKey(state.range(1) % 10), state.range(1) >= 10};
    const ResultInOrder shown = ordered(result, order);
    ui::RowTableView table(setTableColumns());
    table.resize(kTableSize);
    const std::uint64_t rows = shown.ordered ? shown.ordered->size() : result->size();
    const std::uint64_t target = std::uint64_t(double(rows - 1) * double(state.range(2)) / 1000.0);
    for (auto _ : state) {
        table.setSource(std::make_shared<SetResultTableSource>(shown)); // a fresh source reads every row anew
        table.setRowCount(rows);
        table.setCurrentRow(target);
        benchmark::DoNotOptimize(table.grab());
    }
}
BENCHMARK(BM_PaintATableScreen)
    ->ArgNames({"start", "order", "permille"})
    ->ArgsProduct({{0, 1}, {0, 1, 6, 10, 11, 16}, {0, 500, 1000}})
    ->Unit(benchmark::kMillisecond);

// Switching the order of a whole result until its first screen is painted: the order worked out anew, then shown.
void BM_SwitchOrderToFirstScreen(benchmark::State& state) {
    const std::shared_ptr<const SetSearchResult> result = resultOf(state.range(0));
    const SetOrderKey key = SetOrderKey(state.range(1));
    ui::RowTableView table(setTableColumns());
    table.resize(kTableSize);
    for (auto _ : state) {
        const ResultInOrder shown = ordered(result, {key, false});
        table.setSource(std::make_shared<SetResultTableSource>(shown));
        table.setRowCount(shown.ordered->size());
        benchmark::DoNotOptimize(table.grab());
    }
}
BENCHMARK(BM_SwitchOrderToFirstScreen)
    ->ArgNames({"start", "order"})
    ->ArgsProduct({{0, 1}, {1, 2, 6}})
    ->Unit(benchmark::kMillisecond);

// A search that bounds cannot shorten: 250 pieces a slot with points in three systems, and wishes that most sets
// meet, so that the counts have many distinct sums to work through.
ArmourTables slowSearchTables() {
    constexpr int kPieces = 250;
    constexpr int kSpread = 6;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> points(-kSpread, kSpread);
    ArmourTables tables;
    const std::array<std::string, 3> systems{"a", "b", "c"};
    for (const std::string& system : systems)
        tables.SkillDatas.push_back({system, "wide " + system, -20, 20, ""});
    int number = 0;
    for (guard::TEquipmentDatas* slot :
         {&tables.HeadDatas, &tables.BodyDatas, &tables.ArmDatas, &tables.WaistDatas, &tables.LegDatas}) {
        for (int i = 0; i < kPieces; ++i) {
            guard::TEquipmentData piece;
            piece.Name = "piece" + std::to_string(number++);
            piece.Def = 15 + i % 40;
            piece.Male = piece.Female = piece.Swordsman = piece.Gunner = true;
            for (const std::string& system : systems)
                piece.Skills.push_back({points(random), system});
            slot->push_back(piece);
        }
    }
    return tables;
}

// How long the window's thread goes without handling events while the page runs a long search: a timer asks for
// a tick every few milliseconds and the longest gap between ticks is printed, with the time from a stop to the
// search's end.
void probeTheWindowDuringASlowSearch() {
    constexpr int kTickMs = 5;
    constexpr int kProbeMs = 3000;
    const ArmourTables tables = slowSearchTables();
    SetSearchPage page;
    page.fillSkillSelectors(tables);
    page.show();
    const std::array<const char*, 3> selectors{"ComboBox1", "ComboBox2", "ComboBox3"};
    for (std::size_t i = 0; i < selectors.size(); ++i)
        page.findChild<QComboBox*>(QString::fromLatin1(selectors[i]))->setCurrentIndex(int(i) + 1);
    page.findChild<QPushButton*>(QStringLiteral("Button1"))->click();

    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
        ++ticks;
    });
    ticker.start(kTickMs);
    while (page.isSearching() && clock.elapsed() < kProbeMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kTickMs);
    const bool stillSearching = page.isSearching();
    QElapsedTimer stop;
    stop.start();
    page.stopSearch();
    std::printf("slow search: %s after %lld ms with %llu blocks; longest gap between %d ms ticks %lld ms over %d "
                "ticks; stop took %.2f ms\n",
                stillSearching ? "still running" : "ended", static_cast<long long>(clock.elapsed()),
                static_cast<unsigned long long>(page.foundCount()), kTickMs, static_cast<long long>(longest), ticks,
                double(stop.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    // The page's completion box would wait for a click.
    ui::setDialogs({.information = [](QWidget*, const QString&, const QString&) {},
                    .confirmation = [](QWidget*, const QString&, const QString&) { return false; }});
    probeTheWindowDuringASlowSearch();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
