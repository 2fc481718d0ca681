// The set search on the demo data and on data of the real game's size: the time to count every set, the time to
// find one block's text anywhere in the result, how soon a stop takes effect, and, where the literal search can
// finish, whether every block is the same. Prints one table row per data set and query.
#include "bench/generated_data.h"
#include "core/setsearch/extra_skills.h"
#include "core/setsearch/piece_counts.h"
#include "core/setsearch/set_block.h"
#include "core/setsearch/set_result_reader.h"
#include "core/setsearch/set_search_run.h"
#include "core/text/cp932.h"
#include "oracle/literal_set_search.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

namespace trelkin::bench {
namespace {

using Clock = std::chrono::steady_clock;

// The literal search judges about a million sets a second; beyond this it is left out.
constexpr double kLiteralSetLimit = 5e7;
constexpr unsigned kThreads = 2;
constexpr int kSeeks = 50;
constexpr auto kStopAfter = std::chrono::milliseconds(2);

struct Case {
    const char* data;
    const char* query;
    const ArmourTables* tables;
    SetSearchQuery settings;
};

double seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double setsFormed(const ArmourTables& tables, const SetSearchQuery& query) {
    double product = 1;
    for (const ArmourSlot slot : kArmourSlots) {
        double passing = 0;
        for (const guard::TEquipmentData& piece : tables.slotTable(slot))
            passing += passesPieceFilters(piece, slot, query) ? 1 : 0;
        product *= passing;
    }
    return product;
}

std::string resultText(const SetSearchResult& result) {
    std::string text;
    SetResultReader reader(result);
    writeBlockTexts(reader, 0, result.size(), [&](const std::string& block) { text += block; });
    return text;
}

// Microseconds to find a block's text when the block before was far away.
double microsecondsPerBlock(const SetSearchResult& result, std::uint64_t block) {
    if (result.size() == 0)
        return 0;
    const std::uint64_t elsewhere = block == 0 ? result.size() - 1 : 0;
    SetResultReader reader(result);
    double total = 0;
    for (int i = 0; i < kSeeks; ++i) {
        reader.at(elsewhere);
        total += seconds([&] { setBlockText(result.tables(), reader.at(block), false); });
    }
    return total / kSeeks * 1e6;
}

// Milliseconds from a stop to the end of the threads, for a search stopped soon after it started.
std::string stopMilliseconds(const Case& c) {
    SetSearchRun run(*c.tables, c.settings, kThreads);
    std::this_thread::sleep_for(kStopAfter);
    if (run.isDone())
        return "ended first";
    const double stop = seconds([&] {
        run.stop();
        run.wait();
    });
    return std::to_string(stop * 1e3);
}

void run(const Case& c) {
    SetSearchRun search(*c.tables, c.settings, kThreads);
    const double engine = seconds([&] { search.wait(); });
    const std::shared_ptr<const SetSearchResult> result = search.result();
    const double formed = setsFormed(*c.tables, c.settings);
    std::string literalTime = "-";
    std::string same = "-";
    if (formed <= kLiteralSetLimit) {
        std::string expected;
        literalTime = std::to_string(seconds([&] { expected = oracle::literalSetSearch(*c.tables, c.settings); }));
        same = resultText(*result) == expected ? "yes" : "NO";
    }
    const std::uint64_t found = result->size();
    std::printf("| %s | %s | %.3g | %llu | %.4f | %s | %s | %.1f | %.1f | %.1f | %s | %zu |\n", c.data, c.query, formed,
                static_cast<unsigned long long>(found), engine, literalTime.c_str(), same.c_str(),
                microsecondsPerBlock(*result, 0), microsecondsPerBlock(*result, found / 2),
                microsecondsPerBlock(*result, found == 0 ? 0 : found - 1), stopMilliseconds(c).c_str(),
                result->itemCount() * (sizeof(std::uint64_t) + 1));
}

// What a player does next with a result: leave the first set's head out and search again, ask for the skills that
// could still be added, and for the sets each piece is in.
void runFollowUps(const Case& c) {
    SetSearchRun search(*c.tables, c.settings, kThreads);
    search.wait();
    const std::shared_ptr<const SetSearchResult> result = search.result();
    std::string withoutHead = "-";
    if (result->size() > 0) {
        SetSearchQuery narrowed = c.settings;
        const std::uint32_t head = SetResultReader(*result).at(0).Pieces[0];
        narrowed.Excluded[0].push_back(c.tables->HeadDatas[head].Name);
        withoutHead = std::to_string(seconds([&] {
            SetSearchRun again(*c.tables, narrowed, kThreads);
            again.wait();
        }));
    }
    SetSearchControl control;
    std::size_t extraCount = 0;
    const double extra =
        seconds([&] { extraCount = countExtraSkills(*c.tables, c.settings, control, kThreads).size(); });
    const double pieces = seconds([&] { countPieces(result); });
    std::printf("| %s | %s | %s | %.4f (%zu skills) | %.4f |\n", c.data, c.query, withoutHead.c_str(), extra,
                extraCount, pieces);
}

SetSearchQuery wishing(std::initializer_list<const char*> skills, std::int32_t minEach, std::int32_t minTotal) {
    SetSearchQuery query;
    size_t i = 0;
    for (const char* skill : skills)
        query.WantedSkills[i++] = toCp932(QString::fromUtf8(skill));
    query.MinEachDef = minEach;
    query.MinTotalDef = minTotal;
    return query;
}

} // namespace
} // namespace trelkin::bench

int main(int argc, char** argv) {
    using namespace trelkin;
    using namespace trelkin::bench;
    QCoreApplication application(argc, argv);
    const ArmourTables& demo = demoArmour();
    const ArmourTables& game = gameArmour();
    const ArmourTables& diverse = diverseArmour();
    const std::vector<Case> cases{
        {"demo", "three common skills, each 20", &demo, wishing({"採取UP", "回避性能UP", "耐暑+1"}, 20, 75)},
        {"demo", "one rare skill", &demo, wishing({"心眼UP【小】"}, 15, 75)},
        {"demo", "one common skill", &demo, wishing({"回避性能UP"}, 15, 75)},
        {"demo", "no skill, each 25, total 130", &demo, wishing({}, 25, 130)},
        {"demo", "start values (no skill, each 15, total 75)", &demo, wishing({}, 15, 75)},
        {"game", "start values (no skill, each 15, total 75)", &game, wishing({}, 15, 75)},
        {"game", "one common skill", &game, wishing({"回避性能UP"}, 15, 75)},
        {"game", "three common skills", &game, wishing({"採取UP", "回避性能UP", "耐暑+1"}, 15, 75)},
        {"game", "no skill, no limits", &game, wishing({}, 0, 0)},
        {"diverse", "three wishes of three systems, no limits", &diverse,
         wishing({"攻撃力+1", "防御力UP【小】", "体力UP"}, 0, 0)},
        {"diverse", "three wishes of three systems, each 15, total 75", &diverse,
         wishing({"攻撃力+1", "防御力UP【小】", "体力UP"}, 15, 75)},
        {"diverse", "one wish", &diverse, wishing({"攻撃力+1"}, 15, 75)},
    };
    std::printf("| data | query | sets formed | sets found | count s | literal s | same text | first block us |"
                " middle block us | last block us | stop ms | result bytes |\n"
                "|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Case& c : cases)
        run(c);
    std::printf("\n| data | query | search without the first set's head s | extra skills s | piece counts s |\n"
                "|---|---|---|---|---|\n");
    for (const Case& c : cases)
        runFollowUps(c);
    return 0;
}
