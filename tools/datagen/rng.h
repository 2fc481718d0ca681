#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace datagen {

// splitmix64 with our own range helpers: standard distributions differ between library versions, and the demo data
// must come out byte-identical everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Inclusive on both ends; rejection keeps every value equally likely.
    int uniform(int lo, int hi) {
        const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
        std::uint64_t x = next();
        while (x >= limit) {
            x = next();
        }
        return static_cast<int>(lo + static_cast<std::int64_t>(x % span));
    }

    bool percent(int chance) { return uniform(0, 99) < chance; }

    std::size_t index(std::size_t size) { return static_cast<std::size_t>(uniform(0, static_cast<int>(size) - 1)); }

    // Index drawn with the given relative weights.
    std::size_t weighted(const std::vector<int>& weights) {
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        int roll = uniform(0, total - 1);
        std::size_t i = 0;
        while (roll >= weights[i]) {
            roll -= weights[i++];
        }
        return i;
    }

    template <class T> const T& pick(const std::vector<T>& items) { return items[index(items.size())]; }

    template <class T> void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[index(i)]);
        }
    }

private:
    std::uint64_t state_;
};

} // namespace datagen
