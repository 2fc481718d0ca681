#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace trelkin {

// How many sets have each value of a key (a total defence, a price, ...): the values in ascending order, each
// with its number of sets. Values are the game's 32-bit sums and may have wrapped around.
class KeyCounts {
public:
    using Entry = std::pair<std::int32_t, std::uint64_t>;

    KeyCounts() = default;
    // Entries in ascending order of value, each value once, no count zero.
    explicit KeyCounts(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    const std::vector<Entry>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    // The number of sets whose value is `value`.
    std::uint64_t at(std::int32_t value) const;
    // The number of sets of every value; throws TooManySets where it does not fit 64 bits.
    std::uint64_t total() const;

private:
    std::vector<Entry> m_entries;
};

// Adds up counts per value and makes a KeyCounts of them. Where every value lies in a known narrow range the
// counts go to an array indexed by value; otherwise they are gathered and sorted at the end. Sums of counts that
// pass 64 bits throw TooManySets.
class KeyCountsBuilder {
public:
    // The values to come lie in [low, high] (as 64-bit numbers), or anywhere when `bounded` is false.
    KeyCountsBuilder(bool bounded, std::int64_t low, std::int64_t high);
    // The values to come may lie anywhere.
    KeyCountsBuilder() : KeyCountsBuilder(false, 0, 0) {}

    void add(std::int32_t value, std::uint64_t count);
    // Adds every entry of `counts`, each value moved by `shift` (a 32-bit wrapping sum), every count multiplied
    // by `times`.
    void addShifted(const KeyCounts& counts, std::int32_t shift, std::uint64_t times = 1);

    // The counts added so far; the builder is empty afterwards.
    KeyCounts take();

private:
    bool m_dense;
    std::int64_t m_low = 0;
    std::vector<std::uint64_t> m_array; // by value - low, where dense
    std::vector<KeyCounts::Entry> m_gathered;
};

} // namespace trelkin
