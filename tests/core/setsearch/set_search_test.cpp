#include "core/setsearch/set_block.h"
#include "core/setsearch/set_search.h"
#include "oracle/literal_set_search.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace trelkin {
namespace {

using testing::sjis;

std::string engineText(const ArmourTables& tables, const SetSearchQuery& query, unsigned threads) {
    SetSearchMonitor monitor;
    std::string text;
    const SetSearchEnd end = searchArmourSets(
        tables, query, monitor,
        [&](std::vector<FoundSet>&& batch) {
            for (const FoundSet& set : batch)
                text += setBlockText(tables, set);
        },
        threads);
    EXPECT_EQ(end, SetSearchEnd::Finished);
    return text;
}

// Small random tables with the awkward cases: names that differ only in ASCII case, a skill listed twice on a
// piece, negative points, overlapping ranges, the torso-up system summed like any other, empty slots, sums that
// wrap around.
class RandomArmour {
public:
    explicit RandomArmour(unsigned seed) : m_random(seed) {}

    ArmourTables tables() {
        ArmourTables tables;
        const int rows = pick(0, 8);
        for (int i = 0; i < rows; ++i)
            tables.SkillDatas.push_back({system(), activatedName(), pick(-12, 6), pick(-2, 12), ""});
        for (guard::TEquipmentDatas* slot :
             {&tables.HeadDatas, &tables.BodyDatas, &tables.ArmDatas, &tables.WaistDatas, &tables.LegDatas}) {
            const int pieces = pick(0, 15) == 0 ? 0 : pick(1, 5);
            for (int i = 0; i < pieces; ++i)
                slot->push_back(piece(i));
        }
        return tables;
    }

    SetSearchQuery query(const ArmourTables& tables) {
        SetSearchQuery query;
        for (std::string& wanted : query.WantedSkills) {
            const int choice = pick(0, 9);
            if (choice < 4 && !tables.SkillDatas.empty())
                wanted = tables.SkillDatas[size_t(pick(0, int(tables.SkillDatas.size()) - 1))].Name;
            else if (choice == 4)
                wanted = activatedName();
        }
        query.sex = SetSearchQuery::Sex(pick(0, 2));
        query.wearerClass = SetSearchQuery::WearerClass(pick(0, 2));
        query.MinEachDef = pick(0, 1) ? 0 : pick(0, 12);
        query.MinTotalDef = pick(0, 1) ? 0 : pick(0, 60);
        return query;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string system() {
        static const std::vector<std::string> systems{"atk",       "ATK", "Atk", "def", "DEF", sjis("胴系統倍加"),
                                                      sjis("採取")};
        return systems[size_t(pick(0, int(systems.size()) - 1))];
    }
    std::string activatedName() { return "skill" + std::to_string(pick(0, 5)); }

    // Now and then a value near an end of the 32-bit range, so that sums wrap around.
    int value(int low, int high) {
        constexpr int kExtremeOneIn = 30;
        constexpr int kNearEnd = 3;
        if (pick(1, kExtremeOneIn) > 1)
            return pick(low, high);
        return pick(0, 1) ? std::numeric_limits<int>::max() - pick(0, kNearEnd)
                          : std::numeric_limits<int>::min() + pick(0, kNearEnd);
    }

    guard::TEquipmentData piece(int number) {
        guard::TEquipmentData piece;
        piece.Name = "p" + std::to_string(number) + "-" + std::to_string(pick(0, 99));
        piece.Def = value(0, 20);
        piece.Male = pick(0, 3) > 0;
        piece.Female = pick(0, 3) > 0;
        piece.Swordsman = pick(0, 3) > 0;
        piece.Gunner = pick(0, 3) > 0;
        const int entries = pick(0, 3);
        for (int i = 0; i < entries; ++i)
            piece.Skills.push_back({value(-6, 8), system()});
        return piece;
    }

    std::mt19937 m_random;
};

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
    SetSearchMonitor monitor;
    monitor.CancelRequested = true;
    size_t found = 0;
    const SetSearchEnd end = searchArmourSets(tables, SetSearchQuery{}, monitor,
                                              [&](std::vector<FoundSet>&& batch) { found += batch.size(); });
    EXPECT_EQ(end, SetSearchEnd::Cancelled);
    EXPECT_EQ(found, 0u);
}

TEST(SetSearchTest, StartsOnlyWithAWishOrADefenceCondition) {
    EXPECT_FALSE(SetSearchQuery::mayStart({"", "", ""}, false, false));
    EXPECT_TRUE(SetSearchQuery::mayStart({"", "x", ""}, false, false));
    EXPECT_TRUE(SetSearchQuery::mayStart({"", "", ""}, false, true));
}

} // namespace
} // namespace trelkin
