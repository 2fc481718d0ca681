#pragma once

#include "core/data/armour_slot.h"
#include "core/setsearch/search_plan.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace trelkin {

// What each candidate of a plan adds to a key's sum (the total defence, the price, ...), slot by slot in loop
// order, and the range of the sums that the slots after a level can add. Immutable once built.
class CandidateKeys {
public:
    // The value a piece adds, given its slot and its index in the slot's table.
    using PieceValue = std::function<std::int32_t(ArmourSlot slot, std::uint32_t tableIndex)>;

    CandidateKeys(const SearchPlan& plan, const PieceValue& valueOf);

    std::int32_t value(std::size_t level, std::size_t candidate) const { return m_values[level][candidate]; }

    // Whether no sum of the key can wrap around, so that the ranges below hold.
    bool bounded() const { return m_bounded; }
    // The least and the most that the slots from `level` on add (0 for a whole set, kArmourSlotCount for none).
    std::int64_t lowFrom(std::size_t level) const { return m_lowFrom[level]; }
    std::int64_t highFrom(std::size_t level) const { return m_highFrom[level]; }

private:
    std::array<std::vector<std::int32_t>, kArmourSlotCount> m_values;
    bool m_bounded = false;
    std::array<std::int64_t, kArmourSlotCount + 1> m_lowFrom{};
    std::array<std::int64_t, kArmourSlotCount + 1> m_highFrom{};
};

} // namespace trelkin
