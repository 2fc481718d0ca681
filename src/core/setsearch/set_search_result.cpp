#include "core/setsearch/set_search_result.h"

#include "core/setsearch/set_counter.h"

#include <algorithm>

namespace trelkin {
SetSearchResult::SetSearchResult(std::shared_ptr<const SearchSpace> space) : m_space(std::move(space)) {
    const SearchPlan& plan = m_space->plan();
    const std::uint64_t heads = plan.slot(0).size();
    m_bodies = plan.slot(1).size();
    const std::uint64_t pairs = heads * m_bodies;
    m_itemDepth = pairs <= m_space->limits().maxPairItems ? 2 : 1;
    const std::size_t items = plan.empty() ? 0 : std::size_t(m_itemDepth == 2 ? pairs : heads);
    m_counts.resize(items);
    m_counted.resize(items);
}

std::uint64_t SetSearchResult::size() const {
    const std::size_t published = m_published.load(std::memory_order_acquire);
    return published == 0 ? 0 : m_counts[published - 1];
}

std::array<std::size_t, 2> SetSearchResult::itemCandidates(std::size_t item) const {
    if (m_itemDepth == 1)
        return {item, 0};
    return {item / m_bodies, item % m_bodies};
}

std::size_t SetSearchResult::itemOf(std::uint64_t block) const {
    const std::size_t published = m_published.load(std::memory_order_acquire);
    const auto end = m_counts.begin() + std::ptrdiff_t(published);
    return std::size_t(std::upper_bound(m_counts.begin(), end, block) - m_counts.begin());
}

std::uint64_t SetSearchResult::blocksBefore(std::size_t item) const {
    return item == 0 ? 0 : m_counts[item - 1];
}

void SetSearchResult::complete(std::size_t item, std::uint64_t sets) {
    const std::lock_guard lock(m_publishing);
    if (m_frozen)
        return;
    m_counts[item] = sets;
    m_counted[item] = 1;
    try {
        for (; m_next < m_counts.size() && m_counted[m_next]; ++m_next)
            if (m_next > 0)
                m_counts[m_next] = addCounts(m_counts[m_next], m_counts[m_next - 1]);
    } catch (const TooManySets&) {
        m_frozen = true;
        m_published.store(m_next, std::memory_order_release);
        throw;
    }
    m_published.store(m_next, std::memory_order_release);
}

void SetSearchResult::freeze() {
    const std::lock_guard lock(m_publishing);
    m_frozen = true;
}

} // namespace trelkin
