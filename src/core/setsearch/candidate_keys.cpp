#include "core/setsearch/candidate_keys.h"

#include <algorithm>
#include <limits>

namespace trelkin {

CandidateKeys::CandidateKeys(const SearchPlan& plan, const PieceValue& valueOf) {
    std::int64_t largest = 0;
    for (std::size_t level = kArmourSlotCount; level-- > 0;) {
        const SlotCandidates& slot = plan.slot(level);
        std::vector<std::int32_t>& values = m_values[level];
        values.reserve(slot.size());
        for (const std::uint32_t index : slot.index)
            values.push_back(valueOf(kArmourSlots[level], index));
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        const std::int64_t least = values.empty() ? 0 : *low;
        const std::int64_t most = values.empty() ? 0 : *high;
        m_lowFrom[level] = m_lowFrom[level + 1] + least;
        m_highFrom[level] = m_highFrom[level + 1] + most;
        largest += std::max(-least, most);
    }
    m_bounded = largest <= std::numeric_limits<std::int32_t>::max();
}

} // namespace trelkin
