// Every order of a result is checked against the literal search's sets sorted stably by the order's sum, whole and
// from random ranks, reversed or not, on one and two threads and with the suffixes indexed both ways.
#include "core/setsearch/ordered_result.h"
#include "core/setsearch/set_result_reader.h"
#include "core/setsearch/set_row.h"
#include "core/setsearch/set_search.h"
#include "oracle/literal_set_search.h"
#include "support/random_armour.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace trelkin {
namespace {

using testing::RandomArmour;
using Pieces = std::array<std::uint32_t, kArmourSlotCount>;

const std::array<SearchLimits, 2> kBothWays{SearchLimits{}, SearchLimits{0, 0}};

std::shared_ptr<const SetSearchResult> searched(const ArmourTables& tables, const SetSearchQuery& query,
                                                unsigned threads, const SearchLimits& limits) {
    auto result = std::make_shared<SetSearchResult>(std::make_shared<const SearchSpace>(tables, query, limits));
    SetSearchControl control;
    EXPECT_EQ(searchArmourSets(*result, control, threads), SetSearchEnd::Finished);
    return result;
}

// The order's sum of a set, as the oracle adds it: 32 bits, wrapping around.
std::int32_t literalSum(const ArmourTables& tables, const oracle::LiteralSet& set, SetOrderKey key) {
    const std::array<const guard::TEquipmentDatas*, 5> slotTables{
        &tables.HeadDatas, &tables.BodyDatas, &tables.ArmDatas, &tables.WaistDatas, &tables.LegDatas};
    std::uint32_t sum = 0;
    for (std::size_t slot = 0; slot < 5; ++slot) {
        const guard::TEquipmentData& piece = (*slotTables[slot])[set.pieces[slot]];
        const std::int32_t fields[] = {
            0, piece.Def, piece.Fire, piece.Water, piece.Thunder, piece.Dragon, piece.Production};
        sum += std::uint32_t(fields[int(key)]);
    }
    return std::int32_t(sum);
}

// The literal sets in the order: sorted stably by the sum, highest first but for the price; reversed, backwards.
std::vector<Pieces> literalOrder(const ArmourTables& tables, const SetSearchQuery& query, SetOrder order) {
    std::vector<oracle::LiteralSet> sets = oracle::literalSets(tables, query);
    const bool descending = order.key != SetOrderKey::Price;
    std::stable_sort(sets.begin(), sets.end(), [&](const oracle::LiteralSet& a, const oracle::LiteralSet& b) {
        const std::int32_t x = literalSum(tables, a, order.key);
        const std::int32_t y = literalSum(tables, b, order.key);
        return descending ? x > y : x < y;
    });
    std::vector<Pieces> pieces;
    for (const oracle::LiteralSet& set : sets)
        pieces.push_back({std::uint32_t(set.pieces[0]), std::uint32_t(set.pieces[1]), std::uint32_t(set.pieces[2]),
                          std::uint32_t(set.pieces[3]), std::uint32_t(set.pieces[4])});
    if (order.reversed)
        std::reverse(pieces.begin(), pieces.end());
    return pieces;
}

SetResultReader readerFor(std::shared_ptr<const SetSearchResult> result, SetOrder order) {
    if (order.key == SetOrderKey::Loop)
        return SetResultReader(*result, order.reversed);
    return SetResultReader(std::make_shared<const OrderedResult>(result, order.key), order.reversed);
}

void expectOrderMatches(std::shared_ptr<const SetSearchResult> result, const std::vector<Pieces>& expected,
                        SetOrder order, std::mt19937& random, const std::string& context) {
    SetResultReader whole = readerFor(result, order);
    ASSERT_EQ(whole.size(), expected.size()) << context;
    std::size_t position = 0;
    whole.visit(0, expected.size(), [&](const FoundSet& set) {
        EXPECT_EQ(set.Pieces, expected[position]) << context << ", position " << position;
        return ++position < expected.size();
    });
    if (expected.empty())
        return;
    constexpr int kProbes = 3;
    std::uniform_int_distribution<std::size_t> pick(0, expected.size() - 1);
    SetResultReader probing = readerFor(result, order);
    for (int probe = 0; probe < kProbes; ++probe) {
        const std::size_t k = pick(random);
        ASSERT_EQ(probing.at(k).Pieces, expected[k]) << context << ", at " << k;
        if (k + 1 < expected.size()) {
            ASSERT_EQ(probing.at(k + 1).Pieces, expected[k + 1]) << context << ", after " << k;
        }
    }
}

TEST(SetOrderTest, EveryOrderIsTheLiteralSetsSortedStablyBySum) {
    constexpr unsigned kCases = 1200;
    std::mt19937 probes(3);
    for (unsigned seed = 0; seed < kCases; ++seed) {
        RandomArmour random(seed);
        const ArmourTables tables = random.tables();
        SetSearchQuery query = random.query(tables);
        if (seed % 3 != 0) { // most cases without the wishes and filters that leave few sets, so that sums tie
            query.WantedSkills = {};
            query.MinEachDef = 0;
            query.sex = SetSearchQuery::Sex::Any;
        }
        const unsigned threads = 1 + seed % 2;
        const SearchLimits& limits = kBothWays[seed / 2 % 2];
        const std::shared_ptr<const SetSearchResult> result = searched(tables, query, threads, limits);
        for (std::size_t key = 0; key < kSetOrderKeyCount; ++key)
            for (const bool reversed : {false, true}) {
                const SetOrder order{SetOrderKey(key), reversed};
                expectOrderMatches(result, literalOrder(tables, query, order), order, probes,
                                   "seed " + std::to_string(seed) + ", order " + setOrderNames()[key] +
                                       (reversed ? " reversed" : ""));
            }
    }
}

TEST(SetOrderTest, AHeaderOrdersByItsSumAndAgainReverses) {
    constexpr int kHeadColumn = 0;
    constexpr int kDefenceColumn = 5;
    constexpr int kPriceColumn = 10;
    constexpr int kSkillsColumn = 11;
    EXPECT_FALSE(headerClickOrder({}, kHeadColumn));
    EXPECT_FALSE(headerClickOrder({}, kSkillsColumn));
    const SetOrder byDefence{SetOrderKey::Defence, false};
    const SetOrder reversedDefence{SetOrderKey::Defence, true};
    EXPECT_EQ(headerClickOrder({}, kDefenceColumn), byDefence);
    EXPECT_EQ(headerClickOrder(byDefence, kDefenceColumn), reversedDefence);
    EXPECT_EQ(headerClickOrder(reversedDefence, kDefenceColumn), byDefence);
    EXPECT_EQ(headerClickOrder(reversedDefence, kPriceColumn), (SetOrder{SetOrderKey::Price, false}));
}

} // namespace
} // namespace trelkin
