#pragma once

#include "core/data/armour_slot.h"
#include "core/data/common_guard.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trelkin {

// What the set search looks for, as the page's inputs hold it. A default query is what the page starts with.
struct SetSearchQuery {
    // In the order of the wearer selectors' items, the blank item (filtering nothing) first.
    enum class Sex { Any, Male, Female };
    enum class WearerClass { Any, Swordsman, Gunner };

    static constexpr std::size_t kWantedSkillCount = 3;
    // The defence limits the page starts with, both ticked.
    static constexpr std::int32_t kStartMinEachDef = 15;
    static constexpr std::int32_t kStartMinTotalDef = 75;

    std::array<std::string, kWantedSkillCount> WantedSkills; // activated skill names; empty means no wish
    Sex sex = Sex::Male;
    WearerClass wearerClass = WearerClass::Swordsman;
    std::int32_t MinEachDef = kStartMinEachDef;   // 0 when the check box is cleared
    std::int32_t MinTotalDef = kStartMinTotalDef; // 0 when the check box is cleared

    // What the player narrows the search to, slot by slot (code page 932 names): every piece of an excluded name
    // is left out; where names are pinned, only pieces of those names are tried. None at the start.
    std::array<std::vector<std::string>, kArmourSlotCount> Excluded;
    std::array<std::vector<std::string>, kArmourSlotCount> Pinned;
    // Pieces of a higher rarity are left out; no limit at the start.
    std::optional<std::int32_t> MaxRare;
    // Judge a set by the armour evaluation's rule, the body's points counting as often as the torso-up pieces
    // say, instead of the set search's own; off at the start.
    bool TorsoUp = false;

    // The search runs only with a wish or a defence condition.
    static bool mayStart(const std::array<std::string, kWantedSkillCount>& wanted, bool eachDefChecked,
                         bool totalDefChecked);
};

// The items of the wearer selectors ("", "男", "女" and "", "剣士", "ガンナー"), and what a chosen item means: an
// item out of range (none chosen) filters nothing, as the blank item does.
const QStringList& sexChoiceItems();
const QStringList& classChoiceItems();
SetSearchQuery::Sex sexOfChoice(int item);
SetSearchQuery::WearerClass classOfChoice(int item);

// Adds a name to the names a slot's pieces are left out by (or, pinned, tried only by), once; takes it away again.
void addNarrowing(SetSearchQuery& query, ArmourSlot slot, const std::string& name, bool pinned);
void removeNarrowing(SetSearchQuery& query, ArmourSlot slot, const std::string& name, bool pinned);

// The per-piece tests of a slot's piece: defence, sex, class, then what the player narrowed the search to.
bool passesPieceFilters(const guard::TEquipmentData& piece, ArmourSlot slot, const SetSearchQuery& query);

// One found set: the table index of its piece in each slot, head to leg.
struct FoundSet {
    std::array<std::uint32_t, kArmourSlotCount> Pieces{};

    friend bool operator==(const FoundSet&, const FoundSet&) = default;
};

} // namespace trelkin
