#pragma once

#include "core/setsearch/candidate_keys.h"
#include "core/setsearch/key_counts.h"
#include "core/setsearch/key_sum_counter.h"
#include "core/setsearch/set_search_result.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace trelkin {

// How many of a result's sets have each sum of a key (the total defence, the price, a slot's piece ...): in all,
// and for each work item, as the counts by key sum of its prefix's completions (shared by the items whose prefixes
// have the same sums) moved by its own pieces' sum. Covers the sets of the items the result had published when it
// was made. Held as counts, never as sets; immutable once made and safe to read from any thread.
class KeySums {
public:
    // The key sum counts it may hold, over all its items' prefixes.
    static constexpr std::size_t kMostHeldCounts = std::size_t(4) << 20;

    // Throws SearchStopped when the control stops it, TooManySets, and std::bad_alloc when the result has too
    // many different key sums to hold within kMostHeldCounts.
    KeySums(std::shared_ptr<const SetSearchResult> result, const CandidateKeys::PieceValue& valueOf,
            SetSearchControl* control = nullptr);

    const SetSearchResult& result() const { return *m_result; }
    const KeySpace& keySpace() const { return *m_keySpace; }
    // The number of sets it covers: the result's size when it was made.
    std::uint64_t size() const { return m_size; }
    // The number of sets of each key sum, in ascending order of the sums.
    const KeyCounts& total() const { return m_total; }

    std::size_t itemCount() const { return m_itemState.size(); }
    // How many of an item's sets have the key sum `value`.
    std::uint64_t setsOfItem(std::size_t item, std::int32_t value) const;

private:
    std::vector<std::vector<std::int32_t>> countItems(KeySumCounter& counter, SetSearchControl* control);
    void addUp(const std::vector<std::vector<std::int32_t>>& prefixKeys);

    std::shared_ptr<const SetSearchResult> m_result;
    std::unique_ptr<const KeySpace> m_keySpace;
    std::uint64_t m_size = 0;
    KeyCounts m_total;
    // For each item, the key sum of its fixed pieces and its prefix's state (none where it holds no set).
    std::vector<std::int32_t> m_itemKey;
    std::vector<std::int32_t> m_itemState;
    std::vector<std::shared_ptr<const KeyCounts>> m_states;
};

} // namespace trelkin
