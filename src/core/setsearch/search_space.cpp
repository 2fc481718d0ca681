#include "core/setsearch/search_space.h"

namespace trelkin {

SearchSpace::SearchSpace(const ArmourTables& tables, const SetSearchQuery& query, const SearchLimits& limits,
                         const std::string* extraWish)
    : m_tables(tables), m_limits(limits), m_plan(tables, query, extraWish),
      m_legs(std::make_unique<SuffixIndex>(m_plan, kLastLevel)) {
    if (SuffixIndex::suffixCount(m_plan, kLastLevel - 1) <= limits.maxIndexedPairs)
        m_pairs = std::make_unique<SuffixIndex>(m_plan, kLastLevel - 1);
}

} // namespace trelkin
