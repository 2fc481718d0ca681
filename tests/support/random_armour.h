#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_query.h"
#include "support/scrambled_fixture.h"

#include <limits>
#include <random>
#include <string>
#include <vector>

namespace trelkin::testing {

// Small random tables with the awkward cases: names that differ only in ASCII case, a skill listed twice on a
// piece, negative points, overlapping ranges, the torso-up system summed like any other, empty slots, sums that
// wrap around, and resistances and prices that tie often.
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
        narrow(tables, query);
        query.TorsoUp = pick(0, 2) == 0;
        return query;
    }

    // Now and then a piece's name left out or pinned in a slot, and a limit on rarity.
    void narrow(const ArmourTables& tables, SetSearchQuery& query) {
        for (const ArmourSlot slot : kArmourSlots) {
            const guard::TEquipmentDatas& table = tables.slotTable(slot);
            if (table.empty())
                continue;
            const std::string& name = table[size_t(pick(0, int(table.size()) - 1))].Name;
            const int choice = pick(0, 9);
            if (choice == 0)
                query.Excluded[slotIndex(slot)].push_back(name);
            else if (choice == 1)
                query.Pinned[slotIndex(slot)].push_back(name);
        }
        if (pick(0, 3) == 0)
            query.MaxRare = pick(1, 7);
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
        // Now and then two pieces of one slot share a name.
        piece.Name = "p" + std::to_string(pick(0, 6) == 0 ? 0 : number) + "-" + std::to_string(pick(0, 2));
        piece.Def = value(0, 20);
        piece.Rare = pick(1, 8);
        piece.Fire = value(-5, 5);
        piece.Water = value(-5, 5);
        piece.Thunder = value(-5, 5);
        piece.Dragon = value(-5, 5);
        // Prices come in hundreds, but the extremes stay as they are.
        constexpr int kPriceStep = 100;
        const int price = value(0, 9);
        piece.Production = price >= 0 && price <= 9 ? price * kPriceStep : price;
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

} // namespace trelkin::testing
