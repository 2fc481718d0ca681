#pragma once

#include <cstdint>

namespace trelkin::ui {

// A scroll bar over any number of items: one step of the bar is one item while the items fit the bar's int range;
// beyond, the bar's range stands for all the items in proportion, so that it still reaches every one.

// The bar's maximum for `count` items.
int hugeBarMaximum(std::uint64_t count);
// The bar's value that shows `item` of `count`, and the item a value of the bar shows.
int hugeBarValue(std::uint64_t item, std::uint64_t count);
std::uint64_t hugeBarItem(int value, std::uint64_t count);

} // namespace trelkin::ui
