#pragma once

#include <cstdint>

namespace trelkin {

// The game's numbers are 32-bit and its sums wrap around on overflow: the two's complement result, never undefined
// behaviour.
constexpr std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return std::int32_t(std::uint32_t(a) + std::uint32_t(b));
}

constexpr std::int32_t wrappingSubtract(std::int32_t a, std::int32_t b) {
    return std::int32_t(std::uint32_t(a) - std::uint32_t(b));
}

constexpr std::int32_t wrappingMultiply(std::int32_t a, std::int32_t b) {
    return std::int32_t(std::uint32_t(a) * std::uint32_t(b));
}

// Adds to a running total in place.
constexpr void addWrapping(std::int32_t& total, std::int32_t amount) {
    total = wrappingAdd(total, amount);
}

} // namespace trelkin
