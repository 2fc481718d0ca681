#include "gui/widgets/huge_scroll.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trelkin::ui {
namespace {

constexpr std::uint64_t kBarMaximum = std::numeric_limits<int>::max();

std::uint64_t lastOf(std::uint64_t count) {
    return count == 0 ? 0 : count - 1;
}

} // namespace

int hugeBarMaximum(std::uint64_t count) {
    return int(std::min(lastOf(count), kBarMaximum));
}

int hugeBarValue(std::uint64_t item, std::uint64_t count) {
    const std::uint64_t last = lastOf(count);
    if (last <= kBarMaximum)
        return int(item);
    return int(std::min<double>(double(kBarMaximum), std::round(double(item) / double(last) * double(kBarMaximum))));
}

std::uint64_t hugeBarItem(int value, std::uint64_t count) {
    const std::uint64_t last = lastOf(count);
    const std::uint64_t steps = std::uint64_t(std::max(0, value));
    if (last <= kBarMaximum)
        return steps;
    // steps * last / kBarMaximum, in parts that cannot overflow 64 bits.
    return steps * (last / kBarMaximum) + steps * (last % kBarMaximum) / kBarMaximum;
}

} // namespace trelkin::ui
