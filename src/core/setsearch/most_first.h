#pragma once

#include <algorithm>
#include <vector>

namespace trelkin {

// Puts what was counted (anything with a number of `sets`) most first, ties keeping their order: the order in which
// the page lists the skills that could be added and the pieces of a slot.
template <typename Counted> void sortMostFirst(std::vector<Counted>& counted) {
    std::stable_sort(counted.begin(), counted.end(),
                     [](const Counted& a, const Counted& b) { return a.sets > b.sets; });
}

} // namespace trelkin
