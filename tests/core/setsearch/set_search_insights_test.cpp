// What a search's result tells beyond its sets: the skills that could still be added, how many sets each piece is
// in, and what each wish left out would find, all checked against the literal search on random tables.
#include "core/armour/evaluation.h"
#include "core/setsearch/extra_skills.h"
#include "core/setsearch/missing_wishes.h"
#include "core/setsearch/piece_counts.h"
#include "core/setsearch/set_counter.h"
#include "core/setsearch/set_search.h"
#include "oracle/literal_set_search.h"
#include "support/random_armour.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace trelkin {
namespace {

using testing::RandomArmour;

constexpr unsigned kCases = 600;

bool activates(const oracle::LiteralSet& set, const std::string& name) {
    return std::find(set.activated.begin(), set.activated.end(), name) != set.activated.end();
}

// The skills by the literal sets: every name of the skill table not wished, with a range above zero and not of
// the torso-up system, that a set activates, with its number of sets, most first and ties in table order.
std::vector<ExtraSkill> literalExtraSkills(const ArmourTables& tables, const SetSearchQuery& query,
                                           const std::vector<oracle::LiteralSet>& sets) {
    std::vector<std::string> names;
    for (const guard::TSkillData& row : tables.SkillDatas) {
        const bool wished = std::count(query.WantedSkills.begin(), query.WantedSkills.end(), row.Name) > 0;
        const bool known = std::count(names.begin(), names.end(), row.Name) > 0;
        const bool aboveZero = std::any_of(tables.SkillDatas.begin(), tables.SkillDatas.end(), [&](const auto& r) {
            return r.Name == row.Name && r.RangeMin > 0 && !isTorsoUpEntry(r);
        });
        if (!wished && !known && aboveZero)
            names.push_back(row.Name);
    }
    std::vector<ExtraSkill> skills;
    for (const std::string& name : names) {
        const auto activating = std::uint64_t(
            std::count_if(sets.begin(), sets.end(), [&](const auto& set) { return activates(set, name); }));
        if (activating > 0)
            skills.push_back({name, activating});
    }
    std::stable_sort(skills.begin(), skills.end(), [](const auto& a, const auto& b) { return a.sets > b.sets; });
    return skills;
}

std::array<std::vector<PieceCount>, kArmourSlotCount> literalPieceCounts(const ArmourTables& tables,
                                                                         const std::vector<oracle::LiteralSet>& sets) {
    std::array<std::vector<PieceCount>, kArmourSlotCount> counts;
    for (const ArmourSlot slot : kArmourSlots) {
        const std::size_t s = slotIndex(slot);
        for (std::size_t piece = tables.slotTable(slot).size(); piece-- > 0;) {
            const auto in = std::uint64_t(
                std::count_if(sets.begin(), sets.end(), [&](const auto& set) { return set.pieces[s] == piece; }));
            if (in > 0)
                counts[s].push_back({std::uint32_t(piece), in});
        }
    }
    return counts;
}

std::shared_ptr<const SetSearchResult> searched(const ArmourTables& tables, const SetSearchQuery& query) {
    auto result = std::make_shared<SetSearchResult>(std::make_shared<const SearchSpace>(tables, query));
    SetSearchControl control;
    EXPECT_EQ(searchArmourSets(*result, control), SetSearchEnd::Finished);
    return result;
}

TEST(SetSearchInsightsTest, ExtraSkillsAndPieceCountsAreTheLiteralSetsCounted) {
    for (unsigned seed = 0; seed < kCases; ++seed) {
        RandomArmour random(seed);
        const ArmourTables tables = random.tables();
        SetSearchQuery query = random.query(tables);
        if (seed % 2 == 0) // sets enough to count in most of the cases
            query.MinEachDef = 0;
        const std::vector<oracle::LiteralSet> sets = oracle::literalSets(tables, query);
        const std::vector<ExtraSkill> expected = literalExtraSkills(tables, query, sets);
        for (const unsigned threads : {1u, 2u}) {
            SetSearchControl control;
            ASSERT_EQ(countExtraSkills(tables, query, control, threads), expected)
                << "seed " << seed << ", threads " << threads;
        }
        ASSERT_EQ(countPieces(searched(tables, query)), literalPieceCounts(tables, sets)) << "seed " << seed;
    }
}

TEST(SetSearchInsightsTest, EachWishLeftOutFindsWhatTheLiteralSearchFindsWithoutIt) {
    for (unsigned seed = 0; seed < kCases; ++seed) {
        RandomArmour random(seed);
        const ArmourTables tables = random.tables();
        const SetSearchQuery query = random.query(tables);
        std::vector<WithoutWish> expected;
        for (const std::string& wish : query.WantedSkills) {
            if (wish.empty() || std::any_of(expected.begin(), expected.end(), [&](auto& w) { return w.wish == wish; }))
                continue;
            SetSearchQuery without = query;
            std::replace(without.WantedSkills.begin(), without.WantedSkills.end(), wish, std::string());
            expected.push_back({wish, oracle::literalSets(tables, without).size()});
        }
        SetSearchControl control;
        ASSERT_EQ(countWithoutEachWish(tables, query, control), expected) << "seed " << seed;
    }
}

TEST(SetSearchInsightsTest, AStoppedCountThrowsInsteadOfAnsweringShort) {
    RandomArmour random(5);
    const ArmourTables tables = random.tables();
    SetSearchControl control;
    control.requestCancel();
    EXPECT_THROW(countExtraSkills(tables, SetSearchQuery{}, control, 2), SearchStopped);
}

} // namespace
} // namespace trelkin
