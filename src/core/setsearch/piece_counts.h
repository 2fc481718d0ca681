#pragma once

#include "core/data/armour_slot.h"
#include "core/setsearch/set_search_control.h"
#include "core/setsearch/set_search_result.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace trelkin {

// How many of a result's sets a piece is in: its index in its slot's table and the number of sets.
struct PieceCount {
    std::uint32_t piece;
    std::uint64_t sets;

    friend bool operator==(const PieceCount&, const PieceCount&) = default;
};

// For each slot, head to leg, the pieces in at least one set of the result, in loop order, each with its number
// of sets: counts over the sums of the pieces' positions, never a walk over the sets. Throws SearchStopped when
// the control stops it, TooManySets, and std::bad_alloc.
std::array<std::vector<PieceCount>, kArmourSlotCount> countPieces(std::shared_ptr<const SetSearchResult> result,
                                                                  SetSearchControl* control = nullptr);

} // namespace trelkin
