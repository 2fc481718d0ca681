#include "core/setsearch/set_block.h"
#include "core/setsearch/set_cursor.h"
#include "core/setsearch/set_result_reader.h"
#include "core/setsearch/set_search.h"
#include "core/setsearch/set_search_run.h"
#include "oracle/literal_set_search.h"
#include "support/random_armour.h"
#include "support/scrambled_fixture.h"

#include <chrono>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <thread>

namespace trelkin {
namespace {

using testing::RandomArmour;
using testing::sjis;

// The limits as they are, and so small that the waists are walked instead of indexed and the heads alone are the
// work items.
const std::array<SearchLimits, 2> kBothWays{SearchLimits{}, SearchLimits{0, 0}};

std::unique_ptr<SetSearchResult> searched(const ArmourTables& tables, const SetSearchQuery& query, unsigned threads,
                                          const SearchLimits& limits = {}) {
    auto result = std::make_unique<SetSearchResult>(std::make_shared<const SearchSpace>(tables, query, limits));
    SetSearchControl control;
    EXPECT_EQ(searchArmourSets(*result, control, threads), SetSearchEnd::Finished);
    return result;
}

// Every block of a result, read in order with one reader.
std::string resultText(const SetSearchResult& result) {
    std::string text;
    SetResultReader reader(result);
    writeBlockTexts(reader, 0, result.size(), [&](const std::string& block) { text += block; });
    return text;
}

std::string engineText(const ArmourTables& tables, const SetSearchQuery& query, unsigned threads) {
    return resultText(*searched(tables, query, threads));
}

// The blocks of a literal search's text, each with its separator line.
std::vector<std::string> literalBlocks(const ArmourTables& tables, const SetSearchQuery& query) {
    const std::string text = oracle::literalSetSearch(tables, query);
    const std::string separator(26, '-');
    std::vector<std::string> blocks;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator + "\n"); end != std::string::npos;
         end = text.find(separator + "\n", start)) {
        blocks.push_back(text.substr(start, end + separator.size() + 1 - start));
        start = end + separator.size() + 1;
    }
    return blocks;
}

// Block k of the result, by random access and by a cursor that starts there, against the literal k-th block.
void expectRandomAccessMatches(const SetSearchResult& result, const std::vector<std::string>& blocks,
                               std::mt19937& random, const std::string& context) {
    ASSERT_EQ(result.size(), blocks.size()) << context;
    if (blocks.empty())
        return;
    constexpr int kProbes = 4;
    constexpr int kSteps = 3;
    std::uniform_int_distribution<std::size_t> pick(0, blocks.size() - 1);
    for (int probe = 0; probe < kProbes; ++probe) {
        const std::size_t k = probe == 0 ? blocks.size() - 1 : pick(random);
        SetResultReader reader(result);
        ASSERT_EQ(setBlockText(result.tables(), reader.at(k), result.torsoUp()), blocks[k])
            << context << ", block " << k;
        SetCursor cursor(result, k);
        for (std::size_t step = k; step < blocks.size() && step < k + kSteps; ++step, cursor.next())
            ASSERT_EQ(setBlockText(result.tables(), cursor.set(), result.torsoUp()), blocks[step])
                << context << ", block " << step;
    }
}

TEST(SetSearchTest, FindsExactlyWhatTheLiteralSearchWrites) {
    constexpr unsigned kCases = 3000;
    for (unsigned seed = 0; seed < kCases; ++seed) {
        RandomArmour random(seed);
        const ArmourTables tables = random.tables();
        const SetSearchQuery query = random.query(tables);
        const std::string expected = oracle::literalSetSearch(tables, query);
        ASSERT_EQ(engineText(tables, query, 1), expected) << "seed " << seed;
        ASSERT_EQ(engineText(tables, query, 2), expected) << "seed " << seed;
    }
}

TEST(SetSearchTest, FindsEveryBlockAtRandomAsTheLiteralSearchWritesIt) {
    constexpr unsigned kCases = 1500;
    std::mt19937 probes(1);
    for (unsigned seed = 0; seed < kCases; ++seed) {
        RandomArmour random(seed);
        const ArmourTables tables = random.tables();
        const SetSearchQuery query = random.query(tables);
        const std::vector<std::string> blocks = literalBlocks(tables, query);
        for (const unsigned threads : {1u, 2u})
            for (const SearchLimits& limits : kBothWays)
                expectRandomAccessMatches(*searched(tables, query, threads, limits), blocks, probes,
                                          "seed " + std::to_string(seed) + ", threads " + std::to_string(threads) +
                                              ", pairs indexed up to " + std::to_string(limits.maxIndexedPairs));
    }
}

guard::TEquipmentData piece(const char* name, int def, std::vector<guard::TEquipmentSkillData> skills) {
    guard::TEquipmentData piece;
    piece.Name = name;
    piece.Def = def;
    piece.Male = piece.Female = piece.Swordsman = piece.Gunner = true;
    piece.Skills = std::move(skills);
    return piece;
}

ArmourTables oneSetOfEachSlot() {
    ArmourTables tables;
    tables.SkillDatas = {{"atk", "Attack Up", 10, 100, ""}, {"atk", "Attack Up+", 8, 100, ""}};
    tables.HeadDatas = {piece("H", 15, {{6, "atk"}})};
    tables.BodyDatas = {piece("B", 15, {{4, "ATK"}})};
    tables.ArmDatas = {piece("A", 15, {})};
    tables.WaistDatas = {piece("W", 15, {})};
    tables.LegDatas = {piece("L", 15, {})};
    return tables;
}

TEST(SetSearchTest, WritesTheBlockWithTheLimitsInclusive) {
    const ArmourTables tables = oneSetOfEachSlot();
    SetSearchQuery query;
    query.WantedSkills = {"Attack Up", "", "Attack Up"};
    EXPECT_EQ(engineText(tables, query, 2), sjis("【防具一覧】\n頭 ： H\n胴 ： B\n腕 ： A\n腰 ： W\n脚 ： L\n"
                                                 "【総防御力】\n75\n【発動スキル】\nAttack Up\nAttack Up+\n\n"
                                                 "--------------------------\n"));
    query.MinTotalDef = 76;
    EXPECT_EQ(engineText(tables, query, 1), "");
}

TEST(SetSearchTest, ACancelledSearchStopsAndSaysSo) {
    const ArmourTables tables = oneSetOfEachSlot();
    SetSearchResult result(std::make_shared<const SearchSpace>(tables, SetSearchQuery{}));
    SetSearchControl control;
    control.requestCancel();
    const SetSearchEnd end = searchArmourSets(result, control);
    const size_t found = result.size();
    EXPECT_EQ(end, SetSearchEnd::Cancelled);
    EXPECT_EQ(found, 0u);
}

// Slots of many pieces that share their defence and points: whole subtrees are counted at once (by the suffix
// indexes and the memo), and the blocks must still come out one by one in loop order.
ArmourTables manyAlikePieces(int perSlot, int extremeEvery) {
    ArmourTables tables;
    tables.SkillDatas = {{"atk", "Attack Up", 3, 6, ""}, {"ATK", "Attack Up (other spelling)", 0, 100, ""}};
    int number = 0;
    for (guard::TEquipmentDatas* slot :
         {&tables.HeadDatas, &tables.BodyDatas, &tables.ArmDatas, &tables.WaistDatas, &tables.LegDatas}) {
        for (int i = 0; i < perSlot; ++i) {
            guard::TEquipmentData alike;
            alike.Name = "p" + std::to_string(number++);
            alike.Def = extremeEvery > 0 && i % extremeEvery == 0 ? std::numeric_limits<int>::max() - i : 10 + i % 3;
            alike.Male = alike.Female = alike.Swordsman = alike.Gunner = true;
            if (i % 2 == 1)
                alike.Skills.push_back({1 + i % 4 / 2, i % 8 == 1 ? "ATK" : "atk"});
            slot->push_back(alike);
        }
    }
    return tables;
}

TEST(SetSearchTest, CountsWholeSubtreesOfAlikePiecesExactly) {
    constexpr int kPerSlot = 9;
    std::mt19937 probes(2);
    struct Case {
        const char* name;
        int extremeEvery;
        std::array<const char*, 3> wanted;
        std::int32_t minTotal;
    };
    for (const Case& c : {Case{"defence only", 0, {"", "", ""}, 55}, Case{"one wish", 0, {"Attack Up", "", ""}, 0},
                          Case{"the spelling met first", 0, {"Attack Up (other spelling)", "", ""}, 50},
                          Case{"defence sums that wrap", 4, {"", "", ""}, -20},
                          Case{"a wish with sums that wrap", 3, {"Attack Up", "", ""}, 52}}) {
        const ArmourTables tables = manyAlikePieces(kPerSlot, c.extremeEvery);
        SetSearchQuery query;
        query.MinEachDef = 0;
        query.MinTotalDef = c.minTotal;
        for (std::size_t i = 0; i < query.WantedSkills.size(); ++i)
            query.WantedSkills[i] = c.wanted[i];
        const std::vector<std::string> blocks = literalBlocks(tables, query);
        ASSERT_FALSE(blocks.empty()) << c.name;
        for (const unsigned threads : {1u, 2u}) {
            for (const SearchLimits& limits : kBothWays) {
                const std::unique_ptr<SetSearchResult> result = searched(tables, query, threads, limits);
                expectRandomAccessMatches(*result, blocks, probes, c.name);
                EXPECT_EQ(resultText(*result), oracle::literalSetSearch(tables, query)) << c.name;
            }
        }
    }
}

TEST(SetSearchTest, APausedSearchCountsNothingUntilItResumes) {
    const ArmourTables tables = manyAlikePieces(6, 0);
    SetSearchQuery query;
    query.MinEachDef = 0;
    query.MinTotalDef = 0;
    SetSearchResult result(std::make_shared<const SearchSpace>(tables, query));
    SetSearchControl control;
    control.pause();
    std::atomic_bool ended{false};
    std::jthread search([&] {
        EXPECT_EQ(searchArmourSets(result, control), SetSearchEnd::Finished);
        ended = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(ended);
    EXPECT_EQ(result.size(), 0u);
    control.resume();
    search.join();
    EXPECT_EQ(result.size(), 6u * 6u * 6u * 6u * 6u);
}

TEST(SetSearchRunTest, AStopFreezesTheResultAndEndsWithoutCompleting) {
    const ArmourTables tables = manyAlikePieces(40, 0);
    SetSearchQuery query;
    query.MinEachDef = 0;
    query.WantedSkills[0] = "Attack Up";
    SetSearchRun run(tables, query);
    run.pause();
    run.stop();
    const std::uint64_t atStop = run.progress().found;
    run.wait();
    EXPECT_TRUE(run.isDone());
    EXPECT_EQ(run.end(), SetSearchEnd::Cancelled);
    EXPECT_EQ(run.progress().found, atStop) << "nothing found after the stop is published";
}

TEST(SetSearchRunTest, ARunToItsEndHoldsEverySetAndLeavesTheBarsAtTheLastPieces) {
    const ArmourTables tables = oneSetOfEachSlot();
    SetSearchQuery query;
    query.WantedSkills[0] = "Attack Up";
    SetSearchRun run(tables, query);
    run.wait();
    EXPECT_EQ(run.end(), SetSearchEnd::Finished);
    ASSERT_TRUE(run.result());
    EXPECT_EQ(run.result()->size(), 1u);
    EXPECT_EQ(run.progress().found, 1u);
    EXPECT_EQ(run.progress().positions, (std::array<std::int32_t, kArmourSlotCount>{}));
}

TEST(SetSearchTest, StartsOnlyWithAWishOrADefenceCondition) {
    EXPECT_FALSE(SetSearchQuery::mayStart({"", "", ""}, false, false));
    EXPECT_TRUE(SetSearchQuery::mayStart({"", "x", ""}, false, false));
    EXPECT_TRUE(SetSearchQuery::mayStart({"", "", ""}, false, true));
}

} // namespace
} // namespace trelkin
