#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trelkin {

// The sums on which a count of sets depends, laid out as one key of 32-bit values, and the hash of such a key.
// A count's memo and a suffix index's groups are looked up by these keys.

// Appends the points, then the spellings, of `systems` skill systems.
inline void appendSums(std::vector<std::int32_t>& key, const std::int32_t* points, const std::int32_t* spelling,
                       std::size_t systems) {
    key.insert(key.end(), points, points + systems);
    key.insert(key.end(), spelling, spelling + systems);
}

// FNV-1a over the values, folded so that the low bits that pick a table slot see the high ones.
inline std::size_t hashKey(const std::int32_t* values, std::size_t count) {
    constexpr std::uint64_t kBasis = 14695981039346656037u;
    constexpr std::uint64_t kPrime = 1099511628211u;
    constexpr int kFold = 29;
    std::uint64_t hash = kBasis;
    for (std::size_t i = 0; i < count; ++i)
        hash = (hash ^ std::uint32_t(values[i])) * kPrime;
    return std::size_t(hash ^ (hash >> kFold));
}

struct SumKeyHash {
    std::size_t operator()(const std::vector<std::int32_t>& key) const { return hashKey(key.data(), key.size()); }
};

} // namespace trelkin
