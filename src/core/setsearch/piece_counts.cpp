#include "core/setsearch/piece_counts.h"

#include "core/setsearch/key_sums.h"

namespace trelkin {

std::array<std::vector<PieceCount>, kArmourSlotCount> countPieces(std::shared_ptr<const SetSearchResult> result,
                                                                  SetSearchControl* control) {
    const SearchPlan& plan = result->space().plan();
    std::array<std::vector<PieceCount>, kArmourSlotCount> counts;
    for (std::size_t level = 0; level <= kLastLevel; ++level) {
        // A set's key sum is the loop position of its piece in this slot: the sets of each sum are those of a piece.
        const std::vector<std::uint32_t>& candidates = plan.slot(level).index;
        std::vector<std::uint32_t> positionOf(result->tables().slotTable(kArmourSlots[level]).size(), 0);
        for (std::size_t position = 0; position < candidates.size(); ++position)
            positionOf[candidates[position]] = std::uint32_t(position);
        const KeySums sums(
            result,
            [&](ArmourSlot slot, std::uint32_t index) {
                return slotIndex(slot) == level ? std::int32_t(positionOf[index]) : 0;
            },
            control);
        for (const auto& [position, sets] : sums.total().entries())
            counts[level].push_back({candidates[std::size_t(position)], sets});
    }
    return counts;
}

} // namespace trelkin
