#include "core/setsearch/ordered_result.h"

#include "core/setsearch/count_arithmetic.h"

#include <algorithm>

namespace trelkin {
namespace {

// A key's value for each piece of the tables.
CandidateKeys::PieceValue valuesOf(const ArmourTables& tables, SetOrderKey key) {
    return
        [&tables, key](ArmourSlot slot, std::uint32_t index) { return orderValue(tables.slotTable(slot)[index], key); };
}

} // namespace

OrderedResult::OrderedResult(std::shared_ptr<const SetSearchResult> result, SetOrderKey key, SetSearchControl* control)
    : m_key(key), m_sums(result, valuesOf(result->tables(), key), control) {
    m_sequence = m_sums.total().entries();
    if (highestFirst(m_key))
        std::reverse(m_sequence.begin(), m_sequence.end());
    m_before.reserve(m_sequence.size());
    std::uint64_t before = 0;
    for (const auto& [value, count] : m_sequence) {
        m_before.push_back(before);
        before = addCounts(before, count);
    }
}

OrderedResult::Place OrderedResult::locate(std::uint64_t rank) const {
    const std::size_t entry =
        std::size_t(std::upper_bound(m_before.begin(), m_before.end(), rank) - m_before.begin()) - 1;
    return {m_sequence[entry].first, rank - m_before[entry]};
}

} // namespace trelkin
