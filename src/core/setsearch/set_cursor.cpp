#include "core/setsearch/set_cursor.h"

namespace trelkin {

SetCursor::SetCursor(const SetSearchResult& result, std::uint64_t block)
    : m_result(result), m_plan(result.space().plan()), m_counter(result.space()), m_none(m_plan.emptyPartial()) {
    seek(block);
}

void SetCursor::place(std::size_t level, std::size_t candidate) {
    m_plan.extend(level == 0 ? m_none : m_partials[level - 1], level, candidate, m_partials[level]);
    m_candidates[level] = candidate;
    m_set.Pieces[level] = m_plan.slot(level).index[candidate];
}

std::uint64_t SetCursor::placeAndCount(std::size_t level, std::size_t candidate) {
    place(level, candidate);
    if (!m_plan.mayQualify(level, m_partials[level]))
        return 0;
    return m_counter.completions(level, m_partials[level]);
}

void SetCursor::seek(std::uint64_t block) {
    const std::size_t item = m_result.itemOf(block);
    const std::array<std::size_t, 2> fixed = m_result.itemCandidates(item);
    const std::size_t depth = m_result.itemDepth();
    for (std::size_t level = 0; level < depth; ++level)
        place(level, fixed[level]);
    m_block = block;
    descendLoops(m_plan, depth, 0, block - m_result.blocksBefore(item),
                 [this](std::size_t level, std::size_t c) { return placeAndCount(level, c); });
}

bool SetCursor::next() {
    if (m_block + 1 >= m_result.size())
        return false;
    if (stepLoops(m_plan, m_result.itemDepth(), m_candidates,
                  [this](std::size_t level, std::size_t c) { return placeAndCount(level, c); }))
        ++m_block;
    else
        seek(m_block + 1);
    return true;
}

} // namespace trelkin
