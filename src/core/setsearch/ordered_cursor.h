#pragma once

#include "core/setsearch/key_sum_counter.h"
#include "core/setsearch/loop_descent.h"
#include "core/setsearch/ordered_result.h"
#include "core/setsearch/sequence_cursor.h"

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace trelkin {

// Reads the sets of an ordered result in its key's sequence, from any rank: the key sum of the rank from the
// order's counts, then the set among those of that sum in loop order, by counting down the loops with the counts
// of that sum only. Steps on within a sum without searching afresh. The order must outlive the cursor.
class OrderedCursor : public SequenceCursor {
public:
    // Placed on `rank`, which must be below the order's size().
    OrderedCursor(const OrderedResult& order, std::uint64_t rank);

    std::uint64_t position() const override { return m_rank; }
    const FoundSet& set() const override { return m_set; }
    void seek(std::uint64_t rank) override;
    bool next() override;

private:
    // For one key sum, the number of its sets before every kItemsPerStep-th item, so that the item holding any
    // of them is found in a few steps.
    struct ItemSteps {
        std::int32_t value;
        std::vector<std::uint64_t> before;
    };

    const ItemSteps& stepsFor(std::int32_t value);
    // Places the item that holds set `within` of those of the key sum, returning how many of them come before it.
    std::uint64_t placeItem(std::int32_t value, std::uint64_t within);
    void placeItemLevels(std::size_t item);
    // Places `level` on the candidate and returns the number of sets of the cursor's key sum under it.
    std::uint64_t placeAndCount(std::size_t level, std::size_t candidate);
    // Counts down from the item's levels to set `within` of those of the key sum under them.
    bool descend(std::uint64_t within);
    void place(std::size_t level, std::size_t candidate);
    bool nextItem();

    const OrderedResult& m_order;
    const SearchPlan& m_plan;
    const CandidateKeys& m_keys;
    KeySumCounter m_counter;
    PartialSet m_none;
    std::array<PartialSet, kArmourSlotCount> m_partials;
    std::array<std::int32_t, kArmourSlotCount> m_keySums{};
    LoopCandidates m_candidates{};
    FoundSet m_set;
    std::uint64_t m_rank = 0;
    std::int32_t m_value = 0;
    std::size_t m_item = 0;
    std::deque<ItemSteps> m_steps; // the last few key sums looked up
};

} // namespace trelkin
