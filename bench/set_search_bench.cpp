// Compares the fast set search with the literal one on the same queries, and measures the fast one alone on
// larger generated data. Prints one table row per data set and query.
#include "bench/generated_data.h"
#include "core/setsearch/found_set_store.h"
#include "core/setsearch/set_block.h"
#include "core/setsearch/set_search.h"
#include "core/text/cp932.h"
#include "oracle/literal_set_search.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>

namespace trelkin::bench {
namespace {

using Clock = std::chrono::steady_clock;

// The literal search judges about a million sets a second; beyond this it is left out.
constexpr double kLiteralSetLimit = 5e7;

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
            passing += passesPieceFilters(piece, query) ? 1 : 0;
        product *= passing;
    }
    return product;
}

void run(const Case& c) {
    SetSearchMonitor monitor;
    FoundSetStore found;
    const double engine = seconds([&] {
        searchArmourSets(*c.tables, c.settings, monitor, [&](std::vector<FoundSet>&& batch) { found.append(batch); });
    });
    const double formed = setsFormed(*c.tables, c.settings);
    std::string literalTime = "-";
    std::string ratio = "-";
    std::string same = "-";
    if (formed <= kLiteralSetLimit) {
        std::string expected;
        const double literal = seconds([&] { expected = oracle::literalSetSearch(*c.tables, c.settings); });
        std::string text;
        for (std::size_t i = 0; i < found.size(); ++i)
            text += setBlockText(*c.tables, found[i]);
        same = text == expected ? "yes" : "NO";
        literalTime = std::to_string(literal);
        ratio = std::to_string(literal / engine);
    }
    const double bytesPerSet = found.size() == 0 ? 0 : double(found.bytesHeld()) / double(found.size());
    const double judged = double(monitor.SetsJudged.load());
    std::printf("| %s | %s | %.3g | %.3g | %zu | %s | %.4f | %s | %s | %.3g | %.3g | %.3g | %.1f |\n", c.data, c.query,
                formed, judged, found.size(), literalTime.c_str(), engine, ratio.c_str(), same.c_str(), formed / engine,
                judged / engine, double(found.size()) / engine, bytesPerSet);
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
    const ArmourTables& large = generatedArmour();
    const std::vector<Case> cases{
        {"demo", "three common skills, each 20", &demo, wishing({"採取UP", "回避性能UP", "耐暑+1"}, 20, 75)},
        {"demo", "three common skills", &demo, wishing({"採取UP", "回避性能UP", "耐暑+1"}, 15, 75)},
        {"demo", "one rare skill", &demo, wishing({"心眼UP【小】"}, 15, 75)},
        {"demo", "one common skill", &demo, wishing({"回避性能UP"}, 15, 75)},
        {"demo", "no skill, each 25, total 130", &demo, wishing({}, 25, 130)},
        {"demo", "no skill, each 15, total 75", &demo, wishing({}, 15, 75)},
        {"generated", "three common skills", &large, wishing({"採取UP", "回避性能UP", "耐暑+1"}, 15, 75)},
        {"generated", "one common skill, each 30", &large, wishing({"回避性能UP"}, 30, 75)},
        {"generated", "no skill, each 35, total 200", &large, wishing({}, 35, 200)},
    };
    std::printf(
        "| data | query | sets formed | sets judged | sets found | literal s | engine s | speed-up | same text |"
        " formed/s | judged/s | found/s | bytes/set |\n|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Case& c : cases)
        run(c);
    return 0;
}
