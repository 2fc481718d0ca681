#pragma once

#include "core/setsearch/key_sums.h"
#include "core/setsearch/set_order.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace trelkin {

// A search's result seen in the order of a key: the sets of the items it had published when the order was made.
// Held as counts over key sums (KeySums), never as a sorted list of sets, so that any rank of the key's sequence is
// found without reading the sets before it. Immutable once made, and safe to read from any thread; reading it in
// order is the job of an OrderedCursor.
class OrderedResult {
public:
    // Throws SearchStopped when the control stops it, TooManySets, and std::bad_alloc when the result has too
    // many different key sums to hold.
    OrderedResult(std::shared_ptr<const SetSearchResult> result, SetOrderKey key, SetSearchControl* control = nullptr);

    const SetSearchResult& result() const { return m_sums.result(); }
    SetOrderKey key() const { return m_key; }
    const KeySpace& keySpace() const { return m_sums.keySpace(); }
    // The number of sets in the order: the result's size when the order was made.
    std::uint64_t size() const { return m_sums.size(); }
    std::size_t itemCount() const { return m_sums.itemCount(); }
    // How many of an item's sets have the key sum `value`.
    std::uint64_t setsOfItem(std::size_t item, std::int32_t value) const { return m_sums.setsOfItem(item, value); }

    // Where a rank of the key's sequence lies: the key sum of its set and how many sets of that sum come first.
    struct Place {
        std::int32_t value;
        std::uint64_t within;
    };
    Place locate(std::uint64_t rank) const;

private:
    SetOrderKey m_key;
    KeySums m_sums;
    // The key sums in the key's sequence, each with its number of sets and the number of sets before it.
    std::vector<KeyCounts::Entry> m_sequence;
    std::vector<std::uint64_t> m_before;
};

} // namespace trelkin
