#pragma once

#include "core/data/armour_slot.h"
#include "core/data/common_guard.h"

#include <array>
#include <cstdint>
#include <string>

namespace trelkin {

// What the set search looks for, as the page's inputs hold it.
struct SetSearchQuery {
    enum class Sex { Any, Male, Female };
    enum class WearerClass { Any, Swordsman, Gunner };

    static constexpr std::size_t kWantedSkillCount = 3;

    std::array<std::string, kWantedSkillCount> WantedSkills; // activated skill names; empty means no wish
    Sex sex = Sex::Male;
    WearerClass wearerClass = WearerClass::Swordsman;
    std::int32_t MinEachDef = 15;  // 0 when the check box is cleared
    std::int32_t MinTotalDef = 75; // 0 when the check box is cleared

    // The search runs only with a wish or a defence condition.
    static bool mayStart(const std::array<std::string, kWantedSkillCount>& wanted, bool eachDefChecked,
                         bool totalDefChecked);
};

// The per-piece tests, in their order: defence, then sex, then class.
bool passesPieceFilters(const guard::TEquipmentData& piece, const SetSearchQuery& query);

// One found set: the table index of its piece in each slot, head to leg.
struct FoundSet {
    std::array<std::uint32_t, kArmourSlotCount> Pieces{};

    friend bool operator==(const FoundSet&, const FoundSet&) = default;
};

} // namespace trelkin
