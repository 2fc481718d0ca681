#pragma once

#include "core/setsearch/key_counts.h"
#include "core/setsearch/key_sum_counter.h"
#include "core/setsearch/set_order.h"
#include "core/setsearch/set_search_result.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace trelkin {

// A search's result seen in the order of a key: the sets of the items it had published when the order was made.
// Held as counts over key sums, never as a sorted list of sets: how many sets have each key sum in all, and for
// each work item the counts by key sum of its completions, shared by the items whose prefixes have the same sums. Any
// rank of the key's sequence is then found without reading the sets before it. Immutable once made, and safe to read
// from any thread; reading it in order is the job of an OrderedCursor.
class OrderedResult {
public:
    // The number of key sum counts it may hold, over all its work items' prefixes.
    static constexpr std::size_t kMostHeldCounts = std::size_t(4) << 20;

    // Throws SearchStopped when the control stops it, TooManySets, and std::bad_alloc when the result has too
    // many different key sums to hold within kMostHeldCounts.
    OrderedResult(std::shared_ptr<const SetSearchResult> result, SetOrderKey key, SetSearchControl* control = nullptr);

    const SetSearchResult& result() const { return *m_result; }
    SetOrderKey key() const { return m_key; }
    const KeySpace& keySpace() const { return *m_keySpace; }
    // The number of sets in the order: the result's size when the order was made.
    std::uint64_t size() const { return m_size; }
    std::size_t itemCount() const { return m_itemState.size(); }

    // Where a rank of the key's sequence lies: the key sum of its set and how many sets of that sum come first.
    struct Place {
        std::int32_t value;
        std::uint64_t within;
    };
    Place locate(std::uint64_t rank) const;

    // How many of an item's sets have the key sum `value`.
    std::uint64_t setsOfItem(std::size_t item, std::int32_t value) const;

private:
    void countItems(KeySumCounter& counter, SetSearchControl* control);
    void makeSequence(std::vector<std::vector<std::int32_t>> prefixKeys);

    std::shared_ptr<const SetSearchResult> m_result;
    SetOrderKey m_key;
    std::unique_ptr<const KeySpace> m_keySpace;
    std::uint64_t m_size = 0;
    // The key sums in the key's sequence, each with its number of sets and the number of sets before it.
    std::vector<KeyCounts::Entry> m_sequence;
    std::vector<std::uint64_t> m_before;
    // For each item, the key sum of its fixed pieces and its prefix's counts (kNoState where it holds no set).
    std::vector<std::int32_t> m_itemKey;
    std::vector<std::int32_t> m_itemState;
    std::vector<std::shared_ptr<const KeyCounts>> m_states;
};

} // namespace trelkin
