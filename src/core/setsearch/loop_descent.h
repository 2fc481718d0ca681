#pragma once

#include "core/setsearch/search_plan.h"

#include <array>
#include <cstdint>

namespace trelkin {

// The candidate chosen at each level of the loops.
using LoopCandidates = std::array<std::size_t, kArmourSlotCount>;

// Counts down the loops from `level` on: places `level` on the candidate, from `first` on, under which the set
// `remainder` sets ahead lies, and every level below it on that set; false where no candidate holds that many
// sets. `placeAndCount(level, candidate)` places a candidate and returns the number of sets under it.
template <typename PlaceAndCount>
bool descendLoops(const SearchPlan& plan, std::size_t level, std::size_t first, std::uint64_t remainder,
                  PlaceAndCount&& placeAndCount) {
    for (std::size_t c = first; c < plan.slot(level).size(); ++c) {
        const std::uint64_t sets = placeAndCount(level, c);
        if (remainder < sets)
            return level == kLastLevel || descendLoops(plan, level + 1, 0, remainder, placeAndCount);
        remainder -= sets;
    }
    return false;
}

// Steps from the set the candidates lead to onto the next one in loop order, moving no level above `depth`;
// false where no set is left below those levels.
template <typename PlaceAndCount>
bool stepLoops(const SearchPlan& plan, std::size_t depth, const LoopCandidates& candidates,
               PlaceAndCount&& placeAndCount) {
    for (std::size_t level = kLastLevel + 1; level-- > depth;)
        if (descendLoops(plan, level, candidates[level] + 1, 0, placeAndCount))
            return true;
    return false;
}

} // namespace trelkin
