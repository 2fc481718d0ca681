#pragma once

#include <cstdint>
#include <limits>

namespace trelkin {

// Thrown when a number of sets passes what 64 bits can count.
struct TooManySets {};

// Adds two counts of sets; throws TooManySets where the sum does not fit.
inline std::uint64_t addCounts(std::uint64_t a, std::uint64_t b) {
    if (b > std::numeric_limits<std::uint64_t>::max() - a)
        throw TooManySets{};
    return a + b;
}

// Multiplies two counts of sets; throws TooManySets where the product does not fit.
inline std::uint64_t multiplyCounts(std::uint64_t a, std::uint64_t b) {
    if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a)
        throw TooManySets{};
    return a * b;
}

} // namespace trelkin
