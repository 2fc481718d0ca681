#pragma once

#include "core/setsearch/loop_descent.h"
#include "core/setsearch/sequence_cursor.h"
#include "core/setsearch/set_counter.h"
#include "core/setsearch/set_search_result.h"

#include <array>
#include <cstdint>

namespace trelkin {

// Reads the sets of a result in loop order from any block: the first by counting down the loops, each next one by
// stepping on through them, never entering a subtree that holds no set. The result must outlive the cursor.
class SetCursor : public SequenceCursor {
public:
    // Placed on `block`, which must be below the result's size().
    SetCursor(const SetSearchResult& result, std::uint64_t block);

    std::uint64_t position() const override { return m_block; }
    const FoundSet& set() const override { return m_set; }

    // Moves to `block` (below size()).
    void seek(std::uint64_t block) override;
    // Moves to the next block; false, staying put, where the result holds no more blocks now.
    bool next() override;

private:
    // Places `level` on the candidate and returns the number of the result's sets under it.
    std::uint64_t placeAndCount(std::size_t level, std::size_t candidate);
    void place(std::size_t level, std::size_t candidate);

    const SetSearchResult& m_result;
    const SearchPlan& m_plan;
    SetCounter m_counter;
    PartialSet m_none;
    std::array<PartialSet, kArmourSlotCount> m_partials;
    LoopCandidates m_candidates{};
    FoundSet m_set;
    std::uint64_t m_block = 0;
};

} // namespace trelkin
